#include <afx.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

TEST(CStringConstruction, CountedConstructionNeverReadsPastTheCount)
{
    // A fixed-size field whose writer left no terminator.
    char field[4] = {'a', 'b', 'c', 'd'};
    CString text(field, sizeof field);
    EXPECT_EQ(text.GetLength(), 4);
    EXPECT_STREQ(text, "abcd");

    // The count stops early at a zero.
    EXPECT_EQ(CString("ab\0cd", 5).GetLength(), 2);
    EXPECT_EQ(CString("abc", 0).GetLength(), 0);
    EXPECT_THROW(CString("abc", -1), CInvalidArgException*);
    EXPECT_THROW(CString(static_cast<LPCSTR>(nullptr), 3), CInvalidArgException*);
}

TEST(CStringConstruction, NullRepeatAndStdStringSources)
{
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_TRUE(CString('x', 0).IsEmpty());
    EXPECT_EQ(CString(std::string("std")), "std");
    EXPECT_EQ(CString("round").ToStdString(), "round");

    CString assigned;
    assigned = static_cast<LPCSTR>(nullptr);
    EXPECT_TRUE(assigned.IsEmpty());
    assigned = 'q';
    EXPECT_EQ(assigned, "q");
}

TEST(CStringConstruction, CopiesAndMovesAreIndependent)
{
    CString original("value");
    CString copy(original);
    copy.SetAt(0, 'V');
    EXPECT_EQ(original, "value");
    EXPECT_EQ(copy, "Value");

    CString moved(std::move(copy));
    EXPECT_EQ(moved, "Value");
    EXPECT_TRUE(copy.IsEmpty()); // NOLINT: a moved-from CString is empty and usable
    copy = "again";
    EXPECT_EQ(copy, "again");

    original = original;
    EXPECT_EQ(original, "value");
}

TEST(CStringAccess, IndexesAreCheckedAndTheTerminatorIsReadable)
{
    CString text("abc");
    EXPECT_EQ(text[0], 'a');
    EXPECT_EQ(text.GetAt(3), '\0');
    EXPECT_THROW(text.GetAt(4), CInvalidArgException*);
    EXPECT_THROW(text.GetAt(-1), CInvalidArgException*);
    EXPECT_THROW(text.SetAt(3, 'x'), CInvalidArgException*);
    text.SetAt(1, '\0'); // a zero cuts the string there
    EXPECT_EQ(text.GetLength(), 1);
}

TEST(CStringCompare, OperatorsWorkBothWaysRound)
{
    CString b("b");
    EXPECT_TRUE(b == "b");
    EXPECT_TRUE("b" == b);
    EXPECT_TRUE(b != "a");
    EXPECT_TRUE("a" < b);
    EXPECT_TRUE(b > "a");
    EXPECT_TRUE("c" > b);
    EXPECT_TRUE(b <= CString("b"));
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE(CString("ab") < "abc");
    EXPECT_EQ(b.Compare(nullptr), 1);
}

TEST(CStringCompare, CompareNoCaseFoldsToLowerCase)
{
    EXPECT_EQ(CString("Hello").CompareNoCase("hELLO"), 0);
    EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
    EXPECT_GT(CString("Zebra").CompareNoCase("apple"), 0);
    // '_' lies between 'Z' and 'a': folded to lower case it sorts before letters.
    EXPECT_LT(CString("_").CompareNoCase("A"), 0);
    EXPECT_LT(CString("ab").CompareNoCase("AB_"), 0);
    EXPECT_EQ(CString("x").CollateNoCase("X"), 0);
    EXPECT_LT(CString("a").Collate("b"), 0);
}

