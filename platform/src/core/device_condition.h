// What the graphics device reports about itself (TestCooperativeLevel). Scripted
// input changes it; a successful reset returns it to Ok.
#pragma once

namespace platform {

enum class DeviceCondition { Ok, Lost, NotReset, DriverError };

DeviceCondition GetDeviceCondition();
void SetDeviceCondition(DeviceCondition condition);

}  // namespace platform
