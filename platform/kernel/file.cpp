// Files and directories: the current directory, GetFileAttributesA and the C runtime's _stat.
//
// Paths may use '\' as well as '/' as the directory separator, as Windows programs write them.
//
// Does not do:
// - Drive letters ("C:"), UNC paths or per-drive current directories.
// - Attributes beyond directory and read-only: every other file reports FILE_ATTRIBUTE_NORMAL
//   (Windows would usually add the archive bit); nothing is hidden or a system file.

#include <windows.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace
{

std::string HostPath(const char* path)
{
    std::string host = path;
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

// The Win32 code for a failed lookup of `path`: a missing last component is "file not found",
// a missing or non-directory folder on the way is "path not found".
DWORD LookupError(int error, const std::string& path)
{
    switch (error)
    {
    case ENOENT: {
        std::size_t slash = path.find_last_of('/');
        if (slash == std::string::npos || slash == 0)
            return ERROR_FILE_NOT_FOUND;
        struct stat parent
        {
        };
        std::string folder = path.substr(0, slash);
        bool folderExists = ::stat(folder.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode);
        return folderExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case ENAMETOOLONG:
        return ERROR_INVALID_NAME;
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

} // namespace

DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer)
{
    std::vector<char> path(256);
    while (!getcwd(path.data(), path.size()))
    {
        if (errno != ERANGE)
        {
            SetLastError(ERROR_PATH_NOT_FOUND);
            return 0;
        }
        path.resize(path.size() * 2);
    }
    std::size_t length = std::strlen(path.data());
    // Too small a buffer (or none) leaves it alone and reports the size needed, terminator
    // included; success reports the length without it.
    if (!buffer || size <= length)
        return static_cast<DWORD>(length + 1);
    std::memcpy(buffer, path.data(), length + 1);
    return static_cast<DWORD>(length);
}

BOOL WINAPI SetCurrentDirectoryA(LPCSTR path)
{
    if (!path || !*path)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string host = HostPath(path);
    if (chdir(host.c_str()) == 0)
        return TRUE;
    int error = errno;
    // Naming a file where a folder is expected has its own code.
    struct stat status
    {
    };
    if (error == ENOTDIR && ::stat(host.c_str(), &status) == 0 && !S_ISDIR(status.st_mode))
        SetLastError(ERROR_DIRECTORY);
    else
        SetLastError(LookupError(error, host));
    return FALSE;
}

DWORD WINAPI GetFileAttributesA(LPCSTR fileName)
{
    if (!fileName || !*fileName)
    {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    std::string host = HostPath(fileName);
    struct stat status
    {
    };
    if (::stat(host.c_str(), &status) != 0)
    {
        SetLastError(LookupError(errno, host));
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(status.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    // Windows has one read-only flag; a file nobody may write is the closest equivalent.
    if (!(status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

int _stat(const char* path, struct _stat* buffer)
{
    if (!path || !buffer)
    {
        errno = EINVAL;
        return -1;
    }
    std::string host = HostPath(path);
    return ::stat(host.c_str(), buffer);
}
