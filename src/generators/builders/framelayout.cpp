#include "generators/builders/framelayout.h"

namespace tessera::generators {

namespace {

std::string percent(int value)
{
    return std::to_string(value) + "%";
}

// One row (or column) of the document: a single frame when its first divider closes the rest,
// otherwise an inner frameset of two or three frames.
void appendRow(std::vector<std::string>& lines, const std::string& direction, DividerPair dividers,
               const FrameRecords& frames, int firstIndex)
{
    if (dividers.first >= closingDivider) {
        lines.push_back(frameLine(frames[firstIndex]));
        return;
    }
    const bool threeFrames = dividers.second < closingDivider;
    std::string frameset = "<FRAMESET " + direction + "=\"" + percent(dividers.first);
    frameset += threeFrames ? ",*," + percent(100 - dividers.second) : ",*";
    lines.push_back(frameset + "\">");
    for (int i = 0; i < (threeFrames ? 3 : 2); ++i)
        lines.push_back(frameLine(frames[firstIndex + i]));
    lines.push_back("</FRAMESET>");
}

} // namespace

bool isValidDividerPair(DividerPair pair)
{
    return pair.first >= 0 && pair.first < pair.second && pair.second <= 100;
}

std::string frameLine(const FrameRecord& frame)
{
    std::string line = "<FRAME SRC=\"" + frame.source + "\"";
    if (!frame.name.empty())
        line += " NAME=\"" + frame.name + "\"";
    if (frame.marginWidth > -1)
        line += " MARGINWIDTH=\"" + std::to_string(frame.marginWidth) + "\"";
    if (frame.marginHeight > -1)
        line += " MARGINHEIGHT=\"" + std::to_string(frame.marginHeight) + "\"";
    if (!frame.allowResize)
        line += " NORESIZE";
    if (frame.scrolling == FrameScrolling::Yes)
        line += " SCROLLING=\"YES\"";
    else if (frame.scrolling == FrameScrolling::No)
        line += " SCROLLING=\"NO\"";
    return line + ">";
}

std::vector<std::string> buildFrameDocument(const FrameLayout& layout)
{
    const bool byRows = layout.grid.orientation == FrameOrientation::ByRows;
    const std::string primary = byRows ? "ROWS" : "COLS";
    const std::string secondary = byRows ? "COLS" : "ROWS";
    const DividerPair main = layout.grid.main;

    std::vector<std::string> lines = {"<HTML>", "<HEAD>", "<TITLE>" + layout.title + "</TITLE>", "</HEAD>"};
    std::string frameset = "<FRAMESET " + primary + "=\"";
    frameset += main.first < closingDivider ? percent(main.first) : "100%";
    if (main.first < closingDivider || main.second < closingDivider)
        frameset += main.second < closingDivider ? ",*," + percent(100 - main.second) : ",*";
    lines.push_back(frameset + "\">");

    // Rows 2 and 3 are written exactly when the FRAMESET value above counts them.
    appendRow(lines, secondary, layout.grid.rows[0], layout.frames, 0);
    if (main.first < closingDivider)
        appendRow(lines, secondary, layout.grid.rows[1], layout.frames, 3);
    if (main.second < closingDivider)
        appendRow(lines, secondary, layout.grid.rows[2], layout.frames, 6);
    lines.push_back("</FRAMESET>");

    if (layout.noFramesBlock) {
        lines.insert(lines.end(), {"<NOFRAMES>", "<BODY >",
                                   "<!-- Anything inserted between the NOFRAMES tags will appear-->",
                                   "<!-- in a browser that does not support frames.             -->",
                                   "This site makes use of frames.<BR>",
                                   "For your viewing pleasure you should use Netscape or Internet Explorer.<br>",
                                   "</BODY>", "</NOFRAMES>"});
    }
    lines.push_back("</HTML>");
    return lines;
}

std::array<bool, frameCount> writtenFrames(const FrameGrid& grid)
{
    const bool rows[] = {true, grid.main.first < closingDivider, grid.main.second < closingDivider};
    std::array<bool, frameCount> written {};
    for (int row = 0; row < 3; ++row) {
        const DividerPair dividers = grid.rows[std::size_t(row)];
        written[std::size_t(row * 3)] = rows[row];
        written[std::size_t(row * 3 + 1)] = rows[row] && dividers.first < closingDivider;
        written[std::size_t(row * 3 + 2)] = written[std::size_t(row * 3 + 1)] && dividers.second < closingDivider;
    }
    return written;
}

void nameShownFrames(FrameRecords& frames, const std::array<bool, frameCount>& shown)
{
    for (int i = 0; i < frameCount; ++i) {
        if (!shown[i])
            frames[i].name.clear();
        else if (frames[i].name.empty())
            frames[i].name = "Frame: " + std::to_string(i + 1);
    }
}

int nextNamedFrame(const FrameRecords& frames, int number)
{
    for (int candidate = number + 1; candidate <= frameCount; ++candidate) {
        if (candidate >= 1 && !frames[candidate - 1].name.empty())
            return candidate;
    }
    return 0;
}

int previousNamedFrame(const FrameRecords& frames, int number)
{
    for (int candidate = number - 1; candidate >= 1; --candidate) {
        if (candidate <= frameCount && !frames[candidate - 1].name.empty())
            return candidate;
    }
    return 0;
}

} // namespace tessera::generators
