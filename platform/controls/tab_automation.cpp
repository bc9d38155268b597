// The simulated user of tab controls: clicks a tab where the control says it is, and reads a
// tab's text through the control's own messages.

#include "automation/common.h"
#include "platform/automation_tree.h"

#include <algorithm>
#include <string>

namespace platform::automation
{

bool ClickTab(HWND tab, int index)
{
    RECT rect{};
    DWORD_PTR ok = 0;
    if (!IsWindow(tab) ||
        !SendMessageTimeoutA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&rect), SMTO_NORMAL, DefaultTimeout(), &ok) ||
        !ok)
        return Fail("no tab " + std::to_string(index) + " in " + Describe(tab));
    RECT client{};
    GetClientRect(tab, &client);
    if (rect.left < 0 || rect.left >= client.right)
        return Fail("tab " + std::to_string(index) + " is scrolled out of view in " +
                    Describe(tab));
    const int right = std::min(rect.right, client.right);
    return Click(tab, POINT{(rect.left + right) / 2, (rect.top + rect.bottom) / 2});
}

std::string TabText(HWND tab, int index)
{
    char buffer[MAX_PATH] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof buffer);
    DWORD_PTR ok = 0;
    if (!IsWindow(tab) ||
        !SendMessageTimeoutA(tab, TCM_GETITEMA, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&item), SMTO_NORMAL, DefaultTimeout(), &ok) ||
        !ok)
    {
        Fail("no tab " + std::to_string(index) + " in " + Describe(tab));
        return "";
    }
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

} // namespace platform::automation
