#pragma once

namespace tessera::viewer {

// One laid-out line of a section (filled by layout). `start` and `count` are byte positions in
// the section's UTF-8 text.
struct LineRec {
    int start = 0;
    int count = 0;
    int lineHeight = 0;
    int descent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineIndent = 0;
    int drawWidth = 0;
};

} // namespace tessera::viewer
