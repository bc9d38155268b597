#include <windows.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

// A scratch folder holding a file and a subfolder, removed afterwards.
class FileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kernel_file_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        ASSERT_EQ(mkdir((root + "/sub").c_str(), 0755), 0);
        FILE* file = std::fopen((root + "/sub/data.txt").c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("12345", file);
        std::fclose(file);
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        saved = cwd;
    }

    void TearDown() override
    {
        ASSERT_EQ(chdir(saved.c_str()), 0);
        chmod((root + "/sub/data.txt").c_str(), 0644);
        std::remove((root + "/sub/data.txt").c_str());
        rmdir((root + "/sub").c_str());
        rmdir(root.c_str());
    }

    static std::string Backslashed(std::string path)
    {
        for (char& c : path)
        {
            if (c == '/')
                c = '\\';
        }
        return path;
    }

    std::string root, saved;
};

} // namespace

TEST_F(FileTest, AttributesDistinguishFoldersFilesAndReadOnlyFiles)
{
    EXPECT_EQ(GetFileAttributesA(Backslashed(root + "/sub").c_str()),
              DWORD(FILE_ATTRIBUTE_DIRECTORY));
    std::string file = root + "/sub/data.txt";
    EXPECT_EQ(GetFileAttributesA(Backslashed(file).c_str()), DWORD(FILE_ATTRIBUTE_NORMAL));
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(GetFileAttributesA(file.c_str()), DWORD(FILE_ATTRIBUTE_READONLY));
}

TEST_F(FileTest, MissingFilesAndFoldersHaveTheirOwnErrors)
{
    SetLastError(0);
    EXPECT_EQ(GetFileAttributesA((root + "\\sub\\missing.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesA((root + "\\nowhere\\missing.txt").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(GetFileAttributesA((root + "/sub/data.txt/below").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
}

TEST_F(FileTest, CurrentDirectoryFollowsTheWindowsReturnRules)
{
    ASSERT_TRUE(SetCurrentDirectoryA(Backslashed(root + "/sub").c_str()));
    char buffer[4096];
    DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    char* real = realpath((root + "/sub").c_str(), nullptr);
    ASSERT_NE(real, nullptr);
    std::string expected = real;
    std::free(real);
    EXPECT_EQ(std::string(buffer), expected);
    EXPECT_EQ(length, expected.size());

    // Too small, even by the terminator alone: the size needed including the terminator, and
    // the buffer is left alone.
    std::string small(expected.size(), 'x');
    EXPECT_EQ(GetCurrentDirectoryA(static_cast<DWORD>(expected.size()), small.data()),
              expected.size() + 1);
    EXPECT_EQ(small, std::string(expected.size(), 'x'));
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), expected.size() + 1);

    // Relative paths with backslashes work from there.
    EXPECT_EQ(GetFileAttributesA("data.txt"), DWORD(FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(SetCurrentDirectoryA("..\\sub\\..\\"));
    EXPECT_EQ(GetFileAttributesA("sub\\data.txt"), DWORD(FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileTest, SetCurrentDirectoryRejectsFilesAndMissingFolders)
{
    EXPECT_FALSE(SetCurrentDirectoryA((root + "/sub/data.txt").c_str()));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DIRECTORY));
    EXPECT_FALSE(SetCurrentDirectoryA((root + "/missing").c_str()));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(SetCurrentDirectoryA((root + "/missing/deeper").c_str()));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
}

TEST_F(FileTest, StatAcceptsBackslashes)
{
    struct _stat status
    {
    };
    ASSERT_EQ(_stat(Backslashed(root + "/sub/data.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_size, 5);
    EXPECT_TRUE(S_ISREG(status.st_mode));
    EXPECT_EQ(_stat((root + "\\none").c_str(), &status), -1);
}
