#include "spell/engine/soundcode.h"

#include "spell/engine/codepage.h"

namespace tessera::spell {

namespace {

constexpr char kLetterDigits[] = "01230122022455012623010202"; // A-Z

struct DigitTable {
    std::array<char, 256> digits{};
    constexpr DigitTable()
    {
        for (int c = 'A'; c <= 'Z'; ++c) {
            digits[c] = kLetterDigits[c - 'A'];
            digits[c - 'A' + 'a'] = kLetterDigits[c - 'A'];
        }
        // The accented letters of code page 437 (0x80-0xA5), less the currency signs 0x9B-0x9D.
        for (int c = 0x80; c <= 0xA5; ++c)
            digits[c] = '0';
        digits[0x9B] = digits[0x9C] = digits[0x9D] = '\0';
        digits[0x80] = digits[0x87] = '2'; // Ç ç
        digits[0x9E] = digits[0x9F] = '1'; // ₧ (written P) and ƒ
        digits[0xA4] = digits[0xA5] = '5'; // ñ Ñ
    }
};

constexpr DigitTable kDigits;

} // namespace

char soundDigit(unsigned char oemByte)
{
    return kDigits.digits[oemByte];
}

char soundFirstCharacter(unsigned char oemByte)
{
    if (oemByte == 0x9E)
        return 'P'; // ₧ has no Windows character; it is written as P.
    const char32_t c = cp437ToUnicode(oemByte);
    if (c >= U'a' && c <= U'z')
        return static_cast<char>(c - 0x20);
    if (c < 0x100)
        return static_cast<char>(c);
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (windows1252ToUnicode(static_cast<unsigned char>(byte)) == c)
            return static_cast<char>(byte);
    }
    return '?';
}

SoundCodeBuilder::SoundCodeBuilder(unsigned char firstOemByte)
{
    m_code[0] = soundFirstCharacter(firstOemByte);
}

bool SoundCodeBuilder::add(unsigned char oemByte)
{
    if (m_size == m_code.size())
        return false;
    const char digit = soundDigit(oemByte);
    // The comparison is with the last character kept so far, which at the start is the first letter.
    if (digit == '0' || digit == m_code[m_size - 1])
        return false;
    m_code[m_size++] = digit;
    return true;
}

std::string soundCode(std::string_view oemWord, SoundCodeKind kind)
{
    std::string code;
    if (!oemWord.empty()) {
        SoundCodeBuilder builder(static_cast<unsigned char>(oemWord[0]));
        code.push_back(soundFirstCharacter(static_cast<unsigned char>(oemWord[0])));
        for (std::size_t i = 1; i < oemWord.size(); ++i) {
            if (builder.add(static_cast<unsigned char>(oemWord[i])))
                code.push_back(builder.back());
        }
    }
    if (kind == SoundCodeKind::Full)
        code.resize(4, '0');
    return code;
}

} // namespace tessera::spell
