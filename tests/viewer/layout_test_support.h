#pragma once

#include "viewer/layout/layout.h"
#include "viewer_test_support.h"

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessera::viewer::testing {

// A page parsed and laid out with fixed metrics: a 12-point character is 6 pixels wide and
// its line 16 pixels high with a descent of 3; the 10-point fixed face is 6 by 13.
struct LaidOut {
    Parsed parsed;
    FixedMeasurer measurer;
    LayoutEngine engine{measurer};
    LayoutResult result;

    TSectionList& document() { return *parsed.document; }
    std::string dump() const { return dumpLayout(*parsed.document); }
    // The first text section holding some text.
    TSection& firstText()
    {
        for (auto& section : parsed.document->sections()) {
            if (section->isTextSection() && !static_cast<TSection&>(*section).empty())
                return static_cast<TSection&>(*section);
        }
        throw std::runtime_error("no text section");
    }
};

inline std::unique_ptr<LaidOut> layOut(std::string_view html, int width)
{
    auto laid = std::make_unique<LaidOut>();
    laid->parsed = parse(html);
    laid->result = laid->engine.layoutDocument(*laid->parsed.document, width);
    return laid;
}

// One laid-out line of a section; a missing one fails the test instead of reading past the end.
inline const LineRec& lineAt(const TSection& section, std::size_t index)
{
    if (index >= section.lines().size())
        throw std::out_of_range("the section has no line " + std::to_string(index));
    return section.lines()[index];
}

// The lines of a section as "x:text" joined with "|", placeholders shown as [img] and [ctl].
inline std::string linesOf(const TSection& section)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < section.lines().size(); ++i) {
        const LineRec& line = section.lines()[i];
        out << (i ? "|" : "") << line.lineIndent << ':';
        for (int k = line.start; k < line.start + line.count; ++k) {
            char c = section.text()[static_cast<std::size_t>(k)];
            if (c == kImagePlaceholder)
                out << "[img]";
            else if (c == kControlPlaceholder)
                out << "[ctl]";
            else
                out << c;
        }
    }
    return out.str();
}

} // namespace tessera::viewer::testing
