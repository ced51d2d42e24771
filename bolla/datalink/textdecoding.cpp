#include "bolla/datalink/textdecoding.h"

#include <cstdint>

namespace bolla {

namespace {

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-16LE after its mark. Odd lengths, lone surrogates and NULs are not text.
bool fromUtf16le(std::string_view bytes, std::string &out)
{
    if (bytes.size() % 2 != 0)
        return false;
    const auto unit = [&bytes](std::size_t i) {
        return char16_t(std::uint8_t(bytes[i]) | (std::uint8_t(bytes[i + 1]) << 8));
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u == 0 || (u >= 0xDC00 && u <= 0xDFFF))
            return false;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                return false;
            const char16_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, u);
        }
    }
    return true;
}

// Well-formed UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
bool isUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = std::uint8_t(s[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        if (s.size() - i <= std::size_t(extra))
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = std::uint8_t(s[i + std::size_t(k)]);
            if ((cont & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (cont & 0x3F);
        }
        if ((extra == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
            (extra == 3 && (c < 0x10000 || c > 0x10FFFF)))
            return false;
        i += std::size_t(extra) + 1;
    }
    return true;
}

// The five holes map to the C1 controls, as Windows maps them.
void fromWindows1252(std::string_view bytes, std::string &out)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (char ch : bytes) {
        const auto b = std::uint8_t(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
}

} // namespace

bool decodeDataLinkText(std::string_view bytes, std::string &text)
{
    if (bytes.starts_with("\xFF\xFE"))
        return fromUtf16le(bytes.substr(2), text);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    if (isUtf8(bytes))
        text.assign(bytes);
    else
        fromWindows1252(bytes, text);
    return true;
}

} // namespace bolla
