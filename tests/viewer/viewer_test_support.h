#pragma once

#include "viewer/model/modeldump.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/parser/htmlparser.h"

#include <memory>
#include <string>
#include <string_view>

namespace tessera::viewer::testing {

// A parsed page and what the parser handed back.
struct Parsed {
    std::unique_ptr<TSectionList> document = std::make_unique<TSectionList>();
    TNameList names;
    ParseResult result;

    std::string dump(const DumpOptions& options = {}) const { return dumpModel(*document, &names, options); }
    const TSectionBase& section(int index) const { return *document->sections().at(static_cast<std::size_t>(index)); }
    const TSection& text(int index) const { return dynamic_cast<const TSection&>(section(index)); }
};

inline Parsed parse(std::string_view html)
{
    Parsed parsed;
    parsed.result = ParseTextBlock(*parsed.document, parsed.names, html);
    return parsed;
}

inline DumpOptions noFonts()
{
    DumpOptions options;
    options.fonts = false;
    return options;
}

// The dump without the empty section every page starts with when its first element closes it.
inline std::string dumpOf(std::string_view html, const DumpOptions& options = {})
{
    std::string dump = parse(html).dump(options);
    const std::string opening = options.fonts ? "text \"\"\n  fonts @0{12}\n" : "text \"\"\n";
    if (dump.rfind(opening, 0) == 0)
        dump.erase(0, opening.size());
    return dump;
}

} // namespace tessera::viewer::testing
