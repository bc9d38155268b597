#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

std::vector<std::string> Sorted(std::vector<std::string> items,
                                int(WINAPI* compare)(LPCSTR, LPCSTR))
{
    std::stable_sort(items.begin(), items.end(),
                     [compare](const std::string& a, const std::string& b) {
                         return compare(a.c_str(), b.c_str()) < 0;
                     });
    return items;
}

} // namespace

TEST(StringCompare, SortsAlphabeticallyNotByCharacterCode)
{
    EXPECT_LT(lstrcmpA("apple", "Banana"), 0);
    EXPECT_GT(lstrcmpA("Banana", "apple"), 0);
    EXPECT_LT(lstrcmpiA("apple", "Banana"), 0);
    // Punctuation, then digits, then letters; shorter prefixes first.
    std::vector<std::string> names = {"b", "A1", "_x", "10", "a", "ab", "2"};
    EXPECT_EQ(Sorted(names, lstrcmpA),
              (std::vector<std::string>{"_x", "10", "2", "a", "A1", "ab", "b"}));
}

TEST(StringCompare, CaseBreaksTiesOnlyForTheCaseSensitiveCompare)
{
    EXPECT_LT(lstrcmpA("a", "A"), 0);
    EXPECT_GT(lstrcmpA("Water", "water"), 0);
    EXPECT_EQ(lstrcmpA("same", "same"), 0);
    EXPECT_EQ(lstrcmpiA("Water", "wATER"), 0);
    // Case never outweighs a difference in letters.
    EXPECT_LT(lstrcmpA("Ab", "ac"), 0);
}

TEST(StringCompare, AccentsSortWithTheirLetter)
{
    EXPECT_LT(lstrcmpA("cafe", "caf\xE9"), 0);
    EXPECT_LT(lstrcmpA("caf\xE9", "cafes"), 0);
    EXPECT_LT(lstrcmpiA("\xC9t\xE9", "ezra"), 0); // E-acute sorts as e, before z
    EXPECT_NE(lstrcmpiA("caf\xC9", "cafe"), 0);
    EXPECT_EQ(lstrcmpiA("caf\xC9", "caf\xE9"), 0);
}

TEST(StringCompare, HyphensAndApostrophesCountLast)
{
    EXPECT_LT(lstrcmpA("coop", "co-op"), 0);
    EXPECT_LT(lstrcmpA("co-op", "cooper"), 0);
    EXPECT_LT(lstrcmpiA("cant", "can't"), 0);
    EXPECT_LT(lstrcmpiA("can't", "cants"), 0);
}

TEST(StringCompare, NullSortsFirst)
{
    EXPECT_EQ(lstrcmpA(nullptr, nullptr), 0);
    EXPECT_LT(lstrcmpA(nullptr, ""), 0);
    EXPECT_GT(lstrcmpiA("", nullptr), 0);
}
