// Context help (see help.h).
//
// Does not do:
// - Load the help control library: HtmlHelpA comes from the platform, which plays the part of
//   the help control that the HTML Help loader would find.
#include "frame/help.h"
#include "frame/host_items.h"

#include <VxVersion.h>
#include <htmlhelp.h>

namespace quarnel
{
namespace
{

// The guide VwGetUserGuideName is asked for.
const char kUserGuide[] = "1";

bool PathExists(const CString& path)
{
    struct _stat status;
    return ::_stat(path, &status) == 0;
}

} // namespace

CString ResolveHelpPath(LPCTSTR lpszFileName)
{
    CString fileName = lpszFileName != NULL ? lpszFileName : "";
    if (PathExists(fileName))
        return fileName;
    CString first = HostText(kFirstInstallItem) + "\\" + fileName;
    if (PathExists(first))
        return first;
    CString common = HostText(kCommonInstallItem) + "\\" + fileName;
    if (PathExists(common))
        return common;
    return first;
}

void ShowHelpTopic(LPCTSTR lpszFileName, DWORD dwTopic)
{
    CString path = ResolveHelpPath(lpszFileName);
    ::HtmlHelpA(NULL, path, HH_HELP_CONTEXT, dwTopic);
}

void ShowHelp(const HelpTopic& topic)
{
    ShowHelpTopic(topic.file != NULL ? topic.file : ::VwGetUserGuideName(kUserGuide), topic.topic);
}

} // namespace quarnel
