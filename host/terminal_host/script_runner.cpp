// Carrying out a script (see script_runner.h).
#include "script_runner.h"

#include <platform/automation.h>
#include <platform/automation_lists.h>
#include <platform/automation_listview.h>
#include <platform/automation_tree.h>
#include <platform/render.h>

#include <chrono>
#include <optional>
#include <sstream>

namespace tirel
{
namespace
{

namespace user = platform::automation;

// A step that failed, with the reason.
struct Failure
{
    std::string reason;
};

class Runner
{
public:
    Runner(HostSession& session, std::FILE* out) : session(session), out(out)
    {
        current = session.MainWindow();
    }

    bool CallRunning() const { return call.has_value(); }

    // Carries out one step; an empty reason means it succeeded.
    std::string Run(const Step& step)
    {
        const std::string& k = step.keyword;
        const std::vector<std::string>& w = step.words;
        if (k == "call")
            return Call(w);
        if (k == "return")
            return Return(w.empty() ? nullptr : &w[0]);
        if (k == "window")
            return Window(w.empty() ? nullptr : &w[0]);
        if (k == "help")
            return Help();
        if (k == "main")
        {
            current = session.MainWindow();
            return "";
        }
        if (k == "click" || k == "doubleclick")
            return Click(w[0], k == "doubleclick");
        if (k == "type")
            return user::Type(DecodeText(w[0]).c_str()) ? "" : user::LastFailure();
        if (k == "press")
            return Press(w[0]);
        if (k == "choose" || k == "doublechoose")
            return Choose(w[0], w[1], k == "doublechoose");
        if (k == "column")
            return Column(w[0], w[1]);
        if (k == "expect")
            return Expect(w[0], w[1]);
        if (k == "rows")
            return Rows(w[0]);
        if (k == "snapshot")
        {
            HWND target = w.empty() ? current : session.MainWindow();
            Print(platform::Snapshot(target));
            return "";
        }
        if (k == "closed")
            return user::WaitForClose(current) ? "" : user::LastFailure();
        if (k == "set")
            return Set(w[0], w[1] == "1");
        if (k == "echo")
        {
            std::string text;
            for (const std::string& word : w)
                text += (text.empty() ? "" : " ") + word;
            Print(text + "\n");
            return "";
        }
        if (k == "simulation")
        {
            Print(engine::FormatSimulation(engine::CurrentSimulation()));
            return "";
        }
        return "unknown step";
    }

    // Waits for the running call to return and prints it; a call that does not end in time
    // stays running.
    std::string Return(const std::string* expected)
    {
        if (!call)
            return "no call is running";
        const auto timeout = std::chrono::milliseconds(user::DefaultTimeout());
        if (call->wait_for(timeout) != std::future_status::ready)
            return "the call did not return within " + std::to_string(timeout.count()) + " ms";
        const CallRecord record = call->get();
        call.reset();
        current = session.MainWindow();
        if (!record.outcome.called)
            return record.call + ": " + record.outcome.error;
        std::string text = record.call + " returned";
        if (record.outcome.hasResult)
            text += " " + std::to_string(record.outcome.result);
        text += "\n";
        for (const std::string& output : record.outcome.outputs)
            text += "  " + output + "\n";
        for (const std::string& change : record.changes)
            text += "  " + change + "\n";
        Print(text);
        int number = 0;
        if (expected != nullptr && ParseInteger(*expected, &number) &&
            (!record.outcome.hasResult || record.outcome.result != number))
            return "expected " + *expected + " as the result";
        return "";
    }

private:
    void Print(const std::string& text)
    {
        std::fputs(text.c_str(), out);
        std::fflush(out);
    }

    std::string Call(const std::vector<std::string>& w)
    {
        // A call that has already returned is reported before the next one starts.
        if (call)
        {
            std::string problem = Return(nullptr);
            if (!problem.empty())
                return "the previous call: " + problem;
        }
        const ExportInfo* info = FindExport(w[0]);
        std::vector<std::string> texts(w.begin() + 1, w.end());
        call = session.StartCall(*info, texts);
        // Calls without a dialog are over at once; waiting for the thread to be idle lets a
        // dialog's window appear before the next step looks for it.
        user::WaitIdleThread(session.UiThreadId());
        return "";
    }

