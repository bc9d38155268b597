// The property catalogue: its text format and the catalogue built into the engine.
//
// Does not do:
// - Units, values or any data of a property beyond its name, alias and kind: the engine
//   stand-in only lists properties and keeps property sets.
#include "engine/properties.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace engine
{
namespace detail
{
// The text of data/properties/catalogue.txt, made into a source file by engine/CMakeLists.txt.
extern const std::string_view kCatalogueText;
} // namespace detail

namespace
{

constexpr std::size_t kAliasMax = 8;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Splits off the first word of text (which starts with a non-blank) and the rest after it.
std::string_view TakeWord(std::string_view& text)
{
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    std::string_view word = text.substr(0, end);
    text = Trim(text.substr(end));
    return word;
}

bool IsUpperWord(std::string_view word)
{
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Reads one property line into entry; returns what is wrong with it, or "" when nothing is.
std::string ReadEntry(std::string_view line, PropertyEntry& entry)
{
    std::string_view rest = line;
    const std::string_view alias = TakeWord(rest);
    const std::string_view kind = TakeWord(rest);
    if (kind.empty() || rest.empty())
        return "a property needs an alias, a kind and a name";
    if (alias.size() > kAliasMax || !IsUpperWord(alias))
        return "alias \"" + std::string(alias) +
               "\" is not an upper-case word of at most 8 characters";
    if (kind != "-" && kind != "P" && kind != "C" && kind != "PC")
        return "unknown kind \"" + std::string(kind) + "\" (one of -, P, C, PC)";
    if (rest.size() > kPropertyTextMax)
        return "the name is longer than 83 characters";
    entry.alias = alias;
    entry.name = rest;
    entry.pureOnly = kind.find('P') != std::string_view::npos;
    entry.correlation = kind.find('C') != std::string_view::npos;
    return {};
}

} // namespace

bool ParsePropertyCatalogue(std::string_view text, std::vector<PropertyEntry>& out,
                            std::string* error)
{
    std::vector<PropertyEntry> catalogue;
    std::set<std::string> aliases;
    std::set<std::string> names;
    int lineNumber = 0;
    while (!text.empty())
    {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;

        PropertyEntry entry;
        std::string why = ReadEntry(line, entry);
        if (why.empty() && !aliases.insert(entry.alias).second)
            why = "alias \"" + entry.alias + "\" is listed twice";
        if (why.empty() && !names.insert(Upper(entry.name)).second)
            why = "name \"" + entry.name + "\" is listed twice";
        if (!why.empty())
        {
            if (error != nullptr)
                *error = "line " + std::to_string(lineNumber) + ": " + why;
            return false;
        }
        catalogue.push_back(std::move(entry));
    }
    out = std::move(catalogue);
    return true;
}

const std::vector<PropertyEntry>& BuiltInPropertyCatalogue()
{
    // Never destroyed: entry points called during process exit still find it. A mistake in
    // the data leaves the catalogue empty; the engine's tests read the same text and fail.
    static const auto* catalogue = [] {
        auto* parsed = new std::vector<PropertyEntry>;
        ParsePropertyCatalogue(detail::kCatalogueText, *parsed, nullptr);
        return parsed;
    }();
    return *catalogue;
}

} // namespace engine
