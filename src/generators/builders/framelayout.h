#pragma once

// A frameset document drawn as a grid: a main splitter whose two dividers cut it into three rows
// (or columns), each cut again into three frames by two dividers of its own; nine frames in all,
// numbered 1 to 9 row by row.

#include <array>
#include <string>
#include <vector>

namespace tessera::generators {

inline constexpr int frameCount = 9;
// The longest source or name a frame record holds, in bytes of its file.
inline constexpr int maxFrameTextBytes = 80;
inline constexpr int minFrameMargin = -1;
inline constexpr int maxFrameMargin = 20;
// A divider at this percentage or past it closes the row or frame after it.
inline constexpr int closingDivider = 98;

enum class FrameOrientation { ByRows = 0, ByColumns = 1 };
enum class FrameScrolling { Auto = 0, Yes = 1, No = 2 };

// The two dividers of one splitter as percentages of its length.
struct DividerPair {
    int first = 33;
    int second = 67;
    bool operator==(const DividerPair&) const = default;
};

// 0 <= first < second <= 100.
bool isValidDividerPair(DividerPair pair);

// The shape of the grid: what a frame settings file holds.
struct FrameGrid {
    FrameOrientation orientation = FrameOrientation::ByRows;
    DividerPair main;
    std::array<DividerPair, 3> rows;
    bool operator==(const FrameGrid&) const = default;
};

// One frame. An empty name marks a frame that is not part of the layout. Texts are UTF-8; a
// margin of -1 is not written.
struct FrameRecord {
    std::string source;
    int marginWidth = -1;
    int marginHeight = -1;
    std::string name;
    FrameScrolling scrolling = FrameScrolling::Auto;
    bool allowResize = true;
    bool operator==(const FrameRecord&) const = default;
};

using FrameRecords = std::array<FrameRecord, frameCount>;

struct FrameLayout {
    std::string title = "Document Title";
    bool noFramesBlock = true;
    FrameGrid grid;
    FrameRecords frames;
};

// `<FRAME SRC="..." NAME="..." ...>` with the attributes the record asks for.
std::string frameLine(const FrameRecord& frame);
// The whole frameset document, from "<HTML>" to "</HTML>".
std::vector<std::string> buildFrameDocument(const FrameLayout& layout);

// Which frames the document has a line for: a divider at 98 or more closes what lies after it.
std::array<bool, frameCount> writtenFrames(const FrameGrid& grid);
// Names each shown frame that has no name "Frame: k" and clears the names of the hidden ones.
void nameShownFrames(FrameRecords& frames, const std::array<bool, frameCount>& shown);
// The first frame number after `number` (1 to 9) whose frame has a name, or 0 when none is left.
int nextNamedFrame(const FrameRecords& frames, int number);
// The last frame number before `number` whose frame has a name, or 0 when none is left.
int previousNamedFrame(const FrameRecords& frames, int number);

} // namespace tessera::generators
