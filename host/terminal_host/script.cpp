// Reading the host's scripts (see script.h).
#include "script.h"

#include "export_table.h"

#include <windows.h>

#include <cctype>
#include <cstring>

namespace tirel
{
namespace
{

struct StepShape
{
    const char* keyword;
    size_t minWords;
    size_t maxWords;
};

constexpr size_t kAny = static_cast<size_t>(-1);

const StepShape kShapes[] = {
    {"call", 1, kAny}, {"return", 0, 1},  {"window", 0, 1},       {"help", 0, 0},
    {"main", 0, 0},    {"click", 1, 1},   {"doubleclick", 1, 1},  {"type", 1, 1},
    {"press", 1, 1},   {"choose", 2, 2},  {"doublechoose", 2, 2}, {"column", 2, 2},
    {"expect", 2, 2},  {"rows", 1, 1},    {"snapshot", 0, 1},     {"closed", 0, 0},
    {"set", 2, 2},     {"echo", 0, kAny}, {"simulation", 0, 0},   {"need", 1, 1},
};

const StepShape* ShapeOf(const std::string& keyword)
{
    for (const StepShape& shape : kShapes)
        if (keyword == shape.keyword)
            return &shape;
    return nullptr;
}

// "1 word", "2 words", "at least 1 word", "at most 1 word", for the message on a step with
// too few or too many words.
std::string WordCountText(const StepShape& shape)
{
    const auto words = [](size_t n) { return std::to_string(n) + (n == 1 ? " word" : " words"); };
    if (shape.minWords == shape.maxWords)
        return shape.maxWords == 0 ? "no words" : words(shape.maxWords);
    if (shape.maxWords == kAny)
        return "at least " + words(shape.minWords);
    if (shape.minWords == 0)
        return "at most " + words(shape.maxWords);
    return std::to_string(shape.minWords) + " to " + words(shape.maxWords);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// What a step's words must be beyond their number.
std::string CheckWords(const Step& step)
{
    int number = 0;
    if (step.keyword == "call")
    {
        const ExportInfo* info = FindExport(step.words[0]);
        if (info == nullptr)
            return "\"" + step.words[0] + "\" is not an export of the module";
        size_t texts = 0;
        for (const ArgumentInfo& argument : info->arguments)
            texts += argument.kind == ArgumentKind::TemplateSlot ? 0 : 1;
        if (step.words.size() - 1 > texts)
            return step.words[0] + " takes " + std::to_string(texts) +
                   (texts == 1 ? " argument" : " arguments");
    }
    else if (step.keyword == "need" && FindExport(step.words[0]) == nullptr)
    {
        return "\"" + step.words[0] + "\" is not an export of the module";
    }
    else if (step.keyword == "return" && !step.words.empty() &&
             !ParseInteger(step.words[0], &number))
    {
        return "return expects a whole number, not \"" + step.words[0] + "\"";
    }
    else if (step.keyword == "press")
    {
        unsigned short vk = 0;
        unsigned modifiers = 0;
        if (!ParseKey(step.words[0], &vk, &modifiers))
            return "\"" + step.words[0] + "\" is not a key";
    }
    else if (step.keyword == "snapshot" && !step.words.empty() && step.words[0] != "main")
    {
        return "snapshot takes nothing or \"main\"";
    }
    else if (step.keyword == "set")
    {
        const std::string& name = step.words[0];
        if (name != "DontShowUpward" && name != "RefusesFind" && name != "Suppressed")
            return "set knows DontShowUpward, RefusesFind and Suppressed, not \"" + name + "\"";
        if (step.words[1] != "0" && step.words[1] != "1")
            return "set takes 0 or 1";
    }
    return "";
}

} // namespace

bool SplitWords(std::string_view line, std::vector<std::string>* words)
{
    words->clear();
    size_t i = 0;
    while (i < line.size())
    {
        if (std::isspace(static_cast<unsigned char>(line[i])))
        {
            ++i;
            continue;
        }
        if (line[i] == '#' &&
            !(i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]))))
            break;
        std::string word;
        if (line[i] == '"')
        {
            ++i;
            bool closed = false;
            while (i < line.size())
            {
                if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '"')
                {
                    word += '"';
                    i += 2;
                    continue;
                }
                if (line[i] == '"')
                {
                    closed = true;
                    ++i;
                    break;
                }
                word += line[i++];
            }
            if (!closed)
                return false;
        }
        else
        {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

bool ParseScript(std::string_view text, std::vector<Step>* steps, ScriptError* error)
{
    steps->clear();
    int number = 0;
    while (!text.empty())
    {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::vector<std::string> words;
        if (!SplitWords(line, &words))
        {
            *error = {number, "a quote is not closed"};
            return false;
        }
        if (words.empty())
            continue;
        Step step;
        step.line = number;
        step.source = std::string(line);
        step.keyword = words[0];
        step.words.assign(words.begin() + 1, words.end());
        const StepShape* shape = ShapeOf(step.keyword);
        if (shape == nullptr)
        {
            *error = {number, "unknown step \"" + step.keyword + "\""};
            return false;
        }
        if (step.words.size() < shape->minWords ||
            (shape->maxWords != kAny && step.words.size() > shape->maxWords))
        {
            *error = {number, step.keyword + " takes " + WordCountText(*shape)};
            return false;
        }
        const std::string problem = CheckWords(step);
        if (!problem.empty())
        {
            *error = {number, problem};
            return false;
        }
        steps->push_back(std::move(step));
    }
    return true;
}

ControlRef ParseControl(const std::string& word)
{
    ControlRef control;
    int id = 0;
    if (word.size() > 1 && word[0] == '#' && ParseInteger(std::string_view(word).substr(1), &id) &&
        id > 0)
        control.id = id;
    else
        control.caption = word;
    return control;
}

bool ParseKey(std::string_view name, unsigned short* vk, unsigned* modifiers)
{
    static const struct
    {
        const char* prefix;
        unsigned bit;
    } kModifiers[] = {{"Shift+", 1}, {"Ctrl+", 2}, {"Alt+", 4}};
    static const struct
    {
        const char* name;
        unsigned short vk;
    } kKeys[] = {{"Enter", VK_RETURN}, {"Escape", VK_ESCAPE},  {"Tab", VK_TAB},
                 {"Space", VK_SPACE},  {"Backspace", VK_BACK}, {"Delete", VK_DELETE},
                 {"Up", VK_UP},        {"Down", VK_DOWN},      {"Left", VK_LEFT},
                 {"Right", VK_RIGHT},  {"Home", VK_HOME},      {"End", VK_END},
                 {"PageUp", VK_PRIOR}, {"PageDown", VK_NEXT},  {"Insert", VK_INSERT}};
    *modifiers = 0;
    for (bool found = true; found;)
    {
        found = false;
        for (const auto& modifier : kModifiers)
        {
            const size_t length = std::strlen(modifier.prefix);
            if (name.size() > length && EqualsIgnoringCase(name.substr(0, length), modifier.prefix))
            {
                *modifiers |= modifier.bit;
                name.remove_prefix(length);
                found = true;
            }
        }
    }
    for (const auto& key : kKeys)
        if (EqualsIgnoringCase(name, key.name))
        {
            *vk = key.vk;
            return true;
        }
    int function = 0;
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f') &&
        ParseInteger(name.substr(1), &function) && function >= 1 && function <= 12)
    {
        *vk = static_cast<unsigned short>(VK_F1 + function - 1);
        return true;
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    {
        *vk = static_cast<unsigned short>(std::toupper(static_cast<unsigned char>(name[0])));
        return true;
    }
    return false;
}

} // namespace tirel
