#include "win32/host_input.h"

namespace platform {

HostInputState& HostInput() {
    static HostInputState state;
    return state;
}

}  // namespace platform
