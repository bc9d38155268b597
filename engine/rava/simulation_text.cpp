// The simulation's text format: one item per line, "component", "property" or "record",
// followed by words and key=value pairs (data/README.md).
//
// Does not do:
// - Escapes other than \" and \\ inside quoted values, or values that span lines.
// - Keep comments and blank lines: FormatSimulation writes the items only.
#include "engine/simulation.h"

#include <cctype>
#include <optional>

namespace engine
{
namespace
{

struct Token
{
    std::string key; // empty for a plain word
    std::string value;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads one quoted value starting after its opening quote; false when it does not end.
bool ReadQuoted(std::string_view line, std::size_t& at, std::string& value)
{
    while (at < line.size())
    {
        char c = line[at++];
        if (c == '"')
            return true;
        if (c == '\\' && at < line.size() && (line[at] == '"' || line[at] == '\\'))
            c = line[at++];
        value += c;
    }
    return false;
}

// Splits a line into words and key=value pairs; values may be quoted.
std::optional<std::vector<Token>> Tokenize(std::string_view line, std::string& why)
{
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (true)
    {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at >= line.size() || line[at] == '#')
            return tokens;
        Token token;
        std::string* target = &token.value;
        bool quoted = false;
        while (at < line.size() && !IsBlank(line[at]))
        {
            char c = line[at];
            if (c == '=' && target == &token.value && token.key.empty() && !quoted &&
                !token.value.empty())
            {
                token.key = std::move(token.value);
                token.value.clear();
                ++at;
                continue;
            }
            if (c == '"' && target->empty() && !quoted)
            {
                ++at;
                if (!ReadQuoted(line, at, *target))
                {
                    why = "a quoted value does not end";
                    return std::nullopt;
                }
                quoted = true;
                continue;
            }
            if (quoted)
            {
                why = "text follows a quoted value";
                return std::nullopt;
            }
            *target += c;
            ++at;
        }
        tokens.push_back(std::move(token));
    }
}

bool Fail(std::string* error, std::size_t lineNumber, const std::string& why)
{
    if (error != nullptr)
        *error = "line " + std::to_string(lineNumber) + ": " + why;
    return false;
}

// Moves the key=value tokens from `from` on into attributes; false on a plain word.
bool TakeAttributes(std::vector<Token>& tokens, std::size_t from, Attributes& attributes,
                    std::string& why)
{
    for (std::size_t i = from; i < tokens.size(); ++i)
    {
        if (tokens[i].key.empty())
        {
            why = "\"" + tokens[i].value + "\" is not a key=value pair";
            return false;
        }
        attributes.emplace_back(std::move(tokens[i].key), std::move(tokens[i].value));
    }
    return true;
}

bool NeedsQuotes(const std::string& value)
{
    if (value.empty())
        return true;
    for (char c : value)
    {
        if (IsBlank(c) || c == '"' || c == '#' || c == '\\' || c == '=' || c == '\n')
            return true;
    }
    return false;
}

void AppendValue(std::string& out, const std::string& value)
{
    if (!NeedsQuotes(value))
    {
        out += value;
        return;
    }
    out += '"';
    for (char c : value)
    {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
}

void AppendAttributes(std::string& out, const Attributes& attributes)
{
    for (const auto& [key, value] : attributes)
    {
        out += ' ';
        out += key;
        out += '=';
        AppendValue(out, value);
    }
}

} // namespace

const std::string* FindAttribute(const Attributes& attributes, std::string_view key)
{
    for (const auto& [name, value] : attributes)
    {
        if (name == key)
            return &value;
    }
    return nullptr;
}

bool ParseSimulation(std::string_view text, Simulation& out, std::string* error)
{
    Simulation parsed;
    std::size_t lineNumber = 0;
    while (!text.empty())
    {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        std::string why;
        auto tokens = Tokenize(line, why);
        if (!tokens)
            return Fail(error, lineNumber, why);
        if (tokens->empty())
            continue;
        const Token& kind = tokens->front();
        if (!kind.key.empty())
            return Fail(error, lineNumber, "a line starts with the kind of its item");
        if (kind.value != "component" && kind.value != "property" && kind.value != "record")
            return Fail(error, lineNumber, "unknown item \"" + kind.value + "\"");
        // Every kind names its item with plain words after the kind: a record its type and id.
        std::size_t words = kind.value == "record" ? 3 : 2;
        if (tokens->size() < words)
            return Fail(error, lineNumber, "\"" + kind.value + "\" needs a name");
        for (std::size_t i = 1; i < words; ++i)
        {
            if (!(*tokens)[i].key.empty())
                return Fail(error, lineNumber, "\"" + kind.value + "\" needs a name");
        }
        if (kind.value == "component")
        {
            Component component{(*tokens)[1].value, {}};
            if (!TakeAttributes(*tokens, 2, component.attributes, why))
                return Fail(error, lineNumber, why);
            parsed.components.push_back(std::move(component));
        }
        else if (kind.value == "property")
        {
            if (tokens->size() != 2)
                return Fail(error, lineNumber, "\"property\" takes one name only");
            parsed.propertySet.push_back((*tokens)[1].value);
        }
        else
        {
            Record record{(*tokens)[1].value, (*tokens)[2].value, {}};
            if (!TakeAttributes(*tokens, 3, record.attributes, why))
                return Fail(error, lineNumber, why);
            parsed.records.push_back(std::move(record));
        }
    }
    out = std::move(parsed);
    return true;
}

std::string FormatSimulation(const Simulation& simulation)
{
    std::string out;
    for (const Component& component : simulation.components)
    {
        out += "component ";
        AppendValue(out, component.id);
        AppendAttributes(out, component.attributes);
        out += '\n';
    }
    for (const std::string& property : simulation.propertySet)
    {
        out += "property ";
        AppendValue(out, property);
        out += '\n';
    }
    for (const Record& record : simulation.records)
    {
        out += "record ";
        AppendValue(out, record.type);
        out += ' ';
        AppendValue(out, record.id);
        AppendAttributes(out, record.attributes);
        out += '\n';
    }
    return out;
}

} // namespace engine
