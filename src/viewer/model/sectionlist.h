#pragma once

#include "viewer/model/arena.h"
#include "viewer/model/bitmapcache.h"
#include "viewer/model/cell.h"
#include "viewer/model/color.h"
#include "viewer/model/font.h"
#include "viewer/model/fontobj.h"
#include "viewer/model/form.h"
#include "viewer/model/mapitem.h"

#include <functional>
#include <memory>
#include <memory_resource>
#include <string>
#include <vector>

namespace tessera::viewer {

class ImageSource;
class TImageObj;

// The document's shared face for a font (a face that lives for the whole run for an element
// outside documents).
TFontFace* documentFace(TSectionList* master, const TMyFont& font);
// A link target kept by the document (by elements outside any document: kept for good).
TLinkTarget documentLink(TSectionList* master, std::string url);

// A named anchor (A NAME): the upper-cased name and the section that holds it.
struct AnchorName {
    std::string name;
    TSectionBase* section = nullptr;
};

class TNameList {
public:
    void add(std::string upperName, TSectionBase* section) { m_items.push_back({std::move(upperName), section}); }
    // The section of the first anchor with that name (compared in upper case), or nullptr.
    TSectionBase* find(const std::string& name) const;
    void clear() { m_items.clear(); }
    // Anchors of a section that is being discarded move to the one that takes its place.
    void replaceSection(const TSectionBase* old, TSectionBase* replacement)
    {
        for (AnchorName& anchor : m_items) {
            if (anchor.section == old)
                anchor.section = replacement;
        }
    }
    const std::vector<AnchorName>& items() const { return m_items; }
    // Drops every anchor whose section is not part of the document (after an interrupted parse).
    void keepOnlySectionsOf(const TCell& document);

private:
    std::vector<AnchorName> m_items;
};

// The whole document: a cell holding the top-level sections, plus the document's fonts and
// colours, forms, image maps and the picture cache.
class TSectionList : public TCell {
public:
    static constexpr const char* kDefaultFontName = "Times New Roman";
    static constexpr const char* kDefaultPreFontName = "Courier New";
    static constexpr int kDefaultFontSize = 12;
    static constexpr int kMinFontSize = 4;
    static constexpr int kMaxFontSize = 96;

    TSectionList();
    ~TSectionList() override;

    // Empties sections, forms and maps, drops the background image and resets the selection.
    void Clear();
    // Stores the defaults and re-measures the fixed elements. Layout must run again. A colour
    // the page gives itself holds over the default until the document is cleared.
    void ApplyDefaultFonts(const std::string& name, const std::string& preName, int size, Color color, Color linkColor,
                           Color background);

    const std::string& fontName() const { return m_fontName; }
    const std::string& preFontName() const { return m_preFontName; }
    int fontSize() const { return m_fontSize; }
    Color fontColor() const { return m_fontColor; }
    Color linkColor() const { return m_linkColor; }
    Color background() const { return m_background; }
    // The page's own colours (BODY TEXT, LINK and BGCOLOR).
    void setPageFontColor(Color color);
    void setPageLinkColor(Color color);
    void setPageBackground(Color color);
    const std::string& backgroundImageName() const { return m_backgroundImageName; }
    void setBackgroundImageName(std::string name);
    // The document's base font: default name, colour and 12 points.
    TMyFont baseFont() const;

    // Called with the new colour whenever the background changes.
    std::function<void(Color)> onBackgroundChange;

    // Loads an image's picture through the cache, asking the image source on a miss.
    void loadImage(TImageObj& image);
    std::shared_ptr<const Bitmap> backgroundBitmap();
    void setImageSource(ImageSource* source) { m_imageSource = source; }
    ImageSource* imageSource() const { return m_imageSource; }
    TStringBitmapList& bitmapCache() { return *m_bitmapCache; }
    // Several documents (the viewer's and a printout) may share one cache.
    void shareBitmapCache(std::shared_ptr<TStringBitmapList> cache) { m_bitmapCache = std::move(cache); }
    bool viewImages = true;

    // Forms, maps, anchors.
    ThtmlForm& addForm(const TAttributeList& attributes);
    const std::vector<std::unique_ptr<ThtmlForm>>& forms() const { return m_forms; }
    void addMap(std::unique_ptr<TMapItem> map) { m_maps.push_back(std::move(map)); }
    const std::vector<std::unique_ptr<TMapItem>>& maps() const { return m_maps; }
    const TMapItem* findMap(const std::string& upperName) const;
    FormSubmitHook submitHook;

    // Selection, as document character indexes; start == end is no selection, -1 and -1 is
    // selection disabled.
    int selectionStart = 0;
    int selectionEnd = 0;

    // The viewer's vertical scroll offset. Changing it marks every control as not shown, so
    // that painting places them again.
    int scrollOffset() const { return m_scrollOffset; }
    void setScrollOffset(int offset);
    bool changed = false;

    // Copies the selected text through the buffer; returns the text.
    std::string copySelection(ClipBuffer& buffer) const;

    // The arena the parser makes sections and cells in, and the one behind documentMemory().
    // A long page holds hundreds of thousands of small objects; taking them from one arena and
    // dropping it whole at Clear costs far less than allocating and freeing each on its own.
    // Nothing may hold on to an element of the document once Clear or the destructor has
    // dropped the arena.
    DocumentArena* arena() { return &m_arena; }
    TFontFaces& fontFaces() { return m_faces; }
    TLinkTargets& linkTargets() { return m_links; }

private:
    void setBackground(Color color);

    // Declared first, so that it is still there while the members below are destroyed.
    DocumentArena m_arena;
    TFontFaces m_faces;
    TLinkTargets m_links;
    std::string m_fontName = kDefaultFontName;
    std::string m_preFontName = kDefaultPreFontName;
    int m_fontSize = kDefaultFontSize;
    Color m_fontColor = colors::kButtonText;
    Color m_linkColor = colors::kBlue;
    Color m_background = colors::kButtonFace;
    struct PageColors {
        bool font = false;
        bool link = false;
        bool background = false;
    } m_pageColors;
    std::string m_backgroundImageName;
    std::shared_ptr<const Bitmap> m_backgroundBitmap;
    bool m_backgroundLoaded = false;
    ImageSource* m_imageSource = nullptr;
    std::shared_ptr<TStringBitmapList> m_bitmapCache;
    std::vector<std::unique_ptr<ThtmlForm>> m_forms;
    std::vector<std::unique_ptr<TMapItem>> m_maps;
    int m_scrollOffset = 0;
};

} // namespace tessera::viewer
