// The module's exports as the host offers them (see export_table.h).
#include "export_table.h"

#include <frame/exports.h>
#include <vxstruct.h>

#include <charconv>
#include <cstring>
#include <functional>
#include <memory>

namespace tirel
{
namespace
{

constexpr int kNameBufferSize = 32;
constexpr char kNullText[] = "(null)";

// The export's address as the function type its declaration gives it.
template <class Function> Function Proc(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The arguments of one call, converted from their texts, with the storage that pointer
// arguments point to; the storage lives until the outcome has been read.
class Arguments
{
public:
    Arguments(const ExportInfo& info, const std::vector<std::string>& texts) : info(info)
    {
        for (size_t i = 0; i < info.arguments.size(); ++i)
        {
            const ArgumentInfo& argument = info.arguments[i];
            std::string text = i < texts.size() ? texts[i] : argument.initial;
            if (argument.kind == ArgumentKind::Text)
            {
                isNull.push_back(text == kNullText);
                strings.push_back(DecodeText(text));
                integers.push_back(0);
                continue;
            }
            int value = 0;
            if (argument.kind != ArgumentKind::TemplateSlot && !ParseInteger(text, &value) &&
                error.empty())
                error = std::string(argument.name) + ": \"" + text + "\" is not a whole number";
            isNull.push_back(false);
            strings.emplace_back();
            integers.push_back(value);
        }
        std::memset(nameBuffer, 0, sizeof nameBuffer);
    }

    const std::string& Error() const { return error; }

    int Int(size_t i) const { return integers[i]; }
    const char* Text(size_t i) const { return isNull[i] ? nullptr : strings[i].c_str(); }
    char* NameBuffer(size_t i) { return integers[i] != 0 ? nameBuffer : nullptr; }
    int* CheckState(size_t i)
    {
        checkState = integers[i];
        return &checkState;
    }
    void* Library(size_t i)
    {
        if (integers[i] < 0 || g_pRuvoLibs == nullptr)
            return nullptr;
        library.reset(g_pRuvoLibs->GetLibrary(integers[i]));
        return library.get();
    }
    void** Slot() { return &templateSlot; }

    // What the pointer arguments hold after the call.
    std::vector<std::string> Outputs() const
    {
        std::vector<std::string> lines;
        for (size_t i = 0; i < info.arguments.size(); ++i)
        {
            const ArgumentInfo& argument = info.arguments[i];
            switch (argument.kind)
            {
            case ArgumentKind::NameBuffer:
                if (integers[i] != 0)
                    // The export may fill all 32 bytes without a terminating zero.
                    lines.push_back(std::string(argument.name) + ": \"" +
                                    std::string(nameBuffer, strnlen(nameBuffer, kNameBufferSize)) +
                                    "\"");
                break;
            case ArgumentKind::CheckState:
                lines.push_back(std::string(argument.name) + ": " + std::to_string(checkState));
                break;
            case ArgumentKind::TemplateSlot:
                lines.push_back(std::string(argument.name) + ": " +
                                (templateSlot != nullptr ? "a template" : "none"));
                break;
            default:
                break;
            }
        }
        return lines;
    }

private:
    struct Release
    {
        void operator()(ITUserModelLibrary* library) const { library->Release(); }
    };

    const ExportInfo& info;
    std::string error;
    std::vector<std::string> strings;
    std::vector<bool> isNull;
    std::vector<int> integers;
    char nameBuffer[kNameBufferSize];
    int checkState = 0;
    std::unique_ptr<ITUserModelLibrary, Release> library;
    void* templateSlot = nullptr;
};

// Calls one export with its arguments; false when the module lacks it.
using Invoker = std::function<bool(HMODULE, Arguments&, CallOutcome&)>;

// The call of an export that returns int, with the arguments call passes.
#define TIREL_CALL(name, ...)                                                                      \
    [](HMODULE module, Arguments& a, CallOutcome& out) {                                           \
        auto function = Proc<decltype(&::name)>(module, #name);                                    \
        if (function == nullptr)                                                                   \
            return false;                                                                          \
        out.hasResult = true;                                                                      \
        out.result = function(__VA_ARGS__);                                                        \
        return true;                                                                               \
    }

struct Entry
{
    ExportInfo info;
    Invoker invoke;
};

// The arguments all three message boxes share, then the one in which they differ (none for
// gxOpen_message_box).
std::vector<ArgumentInfo> MessageBoxArguments(std::vector<ArgumentInfo> last)
{
    std::vector<ArgumentInfo> arguments = {
        {"title", ArgumentKind::Text, "Tirel Plus"},
        {"message", ArgumentKind::Text, "Keep the changes?"},
        {"button 1", ArgumentKind::Text, "&Yes"},
        {"button 2", ArgumentKind::Text, "&No"},
        {"button 3", ArgumentKind::Text, "Cancel"},
        {"button 4", ArgumentKind::Text, ""},
        {"help reference", ArgumentKind::Text, "cmpnts.chm#35"},
        {"default button", ArgumentKind::Integer, "1"},
    };
    arguments.insert(arguments.end(), last.begin(), last.end());
    return arguments;
}

const std::vector<Entry>& Entries()
{
    static const std::vector<Entry> entries = {
        {{"QuarnelInitExtDLL", "start-up, done at start", {}},
         [](HMODULE module, Arguments&, CallOutcome&) {
             auto function = Proc<decltype(&::QuarnelInitExtDLL)>(module, "QuarnelInitExtDLL");
             if (function == nullptr)
                 return false;
             function();
             return true;
         }},
        {{"gxSearchComponents",
          "component Find",
          {{"not read", ArgumentKind::Integer, "0"},
           {"insert position", ArgumentKind::Integer, "-1"},
           {"initial text", ArgumentKind::Text, ""}}},
         TIREL_CALL(gxSearchComponents, a.Int(0), a.Int(1), a.Text(2))},
        {{"gxSearchProperty", "property search", {{"initial text", ArgumentKind::Text, ""}}},
         TIREL_CALL(gxSearchProperty, a.Text(0))},
        {{"gxElectrolyteWizard", "electrolyte wizard", {}}, TIREL_CALL(gxElectrolyteWizard)},
        {{"gxUserDefWizard",
          "user-defined component",
          {{"component index", ArgumentKind::Integer, "-1"}}},
         TIREL_CALL(gxUserDefWizard, a.Int(0))},
        {{"gxReorderComp", "reorder components", {}}, TIREL_CALL(gxReorderComp)},
        {{"gxPure_component_param",
          "pure component parameter",
          {{"name buffer", ArgumentKind::NameBuffer, "1"}}},
         TIREL_CALL(gxPure_component_param, a.NameBuffer(0))},
        {{"gxUpwardComp",
          "upward compatibility",
          {{"version", ArgumentKind::Integer, "700"}, {"hide Cancel", ArgumentKind::Integer, "0"}}},
         TIREL_CALL(gxUpwardComp, a.Int(0), a.Int(1))},
        {{"gxUpwardComp1",
          "upward compatibility (1)",
          {{"hide Cancel", ArgumentKind::Integer, "0"}}},
         TIREL_CALL(gxUpwardComp1, a.Int(0))},
        {{"gxFindTemplate",
          "template selection",
          {{"model library", ArgumentKind::ModelLibrary, "-1"},
           {"chosen template", ArgumentKind::TemplateSlot, ""}}},
         TIREL_CALL(gxFindTemplate, a.Library(0), a.Slot())},
        {{"gxAskReconcile", "reconcile question", {{"block", ArgumentKind::Text, "B1"}}},
         TIREL_CALL(gxAskReconcile, a.Text(0))},
        {{"gxOpen_message_box", "message box", MessageBoxArguments({})},
         TIREL_CALL(gxOpen_message_box, a.Text(0), a.Text(1), a.Text(2), a.Text(3), a.Text(4),
                    a.Text(5), a.Text(6), a.Int(7))},
        {{"gxOpen_message_box2", "message box (Esc result)",
          MessageBoxArguments({{"cancel result", ArgumentKind::Integer, "3"}})},
         TIREL_CALL(gxOpen_message_box2, a.Text(0), a.Text(1), a.Text(2), a.Text(3), a.Text(4),
                    a.Text(5), a.Text(6), a.Int(7), a.Int(8))},
        {{"gxOpen_message_box_wcheck", "message box + check box",
          MessageBoxArguments({{"check state", ArgumentKind::CheckState, "0"}})},
         TIREL_CALL(gxOpen_message_box_wcheck, a.Text(0), a.Text(1), a.Text(2), a.Text(3),
                    a.Text(4), a.Text(5), a.Text(6), a.Int(7), a.CheckState(8))},
        {{"gxSetXeldFlag", "enterprise Find flag", {{"flag", ArgumentKind::Integer, "1"}}},
         TIREL_CALL(gxSetXeldFlag, a.Int(0))},
        {{"gxSetRefState", "reference state flag", {{"flag", ArgumentKind::Integer, "1"}}},
         TIREL_CALL(gxSetRefState, a.Int(0))},
        {{"gxDelStruct", "delete the structure", {}}, TIREL_CALL(gxDelStruct)},
    };
    return entries;
}

#undef TIREL_CALL

} // namespace

const std::vector<ExportInfo>& Exports()
{
    static const std::vector<ExportInfo> exports = [] {
        std::vector<ExportInfo> infos;
        for (const Entry& entry : Entries())
            infos.push_back(entry.info);
        return infos;
    }();
    return exports;
}

const ExportInfo* FindExport(std::string_view name)
{
    for (const ExportInfo& info : Exports())
        if (name == info.name)
            return &info;
    return nullptr;
}

CallOutcome CallExport(HMODULE module, const ExportInfo& info,
                       const std::vector<std::string>& texts)
{
    CallOutcome outcome;
    const Entry* entry = nullptr;
    for (const Entry& candidate : Entries())
        if (std::strcmp(candidate.info.name, info.name) == 0)
            entry = &candidate;
    if (entry == nullptr || module == nullptr)
    {
        outcome.error = std::string("the module has no ") + info.name;
        return outcome;
    }
    Arguments arguments(entry->info, texts);
    if (!arguments.Error().empty())
    {
        outcome.error = arguments.Error();
        return outcome;
    }
    if (!entry->invoke(module, arguments, outcome))
    {
        outcome.error = std::string("the module has no ") + info.name;
        return outcome;
    }
    outcome.called = true;
    outcome.outputs = arguments.Outputs();
    return outcome;
}

bool ParseInteger(std::string_view text, int* value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    *value = parsed;
    return true;
}

std::string DecodeText(std::string_view text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\'))
        {
            decoded += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
            continue;
        }
        decoded += text[i];
    }
    return decoded;
}

std::string DescribeCall(const ExportInfo& info, const std::vector<std::string>& texts)
{
    std::string call = std::string(info.name) + "(";
    bool first = true;
    for (size_t i = 0; i < info.arguments.size(); ++i)
    {
        const ArgumentInfo& argument = info.arguments[i];
        if (argument.kind == ArgumentKind::TemplateSlot)
            continue;
        const std::string text = i < texts.size() ? texts[i] : argument.initial;
        call += first ? "" : ", ";
        first = false;
        if (argument.kind == ArgumentKind::Text && text != kNullText)
            call += "\"" + text + "\"";
        else
            call += text;
    }
    return call + ")";
}

} // namespace tirel