    // The main window has the title "Tirel Plus" too, like many of the module's boxes: a
    // step means a window the module opened, so the main window is never taken for one.
    std::string Window(const std::string* title)
    {
        HWND main = session.MainWindow();
        const std::string description = title != nullptr
                                            ? "titled \"" + *title + "\""
                                            : "in the foreground besides the main window";
        HWND found = user::WaitForWindow(
            [&](HWND hwnd) {
                if (hwnd == main)
                    return false;
                if (title != nullptr)
                    return user::Text(hwnd) == *title;
                return hwnd == GetForegroundWindow();
            },
            description.c_str());
        if (found == nullptr)
            return user::LastFailure();
        current = found;
        return "";
    }

    std::string Help()
    {
        HWND viewer = user::WaitForWindow("HH Parent", nullptr);
        if (viewer == nullptr)
            return user::LastFailure();
        current = viewer;
        std::string title = user::Text(viewer);
        // The viewer's title holds the installation folder, which differs between machines;
        // the file's name and topic are what the script is about.
        const size_t slash = title.find_last_of("\\/");
        Print("help: " + (slash == std::string::npos ? title : title.substr(slash + 1)) + "\n");
        return "";
    }

    HWND Control(const std::string& word, std::string* problem)
    {
        const ControlRef ref = ParseControl(word);
        HWND control = ref.id != 0 ? user::FindControl(current, ref.id)
                                   : user::FindControlByText(current, ref.caption.c_str());
        if (control == nullptr)
            *problem = "no control " + word + " in " + user::Describe(current);
        return control;
    }

    std::string Click(const std::string& word, bool twice)
    {
        std::string problem;
        HWND control = Control(word, &problem);
        if (control == nullptr)
            return problem;
        const bool done = twice ? user::DoubleClick(control) : user::Click(control);
        return done ? "" : user::LastFailure();
    }

    std::string Press(const std::string& name)
    {
        unsigned short vk = 0;
        unsigned modifiers = 0;
        ParseKey(name, &vk, &modifiers);
        return user::Press(vk, modifiers) ? "" : user::LastFailure();
    }

    std::string Choose(const std::string& word, const std::string& text, bool twice)
    {
        std::string problem;
        HWND control = Control(word, &problem);
        if (control == nullptr)
            return problem;
        const std::string kind = user::ClassOf(control);
        bool done = false;
        if (kind == "ComboBox")
        {
            done = user::ChooseComboItem(control, text.c_str());
        }
        else if (kind == "ListBox")
        {
            const std::vector<std::string> items = user::ListItems(control);
            for (size_t i = 0; i < items.size(); ++i)
                if (items[i] == text)
                    return (twice ? user::DoubleClickItem(control, static_cast<int>(i))
                                  : user::ClickItem(control, static_cast<int>(i)))
                               ? ""
                               : user::LastFailure();
            return "no item \"" + text + "\" in " + user::Describe(control);
        }
        else if (kind == "SysListView32")
        {
            const int row = user::FindRow(control, text.c_str());
            if (row < 0)
                return "no row \"" + text + "\" in " + user::Describe(control);
            done = twice ? user::DoubleClickRow(control, row) : user::ClickRow(control, row);
        }
        else if (kind == "SysTabControl32")
        {
            for (int i = 0; !user::TabText(control, i).empty(); ++i)
                if (user::TabText(control, i) == text)
                    return user::ClickTab(control, i) ? "" : user::LastFailure();
            return "no tab \"" + text + "\" in " + user::Describe(control);
        }
        else if (kind == "SysTreeView32")
        {
            HTREEITEM item = user::FindTreeItem(control, TVI_ROOT, text.c_str());
            if (item == nullptr)
                return "no item \"" + text + "\" in " + user::Describe(control);
            done = twice ? user::DoubleClickTreeItem(control, item)
                         : user::ClickTreeItem(control, item);
        }
        else
        {
            return user::Describe(control) + " has no rows or entries to choose from";
        }
        return done ? "" : user::LastFailure();
    }

