#include "core/device_condition.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<DeviceCondition> condition{DeviceCondition::Ok};
}

DeviceCondition GetDeviceCondition() { return condition.load(); }
void SetDeviceCondition(DeviceCondition value) { condition.store(value); }

}  // namespace platform
