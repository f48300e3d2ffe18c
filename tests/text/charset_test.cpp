#include "text/charset.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessera::text;

TEST(CharsetTest, windows1252MapsEveryByteAndBack)
{
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const Case cases[] = {
        {0x41, U'A'}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x92, 0x2019}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windows1252ToUnicode(c.byte), c.codePoint) << int(c.byte);
        EXPECT_EQ(unicodeToWindows1252(c.codePoint), int(c.byte)) << int(c.byte);
    }
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(unicodeToWindows1252(windows1252ToUnicode(static_cast<unsigned char>(byte))), byte);
    EXPECT_EQ(unicodeToWindows1252(0x0100), -1);
    EXPECT_EQ(unicodeToWindows1252(0x1F600), -1);
}

TEST(CharsetTest, windows1252ToUtf8KeepsEveryByte)
{
    EXPECT_EQ(windows1252ToUtf8("Caf\xE9 \x80 \x81"), "Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81");
    EXPECT_EQ(windows1252ToUtf8(""), "");
}

TEST(CharsetTest, utf8ValidityAtTheEdges)
{
    struct Case {
        std::string text;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII text longer than eight bytes", true},
        {"caf\xC3\xA9", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xEF\xBF\xBD", true},
        {"caf\xE9", false},              // a Windows-1252 letter
        {"\xC3", false},                 // cut off at the end
        {"0123456789\xE2\x82", false},   // cut off after an ASCII run
        {"\xC0\xAF", false},             // overlong
        {"\xED\xA0\x80", false},         // surrogate
        {"\xF4\x90\x80\x80", false},     // past U+10FFFF
        {"\x80", false},                 // a lone continuation byte
        {"\xF8\x88\x80\x80\x80", false}, // five-byte form
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.text;
}

TEST(CharsetTest, decodeUtf8AtReadsOneCharacterOrOneMalformedByte)
{
    struct Case {
        std::string text;
        char32_t codePoint;
        std::size_t length;
    };
    const Case cases[] = {
        {"A", U'A', 1},
        {"\xC3\xA9x", 0xE9, 2},
        {"\xE2\x82\xAC", 0x20AC, 3},
        {"\xF0\x9F\x98\x80", 0x1F600, 4},
        {"\xEF\xBF\xBD", 0xFFFD, 3},
        {"\xE9", 0xFFFD, 1},
        {"\xE2\x82", 0xFFFD, 1},
        {"\xC0\xAF", 0xFFFD, 1},
    };
    for (const Case& c : cases) {
        std::size_t length = 0;
        EXPECT_EQ(decodeUtf8At(c.text, 0, length), c.codePoint) << c.text;
        EXPECT_EQ(length, c.length) << c.text;
    }
}

TEST(CharsetTest, appendUtf8WritesEachLength)
{
    std::string out;
    for (char32_t c : {char32_t(U'A'), char32_t(0xE9), char32_t(0x20AC), char32_t(0x1F600)})
        appendUtf8(out, c);
    EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
}
