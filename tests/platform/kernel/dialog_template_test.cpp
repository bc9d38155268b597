#include <windows.h>

#include "kernel/dialog_template.h"
#include "platform/kernel/res/test_res.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using platform::DialogTemplate;
using platform::ParseDialogTemplate;

namespace
{

std::vector<unsigned char> DialogResource(int id)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCE(id), RT_DIALOG);
    if (!found)
        return {};
    auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    return {data, data + SizeofResource(nullptr, found)};
}

// Builds a template in memory the way programs do, padding items to 4-byte boundaries of the
// buffer, which starts aligned.
class TemplateBuilder
{
public:
    void Word(WORD v) { Append(&v, 2); }
    void Dword(DWORD v) { Append(&v, 4); }
    void Text(const char* text)
    {
        for (const char* p = text; *p; ++p)
            Word(static_cast<unsigned char>(*p));
        Word(0);
    }
    void Align()
    {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }
    void Append(const void* data, std::size_t n)
    {
        auto* p = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), p, p + n);
    }

    std::vector<unsigned char> bytes;
};

} // namespace

TEST(DialogTemplate, ParsesAClassicTemplateFromTheResourceCompiler)
{
    std::vector<unsigned char> data = DialogResource(IDD_CLASSIC);
    ASSERT_FALSE(data.empty());
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(data.data(), data.size(), dialog));
    EXPECT_FALSE(dialog.extended);
    EXPECT_EQ(dialog.style, DWORD(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(dialog.x, 10);
    EXPECT_EQ(dialog.y, 20);
    EXPECT_EQ(dialog.cx, 180);
    EXPECT_EQ(dialog.cy, 90);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.className, "QuarnelTestClass");
    EXPECT_EQ(dialog.title, "Classic dialog");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");

    ASSERT_EQ(dialog.items.size(), 9u);
    const char* classes[] = {"Button",    "Button",   "Edit",          "Static", "ListBox",
                             "ScrollBar", "ComboBox", "SysListView32", "Static"};
    DWORD ids[] = {IDOK,       IDCANCEL,       IDC_NAME_EDIT, IDC_NAME_LABEL, IDC_ITEM_LIST,
                   IDC_SCROLL, IDC_KIND_COMBO, IDC_RESULTS,   IDC_ICON_STATIC};
    for (std::size_t i = 0; i < dialog.items.size(); ++i)
    {
        EXPECT_EQ(dialog.items[i].className, classes[i]) << i;
        EXPECT_EQ(dialog.items[i].id, ids[i]) << i;
        EXPECT_TRUE(dialog.items[i].style & WS_CHILD) << i;
        EXPECT_TRUE(dialog.items[i].creationData.empty()) << i;
    }
    const auto& ok = dialog.items[0];
    EXPECT_EQ(ok.title, "OK");
    EXPECT_EQ(ok.style & 0xF, DWORD(BS_DEFPUSHBUTTON));
    EXPECT_EQ(ok.x, 120);
    EXPECT_EQ(ok.y, 10);
    EXPECT_EQ(ok.cx, 50);
    EXPECT_EQ(ok.cy, 14);
    EXPECT_EQ(ok.titleOrdinal, -1);
    EXPECT_EQ(dialog.items[3].title, "&Name:");
    EXPECT_TRUE(dialog.items[2].style & ES_AUTOHSCROLL);
    // An icon's title is the icon's resource id.
    EXPECT_EQ(dialog.items[8].title, "");
    EXPECT_EQ(dialog.items[8].titleOrdinal, IDI_TEST_ICON);
    EXPECT_EQ(dialog.items[8].style & 0x1F, DWORD(SS_ICON));
}

