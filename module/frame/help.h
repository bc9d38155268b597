// Context help: where a help file is opened from, and opening one topic of it.
#pragma once

#include <afxwin.h>

namespace quarnel
{

// The path under which a help file is opened: the bare file name when it exists relative to
// the current directory; else the first installation directory (host item "VXXEQ") + "\" +
// file name when that exists; else the common installation directory ("VXCOMMONXEQ") + "\" +
// file name when that exists; else the VXXEQ-based path, which the viewer is then given even
// though nothing is there. A missing host item counts as the empty string.
CString ResolveHelpPath(LPCTSTR lpszFileName);

// Opens topic dwTopic of the help file in the help viewer, without an owner window. The
// viewer's answer is not used and nothing is shown when the file does not exist.
void ShowHelpTopic(LPCTSTR lpszFileName, DWORD dwTopic);

// One row of the help table (help_topics.h): a file and a topic number. A NULL file names the
// user guide, whose file name the host gives (VwGetUserGuideName("1")).
struct HelpTopic
{
    const char* file;
    DWORD topic;
};

// ShowHelpTopic for one row of the help table.
void ShowHelp(const HelpTopic& topic);

} // namespace quarnel
