#include "viewer_test_support.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

struct TextCase {
    const char* html;
    const char* text; // the section text the page shows
};

class EntityText : public ::testing::TestWithParam<TextCase> {};

TEST_P(EntityText, Decodes)
{
    Parsed page = parse(GetParam().html);
    ASSERT_EQ(page.document->count(), 1);
    EXPECT_EQ(page.text(0).text(), GetParam().text) << GetParam().html;
}

const TextCase kEntityCases[] = {
    // Named references: case-sensitive, at most six letters, ";" optional.
    {"a&amp;b", "a&b"},
    {"a&amp b", "a& b"},
    {"a&ampb", "a&ampb"},
    {"a&AMP;b", "a&AMP;b"},
    {"&lt;&gt;&quot;", "<>\""},
    {"&nbsp;&copy;&reg;", "\u00A0\u00A9\u00AE"},
    {"&Agrave;&Ouml;&Oslash;&szlig;&agrave;&ouml;&oslash;&yuml;", "\u00C0\u00D6\u00D8\u00DF\u00E0\u00F6\u00F8\u00FF"},
    {"&AElig;&aelig;&ETH;&eth;&THORN;&thorn;&Yacute;", "\u00C6\u00E6\u00D0\u00F0\u00DE\u00FE\u00DD"},
    {"&unknown;", "&unknown;"},
    {"&toolong;", "&toolong;"},
    {"&sevenlt;x", "&sevenlt;x"},
    {"& x", "& x"},
    {"&;", "&;"},
    // Numeric references: decimal only, one to three digits, codes 9, 10 and 32-255.
    {"&#65;&#065;&#65", "AAA"},
    {"&#0065;", "&#0065;"},
    {"&#00655;", "&#00655;"},
    {"&#7;", "&#7;"},
    {"&#31;&#256;", "&#31;&#256;"},
    {"a&#9;b&#10;c", "a b c"}, // blanks in flowing text; PRE lays them out
    {"&#233;", "\u00E9"},
    {"&#150;&#128;&#153;", "\u2013\u20AC\u2122"}, // 128-159 are Windows-1252 characters
    {"&#x41;", "&#x41;"},
    {"&#;", "&#;"},
    {"&#99999999999;", "&#99999999999;"},
    {"&#2;&#4;", "&#2;&#4;"},
};

INSTANTIATE_TEST_SUITE_P(Entities, EntityText, ::testing::ValuesIn(kEntityCases));

const TextCase kEncodingCases[] = {
    {"caf\xC3\xA9", "caf\u00E9"},                          // valid UTF-8 stays
    {"caf\xE9 \x93q\x94 \x80", "caf\u00E9 \u201Cq\u201D \u20AC"}, // anything else is Windows-1252
    {"\xF0\x9F\x98\x80", "\U0001F600"},
    {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"}, // an encoded surrogate is not UTF-8
};

INSTANTIATE_TEST_SUITE_P(Encoding, EntityText, ::testing::ValuesIn(kEncodingCases));

TEST(Encoding, FileBytesAreDecodedLikePages)
{
    EXPECT_EQ(decodePageBytes("\xEF\xBB\xBFx\xC3\xA9"), "x\u00E9");
    EXPECT_EQ(decodePageBytes("x\xE9"), "x\u00E9");
    EXPECT_EQ(decodePageBytes(std::string("\x81\x8D\x8F\x90\x9D", 5)), "\u0081\u008D\u008F\u0090\u009D");
}

struct ColorCase {
    const char* text;
    bool valid;
    std::uint32_t rgb;
};

TEST(Colors, NamesAndNumbers)
{
    const ColorCase cases[] = {
        {"black", true, 0x000000}, {"MAROON", true, 0x800000}, {"Green", true, 0x008000}, {"olive", true, 0x808000},
        {"navy", true, 0x000080}, {"purple", true, 0x800080}, {"teal", true, 0x008080}, {"gray", true, 0x808080},
        {"silver", true, 0xC0C0C0}, {"red", true, 0xFF0000}, {"lime", true, 0x00FF00}, {"yellow", true, 0xFFFF00},
        {"blue", true, 0x0000FF}, {"fuchsia", true, 0xFF00FF}, {"aqua", true, 0x00FFFF}, {"white", true, 0xFFFFFF},
        {"#FF8000", true, 0xFF8000}, {"ff8000", true, 0xFF8000}, {"#abc", true, 0x000ABC}, {"#GG0000", false, 0},
        {"", false, 0}, {"#", false, 0}, {"grey", false, 0}, {"123456789", false, 0}, {"FF00FF00", true, 0x00FF00},
        // One "#" is left out wherever it stands; a second one is not a digit.
        {"12#34", true, 0x001234}, {"#12#34", false, 0}, {"#FF00FF00", true, 0x00FF00}, {"#123456789", false, 0},
        {"whit", false, 0}, {"whites", false, 0},
    };
    for (const ColorCase& c : cases) {
        std::optional<Color> color = parseHtmlColor(c.text);
        EXPECT_EQ(color.has_value(), c.valid) << c.text;
        if (color && c.valid) {
            EXPECT_EQ(color->rgb(), c.rgb) << c.text;
        }
    }
}

} // namespace
} // namespace tessera::viewer::testing