TEST(DialogTemplate, ParsesAnExtendedTemplateFromTheResourceCompiler)
{
    std::vector<unsigned char> data = DialogResource(IDD_EXTENDED);
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(data.data(), data.size(), dialog));
    EXPECT_TRUE(dialog.extended);
    EXPECT_EQ(dialog.helpId, 4242u);
    EXPECT_EQ(dialog.style & DS_SHELLFONT, DWORD(DS_SHELLFONT));
    EXPECT_EQ(dialog.exStyle, DWORD(WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP));
    EXPECT_EQ(dialog.cx, 200);
    EXPECT_EQ(dialog.title, "Extended dialog");
    EXPECT_EQ(dialog.pointSize, 9);
    EXPECT_EQ(dialog.weight, 700);
    EXPECT_TRUE(dialog.italic);
    EXPECT_EQ(dialog.charset, 204);
    EXPECT_EQ(dialog.typeface, "Tahoma");

    ASSERT_EQ(dialog.items.size(), 5u);
    const auto& check = dialog.items[0];
    EXPECT_EQ(check.className, "Button");
    EXPECT_EQ(check.title, "Check &me");
    EXPECT_EQ(check.id, DWORD(IDC_CHECK));
    EXPECT_EQ(check.exStyle, DWORD(WS_EX_CLIENTEDGE));
    EXPECT_EQ(check.helpId, 77u);
    EXPECT_EQ(dialog.items[1].title, "Group");
    const auto& picture = dialog.items[2];
    EXPECT_EQ(picture.className, "Static");
    EXPECT_EQ(picture.titleOrdinal, IDB_TEST_BITMAP);
    EXPECT_EQ(dialog.items[3].className, "ComboBox");
    // Extended templates carry 32-bit control ids.
    EXPECT_EQ(dialog.items[4].id, DWORD(IDC_BIG_ID));
    EXPECT_EQ(dialog.items[4].title, "Far");
}

TEST(DialogTemplate, NoFontWithoutSetFontStyle)
{
    std::vector<unsigned char> data = DialogResource(IDD_NO_FONT);
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(data.data(), data.size(), dialog));
    EXPECT_EQ(dialog.pointSize, 0);
    EXPECT_EQ(dialog.typeface, "");
    EXPECT_TRUE(dialog.items.empty());
}

TEST(DialogTemplate, ReadsOrdinalMenusAndClassesAndCreationDataOfMemoryTemplates)
{
    TemplateBuilder t;
    DLGTEMPLATE header{WS_POPUP | DS_SETFONT, 0, 2, 1, 2, 3, 4};
    t.Append(&header, sizeof header);
    t.Word(0xFFFF); // menu by ordinal
    t.Word(300);
    t.Word(0xFFFF); // window class by ordinal
    t.Word(0x8002);
    t.Text("Memo");
    t.Word(10);
    t.Text("Courier");

    t.Align();
    DLGITEMTEMPLATE edit{WS_CHILD | WS_VISIBLE, 0, 5, 6, 70, 12, 1234};
    t.Append(&edit, sizeof edit);
    t.Word(0xFFFF);
    t.Word(0x0081);
    t.Text("text");
    t.Word(3); // three bytes of creation data follow
    t.Append("\x01\x02\x03", 3);

    t.Align();
    DLGITEMTEMPLATE custom{WS_CHILD, 0, 0, 0, 10, 10, 99};
    t.Append(&custom, sizeof custom);
    t.Text("MyControl");
    t.Word(0); // empty title
    t.Word(0);

    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(t.bytes.data(), t.bytes.size(), dialog));
    EXPECT_EQ(dialog.menu, "#300");
    EXPECT_EQ(dialog.className, "#32770");
    EXPECT_EQ(dialog.title, "Memo");
    EXPECT_EQ(dialog.pointSize, 10);
    EXPECT_EQ(dialog.typeface, "Courier");
    ASSERT_EQ(dialog.items.size(), 2u);
    EXPECT_EQ(dialog.items[0].className, "Edit");
    EXPECT_EQ(dialog.items[0].title, "text");
    EXPECT_EQ(dialog.items[0].id, 1234u);
    EXPECT_EQ(dialog.items[0].creationData, (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(dialog.items[1].className, "MyControl");
    EXPECT_EQ(dialog.items[1].title, "");
    EXPECT_EQ(dialog.items[1].titleOrdinal, -1);
}

TEST(DialogTemplate, AlignsItemsByAddressNotByOffset)
{
    // The same template placed at an address two bytes past a boundary needs different padding;
    // a parser that aligned offsets would misread it.
    TemplateBuilder t;
    t.Word(0); // shifts the template to offset 2 of an aligned buffer
    DLGTEMPLATE header{WS_POPUP, 0, 1, 0, 0, 50, 50};
    t.Append(&header, sizeof header); // ends at offset 20
    t.Word(0);                        // no menu
    t.Word(0);                        // dialog class
    t.Text("A");                      // ends at offset 28
    t.Align();                        // already aligned: no padding by address
    DLGITEMTEMPLATE item{WS_CHILD, 0, 1, 1, 8, 8, 7};
    t.Append(&item, sizeof item);
    t.Word(0xFFFF);
    t.Word(0x0080);
    t.Text("B");
    t.Word(0);

    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialogTemplate(t.bytes.data() + 2, t.bytes.size() - 2, dialog));
    ASSERT_EQ(dialog.items.size(), 1u);
    EXPECT_EQ(dialog.items[0].id, 7u);
    EXPECT_EQ(dialog.items[0].title, "B");
}

