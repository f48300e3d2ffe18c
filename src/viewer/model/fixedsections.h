#pragma once

#include "viewer/model/sectionbase.h"

#include <cstdint>

namespace tessera::viewer {

// The space a paragraph break leaves: 14 pixels at 12 points.
class TParagraphSpace : public TSectionBase {
public:
    explicit TParagraphSpace(TSectionList* master) : TSectionBase(master) {}
    SectionKind kind() const override { return SectionKind::ParagraphSpace; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    void UpdateSpacing() override;
};

// The space above and below a heading, by level (0-6).
class THeadingSpace : public TSectionBase {
public:
    THeadingSpace(TSectionList* master, int level) : TSectionBase(master), m_level(level) {}
    SectionKind kind() const override { return SectionKind::HeadingSpace; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    void UpdateSpacing() override;
    int level() const { return m_level; }

private:
    int m_level = 0;
};

struct TFontFace;
enum class ClearKind : std::uint8_t;

// The blank line a line break leaves where no text was given: one line of its font, at its
// list level, after a BR CLEAR when one came before it. Runs of line breaks are common, and a
// blank line needs none of a text section's parts.
class TBlankLine : public TSectionBase {
public:
    TBlankLine(TSectionList* master, TFontFace* face, int listLevel, ClearKind clear)
        : TSectionBase(master), m_face(face), m_listLevel(listLevel), m_clear(clear)
    {
    }
    SectionKind kind() const override { return SectionKind::BlankLine; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    // A selection running across the blank line takes its line end.
    void CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const override;

    TFontFace* face() const { return m_face; }
    void setFace(TFontFace* face) { m_face = face; }
    int listLevel() const { return m_listLevel; }
    ClearKind clear() const { return m_clear; }

private:
    TFontFace* m_face;
    int m_listLevel;
    ClearKind m_clear;
};

class TAttributeList;

// A horizontal rule (HR).
class THorzLine : public TSectionBase {
public:
    static constexpr int kDefaultThickness = 2;
    static constexpr int kMaxThickness = 20;

    THorzLine(TSectionList* master, const TAttributeList& attributes);
    SectionKind kind() const override { return SectionKind::HorzLine; }
    std::unique_ptr<TSectionBase> clone(TSectionList* master) const override;
    void UpdateSpacing() override;

    int thickness() const { return m_thickness; }
    // Pixels, or a percentage 1-100 when percent() is set; -1 for the full width.
    int width() const { return m_width; }
    bool percent() const { return m_percent; }
    // NOSHADE: a solid bar instead of an engraved one.
    bool noShade() const { return m_noShade; }

    // Layout results: where the rule is drawn across.
    int drawX = 0;
    int drawWidth = 0;

private:
    int m_thickness = kDefaultThickness;
    int m_width = -1;
    bool m_percent = false;
    bool m_noShade = false;
};

} // namespace tessera::viewer
