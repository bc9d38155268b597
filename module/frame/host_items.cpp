// Text items of the host (see host_items.h).
#include "frame/host_items.h"

#include <vxstruct.h>

#include <cstring>

namespace quarnel
{

CString HostText(const char* name)
{
    const char* text = static_cast<const char*>(NamedHostItem(name));
    if (text == NULL)
        return CString();
    return CString(text, static_cast<int>(::strnlen(text, MAX_PATH)));
}

} // namespace quarnel
