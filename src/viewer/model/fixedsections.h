#pragma once

#include "viewer/model/sectionbase.h"

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
