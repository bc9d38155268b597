// Reading the host's scripts: words, steps and the mistakes reported before anything runs.
#include "script.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace
{

using Words = std::vector<std::string>;

TEST(Script, SplitsWordsAtBlanksKeepingQuotedBlanks)
{
    const struct
    {
        const char* line;
        Words words;
    } cases[] = {
        {"click OK", {"click", "OK"}},
        {"  click   \"Find now\"  ", {"click", "Find now"}},
        {"type \"say \\\"hi\\\"\"", {"type", "say \"hi\""}},
        {"type \"a\\nb\"", {"type", "a\\nb"}}, // \n is the step's business
        {"click #12575 # the first button", {"click", "#12575"}},
        {"# a whole comment", {}},
        {"echo a#b", {"echo", "a#b"}},
        {"type \"\"", {"type", ""}},
    };
    for (const auto& c : cases)
    {
        Words words;
        EXPECT_TRUE(tirel::SplitWords(c.line, &words)) << c.line;
        EXPECT_EQ(words, c.words) << c.line;
    }
    Words words;
    EXPECT_FALSE(tirel::SplitWords("type \"open", &words));
}

TEST(Script, ReadsStepsWithTheirLines)
{
    std::vector<tirel::Step> steps;
    tirel::ScriptError error;
    ASSERT_TRUE(tirel::ParseScript("# a session\r\n\r\ncall gxAskReconcile \"B 1\"\n"
                                   "window Reconcile\nreturn 2",
                                   &steps, &error))
        << error.message;
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].keyword, "call");
    EXPECT_EQ(steps[0].words, (Words{"gxAskReconcile", "B 1"}));
    EXPECT_EQ(steps[0].source, "call gxAskReconcile \"B 1\"");
    EXPECT_EQ(steps[2].line, 5);
    EXPECT_EQ(steps[2].words, Words{"2"});
}

TEST(Script, RefusesMistakesWithTheirLine)
{
    const struct
    {
        const char* script;
        int line;
        const char* message;
    } cases[] = {
        {"klick OK", 1, "unknown step \"klick\""},
        {"echo\nclick", 2, "click takes 1 word"},
        {"call", 1, "call takes at least 1 word"},
        {"help me", 1, "help takes no words"},
        {"choose #1 a b", 1, "choose takes 2 words"},
        {"return 1 2", 1, "return takes at most 1 word"},
        {"call gxNothing", 1, "\"gxNothing\" is not an export of the module"},
        {"call gxSetRefState 1 2", 1, "gxSetRefState takes 1 argument"},
        {"call gxFindTemplate -1 x", 1, "gxFindTemplate takes 1 argument"},
        {"return yes", 1, "return expects a whole number, not \"yes\""},
        {"press Hyper+X", 1, "\"Hyper+X\" is not a key"},
        {"snapshot screen", 1, "snapshot takes nothing or \"main\""},
        {"set Colour 1", 1, "set knows DontShowUpward, RefusesFind and Suppressed, not \"Colour\""},
        {"set RefusesFind 2", 1, "set takes 0 or 1"},
        {"echo ok\ntype \"open", 2, "a quote is not closed"},
    };
    for (const auto& c : cases)
    {
        std::vector<tirel::Step> steps;
        tirel::ScriptError error;
        EXPECT_FALSE(tirel::ParseScript(c.script, &steps, &error)) << c.script;
        EXPECT_EQ(error.line, c.line) << c.script;
        EXPECT_EQ(error.message, c.message) << c.script;
    }
}

TEST(Script, NamesControlsByIdOrCaption)
{
    EXPECT_EQ(tirel::ParseControl("#12575").id, 12575);
    EXPECT_EQ(tirel::ParseControl("OK").caption, "OK");
    // Not an id: the caption is taken as written.
    EXPECT_EQ(tirel::ParseControl("#").caption, "#");
    EXPECT_EQ(tirel::ParseControl("#1a").caption, "#1a");
    EXPECT_EQ(tirel::ParseControl("#0").caption, "#0");
}

TEST(Script, NamesKeysWithModifiers)
{
    const struct
    {
        const char* name;
        unsigned short vk;
        unsigned modifiers;
    } cases[] = {
        {"Enter", VK_RETURN, 0}, {"escape", VK_ESCAPE, 0}, {"Shift+Tab", VK_TAB, 1},
        {"Alt+N", 'N', 4},       {"Ctrl+Shift+a", 'A', 3}, {"F1", VK_F1, 0},
        {"F12", VK_F12, 0},      {"PageDown", VK_NEXT, 0}, {"7", '7', 0},
    };
    for (const auto& c : cases)
    {
        unsigned short vk = 0;
        unsigned modifiers = 99;
        ASSERT_TRUE(tirel::ParseKey(c.name, &vk, &modifiers)) << c.name;
        EXPECT_EQ(vk, c.vk) << c.name;
        EXPECT_EQ(modifiers, c.modifiers) << c.name;
    }
    unsigned short vk = 0;
    unsigned modifiers = 0;
    for (const char* wrong : {"F0", "F13", "Shift+", "ab", "", "+"})
        EXPECT_FALSE(tirel::ParseKey(wrong, &vk, &modifiers)) << wrong;
}

} // namespace