TEST(CStringExtract, MidLeftRightClampTheirArguments)
{
    CString text("abcdef");
    EXPECT_EQ(text.Mid(2), "cdef");
    EXPECT_EQ(text.Mid(2, 2), "cd");
    EXPECT_EQ(text.Mid(-3, 2), "ab");
    EXPECT_EQ(text.Mid(4, 100), "ef");
    EXPECT_EQ(text.Mid(6), "");
    EXPECT_EQ(text.Mid(60), "");
    EXPECT_EQ(text.Mid(1, -1), "");
    EXPECT_EQ(text.Mid(1, 0x7FFFFFFF), "bcdef");
    EXPECT_EQ(text.Left(2), "ab");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Left(99), "abcdef");
    EXPECT_EQ(text.Right(2), "ef");
    EXPECT_EQ(text.Right(0), "");
    EXPECT_EQ(text.Right(99), "abcdef");
    EXPECT_EQ(CString("123abc").SpanIncluding("0123456789"), "123");
    EXPECT_EQ(CString("key=value").SpanExcluding("=;"), "key");
    EXPECT_EQ(CString("abc").SpanExcluding(nullptr), "abc");
}

TEST(CStringTokenize, SkipsRunsOfDelimitersAndEndsWithMinusOne)
{
    CString text(",,alpha, beta;;gamma,");
    int pos = 0;
    EXPECT_EQ(text.Tokenize(",; ", pos), "alpha");
    EXPECT_EQ(pos, 8);
    EXPECT_EQ(text.Tokenize(",; ", pos), "beta");
    EXPECT_EQ(text.Tokenize(",; ", pos), "gamma");
    EXPECT_EQ(pos, 21);
    EXPECT_EQ(text.Tokenize(",; ", pos), "");
    EXPECT_EQ(pos, -1);
    // Once finished, it stays finished.
    EXPECT_EQ(text.Tokenize(",; ", pos), "");
    EXPECT_EQ(pos, -1);
}

TEST(CStringTokenize, EdgeCases)
{
    int pos = 0;
    EXPECT_EQ(CString("").Tokenize(",", pos), "");
    EXPECT_EQ(pos, -1);

    pos = 0;
    EXPECT_EQ(CString(",,,").Tokenize(",", pos), "");
    EXPECT_EQ(pos, -1);

    // A token that runs to the end moves the position past the end.
    pos = 0;
    CString last("tail");
    EXPECT_EQ(last.Tokenize(",", pos), "tail");
    EXPECT_EQ(pos, 5);
    EXPECT_EQ(last.Tokenize(",", pos), "");
    EXPECT_EQ(pos, -1);

    // Without delimiters the rest is one token, and the loop still ends.
    pos = 1;
    EXPECT_EQ(last.Tokenize("", pos), "ail");
    EXPECT_EQ(last.Tokenize("", pos), "");
    EXPECT_EQ(pos, -1);

    pos = 100;
    EXPECT_EQ(last.Tokenize(",", pos), "");
    EXPECT_EQ(pos, -1);
}

TEST(CStringTrim, WhitespaceCharacterAndSetVariants)
{
    CString text(" \t\r\n value \v\f ");
    EXPECT_EQ(text.Trim(), "value");
    EXPECT_EQ(CString("  left  ").TrimLeft(), "left  ");
    EXPECT_EQ(CString("  right  ").TrimRight(), "  right");
    EXPECT_EQ(CString("xxmidxx").Trim('x'), "mid");
    EXPECT_EQ(CString("xxmidxx").TrimLeft('x'), "midxx");
    EXPECT_EQ(CString("xxmidxx").TrimRight('x'), "xxmid");
    EXPECT_EQ(CString("[(a)]").Trim("[]()"), "a");
    EXPECT_EQ(CString("[(a)]").TrimLeft("[("), "a)]");
    EXPECT_EQ(CString("[(a)]").TrimRight(")]"), "[(a");
    EXPECT_EQ(CString("   ").Trim(), "");
    EXPECT_EQ(CString("abc").Trim(""), "abc");
    EXPECT_EQ(CString("abc").Trim(static_cast<LPCSTR>(nullptr)), "abc");
    EXPECT_EQ(CString("").TrimRight(), "");
    // Characters above 127 are not whitespace in the C locale.
    EXPECT_EQ(CString("\xA0x\xA0").Trim(), "\xA0x\xA0");
}

