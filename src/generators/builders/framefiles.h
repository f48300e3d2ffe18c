#pragma once

// The two files a frame layout is saved as: the settings file ("*.set"), nine lines of text with
// the orientation and the dividers, and beside it the frame records ("*.par"), nine binary records
// of 192 bytes, frame 1 first.

#include "generators/builders/framelayout.h"
#include "generators/builders/generatorhelpers.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

inline constexpr int frameRecordSize = 192;

// The orientation index, then each splitter's second divider before its first: main, row 1, 2, 3.
std::vector<std::string> frameSettingsLines(const FrameGrid& grid);
// Refuses anything but nine integers giving an orientation index and four valid divider pairs.
ReadBack<FrameGrid> readFrameSettings(const std::vector<std::string>& lines);

// Whether a source or a name fits a frame record once encoded.
bool fitsFrameRecord(std::string_view utf8);
// The nine records, every unused byte 0; an error, and no bytes, when a text does not fit.
ReadBack<std::string> encodeFrameRecords(const FrameRecords& frames);

struct FrameRecordsRead {
    FrameRecords frames;
    // Set when the bytes held fewer than nine records; the missing ones keep their defaults.
    std::string warning;
};
// Out-of-range values are brought into range rather than refused: a length byte past 80 reads
// 80 bytes, scrolling outside 0-2 and margins outside -1 to 20 are clamped.
FrameRecordsRead decodeFrameRecords(std::string_view bytes);

// The name a settings file is saved under: a name ending in ".par" would be overwritten by its own
// records, so it ends in ".set" instead, as does a name without an extension.
std::string frameSettingsFileName(std::string_view chosen);
// The records file beside a settings file: its name with the extension replaced by ".par".
std::string frameRecordsFileName(std::string_view settingsFileName);

} // namespace tessera::generators
