// Text items that the host publishes through NamedHostItem.
#pragma once

#include <afxwin.h>

namespace quarnel
{

// The installation directories the host publishes.
inline constexpr char kFirstInstallItem[] = "VXXEQ";
inline constexpr char kCommonInstallItem[] = "VXCOMMONXEQ";

// The text the host publishes under name, fetched anew on every call; an item the host does
// not publish is the empty string. At most MAX_PATH characters are read, so a directory the
// host forgot to terminate cannot take the read past its buffer.
CString HostText(const char* name);

} // namespace quarnel
