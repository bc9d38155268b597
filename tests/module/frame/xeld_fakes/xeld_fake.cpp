// Integration libraries that misbehave on purpose, for the enterprise Find bridge's tests. Each
// is built under its own file name with the shared-object name of the real one, so that a test
// that loads one by path first has LoadLibraryA("XeldIntegration.dll") find it. Every call is
// written to a log that the test reads through XeldFakeLog.
//
// Variants (one compile definition each): XELD_FAKE_RECORDER has all five entry points;
// XELD_FAKE_NO_INIT lacks DllEnsureInit, XELD_FAKE_NO_LAUNCH LaunchFindDialogWithWindowName,
// XELD_FAKE_NO_TERM DllForceTerm; XELD_FAKE_THROWS throws from its launch.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#define FAKE_ENTRY extern "C" __attribute__((visibility("default")))

namespace
{
std::string g_log;

void Log(const std::string& line)
{
    g_log += line + "\n";
}
} // namespace

FAKE_ENTRY const char* XeldFakeLog()
{
    return g_log.c_str();
}

#ifndef XELD_FAKE_NO_INIT
FAKE_ENTRY void WINAPI DllEnsureInit()
{
    Log("DllEnsureInit");
}
#endif

#ifndef XELD_FAKE_NO_TERM
FAKE_ENTRY void WINAPI DllForceTerm()
{
    Log("DllForceTerm");
}
#endif

FAKE_ENTRY void WINAPI SetDatabankTabFlag(int nFlag)
{
    Log("SetDatabankTabFlag " + std::to_string(nFlag));
}

FAKE_ENTRY void WINAPI SetPureDatabankList(char** ppszNames, int nCount)
{
    std::string line = "SetPureDatabankList " + std::to_string(nCount);
    for (int i = 0; i < nCount; ++i)
        line += " " + std::string(ppszNames[i], strnlen(ppszNames[i], 20));
    Log(line);
}

#ifndef XELD_FAKE_NO_LAUNCH
FAKE_ENTRY int WINAPI LaunchFindDialogWithWindowName(void* pfnInsert, void* pfnEnum,
                                                     void* pfnSetSel, int nInsertPos,
                                                     const char* pszInitial,
                                                     const char* pszWindowName,
                                                     const char* pszReserved)
{
    char line[512];
    std::snprintf(line, sizeof line, "Launch %p %p %p %d \"%s\" \"%s\" \"%s\"", pfnInsert, pfnEnum,
                  pfnSetSel, nInsertPos, pszInitial, pszWindowName, pszReserved);
    Log(line);
#ifdef XELD_FAKE_THROWS
    throw std::runtime_error("the enterprise database is not reachable");
#endif
    return 0;
}
#endif
