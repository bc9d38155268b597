// Fuzz target: RealParser::IsReal against a reference recogniser written separately from the
// same rules, as one regular expression. Any text on which the two disagree is a failure.
//
// The rules, as the grammar the expression spells out:
// - blanks (the space character only) may lead; a text of blanks alone is accepted;
// - then an optional sign and a mantissa: "0" or a digit string not starting with "0", with an
//   optional point and fraction digits; or a point with optional fraction digits;
// - an exponent (e, E, d or D, an optional sign, at least one digit) may follow only a digit;
// - nothing may follow, not even a blank.
#include "controls/real_parser.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace
{

bool ReferenceIsReal(const std::string& text)
{
    static const std::regex kReal("^ *(?:"
                                  "|[+-]?(?:0|[1-9][0-9]*)(?:\\.[0-9]+)?(?:[eEdD][+-]?[0-9]+)?"
                                  "|[+-]?(?:0|[1-9][0-9]*)\\."
                                  "|[+-]?\\.(?:[0-9]+(?:[eEdD][+-]?[0-9]+)?)?"
                                  ")$",
                                  std::regex::ECMAScript | std::regex::optimize);
    return std::regex_match(text, kReal);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // IsReal reads a zero-terminated text, so the input ends at its first zero byte.
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));

    RealParser parser;
    const bool actual = parser.IsReal(text.c_str());
    const bool expected = ReferenceIsReal(text);
    if (actual != expected)
    {
        std::fprintf(stderr, "IsReal(\"%s\") is %d, the rules say %d\n", text.c_str(), actual,
                     expected);
        std::abort();
    }
    // A second call on the same object must start afresh.
    if (parser.IsReal(text.c_str()) != actual)
    {
        std::fprintf(stderr, "IsReal(\"%s\") changed on a second call\n", text.c_str());
        std::abort();
    }
    return 0;
}