    std::string Column(const std::string& word, const std::string& title)
    {
        std::string problem;
        HWND control = Control(word, &problem);
        if (control == nullptr)
            return problem;
        const std::vector<std::string> titles = user::ColumnTitles(control);
        for (size_t i = 0; i < titles.size(); ++i)
            if (titles[i] == title)
                return user::ClickColumn(control, static_cast<int>(i)) ? "" : user::LastFailure();
        return "no column \"" + title + "\" in " + user::Describe(control);
    }

    std::string Expect(const std::string& word, const std::string& text)
    {
        std::string problem;
        HWND control = Control(word, &problem);
        if (control == nullptr)
            return problem;
        const std::string description = "the text of " + word + " to be \"" + text + "\"";
        if (user::WaitUntil([&] { return user::Text(control) == text; }, description.c_str()))
            return "";
        return user::LastFailure() + " (it is \"" + user::Text(control) + "\")";
    }

    std::string Rows(const std::string& word)
    {
        std::string problem;
        HWND control = Control(word, &problem);
        if (control == nullptr)
            return problem;
        const std::string kind = user::ClassOf(control);
        std::string text;
        if (kind == "SysListView32")
        {
            for (int row = 0; row < user::RowCount(control); ++row)
            {
                std::string line;
                for (const std::string& cell : user::RowTexts(control, row))
                    line += (line.empty() ? "" : " | ") + cell;
                text += "  " + line + "\n";
            }
        }
        else if (kind == "SysTreeView32")
        {
            for (const std::string& row : user::TreeRows(control))
                text += "  " + row + "\n";
        }
        else if (kind == "ListBox" || kind == "ComboBox")
        {
            for (const std::string& item : user::ListItems(control))
                text += "  " + item + "\n";
        }
        else
        {
            return user::Describe(control) + " has no rows";
        }
        Print(text.empty() ? "  (no rows)\n" : text);
        return "";
    }

    std::string Set(const std::string& name, bool on)
    {
        const Setting setting = name == "DontShowUpward" ? Setting::DontShowUpward
                                : name == "RefusesFind"  ? Setting::RefusesFind
                                                         : Setting::DialogsSuppressed;
        session.SetSetting(setting, on);
        return "";
    }

    HostSession& session;
    std::FILE* out;
    HWND current = nullptr;
    std::optional<std::future<CallRecord>> call;
};

} // namespace

bool RunScript(HostSession& session, const std::vector<Step>& steps, std::FILE* out,
               bool* callStillRunning)
{
    Runner runner(session, out);
    *callStillRunning = false;
    // A "need" for an export the module lacks skips the steps up to the next "need".
    bool skipping = false;
    for (const Step& step : steps)
    {
        if (step.keyword == "need")
        {
            skipping = !session.HasExport(step.words[0].c_str());
            std::fprintf(
                out,
                skipping ? "> %s: the module has none, the steps up to the next need are skipped\n"
                         : "> %s\n",
                step.source.c_str());
            std::fflush(out);
            continue;
        }
        if (skipping)
            continue;
        // An echo is the script's own narration: its text is printed without the step.
        if (step.keyword != "echo")
        {
            std::fprintf(out, "> %s\n", step.source.c_str());
            std::fflush(out);
        }
        const std::string problem = runner.Run(step);
        if (!problem.empty())
        {
            std::fprintf(out, "line %d failed: %s\n", step.line, problem.c_str());
            std::fflush(out);
            *callStillRunning = runner.CallRunning();
            return false;
        }
    }
    // A call that is over is reported; one still running means the script forgot a dialog.
    if (runner.CallRunning())
    {
        const std::string problem = runner.Return(nullptr);
        if (!problem.empty())
        {
            std::fprintf(out, "at the end of the script: %s\n", problem.c_str());
            *callStillRunning = runner.CallRunning();
            return false;
        }
    }
    return true;
}

} // namespace tirel
