#include <windows.h>

#include "platform/com/com_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace
{

const char* const kBase = "Software\\RegistryTest";

class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kBase, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(m_key);
        comtest::DeleteTree(HKEY_CURRENT_USER, kBase);
    }

    HKEY Create(const char* path, DWORD* disposition = nullptr, REGSAM access = KEY_ALL_ACCESS)
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(m_key, path, 0, nullptr, 0, access, nullptr, &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }

    HKEY m_key = nullptr;
};

TEST_F(Registry, ValuesRoundTripWithTheirTypesAndSizes)
{
    DWORD disposition = 0;
    HKEY key = Create("Values", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(Create("values", &disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

    const char text[] = "C:\\Program Files\\Engine";
    const char expand[] = "%SystemRoot%\\x";
    DWORD number = 0x12345678;
    const BYTE binary[] = {1, 0, 2, 0, 3};
    ASSERT_EQ(
        RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand),
                             sizeof expand),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "Blob", 0, REG_BINARY, binary, sizeof binary), ERROR_SUCCESS);

    // The size alone, then the data; value names ignore case.
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "PATH", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof text);
    char buffer[64] = {};
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "path", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(buffer, text);
    EXPECT_EQ(size, sizeof text);

    size = sizeof buffer;
    EXPECT_EQ(
        RegQueryValueExA(key, "Expand", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_STREQ(buffer, expand) << "RegQueryValueExA never expands";

    DWORD read = 0;
    size = sizeof read;
    EXPECT_EQ(RegQueryValueExA(key, "Count", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(read, number);

    BYTE blob[8] = {};
    size = sizeof blob;
    EXPECT_EQ(RegQueryValueExA(key, "Blob", nullptr, &type, blob, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(size, sizeof binary);
    EXPECT_EQ(std::memcmp(blob, binary, sizeof binary), 0);

    // A short buffer reports the size needed and is left alone.
    std::memset(buffer, 'x', sizeof buffer);
    size = 4;
    EXPECT_EQ(
        RegQueryValueExA(key, "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, sizeof text);
    EXPECT_EQ(buffer[0], 'x');

    // Replacing a value changes its type and size.
    ASSERT_EQ(RegSetValueExA(key, "Count", 0, REG_SZ, reinterpret_cast<const BYTE*>("7"), 2),
              ERROR_SUCCESS);
    size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Count", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2u);
    RegCloseKey(key);
}

TEST_F(Registry, DefaultValueAndPathsIgnoreCaseAndTrailingBackslash)
{
    HKEY key = Create("Outer\\Inner");
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND)
        << "a key starts without a default value";
    ASSERT_EQ(RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("dflt"), 5),
              ERROR_SUCCESS);
    RegCloseKey(key);

    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\registrytest\\OUTER\\inner\\", 0,
                            KEY_READ, &again),
              ERROR_SUCCESS);
    char buffer[8] = {};
    DWORD size = sizeof buffer;
    EXPECT_EQ(
        RegQueryValueExA(again, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "dflt");
    RegCloseKey(again);
}

TEST_F(Registry, StringsWithoutTheirZeroAreTerminatedOnlyWhenThereIsRoom)
{
    HKEY key = Create("Strings");
    const char text[] = "FullString";
    ASSERT_EQ(RegSetValueExA(key, "s", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 9),
              ERROR_SUCCESS);
    BYTE buffer[12];
    std::memset(buffer, 0xBD, sizeof buffer);
    DWORD size = 9;
    EXPECT_EQ(RegQueryValueExA(key, "s", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 9u);
    EXPECT_EQ(buffer[9], 0xBD) << "no room: nothing written past the data";

    size = 10;
    EXPECT_EQ(RegQueryValueExA(key, "s", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 9u) << "the added zero is not counted";
    EXPECT_EQ(buffer[9], 0);

    // A zero-byte string stays zero bytes.
    ASSERT_EQ(RegSetValueExA(key, "empty", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 0),
              ERROR_SUCCESS);
    size = 0xFF;
    EXPECT_EQ(RegQueryValueExA(key, "empty", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    RegCloseKey(key);
}

TEST_F(Registry, ErrorsFollowWindows)
{
    HKEY key = reinterpret_cast<HKEY>(0x1234);
    EXPECT_EQ(RegOpenKeyExA(m_key, "Missing", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyExA(m_key, "Missing", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "\\Software", 0, KEY_READ, &key),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(
        RegCreateKeyExA(m_key, "\\Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyExA(nullptr, "Software", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(m_key, "NoSuchValue", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    BYTE data[4];
    EXPECT_EQ(RegQueryValueExA(m_key, "x", nullptr, nullptr, data, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(m_key, "x", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);

    HKEY open = Create("Closed");
    EXPECT_EQ(RegCloseKey(open), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(open), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(open, "x", 0, REG_DWORD, data, 4), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, HandlesKeepTheAccessTheyWereOpenedWith)
{
    RegCloseKey(Create("Access"));
    HKEY reader = nullptr;
    ASSERT_EQ(RegOpenKeyExA(m_key, "Access", 0, KEY_READ, &reader), ERROR_SUCCESS);
    DWORD one = 1;
    EXPECT_EQ(RegSetValueExA(reader, "v", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(reader, "v"), ERROR_ACCESS_DENIED);

    HKEY writer = nullptr;
    ASSERT_EQ(RegOpenKeyExA(m_key, "Access", 0, KEY_SET_VALUE, &writer), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(writer, "v", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4),
              ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(writer, "v", nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegQueryValueExA(reader, "v", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(reader);
    RegCloseKey(writer);
}

TEST_F(Registry, DeletingKeysAndValues)
{
    HKEY parent = Create("Parent");
    HKEY child = Create("Parent\\Child");
    EXPECT_EQ(RegDeleteKeyA(m_key, "Parent"), ERROR_ACCESS_DENIED) << "a key with subkeys stays";
    EXPECT_EQ(RegDeleteKeyA(m_key, "Parent\\Missing"), ERROR_FILE_NOT_FOUND);

    // Deleting a key through a handle to itself leaves that handle stale.
    EXPECT_EQ(RegDeleteKeyA(child, ""), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(child, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(child), ERROR_SUCCESS);
    HKEY gone = nullptr;
    EXPECT_EQ(RegOpenKeyExA(parent, "Child", 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);

    ASSERT_EQ(RegSetValueExA(parent, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2),
              ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(parent, "V"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(parent, "v"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(parent);
    EXPECT_EQ(RegDeleteKeyA(m_key, "Parent"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, ""), ERROR_ACCESS_DENIED);
}

TEST_F(Registry, EnumerationOrdersKeysByNameAndValuesByCreation)
{
    for (const char* name : {"beta", "Alpha", "gamma"})
        RegCloseKey(Create(name));
    std::vector<std::string> keys;
    char name[32];
    DWORD length = sizeof name;
    FILETIME written{};
    for (DWORD i = 0; RegEnumKeyExA(m_key, i, name, &length, nullptr, nullptr, nullptr, &written) ==
                      ERROR_SUCCESS;
         ++i)
    {
        EXPECT_EQ(length, std::strlen(name));
        EXPECT_NE(written.dwHighDateTime, 0u);
        keys.push_back(name);
        length = sizeof name;
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    length = 4;
    EXPECT_EQ(RegEnumKeyExA(m_key, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(m_key, 3, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    HKEY key = Create("Alpha");
    RegSetValueExA(key, "zeta", 0, REG_SZ, reinterpret_cast<const BYTE*>("foobar"), 7);
    RegSetValueExA(key, "eta", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    char data[16];
    DWORD dataSize = 2;
    DWORD type = 0;
    length = sizeof name;
    std::strcpy(data, "untouched");
    EXPECT_EQ(RegEnumValueA(key, 0, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(dataSize, 7u);
    EXPECT_EQ(length, sizeof name) << "the name length is left alone";
    EXPECT_STREQ(data, "untouched");

    length = 2;
    dataSize = sizeof data;
    EXPECT_EQ(RegEnumValueA(key, 0, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(dataSize, 7u);

    length = sizeof name;
    dataSize = sizeof data;
    ASSERT_EQ(RegEnumValueA(key, 0, name, &length, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "zeta");
    EXPECT_EQ(length, 4u);
    EXPECT_STREQ(data, "foobar");
    EXPECT_EQ(dataSize, 7u);
    length = sizeof name;
    ASSERT_EQ(RegEnumValueA(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "eta");
    length = sizeof name;
    EXPECT_EQ(RegEnumValueA(key, 2, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
}

TEST_F(Registry, ClassesRootIsTheMachineClassesKey)
{
    comtest::SetString(HKEY_LOCAL_MACHINE, "Software\\Classes\\RegistryTest.Class", nullptr,
                       "seen");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "registrytest.class", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    char buffer[8] = {};
    DWORD size = sizeof buffer;
    EXPECT_EQ(
        RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
        ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "seen");
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, "RegistryTest.Class"), ERROR_SUCCESS);
}

TEST_F(Registry, ThreadsShareOneConsistentTree)
{
    constexpr int kThreads = 8;
    constexpr int kKeysEach = 50;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
    {
        threads.emplace_back([t] {
            for (int i = 0; i < kKeysEach; ++i)
            {
                std::string path =
                    std::string(kBase) + "\\Shared\\K" + std::to_string(t * 1000 + i);
                HKEY key = nullptr;
                ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                          KEY_ALL_ACCESS, nullptr, &key, nullptr),
                          ERROR_SUCCESS);
                DWORD value = static_cast<DWORD>(i);
                ASSERT_EQ(
                    RegSetValueExA(key, "n", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
                    ERROR_SUCCESS);
                RegCloseKey(key);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();

    HKEY shared = nullptr;
    ASSERT_EQ(RegOpenKeyExA(m_key, "Shared", 0, KEY_READ, &shared), ERROR_SUCCESS);
    int count = 0;
    char name[32];
    DWORD length = sizeof name;
    while (RegEnumKeyExA(shared, count, name, &length, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS)
    {
        ++count;
        length = sizeof name;
    }
    EXPECT_EQ(count, kThreads * kKeysEach);
    RegCloseKey(shared);
}

} // namespace