TEST(DialogTemplate, RejectsMalformedTemplates)
{
    std::vector<unsigned char> data = DialogResource(IDD_EXTENDED);
    DialogTemplate dialog;

    std::vector<unsigned char> badVersion = data;
    badVersion[0] = 2; // DLGTEMPLATEEX version 2 does not exist
    EXPECT_FALSE(ParseDialogTemplate(badVersion.data(), badVersion.size(), dialog));

    std::vector<unsigned char> moreItems = data;
    moreItems[16] = 200; // claims 200 items
    EXPECT_FALSE(ParseDialogTemplate(moreItems.data(), moreItems.size(), dialog));

    TemplateBuilder t;
    DLGTEMPLATE header{WS_POPUP, 0, 1, 0, 0, 50, 50};
    t.Append(&header, sizeof header);
    t.Word(0);
    t.Word(0);
    t.Text("");
    t.Align();
    DLGITEMTEMPLATE item{WS_CHILD, 0, 1, 1, 8, 8, 7};
    t.Append(&item, sizeof item);
    t.Word(0xFFFF);
    t.Word(0x0099); // not a predefined control
    t.Text("");
    t.Word(0);
    EXPECT_FALSE(ParseDialogTemplate(t.bytes.data(), t.bytes.size(), dialog));

    EXPECT_FALSE(ParseDialogTemplate(nullptr, 100, dialog));
}

TEST(DialogTemplate, EveryTruncationFailsCleanly)
{
    // Each prefix is copied to a buffer of exactly its size, so the address sanitizer reports any
    // read past the end. Only the complete template (or one missing just trailing padding)
    // parses.
    for (int id : {IDD_CLASSIC, IDD_EXTENDED})
    {
        std::vector<unsigned char> data = DialogResource(id);
        ASSERT_FALSE(data.empty());
        for (std::size_t size = 0; size < data.size(); ++size)
        {
            auto* cut = new unsigned char[size ? size : 1];
            std::memcpy(cut, data.data(), size);
            DialogTemplate dialog;
            bool parsed = ParseDialogTemplate(cut, size, dialog);
            delete[] cut;
            EXPECT_FALSE(parsed && size + 3 < data.size()) << "id " << id << " size " << size;
        }
    }
}

TEST(DialogTemplate, CorruptedBytesNeverCrash)
{
    // Every byte of each template set to each of a few disruptive values.
    for (int id : {IDD_CLASSIC, IDD_EXTENDED})
    {
        std::vector<unsigned char> data = DialogResource(id);
        for (std::size_t at = 0; at < data.size(); ++at)
        {
            for (unsigned char value : {0x00, 0x01, 0x7F, 0xFF})
            {
                std::vector<unsigned char> copy = data;
                copy[at] = value;
                auto* exact = new unsigned char[copy.size()];
                std::memcpy(exact, copy.data(), copy.size());
                DialogTemplate dialog;
                ParseDialogTemplate(exact, copy.size(), dialog);
                delete[] exact;
            }
        }
    }
}
