#include "viewer/model/imageobj.h"

#include "viewer/model/attribute.h"
#include "viewer/model/textutil.h"

namespace tessera::viewer {

TImageObj::TImageObj(int position, const TAttributeList& attributes, SourceRange source)
    : m_position(position), m_sourceRange(source)
{
    for (const TAttribute& attribute : attributes.items()) {
        switch (attribute.which) {
        case AttrSymbol::Src:
            m_src = attribute.name;
            break;
        case AttrSymbol::Alt:
            m_alt = attribute.name;
            break;
        case AttrSymbol::Width:
            m_specWidth = text::clampInt(attribute.value, 0, kMaxDimension);
            break;
        case AttrSymbol::Height:
            m_specHeight = text::clampInt(attribute.value, 0, kMaxDimension);
            break;
        case AttrSymbol::Align: {
            std::string align = text::toUpper(attribute.name);
            if (align == "TOP")
                m_align = ImageAlign::Top;
            else if (align == "MIDDLE")
                m_align = ImageAlign::Middle;
            else if (align == "BOTTOM")
                m_align = ImageAlign::Bottom;
            else if (align == "LEFT")
                m_align = ImageAlign::Left;
            else if (align == "RIGHT")
                m_align = ImageAlign::Right;
            break;
        }
        case AttrSymbol::Border:
            m_noBorder = attribute.value == 0;
            break;
        case AttrSymbol::Transp:
            m_transparent = true;
            break;
        case AttrSymbol::IsMap:
            m_isMap = true;
            break;
        case AttrSymbol::UseMap: {
            std::string name = text::toUpper(text::trim(attribute.name));
            if (!name.empty() && name.front() == '#')
                name.erase(0, 1);
            m_useMap = true;
            m_mapName = name;
            break;
        }
        default:
            break;
        }
    }
}

} // namespace tessera::viewer
