// The resource set-up step: ends by showing the application window.
#pragma once

void InitResources(const wchar_t* folder);
