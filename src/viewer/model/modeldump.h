#pragma once

#include <string>

namespace tessera::viewer {

class TSectionList;
class TNameList;

struct DumpOptions {
    bool fonts = true;       // font objects of every text section
    bool sources = false;    // source byte ranges of sections
    bool runs = false;       // text runs with their source ranges
    bool documentInfo = true; // forms, maps, anchors and colours after the sections
};

// A compact text picture of a document, one element per line, cells indented. Tests compare
// it with the expected picture; the render tool prints it.
std::string dumpModel(const TSectionList& document, const TNameList* names = nullptr, const DumpOptions& options = {});

} // namespace tessera::viewer
