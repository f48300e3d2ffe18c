#pragma once

#include "viewer/model/image.h"
#include "viewer/model/sectionbase.h"

#include <memory>
#include <string>
#include <vector>

namespace tessera::viewer {

class TAttributeList;

enum class ImageAlign : int { Top = 0, Middle = 1, Bottom = 2, Left = 3, Right = 4 };

// An inline image (IMG) at a position in its section's text, marked there by a placeholder.
class TImageObj {
public:
    static constexpr int kMaxDimension = 10000; // WIDTH and HEIGHT beyond this are clamped

    TImageObj(int position, const TAttributeList& attributes, SourceRange source);

    int position() const { return m_position; }
    const std::string& source() const { return m_src; }
    const std::string& alt() const { return m_alt; }
    int specifiedWidth() const { return m_specWidth; }   // WIDTH, 0 when not given
    int specifiedHeight() const { return m_specHeight; } // HEIGHT, 0 when not given
    ImageAlign align() const { return m_align; }
    bool isFloating() const { return m_align == ImageAlign::Left || m_align == ImageAlign::Right; }
    bool noBorder() const { return m_noBorder; }
    bool transparent() const { return m_transparent; }
    bool isMap() const { return m_isMap; }
    bool useMap() const { return m_useMap; }
    const std::string& mapName() const { return m_mapName; }
    const SourceRange& sourceRange() const { return m_sourceRange; }

    // Set when layout loads the picture (null: not loaded or not loadable).
    std::shared_ptr<const Bitmap> bitmap;
    bool loadAttempted = false;
    // Drawn position and size, set by layout.
    int drawX = 0;
    int drawY = 0;
    int drawWidth = 0;
    int drawHeight = 0;

private:
    int m_position = 0;
    std::string m_src;
    std::string m_alt;
    int m_specWidth = 0;
    int m_specHeight = 0;
    ImageAlign m_align = ImageAlign::Bottom;
    bool m_noBorder = false;
    bool m_transparent = false;
    bool m_isMap = false;
    bool m_useMap = false;
    std::string m_mapName;
    SourceRange m_sourceRange;
};

using TImageList = std::vector<std::unique_ptr<TImageObj>>;

} // namespace tessera::viewer
