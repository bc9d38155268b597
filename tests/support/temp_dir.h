// A folder of its own for one test, removed with everything in it when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarnel-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "cannot make a temporary folder from " << pattern;
        path = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }

    // Makes a sub-folder (and its parents) and returns its path.
    std::string Folder(const std::string& relative) const
    {
        std::filesystem::path folder = std::filesystem::path(path) / relative;
        std::filesystem::create_directories(folder);
        return folder.string();
    }

    // Writes a file (making its folder) and returns its path.
    std::string File(const std::string& relative, const std::string& content = "") const
    {
        std::filesystem::path file = std::filesystem::path(path) / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file.string();
    }

private:
    std::string path;
};
