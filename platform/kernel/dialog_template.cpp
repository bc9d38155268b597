// Decoding of dialog templates as resource compilers write them and as programs build them in
// memory.
//
// Layout: a fixed header, then menu, class and title (each a zero-terminated UTF-16 string, or
// 0xFFFF and an ordinal, or a single 0 for "none"), then the font when the style has DS_SETFONT,
// then the items. Each item starts on a 4-byte boundary of its address (not of its offset), as
// Windows reads them, so templates built in memory with the usual alignment helpers parse alike.
//
// Does not do:
// - Class atoms other than the six predefined controls (0x80..0x85): such templates are rejected
//   rather than guessed at, since no other class is registered by atom here.
// - Extended templates of versions other than 1 (none exist).

#include "kernel/dialog_template.h"

#include "kernel/narrow_text.h"

#include <cstdint>

namespace platform
{
namespace
{

constexpr DWORD kSetFont = 0x40; // DS_SETFONT; DS_SHELLFONT includes it

// A cursor over the template that refuses every read past its end.
class TemplateReader
{
public:
    TemplateReader(const unsigned char* base, std::size_t size) : m_base(base), m_size(size) {}

    bool Word(WORD& value)
    {
        if (m_size - m_pos < 2)
            return false;
        value = ReadWord(m_base + m_pos);
        m_pos += 2;
        return true;
    }

    bool Short(short& value)
    {
        WORD word = 0;
        if (!Word(word))
            return false;
        value = static_cast<short>(word);
        return true;
    }

    bool Dword(DWORD& value)
    {
        if (m_size - m_pos < 4)
            return false;
        value = ReadDword(m_base + m_pos);
        m_pos += 4;
        return true;
    }

    bool Byte(BYTE& value)
    {
        if (m_pos >= m_size)
            return false;
        value = m_base[m_pos++];
        return true;
    }

    bool Bytes(std::size_t count, std::vector<unsigned char>& out)
    {
        if (m_size - m_pos < count)
            return false;
        out.assign(m_base + m_pos, m_base + m_pos + count);
        m_pos += count;
        return true;
    }

    // A zero-terminated UTF-16 string.
    bool String(std::string& out)
    {
        std::size_t start = m_pos;
        WORD unit = 0;
        do
        {
            if (!Word(unit))
                return false;
        } while (unit != 0);
        out = NarrowFromUtf16(m_base + start, (m_pos - start) / 2 - 1);
        return true;
    }

    // A string or an ordinal. `ordinal` is -1 when the field holds a string (or nothing).
    bool StringOrOrdinal(std::string& text, int& ordinal)
    {
        ordinal = -1;
        text.clear();
        if (m_size - m_pos < 2)
            return false;
        if (ReadWord(m_base + m_pos) == 0xFFFF)
        {
            m_pos += 2;
            WORD value = 0;
            if (!Word(value))
                return false;
            ordinal = value;
            return true;
        }
        return String(text);
    }

    // Moves to the next 4-byte boundary of the address. Only the next read checks the bounds,
    // so a template may end without padding after its last item.
    void AlignToDword()
    {
        auto address = reinterpret_cast<std::uintptr_t>(m_base + m_pos);
        std::size_t padding = (4 - (address & 3)) & 3;
        m_pos = m_size - m_pos < padding ? m_size : m_pos + padding;
    }

private:
    const unsigned char* m_base;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

bool StringOrOrdinalAsName(TemplateReader& reader, std::string& out)
{
    int ordinal = -1;
    if (!reader.StringOrOrdinal(out, ordinal))
        return false;
    if (ordinal >= 0)
        out = "#" + std::to_string(ordinal);
    return true;
}

bool ClassFromAtom(int atom, std::string& name)
{
    static const char* const kPredefined[] = {"Button",  "Edit",      "Static",
                                              "ListBox", "ScrollBar", "ComboBox"};
    if (atom < 0x80 || atom > 0x85)
        return false;
    name = kPredefined[atom - 0x80];
    return true;
}

bool ParseHeader(TemplateReader& reader, DialogTemplate& out, WORD& itemCount)
{
    WORD version = 0, signature = 0;
    if (!reader.Word(version) || !reader.Word(signature))
        return false;
    if (signature == 0xFFFF)
    {
        if (version != 1)
            return false;
        out.extended = true;
        if (!reader.Dword(out.helpId) || !reader.Dword(out.exStyle) || !reader.Dword(out.style))
            return false;
    }
    else
    {
        // Not extended: the two words just read are the style.
        out.style = version | (static_cast<DWORD>(signature) << 16);
        if (!reader.Dword(out.exStyle))
            return false;
    }
    if (!reader.Word(itemCount) || !reader.Short(out.x) || !reader.Short(out.y) ||
        !reader.Short(out.cx) || !reader.Short(out.cy))
        return false;
    if (!StringOrOrdinalAsName(reader, out.menu) || !StringOrOrdinalAsName(reader, out.className) ||
        !reader.String(out.title))
        return false;
    if (!(out.style & kSetFont))
        return true;
    WORD pointSize = 0;
    if (!reader.Word(pointSize))
        return false;
    out.pointSize = pointSize;
    if (out.extended)
    {
        WORD weight = 0;
        BYTE italic = 0, charset = 0;
        if (!reader.Word(weight) || !reader.Byte(italic) || !reader.Byte(charset))
            return false;
        out.weight = weight;
        out.italic = italic != 0;
        out.charset = charset;
    }
    return reader.String(out.typeface);
}

bool ParseItem(TemplateReader& reader, bool extended, DialogItemTemplate& item)
{
    reader.AlignToDword();
    if (extended)
    {
        if (!reader.Dword(item.helpId) || !reader.Dword(item.exStyle) || !reader.Dword(item.style))
            return false;
    }
    else
    {
        if (!reader.Dword(item.style) || !reader.Dword(item.exStyle))
            return false;
    }
    if (!reader.Short(item.x) || !reader.Short(item.y) || !reader.Short(item.cx) ||
        !reader.Short(item.cy))
        return false;
    if (extended)
    {
        if (!reader.Dword(item.id))
            return false;
    }
    else
    {
        WORD id = 0;
        if (!reader.Word(id))
            return false;
        item.id = id;
    }
    int classAtom = -1;
    if (!reader.StringOrOrdinal(item.className, classAtom))
        return false;
    if (classAtom >= 0 && !ClassFromAtom(classAtom, item.className))
        return false;
    if (!reader.StringOrOrdinal(item.title, item.titleOrdinal))
        return false;
    // The size word counts the bytes that follow it.
    WORD extra = 0;
    return reader.Word(extra) && reader.Bytes(extra, item.creationData);
}

} // namespace

bool ParseDialogTemplate(const void* data, std::size_t size, DialogTemplate& out)
{
    out = DialogTemplate{};
    if (!data)
        return false;
    TemplateReader reader(static_cast<const unsigned char*>(data), size);
    WORD itemCount = 0;
    if (!ParseHeader(reader, out, itemCount))
        return false;
    // Items are added as they parse, so a bogus count in a short template costs nothing.
    for (WORD i = 0; i < itemCount; ++i)
    {
        DialogItemTemplate item;
        if (!ParseItem(reader, out.extended, item))
            return false;
        out.items.push_back(std::move(item));
    }
    return true;
}

} // namespace platform
