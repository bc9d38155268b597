#include <windows.h>

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{

// The platform library's own file name, as the loader reports it.
std::string PlatformLibraryPath()
{
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&LoadLibraryA), &info);
    return info.dli_fname;
}

} // namespace

TEST(Modules, HandlesAreLoadBaseAddresses)
{
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(program, nullptr);
    Dl_info info{};
    ASSERT_TRUE(dladdr(reinterpret_cast<void*>(&PlatformLibraryPath), &info));
    EXPECT_EQ(program, info.dli_fbase);

    HMODULE platform = GetModuleHandleA("platform.dll");
    ASSERT_NE(platform, nullptr);
    ASSERT_TRUE(dladdr(reinterpret_cast<void*>(&LoadLibraryA), &info));
    EXPECT_EQ(platform, info.dli_fbase);
    EXPECT_NE(platform, program);
    // Windows names without an extension mean ".dll"; the suffix is not case-sensitive.
    EXPECT_EQ(GetModuleHandleA("platform"), platform);
    EXPECT_EQ(GetModuleHandleA("platform.DLL"), platform);
    EXPECT_EQ(GetModuleHandleA("libplatform.so"), platform);
}

TEST(Modules, LoadLibraryCountsReferencesLikeWindows)
{
    HMODULE loaded = LoadLibraryA("platform.dll");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded, GetModuleHandleA("platform.dll"));
    EXPECT_EQ(LoadLibraryA("platform.dll"), loaded);
    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_TRUE(FreeLibrary(loaded));
    // The program links the library, so it stays loaded and freeing it again is harmless.
    EXPECT_EQ(GetModuleHandleA("platform.dll"), loaded);
    EXPECT_TRUE(FreeLibrary(loaded));
}

TEST(Modules, WindowsPathsMapToSharedObjectPaths)
{
    // "dir\name.dll" means "dir/libname.so".
    std::string path = PlatformLibraryPath();
    std::size_t slash = path.rfind('/');
    ASSERT_NE(slash, std::string::npos);
    std::string windowsPath = path.substr(0, slash) + "\\platform.dll";
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    HMODULE loaded = LoadLibraryA(windowsPath.c_str());
    EXPECT_EQ(loaded, GetModuleHandleA("platform.dll"));
    // A shared object named as such is used as it is.
    HMODULE direct = LoadLibraryA(path.c_str());
    EXPECT_EQ(direct, loaded);
    FreeLibrary(direct);
    FreeLibrary(loaded);
}

TEST(Modules, GetProcAddressFindsExportsOnlyByName)
{
    HMODULE platform = GetModuleHandleA("platform.dll");
    FARPROC proc = GetProcAddress(platform, "MulDiv");
    ASSERT_NE(proc, nullptr);
    auto mulDiv = reinterpret_cast<int(WINAPI*)(int, int, int)>(reinterpret_cast<void*>(proc));
    EXPECT_EQ(mulDiv(10, 3, 2), 15);

    SetLastError(0);
    EXPECT_EQ(GetProcAddress(platform, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(platform, MAKEINTRESOURCE(1)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

TEST(Modules, MissingModulesReportModNotFound)
{
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA("no_such_library_here.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("no_such_library_here.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    // Not a module base: an address inside the library.
    auto* inside =
        reinterpret_cast<HMODULE>(reinterpret_cast<char*>(GetModuleHandleA("platform.dll")) + 16);
    EXPECT_FALSE(FreeLibrary(inside));
    char path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameA(inside, path, sizeof path), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(Modules, GetModuleFileNameFollowsTheWindowsTruncationRules)
{
    char path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(GetModuleHandleA("platform.dll"), path, sizeof path);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::string(path), PlatformLibraryPath());
    EXPECT_EQ(length, std::string(path).size());

    DWORD programLength = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(programLength, 0u);
    EXPECT_NE(std::string(path).find("platform_kernel_tests"), std::string::npos);

    // Too small: truncated to size characters including the terminator, returns size.
    char small[8];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), 8u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(small), std::string(path, 7));
    // Exactly the length without room for the terminator is also too small.
    std::string full(path);
    std::string exact(full.size(), 'x');
    EXPECT_EQ(GetModuleFileNameA(nullptr, exact.data(), static_cast<DWORD>(full.size())),
              static_cast<DWORD>(full.size()));
    EXPECT_EQ(exact.substr(0, full.size() - 1), full.substr(0, full.size() - 1));
    EXPECT_EQ(exact.back(), '\0');
}
