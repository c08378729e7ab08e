// The event trace (ZOLT_TRACE): one line per event, fields separated by spaces.
#pragma once

#include <string>

namespace platform {

bool TraceEnabled();
void Trace(const std::string& line);

}  // namespace platform
