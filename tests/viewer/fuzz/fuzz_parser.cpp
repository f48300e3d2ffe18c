// Feeds arbitrary bytes to the HTML parser. Any crash, hang, leak or undefined behaviour found
// here becomes a regression test in the parser tests.
#include "viewer/model/clipbuffer.h"
#include "viewer/model/modeldump.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/viewererror.h"
#include "viewer/parser/htmlparser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    {
        tessera::viewer::TSectionList document;
        tessera::viewer::TNameList names;
        try {
            tessera::viewer::ParseTextBlock(document, names, text);
        } catch (const tessera::viewer::ViewerError&) {
            // An open comment at the end is reported, never a crash.
        }
        tessera::viewer::DumpOptions options;
        options.runs = true;
        options.sources = true;
        std::string dump = tessera::viewer::dumpModel(document, &names, options);
        document.selectionStart = 0;
        document.selectionEnd = static_cast<int>(size);
        tessera::viewer::ClipBuffer clip;
        document.copySelection(clip);
        document.FindString("a", 0);
        document.ApplyDefaultFonts("Arial", "Courier", 18, {}, {}, {});
        for (const auto& form : document.forms()) {
            form->ResetControls();
            form->SubmitTheForm("x=y");
        }
        for (const auto& map : document.maps()) {
            std::string url;
            map->GetURL(5, 5, url);
        }
    }
    // The same bytes as a list of lines.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    tessera::viewer::TSectionList document;
    tessera::viewer::TNameList names;
    try {
        tessera::viewer::ParseTextLines(document, names, lines);
    } catch (const tessera::viewer::ViewerError&) {
    }
    return 0;
}
