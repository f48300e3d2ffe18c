#include "generators/builders/framefiles.h"

#include "generators/builders/definitionfile.h"

#include <algorithm>
#include <cstdint>

namespace tessera::generators {

namespace {

constexpr int settingsLineCount = 9;
constexpr std::size_t sourceOffset = 0;
constexpr std::size_t marginWidthOffset = 92;
constexpr std::size_t marginHeightOffset = 96;
constexpr std::size_t nameOffset = 102;
constexpr std::size_t scrollingOffset = 184;
constexpr std::size_t resizeOffset = 188;

void putInt32(std::string& bytes, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

std::int32_t int32At(std::string_view bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void putText(std::string& bytes, std::size_t offset, std::string_view encoded)
{
    bytes[offset] = static_cast<char>(encoded.size());
    std::copy(encoded.begin(), encoded.end(), bytes.begin() + std::ptrdiff_t(offset + 1));
}

std::string textAt(std::string_view bytes, std::size_t offset)
{
    const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[offset]), maxFrameTextBytes);
    return decodeDefinitionText(bytes.substr(offset + 1, length));
}

std::string trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::size_t extensionStart(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash) || dot == slash + 1)
        return std::string_view::npos;
    return dot;
}

} // namespace

std::vector<std::string> frameSettingsLines(const FrameGrid& grid)
{
    std::vector<std::string> lines = {std::to_string(static_cast<int>(grid.orientation))};
    for (DividerPair pair : {grid.main, grid.rows[0], grid.rows[1], grid.rows[2]}) {
        lines.push_back(std::to_string(pair.second));
        lines.push_back(std::to_string(pair.first));
    }
    return lines;
}

ReadBack<FrameGrid> readFrameSettings(const std::vector<std::string>& lines)
{
    std::vector<int> values;
    for (const std::string& line : lines) {
        const std::string text = trimmed(line);
        if (text.empty())
            continue;
        const std::optional<int> value = toInt(text);
        if (!value)
            return {std::nullopt, "'" + text + "' is not a whole number."};
        values.push_back(*value);
    }
    if (values.size() != settingsLineCount) {
        return {std::nullopt, "A frame settings file holds nine numbers; this one holds " + std::to_string(values.size())
                    + "."};
    }
    if (values[0] != 0 && values[0] != 1)
        return {std::nullopt, "The orientation must be 0 (by rows) or 1 (by columns), not " + std::to_string(values[0]) + "."};
    FrameGrid grid;
    grid.orientation = static_cast<FrameOrientation>(values[0]);
    DividerPair* pairs[] = {&grid.main, &grid.rows[0], &grid.rows[1], &grid.rows[2]};
    for (int i = 0; i < 4; ++i) {
        const DividerPair pair {values[2 + 2 * i], values[1 + 2 * i]};
        if (!isValidDividerPair(pair)) {
            return {std::nullopt, "The dividers " + std::to_string(pair.first) + " and " + std::to_string(pair.second)
                        + " do not lie in order between 0 and 100."};
        }
        *pairs[i] = pair;
    }
    return {grid, {}};
}

bool fitsFrameRecord(std::string_view utf8)
{
    return encodeDefinitionText(utf8).size() <= std::size_t(maxFrameTextBytes);
}

ReadBack<std::string> encodeFrameRecords(const FrameRecords& frames)
{
    std::string bytes(std::size_t(frameCount * frameRecordSize), '\0');
    for (int i = 0; i < frameCount; ++i) {
        const FrameRecord& frame = frames[i];
        const std::string source = encodeDefinitionText(frame.source);
        const std::string name = encodeDefinitionText(frame.name);
        if (source.size() > std::size_t(maxFrameTextBytes) || name.size() > std::size_t(maxFrameTextBytes)) {
            return {std::nullopt, "The file name or the name of frame " + std::to_string(i + 1) + " is longer than "
                        + std::to_string(maxFrameTextBytes) + " characters."};
        }
        const std::size_t record = std::size_t(i * frameRecordSize);
        putText(bytes, record + sourceOffset, source);
        putInt32(bytes, record + marginWidthOffset, frame.marginWidth);
        putInt32(bytes, record + marginHeightOffset, frame.marginHeight);
        putText(bytes, record + nameOffset, name);
        putInt32(bytes, record + scrollingOffset, static_cast<std::int32_t>(frame.scrolling));
        bytes[record + resizeOffset] = frame.allowResize ? 1 : 0;
    }
    return {bytes, {}};
}

FrameRecordsRead decodeFrameRecords(std::string_view bytes)
{
    FrameRecordsRead read;
    const int complete = static_cast<int>(std::min<std::size_t>(bytes.size() / frameRecordSize, frameCount));
    for (int i = 0; i < complete; ++i) {
        const std::string_view record = bytes.substr(std::size_t(i * frameRecordSize), frameRecordSize);
        FrameRecord& frame = read.frames[i];
        frame.source = textAt(record, sourceOffset);
        frame.marginWidth = std::clamp<std::int32_t>(int32At(record, marginWidthOffset), minFrameMargin, maxFrameMargin);
        frame.marginHeight = std::clamp<std::int32_t>(int32At(record, marginHeightOffset), minFrameMargin, maxFrameMargin);
        frame.name = textAt(record, nameOffset);
        frame.scrolling = static_cast<FrameScrolling>(std::clamp<std::int32_t>(int32At(record, scrollingOffset), 0, 2));
        frame.allowResize = record[resizeOffset] != 0;
    }
    if (complete < frameCount) {
        read.warning = "The frame records hold " + std::to_string(complete)
            + " of the nine frames; the others start empty.";
    }
    return read;
}

std::string frameSettingsFileName(std::string_view chosen)
{
    const std::size_t dot = extensionStart(chosen);
    if (dot == std::string_view::npos)
        return std::string(chosen) + ".set";
    std::string extension(chosen.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (extension == ".par")
        return std::string(chosen.substr(0, dot)) + ".set";
    return std::string(chosen);
}

std::string frameRecordsFileName(std::string_view settingsFileName)
{
    const std::size_t dot = extensionStart(settingsFileName);
    return std::string(settingsFileName.substr(0, dot)) + ".par";
}

} // namespace tessera::generators
