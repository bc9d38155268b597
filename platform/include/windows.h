// The Win32 subset that the module and its stand-ins use.
#pragma once
#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winuser.h"
#include "wingdi.h"
#include "winreg.h"
