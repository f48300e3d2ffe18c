#include "generators/builders/definitionfile.h"
#include "generators/builders/generatorhelpers.h"

#include <gtest/gtest.h>

namespace tessera::generators {
namespace {

TEST(GeneratorHelpers, fieldByDelimiter)
{
    struct Case {
        std::string_view line;
        char delimiter;
        int index;
        std::string expected;
    };
    const Case cases[] = {
        {"a|b|c", '|', 0, "a"},
        {"a|b|c", '|', 2, "c"},
        {"a|b|c", '|', 3, ""},
        {"|a|", '|', 0, ""},
        {"|a|", '|', 1, "a"},
        {"|a|", '|', 2, ""},
        {"a||b", '|', 1, ""},
        {"a||b", '|', 2, "b"},
        {"", '"', 0, ""},
        {"no delimiter", '<', 0, "no delimiter"},
        {"no delimiter", '<', 5, ""},
        {R"(<TD ROWSPAN="2" COLSPAN="3">)", '"', 3, "3"},
        {"x", '>', -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fieldOf(c.line, c.delimiter, c.index), c.expected) << c.line << " field " << c.index;
}

TEST(GeneratorHelpers, colourToHexAndBack)
{
    const std::pair<Rgb, std::string> cases[] = {
        {{0, 0, 0}, "000000"},
        {{255, 255, 255}, "FFFFFF"},
        {{255, 0, 0}, "FF0000"},
        {{0x12, 0xAB, 0x0C}, "12AB0C"},
    };
    for (const auto& [colour, hex] : cases) {
        EXPECT_EQ(colourToHex(colour), hex);
        EXPECT_EQ(hexToColour(hex), colour) << hex;
        EXPECT_EQ(hexToColour("#" + hex), colour) << hex;
    }
    EXPECT_EQ(hexToColour("12ab0c"), (Rgb {0x12, 0xAB, 0x0C}));
    EXPECT_EQ(hexToColour(""), Rgb {});
    for (std::string_view bad : {"12345", "1234567", "GG0000", " 00000"})
        EXPECT_FALSE(hexToColour(bad).has_value()) << bad;
}

TEST(GeneratorHelpers, wrappingAndJoining)
{
    EXPECT_EQ(wrapInTag("H2", "Title"), "<H2>Title</H2>");
    EXPECT_EQ(wrapInTag("B", ""), "<B></B>");
    EXPECT_EQ(joinLines({"<TABLE>", "</TABLE>"}), "<TABLE>\r\n</TABLE>\r\n");
    EXPECT_EQ(joinLines({""}), "\r\n");
    EXPECT_EQ(joinLines({}), "");
}

TEST(GeneratorHelpers, findIgnoringCase)
{
    struct Case {
        std::string_view text;
        std::string_view wanted;
        std::size_t from;
        std::size_t expected;
    };
    constexpr std::size_t none = std::string_view::npos;
    const Case cases[] = {
        {"<td><TD>", "<TD", 0, 0},
        {"<td><TD>", "<TD", 1, 4},
        {"abc", "ABC", 0, 0},
        {"abc", "BC", 0, 1},
        {"abc", "bcd", 0, none},
        {"ab", "", 2, 2},
        {"ab", "", 3, none},
        {"ab", "b", 5, none},
        {"", "a", 0, none},
        {"caf\xC3\xA9", "\xC3\xA9", 0, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findIgnoringCase(c.text, c.wanted, c.from), c.expected) << c.text << " / " << c.wanted;
}

TEST(DefinitionFile, roundTripsInTheNarrowestEncoding)
{
    struct Case {
        std::vector<std::string> lines;
        std::string bytes;
    };
    const Case cases[] = {
        {{"<TABLE>", "</TABLE>"}, "<TABLE>\r\n</TABLE>\r\n"},
        {{"caf\xC3\xA9 \xE2\x82\xAC"}, "caf\xE9 \x80\r\n"},                         // fits Windows-1252
        {{"caf\xC3\xA9", "\xE2\x86\x92"}, "caf\xC3\xA9\r\n\xE2\x86\x92\r\n"},       // an arrow does not
        {{"", "x"}, "\r\nx\r\n"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeDefinitionFile(c.lines), c.bytes);
        EXPECT_EQ(decodeDefinitionFile(c.bytes), c.lines);
    }
}

TEST(DefinitionFile, readsEveryLineEndAndDamagedBytes)
{
    const std::vector<std::string> twoLines {"a", "b"};
    EXPECT_EQ(decodeDefinitionFile("a\nb\n"), twoLines);
    EXPECT_EQ(decodeDefinitionFile("a\r\nb"), twoLines);
    EXPECT_EQ(decodeDefinitionFile("a\nb"), twoLines);
    EXPECT_EQ(decodeDefinitionFile("a\n\n"), (std::vector<std::string> {"a", ""}));
    // A UTF-8 sequence cut off at the end is not UTF-8: every byte is read as Windows-1252.
    EXPECT_EQ(decodeDefinitionFile("caf\xC3"), (std::vector<std::string> {"caf\xC3\x83"}));
    EXPECT_EQ(decodeDefinitionFile(std::string("\0\xFF", 2)), (std::vector<std::string> {std::string("\0\xC3\xBF", 3)}));
}

} // namespace
} // namespace tessera::generators
