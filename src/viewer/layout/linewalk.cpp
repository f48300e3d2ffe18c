#include "viewer/layout/linewalk.h"

#include "viewer/model/formcontrol.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/section.h"

#include <algorithm>

namespace tessera::viewer {

TImageObj* imageAt(TSection& section, int position)
{
    auto& images = section.images();
    auto found = std::lower_bound(images.begin(), images.end(), position,
                                  [](const std::unique_ptr<TImageObj>& image, int pos) { return image->position() < pos; });
    return (found != images.end() && (*found)->position() == position) ? found->get() : nullptr;
}

TFormControlObj* controlAt(TSection& section, int position)
{
    for (const auto& control : section.formControls()) {
        if (control->position() == position && !control->hidden())
            return control.get();
        if (control->position() > position)
            break;
    }
    return nullptr;
}

void walkLine(LayoutEngine& engine, TSection& section, const LineRec& line, const std::function<bool(const LinePiece&)>& visit)
{
    const std::string_view text = section.text();
    const std::string_view all(text);
    TFontList& fonts = section.fonts();
    const int length = static_cast<int>(text.size());
    const int end = std::min(length, line.start + line.count);
    int x = line.lineIndent;
    int p = line.start;
    while (p < end) {
        char c = text[static_cast<std::size_t>(p)];
        LinePiece piece;
        piece.start = p;
        piece.font = fonts.fontAt(p);
        if (isPlaceholder(c)) {
            piece.end = p + 1;
            if (c == kImagePlaceholder)
                piece.image = imageAt(section, p);
            else
                piece.control = controlAt(section, p);
            if (piece.image) {
                piece.kind = piece.image->isFloating() ? LinePiece::Kind::FloatingImage : LinePiece::Kind::Image;
                piece.x = piece.image->isFloating() ? piece.image->drawX : x;
                piece.width = piece.image->drawWidth;
            } else if (piece.control) {
                piece.kind = LinePiece::Kind::Control;
                piece.x = x;
                piece.width = piece.control->width;
            } else {
                ++p;
                continue;
            }
            if (piece.kind != LinePiece::Kind::FloatingImage)
                x += piece.width;
            if (!visit(piece))
                return;
            ++p;
            continue;
        }
        int runEnd = std::min(end, p + fonts.charsToNextChange(p, length));
        for (int q = p + 1; q < runEnd; ++q) {
            char d = text[static_cast<std::size_t>(q)];
            if (d == kImagePlaceholder || d == kControlPlaceholder) {
                runEnd = q;
                break;
            }
        }
        runEnd = std::max(runEnd, p + 1);
        piece.kind = LinePiece::Kind::Text;
        piece.end = runEnd;
        piece.x = x;
        piece.width = piece.font ? engine.runWidth(*piece.font, all.substr(p, runEnd - p)) : 0;
        x += piece.width;
        if (!visit(piece))
            return;
        p = runEnd;
    }
}

} // namespace tessera::viewer
