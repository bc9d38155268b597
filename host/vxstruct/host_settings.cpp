// The host's switches that the module asks about (HostRefusesFind, suppressed dialogs) and the
// log of the prompts it answered without showing them.
//
// Does not do:
// - Answer HostMessageBox in suppressed mode: the host's message box always shows; only
//   CVxDialog prompts are suppressed.
#include "host_state.h"
#include "vxhost.h"

#include <atomic>
#include <mutex>

namespace
{

std::atomic<int> g_refusesFind{0};
std::atomic<bool> g_suppressed{false};

std::mutex& LogMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<vxhost::SuppressedPrompt>& Log()
{
    static auto* log = new std::vector<vxhost::SuppressedPrompt>;
    return *log;
}

} // namespace

extern "C" int CDECL HostRefusesFind()
{
    return g_refusesFind.load();
}

namespace vxhost
{

void SetRefusesFind(int refuses)
{
    g_refusesFind = refuses;
}

void SetDialogsSuppressed(bool suppressed)
{
    g_suppressed = suppressed;
}

bool DialogsSuppressed()
{
    return g_suppressed.load();
}

std::vector<SuppressedPrompt> SuppressedPrompts()
{
    std::lock_guard lock(LogMutex());
    return Log();
}

void ClearSuppressedPrompts()
{
    std::lock_guard lock(LogMutex());
    Log().clear();
}

void detail::LogSuppressedPrompt(const char* message, const char* answer, int result)
{
    std::lock_guard lock(LogMutex());
    Log().push_back({message ? message : "", answer ? answer : "", result});
}

void ResetHost()
{
    detail::ClearItems();
    SetRefusesFind(0);
    SetDialogsSuppressed(false);
    ClearSuppressedPrompts();
    if (g_pRuvoLibs != nullptr)
        g_pRuvoLibs->RemoveAllLibraries();
}

} // namespace vxhost
