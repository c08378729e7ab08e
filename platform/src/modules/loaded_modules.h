// The modules loaded into the process, as HMODULE handles: the address at
// which the dynamic loader mapped each one.
#pragma once

#include <string>

#include "wintypes.h"

namespace platform {

// The module that holds address; null when no loaded module does.
HMODULE ModuleOfAddress(const void* address);
HMODULE ExecutableModule();
// The module whose file name is name (see GetModuleHandleW); null when none.
HMODULE ModuleNamed(const std::string& name);

// ASCII letters compared without regard to case, as Windows compares names.
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b);

}  // namespace platform
