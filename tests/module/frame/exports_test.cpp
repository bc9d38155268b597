// What the module exports: exactly its exported functions, nothing else of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace
{

// The symbols a shared object defines in its dynamic symbol table, as nm lists them, without
// the few that the linker itself puts into every shared object.
std::set<std::string> DefinedDynamicSymbols(const std::string& path)
{
    static const std::set<std::string> kLinkerSymbols = {"_init", "_fini", "_edata", "_end",
                                                         "__bss_start"};
    std::set<std::string> symbols;
    std::string command = "nm -D --defined-only '" + path + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe)
    {
        ADD_FAILURE() << "cannot run " << command;
        return symbols;
    }
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr)
    {
        // "<address> <type> <name>"
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name && kLinkerSymbols.count(name) == 0)
            symbols.insert(name);
    }
    return symbols;
}

} // namespace

TEST(ExportsTest, TheDynamicSymbolTableHoldsExactlyTheExportsThatExist)
{
    HMODULE module = ::LoadLibraryA("quarnel.dll");
    ASSERT_NE(module, nullptr);
    char path[MAX_PATH] = "";
    ASSERT_GT(::GetModuleFileNameA(module, path, MAX_PATH), 0u);

    // One line per folder of the module, added to as its dialog exports arrive.
    const std::set<std::string> expected = {
        "QuarnelInitExtDLL", "gxSetRefState", "gxSetXeldFlag", // frame
        "gxAskReconcile", "gxOpen_message_box", "gxOpen_message_box2",
        "gxOpen_message_box_wcheck", // prompts
        "gxSearchProperty", // propsearch
        "gxSearchComponents", // compsearch
    };
    EXPECT_EQ(DefinedDynamicSymbols(path), expected);
    for (const std::string& name : expected)
        EXPECT_NE(::GetProcAddress(module, name.c_str()), nullptr) << name;
    ::FreeLibrary(module);
}
