// Running the host program from tests: a script session as a child process, and the
// interactive host inside tmux, whose screen the test reads.
#pragma once

#include <string>

namespace host_test
{

struct Outcome
{
    int status = -1; // the exit status
    std::string output;
};

// Runs tirel_host with the arguments (a shell word list) and the script as its --script file;
// the environment variables go before the command (e.g. "QUARNEL_TEST_TIMEOUT_MS=500").
Outcome RunScript(const std::string& script, const std::string& arguments = "",
                  const std::string& environment = "");

// The interactive host in a tmux session of its own (a private server), columns x rows, on a
// terminal of type xterm, whose mouse reports tests can send.
class Tmux
{
public:
    Tmux(const std::string& arguments, int columns, int rows);
    ~Tmux();
    Tmux(const Tmux&) = delete;
    Tmux& operator=(const Tmux&) = delete;

    // tmux send-keys with these key names ("Down", "BSpace", "C-q", "-l text" ...).
    void Keys(const std::string& keys);
    void Resize(int columns, int rows);
    // Presses and releases the left button on a cell (from 0), as a terminal that reports the
    // mouse sends it; twice for a double click.
    void Click(int column, int row, int times = 1);
    // The screen as text.
    std::string Screen();
    // Polls the screen until it holds text; false (with the last screen in *screen) after the
    // default timeout.
    bool WaitFor(const std::string& text, std::string* screen = nullptr);
    // Polls until the program has ended; its exit status, or -1 after the timeout.
    int WaitForExit();

private:
    std::string Command(const std::string& arguments);

    std::string socket;
};

} // namespace host_test
