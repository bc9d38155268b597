// The system colour table.
#pragma once
#include <windows.h>

namespace platform::gdi
{

// Indexes 0 to SysColorCount - 1 are valid for GetSysColor and GetSysColorBrush.
constexpr int SysColorCount = 31;

} // namespace platform::gdi
