#include "viewer/model/section.h"

#include "viewer/model/clipbuffer.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/textutil.h"

#include <algorithm>

namespace tessera::viewer {

namespace {

bool hasPlaceholder(std::string_view text)
{
    // A lambda rather than the function's name, so that the test inlines into the scan.
    return std::any_of(text.begin(), text.end(), [](char c) { return isPlaceholder(c); });
}

// The face text at a vertical offset is drawn with: subscript and superscript are smaller.
TFontFace* offsetFace(TSectionList* master, const TMyFont& font, VerticalOffset offset)
{
    if (offset == VerticalOffset::Normal)
        return documentFace(master, font);
    TMyFont smaller = font;
    smaller.size = mulDiv(font.size, 3, 4);
    return documentFace(master, smaller);
}

// Moves a byte index back to the start of the UTF-8 character it falls into.
int toCharBoundary(std::string_view s, int index)
{
    index = std::clamp(index, 0, static_cast<int>(s.size()));
    while (index > 0 && index < static_cast<int>(s.size())
           && (static_cast<unsigned char>(s[static_cast<std::size_t>(index)]) & 0xC0) == 0x80)
        --index;
    return index;
}

} // namespace

TSection::TSection(TSectionList* master, int listLevel, Justify justify, const TLinkTarget& url, const TMyFont& font,
                   VerticalOffset offset)
    : TSection(master, listLevel, justify, url, documentFace(master, font), offset)
{
}

TSection::TSection(TSectionList* master, int listLevel, Justify justify, const TLinkTarget& url,
                   TFontFace* face, VerticalOffset offset)
    : TSectionBase(master), m_arena(documentArena(master)), m_currentFont(face),
      m_listLevel(std::max(0, listLevel)), m_justify(justify)
{
    TFontFace* drawn = offset == VerticalOffset::Normal ? m_currentFont : offsetFace(master, m_currentFont->font, offset);
    m_fonts.add(m_arena, TFontObj{0, offset, drawn, url});
    m_fontPending = true;
}

TSection::TSection(const TSection& other, TSectionList* master)
    : TSectionBase(other), m_arena(documentArena(master)),
      m_currentFont(documentFace(master, other.m_currentFont->font)),
      m_listLevel(other.m_listLevel), m_itemNumber(other.m_itemNumber), m_listType(other.m_listType),
      m_justify(other.m_justify), m_clear(other.m_clear), m_plain(other.m_plain), m_fontPending(other.m_fontPending)
{
    setMaster(master);
    try {
        m_text.append(m_arena, other.m_text.data(), other.m_text.size());
        m_fonts.assign(m_arena, other.m_fonts);
        m_runs.append(m_arena, other.m_runs.data(), other.m_runs.size());
        m_lines.append(m_arena, other.m_lines.data(), other.m_lines.size());
        if (other.m_objects) {
            objects().controls = other.m_objects->controls;
            for (const auto& image : other.m_objects->images)
                m_objects->images.push_back(std::make_unique<TImageObj>(*image));
        }
    } catch (...) {
        releaseParts();
        throw;
    }
    // Faces and link targets belong to a document, so the copy takes its own document's. The
    // font changes inside one link share its target in the copy too.
    const std::string* copiedFrom = nullptr;
    TLinkTarget copied;
    for (TFontObj& font : m_fonts.items()) {
        font.face = documentFace(master, font.face->font);
        if (font.url.empty())
            continue;
        if (&font.url.str() != copiedFrom) {
            copiedFrom = &font.url.str();
            copied = documentLink(master, font.url.str());
        }
        font.url = copied;
    }
}

TSection::~TSection() { releaseParts(); }

// A section that belongs to an arena's document leaves its parts to the arena.
void TSection::releaseParts()
{
    if (m_arena)
        return;
    m_text.release(nullptr);
    m_fonts.release(nullptr);
    m_runs.release(nullptr);
    m_lines.release(nullptr);
    delete m_objects;
    m_objects = nullptr;
}

TSection::Objects& TSection::noObjects()
{
    static Objects none;
    return none;
}

TSection::Objects& TSection::objects()
{
    if (!m_objects)
        m_objects = m_arena ? m_arena->makeOwned<Objects>() : new Objects;
    return *m_objects;
}

std::unique_ptr<TSectionBase> TSection::clone(TSectionList* master) const
{
    return std::unique_ptr<TSectionBase>(new TSection(*this, master));
}

void TSection::appendRaw(std::string_view text, SourceRange source)
{
    if (text.empty())
        return;
    m_runs.push_back(m_arena, TextRun{static_cast<int>(m_text.size()), static_cast<int>(text.size()), source});
    m_text.append(m_arena, text.data(), text.size());
    m_fontPending = false;
}

void TSection::AddText(std::string_view text, SourceRange source)
{
    if (text.empty())
        return;
    // Placeholder bytes may only come from AddImage and AddFormControl.
    if (hasPlaceholder(text)) {
        std::string cleaned(text);
        std::erase_if(cleaned, isPlaceholder);
        AddText(cleaned, source);
        return;
    }
    if (text.front() == ' ') {
        const TImageList& all = images();
        bool onlyFloats = !m_text.empty() && all.size() == m_text.size()
            && std::all_of(all.begin(), all.end(), [](const auto& image) { return image->isFloating(); });
        if (m_text.empty() || m_text.back() == ' ' || onlyFloats) {
            text.remove_prefix(1);
            ++source.begin;
        }
    }
    appendRaw(text, source);
}

void TSection::ChangeFont(const TMyFont& font, VerticalOffset offset)
{
    ChangeFont(documentFace(master(), font), offset);
}

void TSection::ChangeFont(TFontFace* face, VerticalOffset offset)
{
    TFontObj& last = m_fonts.back();
    TFontFace* drawn = offset == VerticalOffset::Normal ? face : offsetFace(master(), face->font, offset);
    if (last.position == static_cast<int>(m_text.size())) {
        last.face = drawn;
        last.verticalOffset = offset;
        return;
    }
    m_fonts.add(m_arena, TFontObj{static_cast<int>(m_text.size()), offset, drawn, last.url});
}

void TSection::HRef(const TMyFont& font, VerticalOffset offset, const TLinkTarget& url)
{
    HRef(documentFace(master(), font), offset, url);
}

void TSection::HRef(TFontFace* face, VerticalOffset offset, const TLinkTarget& url)
{
    ChangeFont(face, offset);
    m_fonts.back().url = url;
}

TImageObj& TSection::AddImage(const TAttributeList& attributes, SourceRange source)
{
    TImageList& all = objects().images;
    all.push_back(std::make_unique<TImageObj>(static_cast<int>(m_text.size()), attributes, source));
    appendRaw(std::string_view(&kImagePlaceholder, 1), source);
    return *all.back();
}

void TSection::AddFormControl(const std::shared_ptr<TFormControlObj>& control)
{
    if (!control || control->hidden())
        return;
    control->setPosition(static_cast<int>(m_text.size()));
    objects().controls.push_back(control);
    appendRaw(std::string_view(&kControlPlaceholder, 1), control->sourceRange());
}

void TSection::prepareForBreak()
{
    if (m_text.empty())
        appendRaw(" ", SourceRange{source().begin, source().begin});
}

void TSection::CopyToClipboard(ClipBuffer& buffer, int selStart, int selEnd) const
{
    int textLength = static_cast<int>(m_text.size());
    int from = std::max(selStart - startCursor, 0);
    int to = std::min(selEnd - startCursor, textLength);
    if (from >= textLength || to <= 0 || from >= to) {
        return;
    }
    from = toCharBoundary(text(), from);
    to = toCharBoundary(text(), to);
    std::string_view piece(m_text.data() + from, static_cast<std::size_t>(to - from));
    // A selection running past the section's end takes the line end with it.
    if (selEnd - startCursor > textLength)
        buffer.AddTextCR(piece);
    else
        buffer.AddText(piece);
}

int TSection::FindString(const std::string& needle, int from) const
{
    if (needle.empty())
        return -1;
    int start = std::max(0, from - startCursor);
    if (start + static_cast<int>(needle.size()) > static_cast<int>(m_text.size()))
        return -1;
    std::string_view haystack = text();
    auto found = std::search(haystack.begin() + start, haystack.end(), needle.begin(), needle.end(),
                             [](char a, char b) { return text::upper(a) == text::upper(b); });
    if (found == haystack.end())
        return -1;
    return startCursor + static_cast<int>(found - haystack.begin());
}

TPreFormated::TPreFormated(TSectionList* master, int listLevel, const TMyFont& font)
    : TSection(master, listLevel, Justify::Left, TLinkTarget(), font)
{
}

std::unique_ptr<TSectionBase> TPreFormated::clone(TSectionList* master) const
{
    return std::unique_ptr<TSectionBase>(new TPreFormated(*this, master));
}

void TPreFormated::AddText(std::string_view textIn, SourceRange source)
{
    if (!hasPlaceholder(textIn)) {
        appendRaw(textIn, source);
        return;
    }
    std::string text(textIn);
    std::erase_if(text, isPlaceholder);
    appendRaw(text, source);
}

TUListItem::TUListItem(TSectionList* master, int listLevel, bool plain, const TLinkTarget& url, const TMyFont& font,
                       VerticalOffset offset)
    : TUListItem(master, listLevel, plain, url, documentFace(master, font), offset)
{
}

TUListItem::TUListItem(TSectionList* master, int listLevel, bool plain, const TLinkTarget& url, TFontFace* face,
                       VerticalOffset offset)
    : TSection(master, listLevel, Justify::Left, url, face, offset)
{
    setListType(ListType::Bulleted);
    setPlain(plain);
}

std::unique_ptr<TSectionBase> TUListItem::clone(TSectionList* master) const
{
    return std::unique_ptr<TSectionBase>(new TUListItem(*this, master));
}

TOListItem::TOListItem(TSectionList* master, int listLevel, int number, const TLinkTarget& url, const TMyFont& font,
                       VerticalOffset offset)
    : TOListItem(master, listLevel, number, url, documentFace(master, font), offset)
{
}

TOListItem::TOListItem(TSectionList* master, int listLevel, int number, const TLinkTarget& url, TFontFace* face,
                       VerticalOffset offset)
    : TSection(master, listLevel, Justify::Left, url, face, offset)
{
    setListType(ListType::Numbered);
    setItemNumber(number);
}

std::unique_ptr<TSectionBase> TOListItem::clone(TSectionList* master) const
{
    return std::unique_ptr<TSectionBase>(new TOListItem(*this, master));
}

TDListItem::TDListItem(TSectionList* master, int listLevel, bool definition, const TLinkTarget& url,
                       const TMyFont& font, VerticalOffset offset)
    : TDListItem(master, listLevel, definition, url, documentFace(master, font), offset)
{
}

TDListItem::TDListItem(TSectionList* master, int listLevel, bool definition, const TLinkTarget& url,
                       TFontFace* face, VerticalOffset offset)
    : TSection(master, listLevel, Justify::Left, url, face, offset), m_definition(definition)
{
    setListType(ListType::Definition);
}

std::unique_ptr<TSectionBase> TDListItem::clone(TSectionList* master) const
{
    return std::unique_ptr<TSectionBase>(new TDListItem(*this, master));
}

} // namespace tessera::viewer
