// Writes dialog templates in the DLGTEMPLATEEX layout: WORD-aligned strings, DWORD-aligned
// items.

#include "user/template_builder.h"

namespace platform
{

TemplateBuilder::TemplateBuilder(DWORD style, DWORD exStyle, short x, short y, short cx, short cy,
                                 const std::string& title)
{
    Word(1);      // dlgVer
    Word(0xFFFF); // signature
    DWord(0);     // helpID
    DWord(exStyle);
    DWord(style | DS_SETFONT);
    countIndex = words.size();
    Word(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0); // no menu
    Word(0); // the dialog class
    String(title);
    Word(8);   // point size
    Word(400); // weight
    Word(0);   // italic and charset
    String("MS Sans Serif");
}

void TemplateBuilder::Add(const std::string& className, const std::string& title, DWORD id,
                          DWORD style, short x, short y, short cx, short cy, DWORD exStyle)
{
    Align();
    DWord(0); // helpID
    DWord(exStyle);
    DWord(style);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    DWord(id);
    static const char* atoms[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    bool atom = false;
    for (WORD i = 0; i < 6; ++i)
        if (lstrcmpiA(className.c_str(), atoms[i]) == 0)
        {
            Word(0xFFFF);
            Word(static_cast<WORD>(0x80 + i));
            atom = true;
        }
    if (!atom)
        String(className);
    String(title);
    Word(0); // no creation data
    ++count;
    words[countIndex] = count;
}

const DLGTEMPLATE* TemplateBuilder::Get()
{
    return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

void TemplateBuilder::Word(WORD w)
{
    words.push_back(w);
}

void TemplateBuilder::DWord(DWORD d)
{
    Word(LOWORD(d));
    Word(HIWORD(d));
}

void TemplateBuilder::String(const std::string& s)
{
    for (unsigned char c : s)
        Word(c);
    Word(0);
}

void TemplateBuilder::Align()
{
    if (words.size() % 2)
        Word(0);
}

} // namespace platform
