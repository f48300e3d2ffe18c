#include "generators/tools/commands.h"

#include "generators/builders/definitionfile.h"
#include "generators/builders/framefiles.h"

namespace tessera::gen {

using namespace tessera::generators;

// What "&Return and insert into HTML document" writes for saved frame settings and their records.
std::string framesCommand(const std::vector<std::string>& words)
{
    const Arguments arguments(words, {{"--title"}, {"--no-noframes"}});
    const std::string& path = arguments.onlyFile();
    const ReadBack<FrameGrid> grid = readFrameSettings(decodeDefinitionFile(readDefinitionBytes(path)));
    if (!grid.value)
        throw InputError(path + ": not frame settings: " + grid.error);
    const std::string recordsPath = frameRecordsFileName(path);
    const FrameRecordsRead records = decodeFrameRecords(readFileBytes(recordsPath));
    if (!records.warning.empty())
        throw InputError(recordsPath + ": " + records.warning);
    FrameLayout layout;
    layout.title = arguments.valueOr("--title", layout.title);
    layout.noFramesBlock = !arguments.has("--no-noframes");
    layout.grid = *grid.value;
    layout.frames = records.frames;
    // As inserting straight after opening does: frames the document shows get a name.
    nameShownFrames(layout.frames, writtenFrames(layout.grid));
    return joinWith(buildFrameDocument(layout), arguments.lineEnd());
}

} // namespace tessera::gen
