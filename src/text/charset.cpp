#include "text/charset.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tessera::text {
namespace {

// Windows-1252, 0x80-0x9F.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct SequenceStart {
    int extra = -1; // continuation bytes that follow; -1 for a byte that cannot start a sequence
    char32_t value = 0;
    char32_t minimum = 0;
};

SequenceStart sequenceStart(unsigned char lead)
{
    if (lead < 0x80)
        return {0, lead, 0};
    if ((lead & 0xE0) == 0xC0)
        return {1, char32_t(lead & 0x1F), 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {2, char32_t(lead & 0x0F), 0x800};
    if ((lead & 0xF8) == 0xF0)
        return {3, char32_t(lead & 0x07), 0x10000};
    return {};
}

bool isScalarValue(char32_t c, char32_t minimum)
{
    return c >= minimum && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

} // namespace

char32_t windows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252High[byte - 0x80];
    return byte;
}

int unicodeToWindows1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == codePoint)
            return int(0x80 + i);
    }
    return -1;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes)
        appendUtf8(out, windows1252ToUnicode(static_cast<unsigned char>(byte)));
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool isValidUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* end = p + text.size();
    while (p < end) {
        // Runs of ASCII go eight bytes at a time: pages are mostly markup.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        SequenceStart start = sequenceStart(*p);
        if (start.extra < 0 || end - p <= start.extra)
            return false;
        for (int i = 1; i <= start.extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            start.value = (start.value << 6) | (p[i] & 0x3F);
        }
        if (!isScalarValue(start.value, start.minimum))
            return false;
        p += start.extra + 1;
    }
    return true;
}

char32_t decodeUtf8At(std::string_view text, std::size_t position, std::size_t& length)
{
    length = 1;
    SequenceStart start = sequenceStart(static_cast<unsigned char>(text[position]));
    if (start.extra == 0)
        return start.value;
    const auto extra = static_cast<std::size_t>(start.extra);
    if (start.extra < 0 || position + extra >= text.size())
        return 0xFFFD;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[position + k]);
        if ((next & 0xC0) != 0x80)
            return 0xFFFD;
        start.value = (start.value << 6) | (next & 0x3F);
    }
    if (!isScalarValue(start.value, start.minimum))
        return 0xFFFD;
    length = 1 + extra;
    return start.value;
}

} // namespace tessera::text