TEST(CStringFind, StartPositionsAndMisses)
{
    CString text("abcabc");
    EXPECT_EQ(text.Find('b'), 1);
    EXPECT_EQ(text.Find('b', 2), 4);
    EXPECT_EQ(text.Find('b', 5), -1);
    EXPECT_EQ(text.Find('a', 6), -1);
    EXPECT_EQ(text.Find('a', -1), -1);
    EXPECT_EQ(text.Find("bc"), 1);
    EXPECT_EQ(text.Find("bc", 2), 4);
    EXPECT_EQ(text.Find("abcd"), -1);
    EXPECT_EQ(text.Find("", 6), 6);
    EXPECT_EQ(text.Find("", 7), -1);
    EXPECT_EQ(text.Find(static_cast<LPCSTR>(nullptr)), -1);
    EXPECT_EQ(text.ReverseFind('a'), 3);
    EXPECT_EQ(text.ReverseFind('z'), -1);
    EXPECT_EQ(CString().ReverseFind('a'), -1);
    EXPECT_EQ(text.FindOneOf("xyc"), 2);
    EXPECT_EQ(text.FindOneOf("xyz"), -1);
}

TEST(CStringEdit, ReplaceGrowsShrinksAndCounts)
{
    CString text("a-b-c");
    EXPECT_EQ(text.Replace("-", "<->"), 2);
    EXPECT_EQ(text, "a<->b<->c");
    EXPECT_EQ(text.Replace("<->", ""), 2);
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(text.Replace("x", "y"), 0);
    EXPECT_EQ(text.Replace("", "y"), 0);
    EXPECT_EQ(text.Replace("b", nullptr), 1);
    EXPECT_EQ(text, "ac");

    // Matches do not overlap and are found left to right.
    CString run("aaaaa");
    EXPECT_EQ(run.Replace("aa", "b"), 2);
    EXPECT_EQ(run, "bba");

    // The replacement may come from the string itself.
    CString self("ab");
    EXPECT_EQ(self.Replace(self.Left(1), self), 1);
    EXPECT_EQ(self, "abb");

    CString chars("a.b.c");
    EXPECT_EQ(chars.Replace('.', '/'), 2);
    EXPECT_EQ(chars, "a/b/c");
    EXPECT_EQ(chars.Replace('/', '/'), 0);
    EXPECT_EQ(chars.Remove('/'), 2);
    EXPECT_EQ(chars, "abc");
}

TEST(CStringEdit, InsertAndDeleteClampPositions)
{
    CString text("ace");
    EXPECT_EQ(text.Insert(1, 'b'), 4);
    EXPECT_EQ(text.Insert(3, "d"), 5);
    EXPECT_EQ(text, "abcde");
    EXPECT_EQ(text.Insert(-5, "<"), 6);
    EXPECT_EQ(text.Insert(99, ">"), 7);
    EXPECT_EQ(text, "<abcde>");
    EXPECT_EQ(text.Insert(1, text), 14);
    EXPECT_EQ(text, "<<abcde>abcde>");

    CString del("abcdef");
    EXPECT_EQ(del.Delete(1), 5);
    EXPECT_EQ(del, "acdef");
    EXPECT_EQ(del.Delete(3, 99), 3);
    EXPECT_EQ(del, "acd");
    EXPECT_EQ(del.Delete(-2, 1), 2);
    EXPECT_EQ(del, "cd");
    EXPECT_EQ(del.Delete(5, 1), 2);
    EXPECT_EQ(del.Delete(0, -1), 2);
}

