// tirel_host: the host program of the module, for people and for scripts.
//
//     tirel_host                      interactive, when standard input is a terminal
//     tirel_host --script FILE        a scripted session ("-" reads standard input)
//     tirel_host < FILE               the same, when standard input is not a terminal
//
// Options: --simulation FILE (instead of the embedded default simulation), --share DIR (the
// folder with xeq/ and common/), --module NAME (what LoadLibraryA is given), --size CxR (the
// main window in cells, for scripts), --enterprise (make the enterprise database integration
// library present, from lib/enterprise beside the program's lib/). host/README.md describes
// the script language.
#include "host_session.h"
#include "script.h"
#include "script_runner.h"
#include "terminal.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace
{

const char kUsage[] =
    "usage: tirel_host [--script FILE|-] [--simulation FILE] [--share DIR] [--module NAME]\n"
    "                  [--size COLUMNSxROWS] [--enterprise]\n";

// The folder that holds the program (<bin>).
std::string ProgramFolder()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    std::string program(path, static_cast<size_t>(length));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? "." : program.substr(0, slash);
}

bool ReadAll(const std::string& file, std::string* text)
{
    std::ostringstream buffer;
    if (file == "-")
    {
        buffer << std::cin.rdbuf();
    }
    else
    {
        std::ifstream in(file);
        if (!in)
            return false;
        buffer << in.rdbuf();
    }
    *text = buffer.str();
    return true;
}

int RunScriptMode(tirel::HostOptions options, const std::string& file)
{
    std::string text;
    if (!ReadAll(file, &text))
    {
        std::fprintf(stderr, "tirel_host: cannot read %s\n", file.c_str());
        return 2;
    }
    std::vector<tirel::Step> steps;
    tirel::ScriptError error;
    if (!tirel::ParseScript(text, &steps, &error))
    {
        std::fprintf(stderr, "tirel_host: %s, line %d: %s\n", file.c_str(), error.line,
                     error.message.c_str());
        return 2;
    }
    tirel::HostSession session(options);
    if (!session.Ready())
    {
        std::fprintf(stderr, "tirel_host: %s\n", session.Error().c_str());
        return 2;
    }
    bool callStillRunning = false;
    const bool succeeded = tirel::RunScript(session, steps, stdout, &callStillRunning);
    if (callStillRunning)
    {
        // A dialog is still open on the user-interface thread and nothing will close it.
        std::fflush(stdout);
        std::_Exit(1);
    }
    return succeeded ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    tirel::HostOptions options;
    options.shareFolder = ProgramFolder() + "/../share/tirel_host";
    std::string script;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--script" && hasValue)
            script = argv[++i];
        else if (argument == "--simulation" && hasValue)
            options.simulationFile = argv[++i];
        else if (argument == "--share" && hasValue)
            options.shareFolder = argv[++i];
        else if (argument == "--module" && hasValue)
            options.module = argv[++i];
        else if (argument == "--enterprise")
            options.enterpriseLibrary =
                ProgramFolder() + "/../lib/enterprise/libXeldIntegration.so";
        else if (argument == "--size" && hasValue &&
                 std::sscanf(argv[++i], "%dx%d", &options.columns, &options.rows) == 2)
            continue;
        else
        {
            std::fputs(kUsage, argument == "--help" ? stdout : stderr);
            return argument == "--help" ? 0 : 2;
        }
    }
    if (script.empty() && !isatty(STDIN_FILENO))
        script = "-";
    if (!script.empty())
        return RunScriptMode(options, script);

    if (!isatty(STDOUT_FILENO))
    {
        std::fputs("tirel_host: the interactive host draws on a terminal; standard output is "
                   "not one (give --script FILE to run a script)\n",
                   stderr);
        return 2;
    }
    tirel::HostSession session(options);
    if (!session.Ready())
    {
        std::fprintf(stderr, "tirel_host: %s\n", session.Error().c_str());
        return 2;
    }
    return tirel::RunTerminal(session);
}
