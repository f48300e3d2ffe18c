#pragma once

#include "viewer/model/color.h"
#include "viewer/paint/canvas.h"

#include <functional>

namespace tessera::viewer {

class LayoutEngine;
class TCell;
class TFormControlObj;
class TImageObj;
class TSection;
class TSectionBase;
class TSectionList;
class THorzLine;
class ThtmlTable;

struct PaintOptions {
    // Where the document's (0, 0) lands on the canvas: the margin less the scroll offsets.
    int originX = 0;
    int originY = 0;
    // The part of the canvas to paint, in canvas pixels.
    Rect clip;
    Color buttonShadow = Color::fromRgb(0x808080);
    Color buttonHighlight = Color::fromRgb(0xFFFFFF);
    Color buttonFace = colors::kButtonFace;
    // Draw a picture of each form control (pictures, printing). The live viewer shows real
    // widgets instead and is told where each one goes.
    bool drawControls = true;
    std::function<void(TFormControlObj&, int x, int y)> placeControl;
};

// Paints a laid-out document: background, text with its fonts, colours, links and selection,
// images, list markers, rules, tables and form controls.
class Painter {
public:
    explicit Painter(LayoutEngine& engine) : m_engine(engine) {}

    void paintDocument(TSectionList& document, Canvas& canvas, const PaintOptions& options);

private:
    void paintCell(TCell& cell, int depth);
    void paintSection(TSectionBase& section, int depth);
    void paintText(TSection& section);
    void paintTable(ThtmlTable& table, int depth);
    void paintRule(THorzLine& rule);
    void paintImage(TImageObj& image);
    void paintControl(TFormControlObj& control);
    void paintMarker(TSection& section, int lineIndent, int baseline, int lineHeight);
    void frame(const Rect& rect, Color topLeft, Color bottomRight);
    Rect toCanvas(int x, int y, int w, int h) const;
    bool visible(int top, int height) const;

    LayoutEngine& m_engine;
    TSectionList* m_document = nullptr;
    Canvas* m_canvas = nullptr;
    PaintOptions m_options;
    Color m_dark;
    Color m_light;
    int m_selStart = 0;
    int m_selEnd = 0;
};

} // namespace tessera::viewer
