// Running the host program from tests (see program.h).
#include "program.h"

#include <platform/automation.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace host_test
{
namespace
{

std::string Run(const std::string& command, int* status)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int raw = pclose(pipe);
    if (status != nullptr)
        *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return output;
}

std::string TempName(const char* what)
{
    static int count = 0;
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr && *dir ? dir : "/tmp") + "/tirel_host_test_" + what + "_" +
           std::to_string(getpid()) + "_" + std::to_string(++count);
}

// Polls check until it holds, for the simulated user's default timeout; the program runs in
// another process, so there is nothing to wait on but what it shows.
template <class Check> bool Poll(Check check)
{
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::milliseconds(platform::automation::DefaultTimeout());
    while (!check())
    {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

} // namespace

Outcome RunScript(const std::string& script, const std::string& arguments,
                  const std::string& environment)
{
    const std::string file = TempName("script");
    std::ofstream(file) << script;
    Outcome outcome;
    outcome.output = Run(environment + " " + TIREL_HOST_PROGRAM + " " + arguments + " --script " +
                             file + " 2>&1",
                         &outcome.status);
    std::remove(file.c_str());
    return outcome;
}

Tmux::Tmux(const std::string& arguments, int columns, int rows) : socket(TempName("tmux"))
{
    Run("tmux -S " + socket + " new-session -d -x " + std::to_string(columns) + " -y " +
            std::to_string(rows) + " 'env TERM=xterm " + TIREL_HOST_PROGRAM + " " + arguments +
            "'" + " \\; set-option -t 0 remain-on-exit on",
        nullptr);
}

Tmux::~Tmux()
{
    Run("tmux -S " + socket + " kill-server 2>/dev/null", nullptr);
    std::remove(socket.c_str());
}

std::string Tmux::Command(const std::string& arguments)
{
    return "tmux -S " + socket + " " + arguments;
}

void Tmux::Keys(const std::string& keys)
{
    Run(Command("send-keys " + keys), nullptr);
}

void Tmux::Resize(int columns, int rows)
{
    Run(Command("resize-window -x " + std::to_string(columns) + " -y " + std::to_string(rows)),
        nullptr);
}

void Tmux::Click(int column, int row, int times)
{
    // The SGR report: button 0 at a 1-based column and row, M pressed, m released.
    const std::string cell = "0;" + std::to_string(column + 1) + ";" + std::to_string(row + 1);
    std::string reports;
    for (int i = 0; i < times; ++i)
        reports += "\\033[<" + cell + "M\\033[<" + cell + "m";
    Run(Command("send-keys -l \"$(printf '" + reports + "')\""), nullptr);
}

std::string Tmux::Screen()
{
    return Run(Command("capture-pane -p"), nullptr);
}

bool Tmux::WaitFor(const std::string& text, std::string* screen)
{
    std::string last;
    const bool found = Poll([&] {
        last = Screen();
        return last.find(text) != std::string::npos;
    });
    if (screen != nullptr)
        *screen = last;
    return found;
}

int Tmux::WaitForExit()
{
    std::string state;
    const bool ended = Poll([&] {
        state = Run(Command("display-message -p '#{pane_dead} #{pane_dead_status}'"), nullptr);
        return state.rfind("1 ", 0) == 0;
    });
    return ended ? std::atoi(state.c_str() + 2) : -1;
}

} // namespace host_test
