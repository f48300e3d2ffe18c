#include "viewer/model/sectionlist.h"

#include "viewer/model/clipbuffer.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/fixedsections.h"
#include "viewer/model/section.h"
#include "viewer/model/table.h"
#include "viewer/model/textutil.h"

#include <algorithm>

namespace tessera::viewer {

TSectionBase* TNameList::find(const std::string& name) const
{
    std::string upper = text::toUpper(name);
    for (const AnchorName& anchor : m_items) {
        if (anchor.name == upper)
            return anchor.section;
    }
    return nullptr;
}

namespace {

void collectSections(const TCell& cell, std::vector<const TSectionBase*>& out)
{
    for (const auto& section : cell.sections()) {
        out.push_back(section.get());
        if (section->kind() != SectionKind::Table)
            continue;
        const auto& table = static_cast<const ThtmlTable&>(*section);
        if (table.caption())
            collectSections(table.caption()->cell(), out);
        for (const TCellList& row : table.rows()) {
            for (const auto& cellObj : row) {
                if (cellObj)
                    collectSections(cellObj->cell(), out);
            }
        }
    }
}

} // namespace

void TNameList::keepOnlySectionsOf(const TCell& document)
{
    std::vector<const TSectionBase*> sections;
    collectSections(document, sections);
    std::sort(sections.begin(), sections.end());
    std::erase_if(m_items, [&sections](const AnchorName& anchor) {
        return !std::binary_search(sections.begin(), sections.end(), anchor.section);
    });
}

TSectionList::TSectionList() : TCell(nullptr), m_bitmapCache(std::make_shared<TStringBitmapList>())
{
    setMaster(this);
}

std::pmr::memory_resource* documentMemory(TSectionList* master)
{
    return master ? master->arena() : std::pmr::get_default_resource();
}

DocumentArena* documentArena(TSectionList* master)
{
    return master ? master->arena() : nullptr;
}

TFontFace* documentFace(TSectionList* master, const TMyFont& font)
{
    // Elements outside any document share faces that are never dropped; there are only as
    // many as there are distinct fonts.
    static TFontFaces loose;
    return master ? master->fontFaces().intern(font) : loose.intern(font);
}

TLinkTarget documentLink(TSectionList* master, std::string url)
{
    static TLinkTargets loose;
    return master ? master->linkTargets().add(std::move(url)) : loose.add(std::move(url));
}

// The sections live in the base cell, which outlives the arena; they go first. The arena then
// destroys what its elements own while the forms and pictures those may refer to are still here.
TSectionList::~TSectionList()
{
    clearSections();
    m_arena.release();
}

void TSectionList::Clear()
{
    clearSections();
    m_arena.release();
    m_forms.clear();
    m_maps.clear();
    m_faces.clear();
    m_links.clear();
    m_backgroundImageName.clear();
    m_backgroundBitmap.reset();
    m_backgroundLoaded = false;
    m_pageColors = {};
    selectionStart = 0;
    selectionEnd = 0;
    changed = true;
}

namespace {

void rescaleFonts(TCell& cell, int defaultSize);

void rescaleSection(TSectionBase& section, int defaultSize)
{
    if (section.isTextSection()) {
        auto& text = static_cast<TSection&>(section);
        for (TFontObj& font : text.fonts().items()) {
            TMyFont scaled = font.font();
            scaled.setNormalSize(scaled.normalSize, defaultSize);
            if (font.verticalOffset != VerticalOffset::Normal)
                scaled.size = mulDiv(scaled.size, 3, 4);
            font.face = documentFace(section.master(), scaled);
            font.metrics() = {};
        }
    } else if (section.kind() == SectionKind::BlankLine) {
        auto& line = static_cast<TBlankLine&>(section);
        TMyFont scaled = line.face()->font;
        scaled.setNormalSize(scaled.normalSize, defaultSize);
        line.setFace(documentFace(section.master(), scaled));
    } else if (section.kind() == SectionKind::Table) {
        auto& table = static_cast<ThtmlTable&>(section);
        if (table.caption())
            rescaleFonts(table.caption()->cell(), defaultSize);
        for (TCellList& row : table.rows()) {
            for (auto& cell : row) {
                if (cell)
                    rescaleFonts(cell->cell(), defaultSize);
            }
        }
    }
    section.UpdateSpacing();
}

void rescaleFonts(TCell& cell, int defaultSize)
{
    for (auto& section : cell.sections())
        rescaleSection(*section, defaultSize);
}

} // namespace

void TSectionList::ApplyDefaultFonts(const std::string& name, const std::string& preName, int size, Color color,
                                     Color linkColor, Color background)
{
    m_fontName = name;
    m_preFontName = preName;
    m_fontSize = std::clamp(size, kMinFontSize, kMaxFontSize);
    if (!m_pageColors.font)
        m_fontColor = color;
    if (!m_pageColors.link)
        m_linkColor = linkColor;
    if (!m_pageColors.background)
        setBackground(background);
    rescaleFonts(*this, m_fontSize);
    changed = true;
}

void TSectionList::setPageFontColor(Color color)
{
    m_fontColor = color;
    m_pageColors.font = true;
}

void TSectionList::setPageLinkColor(Color color)
{
    m_linkColor = color;
    m_pageColors.link = true;
}

void TSectionList::setPageBackground(Color color)
{
    setBackground(color);
    m_pageColors.background = true;
}

void TSectionList::setBackground(Color color)
{
    m_background = color;
    if (onBackgroundChange)
        onBackgroundChange(color);
}

void TSectionList::setBackgroundImageName(std::string name)
{
    m_backgroundImageName = std::move(name);
    m_backgroundBitmap.reset();
    m_backgroundLoaded = false;
}

TMyFont TSectionList::baseFont() const
{
    TMyFont font;
    font.name = m_fontName;
    font.color = m_fontColor;
    font.setNormalSize(12, m_fontSize);
    return font;
}

namespace {

std::shared_ptr<const Bitmap> obtain(TStringBitmapList& cache, ImageSource* source, const std::string& src)
{
    std::string key = TStringBitmapList::keyFor(src);
    if (key.empty())
        return nullptr;
    if (const TBitmapItem* item = cache.GetImage(key))
        return item->image;
    if (!source)
        return nullptr;
    std::optional<DecodedImage> decoded = source->loadImage(src);
    if (!decoded || decoded->bitmap.width <= 0 || decoded->bitmap.height <= 0
        || decoded->bitmap.pixels.size()
            != static_cast<std::size_t>(decoded->bitmap.width) * static_cast<std::size_t>(decoded->bitmap.height))
        return nullptr;
    if (decoded->transparentColor)
        applyTransparentColor(decoded->bitmap, *decoded->transparentColor);
    auto bitmap = std::make_shared<const Bitmap>(std::move(decoded->bitmap));
    cache.AddObject(key, bitmap);
    return bitmap;
}

} // namespace

void TSectionList::loadImage(TImageObj& image)
{
    if (image.loadAttempted)
        return;
    image.loadAttempted = true;
    std::shared_ptr<const Bitmap> bitmap = obtain(*m_bitmapCache, m_imageSource, image.source());
    if (bitmap && image.transparent() && !bitmap->hasMask) {
        // TRANSP: the colour of the bottom-left pixel is see-through.
        Bitmap masked = *bitmap;
        applyTransparentColor(masked, masked.pixel(0, masked.height - 1));
        bitmap = std::make_shared<const Bitmap>(std::move(masked));
    }
    image.bitmap = std::move(bitmap);
}

std::shared_ptr<const Bitmap> TSectionList::backgroundBitmap()
{
    if (!m_backgroundLoaded && !m_backgroundImageName.empty()) {
        m_backgroundLoaded = true;
        m_backgroundBitmap = obtain(*m_bitmapCache, m_imageSource, m_backgroundImageName);
    }
    return m_backgroundBitmap;
}

ThtmlForm& TSectionList::addForm(const TAttributeList& attributes)
{
    m_forms.push_back(std::make_unique<ThtmlForm>(this, attributes));
    return *m_forms.back();
}

const TMapItem* TSectionList::findMap(const std::string& upperName) const
{
    for (const auto& map : m_maps) {
        if (map->name() == upperName)
            return map.get();
    }
    return nullptr;
}

void TSectionList::setScrollOffset(int offset)
{
    if (offset == m_scrollOffset)
        return;
    m_scrollOffset = offset;
    for (const auto& form : m_forms) {
        for (const auto& control : form->controls())
            control->shown = false;
    }
}

std::string TSectionList::copySelection(ClipBuffer& buffer) const
{
    int start = std::min(selectionStart, selectionEnd);
    int end = std::max(selectionStart, selectionEnd);
    if (start < 0 || start == end)
        return std::string();
    CopyToClipboard(buffer, start, end);
    return buffer.Terminate();
}

} // namespace tessera::viewer
