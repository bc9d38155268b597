// lstrlenA, lstrcpyA, lstrcpynA and lstrcatA: the kernel's own string copies.
//
// Does not do: the structured-exception guard around the copies; a bad pointer faults here
// instead of returning NULL.

#include <windows.h>

#include <cstring>

int WINAPI lstrlenA(LPCSTR text)
{
    return text ? static_cast<int>(std::strlen(text)) : 0;
}

LPSTR WINAPI lstrcpyA(LPSTR dst, LPCSTR src)
{
    if (!dst || !src)
        return nullptr;
    return std::strcpy(dst, src);
}

LPSTR WINAPI lstrcpynA(LPSTR dst, LPCSTR src, int maxLength)
{
    if (!dst)
        return nullptr;
    if (maxLength <= 0)
        return dst;
    if (!src)
        src = "";
    // Unlike strncpy: copies at most maxLength - 1 characters and always terminates.
    int copied = 0;
    while (copied < maxLength - 1 && src[copied] != '\0')
    {
        dst[copied] = src[copied];
        ++copied;
    }
    dst[copied] = '\0';
    return dst;
}

LPSTR WINAPI lstrcatA(LPSTR dst, LPCSTR src)
{
    if (!dst)
        return nullptr;
    return src ? std::strcat(dst, src) : dst;
}
