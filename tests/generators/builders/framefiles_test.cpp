#include "generators/builders/framefiles.h"

#include <gtest/gtest.h>

namespace tessera::generators {
namespace {

FrameGrid bannerGrid()
{
    return {FrameOrientation::ByRows, {20, 100}, {{{99, 100}, {25, 100}, {33, 67}}}};
}

FrameRecords bannerFrames()
{
    FrameRecords frames;
    frames[0] = {"top.htm", 0, -1, "banner", FrameScrolling::No, false};
    frames[3] = {"menu.htm", -1, -1, "menu", FrameScrolling::Auto, true};
    frames[4] = {"main.htm", -1, -1, "main", FrameScrolling::Yes, true};
    return frames;
}

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

TEST(FrameFiles, settingsLinesRoundTrip)
{
    const std::vector<std::string> lines = frameSettingsLines(bannerGrid());
    EXPECT_EQ(lines, (std::vector<std::string> {"0", "100", "20", "100", "99", "100", "25", "67", "33"}));
    EXPECT_EQ(readFrameSettings(lines).value, bannerGrid());
    FrameGrid columns;
    columns.orientation = FrameOrientation::ByColumns;
    EXPECT_EQ(readFrameSettings(frameSettingsLines(columns)).value, columns);
    // Blanks around a number and blank lines at the end are not an error.
    EXPECT_EQ(readFrameSettings({" 0", "67 ", "33", "67", "33", "67", "33", "67", "33", "", ""}).value, FrameGrid {});
}

TEST(FrameFiles, badSettingsAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"0", "67", "33", "67", "33", "67", "33", "67"},
        {"0", "67", "33", "67", "33", "67", "33", "67", "33", "1"},
        {"0", "67", "33", "67", "33", "sixty", "33", "67", "33"},
        {"0", "67", "33", "67", "33", "67", "33", "67", "3.5"},
        {"2", "67", "33", "67", "33", "67", "33", "67", "33"},
        {"0", "33", "33", "67", "33", "67", "33", "67", "33"},
        {"0", "33", "67", "67", "33", "67", "33", "67", "33"},
        {"0", "101", "33", "67", "33", "67", "33", "67", "33"},
        {"0", "67", "-1", "67", "33", "67", "33", "67", "33"},
        {"0", "67", "33", "67", "33", "67", "33", "67", "33", "x"},
    };
    for (const auto& lines : cases) {
        const ReadBack<FrameGrid> read = readFrameSettings(lines);
        EXPECT_FALSE(read.value) << ::testing::PrintToString(lines);
        EXPECT_FALSE(read.error.empty());
    }
    EXPECT_TRUE(readFrameSettings({"1", "100", "0", "100", "99", "1", "0", "67", "33"}).value);
}

