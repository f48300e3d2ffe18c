#pragma once

#include "viewer/layout/textmeasurer.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace tessera::viewer {

// The platform font for an engine font. Sizes are points at 96 pixels per inch, as on the
// desktop the pages were written for, so a page looks the same whatever the screen reports.
// Kerning is off so that a run is exactly as wide as its characters added up.
QFont qtFontFor(const TMyFont& font);

// Measures text with QFontMetrics. Character advances are cached per font, so a run costs
// one table look-up per character.
class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer() = default;
    // Measures as text comes out on `device`: a printer draws without the screen's hinting, so
    // text laid out for paper is measured there.
    explicit QtTextMeasurer(QPaintDevice* device) : m_device(device) {}

    int fontId(const TMyFont& font) override;
    FontMetrics metrics(int fontId) override;
    int textWidth(int fontId, std::string_view text) override;
    int fitText(int fontId, std::string_view text, int maxWidth, int& width) override;

private:
    struct Entry {
        QFont font;
        std::unique_ptr<QFontMetricsF> metrics;
        // Advances are fractional: text is drawn with them, and rounding each character would
        // let long runs drift away from what is painted.
        std::array<double, 128> ascii{};
        std::unordered_map<char32_t, double> other;
        FontMetrics engineMetrics;
    };
    double advance(Entry& entry, std::string_view text, std::size_t& index);

    QPaintDevice* m_device = nullptr;
    std::unordered_map<std::string, int> m_ids;
    std::vector<std::unique_ptr<Entry>> m_fonts;
};

} // namespace tessera::viewer
