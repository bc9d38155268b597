// lstrcmpA and lstrcmpiA: comparison in the order people expect a sorted list to have, which is
// the order Windows' "word sort" gives, not the order of character codes.
//
// The comparison runs in levels, each deciding only when the previous ones found no difference:
// 1. Base characters, with '-' and '\'' left out: punctuation and symbols first, then digits,
//    then letters alphabetically with accents and case ignored (so "a" < "B" < "c" and
//    "coop" ties "co-op").
// 2. Accents: a plain letter sorts before its accented forms.
// 3. Case (lstrcmpA only): lower case sorts before upper case ("a" < "A").
// 4. The left-out hyphens and apostrophes: fewer first, then by code.
//
// Does not do:
// - The Windows ordering among punctuation characters: they sort by character code here.
// - Expansions and ligatures ("ae" equal to the ae ligature, sharp s equal to "ss"): the ligature
//   sorts as its first letter and the sharp s as "s".
// - Locales other than the neutral one.

#include <windows.h>

#include "kernel/narrow_text.h"

#include <cstring>
#include <string>

namespace
{

// Base letters of the Latin-1 letters 0xC0..0xFF (upper and lower case share one row each:
// 0xC0..0xDF and 0xE0..0xFF). '\0' marks the two non-letters (multiplication and division
// signs); 'z' + 1 puts thorn after z.
constexpr char kLatin1Base[] = "AAAAAAACEEEEIIIIDNOOOOO\0OUUUUY{S";

bool IsIgnored(unsigned char c)
{
    return c == '-' || c == '\'';
}

// Primary weight: group (punctuation 1, digits 2, letters 3) times 256 plus the position inside
// the group.
int PrimaryWeight(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return 2 * 256 + (c - '0');
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return 3 * 256 +
               (static_cast<unsigned char>(platform::UpperLatin1(static_cast<char>(c))) - 'A');
    if (c == 0xFF) // y with diaeresis, whose upper case lies outside Latin-1
        return 3 * 256 + ('Y' - 'A');
    if (c >= 0xC0)
    {
        char base = kLatin1Base[(c - 0xC0) & 0x1F];
        if (base != '\0')
            return 3 * 256 + (base - 'A');
    }
    return 1 * 256 + c;
}

// Nonzero for an accented Latin-1 letter; compared only between characters of equal base.
int AccentWeight(unsigned char c)
{
    if (c < 0xC0)
        return 0;
    return (c & 0x1F) + 1;
}

bool IsUpper(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

std::string Significant(const char* text, std::string& ignored)
{
    std::string kept;
    for (const char* p = text; *p; ++p)
    {
        if (IsIgnored(static_cast<unsigned char>(*p)))
            ignored.push_back(*p);
        else
            kept.push_back(*p);
    }
    return kept;
}

int Sign(int value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

int Compare(const char* a, const char* b, bool caseSensitive)
{
    if (!a || !b)
        return !a && !b ? 0 : !a ? -1 : 1;
    std::string ignoredA, ignoredB;
    std::string x = Significant(a, ignoredA);
    std::string y = Significant(b, ignoredB);
    auto at = [](const std::string& s, std::size_t i) { return static_cast<unsigned char>(s[i]); };
    std::size_t common = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < common; ++i)
    {
        if (int d = PrimaryWeight(at(x, i)) - PrimaryWeight(at(y, i)))
            return Sign(d);
    }
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (std::size_t i = 0; i < common; ++i)
    {
        if (int d = AccentWeight(at(x, i) | 0x20) - AccentWeight(at(y, i) | 0x20))
            return Sign(d);
    }
    if (caseSensitive)
    {
        for (std::size_t i = 0; i < common; ++i)
        {
            if (IsUpper(at(x, i)) != IsUpper(at(y, i)))
                return IsUpper(at(x, i)) ? 1 : -1;
        }
    }
    if (ignoredA.size() != ignoredB.size())
        return ignoredA.size() < ignoredB.size() ? -1 : 1;
    return Sign(ignoredA.compare(ignoredB));
}

} // namespace

int WINAPI lstrcmpA(LPCSTR a, LPCSTR b)
{
    return Compare(a, b, true);
}

int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b)
{
    return Compare(a, b, false);
}