TEST(FrameFiles, recordBytesFieldByField)
{
    const ReadBack<std::string> encoded = encodeFrameRecords(bannerFrames());
    ASSERT_TRUE(encoded.value) << encoded.error;
    const std::string& bytes = *encoded.value;
    ASSERT_EQ(bytes.size(), 9u * 192u);
    EXPECT_EQ(bytes.substr(0, 8), bytesOf({7}) + "top.htm");
    EXPECT_EQ(bytes.substr(8, 84), std::string(84, '\0'));
    EXPECT_EQ(bytes.substr(92, 4), bytesOf({0, 0, 0, 0}));
    EXPECT_EQ(bytes.substr(96, 4), bytesOf({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytes.substr(100, 2), bytesOf({0, 0}));
    EXPECT_EQ(bytes.substr(102, 7), bytesOf({6}) + "banner");
    EXPECT_EQ(bytes.substr(109, 75), std::string(75, '\0'));
    EXPECT_EQ(bytes.substr(184, 4), bytesOf({2, 0, 0, 0}));
    EXPECT_EQ(bytes.substr(188, 4), bytesOf({0, 0, 0, 0}));
    // An empty record: empty texts, margins -1, Auto, resizable.
    const std::string second = bytes.substr(192, 192);
    EXPECT_EQ(second.substr(92, 8), bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(second[188], 1);
    EXPECT_EQ(second.substr(0, 92) + second.substr(100, 88) + second.substr(189), std::string(92 + 88 + 3, '\0'));

    EXPECT_EQ(decodeFrameRecords(bytes).frames, bannerFrames());
    EXPECT_EQ(decodeFrameRecords(bytes).warning, "");
}

TEST(FrameFiles, eightyCharacterTextsRoundTripAndLongerOnesAreRefused)
{
    std::string accented;
    for (int i = 0; i < 80; ++i)
        accented += "\xC3\xA9"; // é: one byte in the file
    FrameRecords frames;
    frames[8] = {std::string(80, 'a'), 20, 20, accented, FrameScrolling::Yes, true};
    const ReadBack<std::string> encoded = encodeFrameRecords(frames);
    ASSERT_TRUE(encoded.value) << encoded.error;
    EXPECT_EQ(static_cast<unsigned char>((*encoded.value)[8 * 192 + 102]), 80);
    EXPECT_EQ(decodeFrameRecords(*encoded.value).frames, frames);
    EXPECT_TRUE(fitsFrameRecord(accented));

    // A name with no Windows-1252 form is stored as UTF-8 and still counted in bytes.
    const std::string greek = "\xCE\xB1\xCE\xB2\xCE\xB3";
    frames[0].name = greek;
    const ReadBack<std::string> utf8 = encodeFrameRecords(frames);
    ASSERT_TRUE(utf8.value);
    EXPECT_EQ((*utf8.value)[102], 6);
    EXPECT_EQ(decodeFrameRecords(*utf8.value).frames[0].name, greek);

    for (const std::string& tooLong : {std::string(81, 'a'), accented + "e", std::string(51, ' ') + greek + greek + greek + greek + greek}) {
        EXPECT_FALSE(fitsFrameRecord(tooLong));
        FrameRecords withLongSource;
        withLongSource[2].source = tooLong;
        const ReadBack<std::string> refused = encodeFrameRecords(withLongSource);
        EXPECT_FALSE(refused.value);
        EXPECT_NE(refused.error.find("frame 3"), std::string::npos) << refused.error;
    }
}

TEST(FrameFiles, damagedRecordsAreBroughtIntoRange)
{
    std::string bytes = *encodeFrameRecords(bannerFrames()).value;
    bytes[0] = static_cast<char>(255);          // a length past the 91 bytes of the field
    bytes[102] = static_cast<char>(200);
    bytes[92] = 100;                            // margin width 100
    bytes[96] = static_cast<char>(0xF0);        // margin height far below -1
    bytes[184] = 7;                             // no such scrolling
    bytes[188] = 5;                             // any non-zero byte allows resizing
    const FrameRecord frame = decodeFrameRecords(bytes).frames[0];
    EXPECT_EQ(frame.source.size(), 80u);
    EXPECT_EQ(frame.source.substr(0, 7), "top.htm");
    EXPECT_EQ(frame.name.size(), 80u);
    EXPECT_EQ(frame.marginWidth, 20);
    EXPECT_EQ(frame.marginHeight, -1);
    EXPECT_EQ(frame.scrolling, FrameScrolling::No);
    EXPECT_TRUE(frame.allowResize);
    bytes[184] = static_cast<char>(0xFF);
    bytes[185] = bytes[186] = bytes[187] = static_cast<char>(0xFF);
    EXPECT_EQ(decodeFrameRecords(bytes).frames[0].scrolling, FrameScrolling::Auto);
}

TEST(FrameFiles, shortRecordsKeepTheRestAtTheirDefaults)
{
    const std::string bytes = *encodeFrameRecords(bannerFrames()).value;
    for (std::size_t length : {std::size_t(0), std::size_t(191), std::size_t(192 * 4 + 100)}) {
        const FrameRecordsRead read = decodeFrameRecords(std::string_view(bytes).substr(0, length));
        EXPECT_FALSE(read.warning.empty()) << length;
        FrameRecords expected;
        for (std::size_t i = 0; i < length / 192; ++i)
            expected[i] = bannerFrames()[i];
        EXPECT_EQ(read.frames, expected) << length;
    }
    // Bytes past the ninth record are not read.
    EXPECT_EQ(decodeFrameRecords(bytes + "extra").frames, bannerFrames());
}

TEST(FrameFiles, fileNames)
{
    const std::pair<std::string, std::string> settings[] = {
        {"/site/layout.set", "/site/layout.set"},
        {"/site/layout", "/site/layout.set"},
        {"/site/layout.par", "/site/layout.set"},
        {"/site/Layout.PAR", "/site/Layout.set"},
        {"/site/Layout.SET", "/site/Layout.SET"},
        {"/site.d/layout", "/site.d/layout.set"},
        {"/site/layout.frames", "/site/layout.frames"},
    };
    for (const auto& [chosen, expected] : settings)
        EXPECT_EQ(frameSettingsFileName(chosen), expected);
    EXPECT_EQ(frameRecordsFileName("/site/Layout.SET"), "/site/Layout.par");
    EXPECT_EQ(frameRecordsFileName("/site.d/layout"), "/site.d/layout.par");
    EXPECT_NE(frameRecordsFileName(frameSettingsFileName("/a/b.par")), frameSettingsFileName("/a/b.par"));
}

} // namespace
} // namespace tessera::generators
