// wsprintfA: the window manager's small formatter, which writes at most 1024 characters
// (terminator included) and knows only integers, characters and strings.
//
// Format: %[-][#][0][width][.precision][size]type with size h (16 bits), l (32 bits, as a Windows
// LONG), ll or I64 (64 bits), and type c, C, d, i, u, x, X, p, s, S. A '%' followed by anything
// else writes that character ("%%" writes '%').
//
// Does not do:
// - Floating point, '*' widths, the '+' and ' ' flags: wsprintf has none of them.
// - Wide text beyond Latin-1: %S and %ls take a wchar_t string and write '?' for characters above
//   255.

#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>

namespace
{

constexpr std::size_t kLimit = 1024;

struct Field
{
    bool left = false, alternate = false, zero = false;
    int width = 0;
    int precision = -1;
    enum class Size
    {
        Default,
        Short,
        Long,
        LongLong
    } size = Size::Default;

    // %c and %s are narrow unless 'l' or 'w' says wide; %C and %S are wide unless 'h' says narrow.
    bool Wide(char type) const
    {
        return type == 'C' || type == 'S' ? size != Size::Short : size == Size::Long;
    }
};

// va_list is an array on some targets, so it travels by reference inside a struct.
struct Arguments
{
    va_list list;
};

int ParseNumber(const char*& p)
{
    int value = 0;
    while (*p >= '0' && *p <= '9')
    {
        if (value < 10000) // keeps absurd widths from overflowing; output is capped anyway
            value = value * 10 + (*p - '0');
        ++p;
    }
    return value;
}

void Pad(std::string& out, const std::string& body, const Field& field, std::size_t signLength = 0)
{
    std::size_t width = static_cast<std::size_t>(field.width);
    if (body.size() >= width)
    {
        out += body;
    }
    else if (field.left)
    {
        out += body;
        out.append(width - body.size(), ' ');
    }
    else if (field.zero)
    {
        // Zeros go between the sign or "0x" prefix and the digits.
        out.append(body, 0, signLength);
        out.append(width - body.size(), '0');
        out.append(body, signLength, std::string::npos);
    }
    else
    {
        out.append(width - body.size(), ' ');
        out += body;
    }
}

void FormatInteger(std::string& out, const Field& field, char type, std::uint64_t magnitude,
                   bool negative)
{
    const char* digits = type == 'X' || type == 'p' ? "0123456789ABCDEF" : "0123456789abcdef";
    unsigned base = type == 'x' || type == 'X' || type == 'p' ? 16 : 10;
    std::string number;
    do
    {
        number.insert(number.begin(), digits[magnitude % base]);
        magnitude /= base;
    } while (magnitude);
    if (field.precision >= 0 && number.size() < static_cast<std::size_t>(field.precision))
        number.insert(0, static_cast<std::size_t>(field.precision) - number.size(), '0');
    std::string prefix;
    if (negative)
        prefix = "-";
    else if (field.alternate && base == 16 && type != 'p')
        prefix = type == 'X' ? "0X" : "0x";
    Field padding = field;
    // A precision turns zero padding off, as in C.
    padding.zero = field.zero && field.precision < 0;
    Pad(out, prefix + number, padding, prefix.size());
}

std::string NarrowFromWide(const wchar_t* text, int precision)
{
    std::string narrow;
    for (int i = 0; text[i] && (precision < 0 || i < precision); ++i)
        narrow.push_back(text[i] >= 0 && text[i] < 256 ? static_cast<char>(text[i]) : '?');
    return narrow;
}

void FormatOne(std::string& out, const Field& field, char type, Arguments& args)
{
    switch (type)
    {
    case 'c':
    case 'C': {
        int value = va_arg(args.list, int);
        char c = field.Wide(type) && (value < 0 || value > 255) ? '?' : static_cast<char>(value);
        Field padding = field;
        padding.zero = false;
        Pad(out, std::string(1, c), padding);
        return;
    }
    case 's':
    case 'S': {
        std::string text;
        if (field.Wide(type))
        {
            const wchar_t* value = va_arg(args.list, const wchar_t*);
            text = value ? NarrowFromWide(value, field.precision) : "(null)";
        }
        else
        {
            const char* value = va_arg(args.list, const char*);
            if (!value)
                value = "(null)";
            std::size_t length = field.precision >= 0
                                     ? strnlen(value, static_cast<std::size_t>(field.precision))
                                     : std::strlen(value);
            text.assign(value, length);
        }
        Field padding = field;
        padding.zero = false;
        Pad(out, text, padding);
        return;
    }
    case 'p': {
        Field pointer = field;
        pointer.precision = static_cast<int>(2 * sizeof(void*));
        auto value = reinterpret_cast<std::uintptr_t>(va_arg(args.list, void*));
        FormatInteger(out, pointer, 'p', value, false);
        return;
    }
    default:
        break;
    }
    bool isSigned = type == 'd' || type == 'i';
    std::int64_t signedValue = 0;
    std::uint64_t unsignedValue = 0;
    switch (field.size)
    {
    case Field::Size::LongLong:
        if (isSigned)
            signedValue = va_arg(args.list, long long);
        else
            unsignedValue = va_arg(args.list, unsigned long long);
        break;
    case Field::Size::Short:
        if (isSigned)
            signedValue = static_cast<short>(va_arg(args.list, int));
        else
            unsignedValue = static_cast<unsigned short>(va_arg(args.list, unsigned));
        break;
    default:
        // Windows' int and long are both 32 bits.
        if (isSigned)
            signedValue = va_arg(args.list, int);
        else
            unsignedValue = va_arg(args.list, unsigned);
        break;
    }
    if (isSigned)
    {
        bool negative = signedValue < 0;
        std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(signedValue)
                                           : static_cast<std::uint64_t>(signedValue);
        FormatInteger(out, field, type, magnitude, negative);
    }
    else
    {
        FormatInteger(out, field, type, unsignedValue, false);
    }
}

int FormatTo(LPSTR buffer, LPCSTR format, Arguments& args)
{
    std::string out;
    const char* p = format;
    while (*p && out.size() < kLimit)
    {
        if (*p != '%')
        {
            out.push_back(*p++);
            continue;
        }
        ++p;
        Field field;
        for (;; ++p)
        {
            if (*p == '-')
                field.left = true;
            else if (*p == '#')
                field.alternate = true;
            else if (*p == '0')
                field.zero = true;
            else
                break;
        }
        field.width = ParseNumber(p);
        if (*p == '.')
        {
            ++p;
            field.precision = ParseNumber(p);
        }
        if (*p == 'h')
        {
            field.size = Field::Size::Short;
            ++p;
        }
        else if (p[0] == 'l' && p[1] == 'l')
        {
            field.size = Field::Size::LongLong;
            p += 2;
        }
        else if (*p == 'l' || *p == 'w')
        {
            field.size = Field::Size::Long;
            ++p;
        }
        else if (p[0] == 'I' && p[1] == '6' && p[2] == '4')
        {
            field.size = Field::Size::LongLong;
            p += 3;
        }
        char type = *p;
        if (type == '\0')
            break;
        ++p;
        switch (type)
        {
        case 'c':
        case 'C':
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'p':
        case 's':
        case 'S':
            FormatOne(out, field, type, args);
            break;
        default:
            out.push_back(type);
            break;
        }
    }
    std::size_t length = out.size() < kLimit ? out.size() : kLimit - 1;
    std::memcpy(buffer, out.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

} // namespace

int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    if (!buffer || !format)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Arguments args;
    va_start(args.list, format);
    int length = FormatTo(buffer, format, args);
    va_end(args.list);
    return length;
}