TEST(CStringEdit, CaseReverseAppendAndTruncate)
{
    CString text("MiXed 9");
    EXPECT_EQ(text.MakeUpper(), "MIXED 9");
    EXPECT_EQ(text.MakeLower(), "mixed 9");
    EXPECT_EQ(text.MakeReverse(), "9 dexim");

    CString joined("ab");
    joined += joined;
    joined.Append(joined.GetString() + 2, 1);
    joined.AppendChar('!');
    joined += '?';
    EXPECT_EQ(joined, "ababa!?");
    joined.SetString(joined.GetString() + 2);
    EXPECT_EQ(joined, "aba!?");
    joined.SetString("xyz", 2);
    EXPECT_EQ(joined, "xy");
    joined.Truncate(1);
    EXPECT_EQ(joined, "x");
    EXPECT_THROW(joined.Truncate(2), CInvalidArgException*);

    EXPECT_EQ(CString("a") + "b" + 'c' + CString("d"), "abcd");
    EXPECT_EQ("x" + CString("y"), "xy");
    EXPECT_EQ('x' + CString("y"), "xy");
}

TEST(CStringFormat, LongOutputIsNotCutShort)
{
    CString text;
    std::string big(10000, 'z');
    text.Format("[%s|%05d|%.2f]", big.c_str(), 42, 2.5);
    EXPECT_EQ(text.GetLength(), 10000 + 13);
    EXPECT_EQ(text.Left(2), "[z");
    EXPECT_EQ(text.Right(12), "|00042|2.50]");

    text.Format("%*d", 5000, 7);
    EXPECT_EQ(text.GetLength(), 5000);
    EXPECT_EQ(text.Right(1), "7");
}

TEST(CStringFormat, ArgumentsMayBeCStringsAndTheStringItself)
{
    CString name("world");
    CString text;
    text.Format("hello %s", name); // a CString passed straight through
    EXPECT_EQ(text, "hello world");
    text.Format("%s and %s", text, static_cast<LPCSTR>(text));
    EXPECT_EQ(text, "hello world and hello world");

    CString list("a");
    list.AppendFormat(",%s", list);
    list.AppendFormat(",%d", 2);
    list.AppendFormat("");
    EXPECT_EQ(list, "a,a,2");

    text.Format("");
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_THROW(text.Format(static_cast<LPCSTR>(nullptr)), CInvalidArgException*);
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer)
{
    CString text("keep");
    char* buffer = text.GetBuffer(20);
    EXPECT_STREQ(buffer, "keep");
    std::strcpy(buffer + 4, "-more");
    text.ReleaseBuffer();
    EXPECT_EQ(text, "keep-more");
    EXPECT_EQ(text.GetLength(), 9);

    // An explicit length wins over the terminator.
    buffer = text.GetBuffer();
    text.ReleaseBuffer(2);
    EXPECT_EQ(text, "ke");

    // A writer that leaves no terminator still yields a bounded string.
    CString raw;
    buffer = raw.GetBuffer(3);
    std::memcpy(buffer, "abc", 3);
    raw.ReleaseBuffer();
    EXPECT_EQ(raw, "abc");

    EXPECT_THROW(raw.GetBuffer(-1), CInvalidArgException*);
    raw.GetBuffer(4);
    EXPECT_THROW(raw.ReleaseBuffer(raw.GetAllocLength() + 1), CInvalidArgException*);
    raw.ReleaseBuffer();
}

TEST(CStringBuffer, GetBufferSetLengthAndPreallocate)
{
    CString text;
    char* buffer = text.GetBufferSetLength(3);
    EXPECT_EQ(text.GetLength(), 3);
    std::memcpy(buffer, "xyz", 3);
    text.ReleaseBuffer();
    EXPECT_EQ(text, "xyz");

    text.Preallocate(100);
    EXPECT_GE(text.GetAllocLength(), 100);
    EXPECT_EQ(text, "xyz");
    text.FreeExtra();
    EXPECT_EQ(text.GetAllocLength(), 3);

    // The empty string hands out a writable buffer too.
    CString empty;
    empty.GetBuffer()[0] = '\0';
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CStringResources, MissingStringLeavesTheStringUnchanged)
{
    CString text("unchanged");
    EXPECT_FALSE(text.LoadString(0xFFF0));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(CString(MAKEINTRESOURCE(0xFFF0)).IsEmpty());
}

} // namespace
