#include "viewer/parser/htmlparser.h"

#include "text/charset.h"
#include "viewer/model/attribute.h"
#include "viewer/model/fixedsections.h"
#include "viewer/model/form.h"
#include "viewer/model/image.h"
#include "viewer/model/mapitem.h"
#include "viewer/model/section.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/table.h"
#include "viewer/model/textutil.h"
#include "viewer/model/viewererror.h"
#include "viewer/parser/reader.h"
#include "viewer/parser/symbols.h"

#include <array>
#include <bitset>
#include <cstring>
#include <memory>

namespace tessera::viewer {

namespace {

constexpr int kEof = Reader::kEof;
constexpr std::size_t kMaxFonts = 25;
constexpr std::size_t kTabStop = 8; // character cells between tab stops in preformatted text

enum class TokenKind : std::uint8_t { Eof, Text, Start, End };

struct Token {
    TokenKind kind = TokenKind::Eof;
    Tag tag = Tag::Unknown;
    int headingLevel = 0;
    // Text tokens: mostly a run of the page source as it stands, otherwise the buffer.
    std::string_view text;
    std::string buffer;
    std::size_t begin = 0;
    std::size_t end = 0;

    bool isStart(Tag t) const { return kind == TokenKind::Start && tag == t; }
    bool isEnd(Tag t) const { return kind == TokenKind::End && tag == t; }
};

// A set of tokens that end a context.
struct EndSet {
    std::uint64_t starts = 0;
    std::uint64_t ends = 0;

    EndSet& start(Tag t) { starts |= std::uint64_t(1) << unsigned(t); return *this; }
    EndSet& end(Tag t) { ends |= std::uint64_t(1) << unsigned(t); return *this; }
    bool contains(const Token& token) const
    {
        if (token.kind == TokenKind::Start)
            return (starts >> unsigned(token.tag)) & 1;
        if (token.kind == TokenKind::End)
            return (ends >> unsigned(token.tag)) & 1;
        return false;
    }
};


bool isListTag(Tag tag)
{
    return tag == Tag::Ol || tag == Tag::Ul || tag == Tag::Dir || tag == Tag::Menu || tag == Tag::Dl
        || tag == Tag::BlockQuote;
}

bool isListEnd(const Token& token) { return token.kind == TokenKind::End && isListTag(token.tag); }

bool isAllWhite(std::string_view text)
{
    for (char c : text) {
        if (c != ' ' && c != '\r')
            return false;
    }
    return true;
}

Justify alignOf(const TAttributeList& attributes, Justify fallback)
{
    const TAttribute* align = attributes.find(AttrSymbol::Align);
    if (!align)
        return fallback;
    std::string value = text::toUpper(align->name);
    if (value == "LEFT")
        return Justify::Left;
    if (value == "CENTER")
        return Justify::Center;
    if (value == "RIGHT")
        return Justify::Right;
    return fallback;
}

// The stack of fonts pushed by tags. Every change gives it a new version, never used before,
// so a table can tell cheaply whether a cell left the stack as the table found it.
class FontStack {
public:
    // A font of the stack with the document's faces for it under each combination of the
    // style flags, found when first asked for. Text goes back and forth between a few fonts
    // (bold on and off, a link opened and closed), so most font changes find their face here.
    struct Entry {
        TMyFont font;
        std::array<TFontFace*, 8> faces{};
    };
    struct Saved {
        std::vector<Entry> fonts;
        std::uint64_t version = 0;
    };

    const TMyFont& top() const { return m_fonts.back().font; }
    TFontFace*& topFace(bool bold, bool italic, bool underline)
    {
        return m_fonts.back().faces[(bold ? 1u : 0u) | (italic ? 2u : 0u) | (underline ? 4u : 0u)];
    }
    std::size_t size() const { return m_fonts.size(); }
    void push(const TMyFont& font)
    {
        m_fonts.push_back(Entry{font, {}});
        changed();
    }
    void pop()
    {
        m_fonts.pop_back();
        changed();
    }
    void setBaseColor(Color color)
    {
        m_fonts.front().font.color = color;
        m_fonts.front().faces = {};
        changed();
    }
    Saved save() const { return Saved{m_fonts, m_version}; }
    void restore(const Saved& saved)
    {
        if (m_version == saved.version)
            return;
        m_fonts = saved.fonts;
        m_version = saved.version;
    }

private:
    void changed() { m_version = ++m_lastVersion; }

    std::vector<Entry> m_fonts;
    std::uint64_t m_version = 0;
    std::uint64_t m_lastVersion = 0;
};

class Parser {
public:
    Parser(TSectionList& document, TNameList& names, std::string_view text)
        : m_doc(document), m_names(names), m_reader(text), m_cell(&document)
    {
    }

    ParseResult run();

private:
    // Tokenizer.
    void next();
    void readText();
    // The next piece of text as it reads: a run of plain bytes, or one space for a run of
    // white space outside PRE. Empty when the current character starts neither.
    std::string_view takeTextPiece();
    void readEntity(); // into the token's buffer
    void readTag();
    void readAttributeValue(TAttribute& attribute);
    // A tag or attribute name, upper-cased; valid until the next call.
    std::string_view readName();
    void skipTo(int stop);

    // Document building. Elements come from the document's arena.
    template <typename T, typename... Args>
    ArenaPtr<T> make(Args&&... args)
    {
        return makeInArena<T>(m_doc.arena(), std::forward<Args>(args)...);
    }
    TMyFont currentFont() const;
    // The document's face for currentFont().
    TFontFace* currentFace();
    bool pushFont(const TMyFont& font);
    void popFont();
    void fontChanged();
    TSection& ensureSection();
    void openSection();
    void closeSection();
    // Whether an empty section would leave the page as it is without it, so it need not be kept.
    bool changesNothing(const TSection& section) const;
    // Whether text at that list level would be indented as what the cell holds so far ends.
    bool levelInForce(int level) const;
    ThtmlForm& currentForm();
    int sectionLevel() const { return m_listLevel + (m_inDefinition ? 1 : 0); }
    SourceRange tokenRange() const { return SourceRange{m_token.begin, m_token.end}; }

    // Contexts.
    void body(const EndSet& end);
    bool common();
    bool applyTag();
    void lineBreak();
    void addSelect();
    void paragraph();
    void heading();
    void link();
    void list(Tag kind, const EndSet& outerEnd);
    void table();
    void preformatted();
    void select(TSelectFormControlObj& control);
    void textArea();
    void map();
    void fontRoutine(bool baseFont);
    void sizeStep(bool bigger);
    void addRule();

    TSectionList& m_doc;
    TNameList& m_names;
    Reader m_reader;
    Token m_token;
    std::array<char, 16> m_name{}; // no tag or attribute name is longer
    TAttributeList m_attributes;

    FontStack m_fonts;
    std::vector<int> m_headings; // levels of the open headings whose font was pushed
    int m_baseFontSize = 3;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    VerticalOffset m_offset = VerticalOffset::Normal;
    Justify m_justify = Justify::Left;
    // /CENTER returns to the alignment in force before its CENTER; entries below the floor
    // belong to an enclosing table, whose cells must not pop them. Without an open CENTER of
    // its own context, /CENTER returns to that context's alignment (left, or the cell's).
    std::vector<Justify> m_centers;
    std::size_t m_centerFloor = 0;
    Justify m_contextJustify = Justify::Left;
    TLinkTarget m_url;
    bool m_inLink = false;
    bool m_inPre = false;
    int m_listLevel = 0;
    // Inside a DD until the next item or the list's end: what it holds sits at its indent.
    bool m_inDefinition = false;
    int m_depth = 0;

    ArenaPtr<TSection> m_section;
    // The text section a paragraph or a line break opens is made when something goes into it,
    // so that a run of empty paragraphs or breaks costs no section each.
    struct PendingParagraph {
        bool pending = false;
        Justify justify = Justify::Left;
        std::size_t begin = 0;
        ClearKind clear = ClearKind::None;
    };
    PendingParagraph m_paragraph;
    const TSection* m_anchorSection = nullptr; // the last section an anchor named
    TCell* m_cell;
    ThtmlForm* m_form = nullptr;
    ParseResult m_result;
};

// ---------------------------------------------------------------- tokenizer

void Parser::next()
{
    m_token.text = {};
    m_token.tag = Tag::Unknown;
    m_token.headingLevel = 0;
    m_token.begin = m_reader.offset();
    int c = m_reader.ch();
    if (c == kEof) {
        m_token.kind = TokenKind::Eof;
    } else if (m_reader.atTagOpen()) {
        readTag();
    } else if (c == '&') {
        readEntity();
        m_token.text = m_token.buffer;
    } else {
        readText();
    }
    m_token.end = m_reader.offset();
}

std::string_view Parser::takeTextPiece()
{
    if (std::string_view run = m_reader.takePlainRun(!m_inPre); !run.empty())
        return run;
    if (m_inPre || !m_reader.atWhite())
        return {};
    m_reader.next();
    m_reader.skipWhite();
    return " ";
}

void Parser::readText()
{
    m_token.kind = TokenKind::Text;
    auto ends = [this](int c) { return c == kEof || c == '&' || m_reader.atTagOpen(); };
    // Text that is one piece, as most is, stays a view of the source.
    std::string_view first = takeTextPiece();
    if (!first.empty() && ends(m_reader.ch())) {
        m_token.text = first;
        return;
    }
    std::string& text = m_token.buffer;
    text.assign(first);
    for (int c = m_reader.ch(); !ends(c); c = m_reader.ch()) {
        if (std::string_view piece = takeTextPiece(); !piece.empty()) {
            text.append(piece);
        } else {
            text.push_back(static_cast<char>(c));
            m_reader.next();
        }
    }
    m_token.text = text;
}

void Parser::readEntity()
{
    m_token.kind = TokenKind::Text;
    std::string& text = m_token.buffer;
    text.clear();
    m_reader.next(); // the "&"
    if (m_reader.ch() == '#') {
        m_reader.next();
        std::string digits;
        while (digits.size() < 4 && m_reader.ch() >= '0' && m_reader.ch() <= '9') {
            digits.push_back(static_cast<char>(m_reader.ch()));
            m_reader.next();
        }
        bool semicolon = false;
        if (digits.size() < 4 && m_reader.ch() == ';') {
            semicolon = true;
            m_reader.next();
        }
        int code = digits.empty() ? -1 : std::stoi(digits);
        if (!digits.empty() && digits.size() < 4 && (code == 9 || code == 10 || (code >= 32 && code <= 255))) {
            // A tab or line feed is a blank in flowing text; preformatted text lays them out.
            if ((code == 9 || code == 10) && !m_inPre)
                code = ' ';
            appendUtf8(text, windows1252ToUnicode(static_cast<unsigned char>(code)));
            return;
        }
        text = "&#" + digits + (semicolon ? ";" : "");
        return;
    }
    std::string name;
    auto isLetter = [](int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    while (name.size() < 7 && isLetter(m_reader.ch())) {
        name.push_back(static_cast<char>(m_reader.ch()));
        m_reader.next();
    }
    if (name.size() == 7) {
        text = "&" + name; // too long to be a name: shown as written
        return;
    }
    bool semicolon = false;
    if (!name.empty() && m_reader.ch() == ';') {
        semicolon = true;
        m_reader.next();
    }
    if (char32_t c = name.empty() ? 0 : lookupEntity(name)) {
        appendUtf8(text, c);
        return;
    }
    text = "&" + name + (semicolon ? ";" : "");
}

void Parser::readTag()
{
    m_reader.next(); // the "<"
    m_reader.skipWhite();
    bool endTag = false;
    if (m_reader.ch() == '/') {
        endTag = true;
        m_reader.next();
    }
    Tag tag = lookupTag(readName());
    if (endTag && !tagHasEndForm(tag))
        tag = Tag::Unknown;
    m_token.kind = endTag ? TokenKind::End : TokenKind::Start;
    m_token.tag = tag;
    m_reader.skipWhite();
    if (tag == Tag::H && m_reader.ch() >= '1' && m_reader.ch() <= '6') {
        m_token.headingLevel = m_reader.ch() - '0';
        m_reader.next();
    }
    bool keep = !endTag && tagKeepsAttributes(tag);
    if (keep)
        m_attributes.clear();
    std::bitset<64> seen;
    for (;;) {
        m_reader.skipWhite();
        std::size_t attributeOffset = m_reader.offset();
        std::string_view attributeName = readName();
        if (attributeName.empty())
            break;
        TAttribute attribute;
        attribute.which = lookupAttribute(attributeName);
        attribute.value = attribute.which == AttrSymbol::Border ? 1 : 0;
        attribute.sourceOffset = attributeOffset;
        m_reader.skipWhite();
        if (m_reader.ch() == '=') {
            m_reader.next();
            m_reader.skipWhite();
            readAttributeValue(attribute);
        }
        // A repeated attribute keeps its first value, as the first is the one looked up.
        unsigned symbol = unsigned(attribute.which);
        if (keep && attribute.which != AttrSymbol::Unknown && !seen[symbol]) {
            seen[symbol] = true;
            m_attributes.add(std::move(attribute));
        }
    }
    skipTo('>');
    if (m_reader.ch() == '>')
        m_reader.next();
}

std::string_view Parser::readName()
{
    std::string_view letters = m_reader.takeLetters();
    std::size_t length = std::min(letters.size(), m_name.size());
    bool tooLong = letters.size() > m_name.size();
    // Only ASCII letters come here, and clearing one bit upper-cases those.
    for (std::size_t i = 0; i < length; ++i)
        m_name[i] = static_cast<char>(letters[i] & ~0x20);
    // No name the reader knows is that long; "?" matches none.
    return tooLong ? std::string_view("?") : std::string_view(m_name.data(), length);
}

void Parser::skipTo(int stop)
{
    while (m_reader.ch() != stop && m_reader.ch() != kEof) {
        if (m_reader.takeWhile([stop](unsigned char c) { return c != stop; }).empty())
            m_reader.next();
    }
}

void Parser::readAttributeValue(TAttribute& attribute)
{
    std::string& value = attribute.name;
    int c = m_reader.ch();
    if (c == '"' || c == '\'') {
        int quote = c;
        m_reader.next();
        while (m_reader.ch() != quote && m_reader.ch() != kEof) {
            if (std::string_view run = m_reader.takeWhile([quote](unsigned char v) { return v != quote; }); !run.empty()) {
                value.append(run);
                continue;
            }
            if (m_reader.ch() != '\r')
                value.push_back(m_reader.ch() == '\t' ? ' ' : static_cast<char>(m_reader.ch()));
            m_reader.next();
        }
        if (m_reader.ch() == quote)
            m_reader.next();
        // Most values have no white space around them, and keep their string as it is.
        if (std::string_view trimmed = text::trim(value); trimmed.size() != value.size())
            value = std::string(trimmed);
        std::string_view number(value);
        if (number.find('%') != std::string_view::npos && number.find('%') == number.size() - 1)
            number.remove_suffix(1);
        text::parseDecimal(number, attribute.value);
        return;
    }
    if (c == '+' || c == '-' || (c >= '0' && c <= '9')) {
        value.push_back(static_cast<char>(c));
        m_reader.next();
        for (int u = m_reader.upper(); (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F'); u = m_reader.upper()) {
            value.push_back(static_cast<char>(u));
            m_reader.next();
        }
        m_reader.skipWhite();
        text::parseDecimal(value, attribute.value);
        if (m_reader.ch() == '%') {
            value.push_back('%');
            m_reader.next();
        }
        return;
    }
    while (m_reader.ch() != kEof && !m_reader.atWhite() && m_reader.ch() != '>') {
        if (std::string_view run = m_reader.takeWhile([](unsigned char v) { return v != ' ' && v != '>'; }); !run.empty()) {
            value.append(run);
            continue;
        }
        value.push_back(static_cast<char>(m_reader.ch()));
        m_reader.next();
    }
}

// ---------------------------------------------------------------- building

TMyFont Parser::currentFont() const
{
    TMyFont font = m_fonts.top();
    font.bold = font.bold || m_bold;
    font.italic = font.italic || m_italic;
    font.underline = font.underline || m_underline;
    return font;
}

TFontFace* Parser::currentFace()
{
    TFontFace*& face = m_fonts.topFace(m_bold, m_italic, m_underline);
    if (!face)
        face = documentFace(&m_doc, currentFont());
    return face;
}

bool Parser::pushFont(const TMyFont& font)
{
    if (m_fonts.size() >= kMaxFonts)
        return false;
    m_fonts.push(font);
    return true;
}

void Parser::popFont()
{
    if (m_fonts.size() > 1)
        m_fonts.pop();
}

void Parser::fontChanged()
{
    if (m_section)
        m_section->ChangeFont(currentFace(), m_offset);
}

void Parser::openSection()
{
    closeSection();
    m_section = make<TSection>(&m_doc, sectionLevel(), m_justify, m_url, currentFace(), m_offset);
    m_section->setSourceBegin(m_token.begin);
}

TSection& Parser::ensureSection()
{
    if (!m_section && m_paragraph.pending) {
        m_section = make<TSection>(&m_doc, sectionLevel(), m_paragraph.justify, m_url, currentFace(), m_offset);
        m_section->setSourceBegin(m_paragraph.begin);
        m_section->setClear(m_paragraph.clear);
        m_paragraph.pending = false;
    }
    if (!m_section)
        openSection();
    return *m_section;
}

void Parser::closeSection()
{
    // A paragraph nothing went into is made only when it still has to clear floating images or
    // set the list level.
    if (!m_section && m_paragraph.pending && (m_paragraph.clear != ClearKind::None || !levelInForce(sectionLevel())))
        ensureSection();
    m_paragraph.pending = false;
    if (!m_section)
        return;
    m_section->setSourceEnd(std::max(m_token.begin, m_section->source().begin));
    if (!changesNothing(*m_section))
        m_cell->Add(std::move(m_section));
    m_section.reset();
}

bool Parser::changesNothing(const TSection& section) const
{
    return section.kind() == SectionKind::Section && section.empty() && section.clear() == ClearKind::None
        && &section != m_anchorSection && levelInForce(section.listLevel());
}

bool Parser::levelInForce(int level) const
{
    // The last text or table nearby (spaces and rules between set no level) tells.
    const auto& sections = m_cell->sections();
    constexpr std::size_t kLookBack = 4;
    for (std::size_t i = sections.size(); i > 0 && i + kLookBack > sections.size(); --i) {
        const TSectionBase& before = *sections[i - 1];
        if (before.isTextSection())
            return indentLevel(static_cast<const TSection&>(before)) == level;
        if (before.kind() == SectionKind::BlankLine)
            return static_cast<const TBlankLine&>(before).listLevel() == level;
        if (before.kind() == SectionKind::Table)
            return static_cast<const ThtmlTable&>(before).listLevel() == level;
    }
    return false;
}

ThtmlForm& Parser::currentForm()
{
    // Controls outside any FORM gather in a form of their own.
    if (!m_form)
        m_form = &m_doc.addForm(TAttributeList());
    return *m_form;
}

void Parser::addRule()
{
    closeSection();
    auto rule = make<THorzLine>(&m_doc, m_attributes);
    rule->setSourceBegin(m_token.begin);
    rule->setSourceEnd(m_token.end);
    m_cell->Add(std::move(rule));
}

// ---------------------------------------------------------------- contexts

ParseResult Parser::run()
{
    TMyFont base = m_doc.baseFont();
    m_fonts.push(base);
    m_reader.next();
    m_token.begin = 0;
    openSection();
    next();
    // Text after </BODY> is still part of the page.
    while (m_token.kind != TokenKind::Eof)
        body(EndSet{});
    m_token.begin = m_reader.size();
    closeSection();
    return std::move(m_result);
}

void Parser::body(const EndSet& end)
{
    while (m_token.kind != TokenKind::Eof) {
        const Token& t = m_token;
        if (end.contains(t))
            return;
        if (t.isEnd(Tag::Body)) {
            next();
            return;
        }
        if (t.kind == TokenKind::Start) {
            switch (t.tag) {
            case Tag::Title:
                next();
                while (m_token.kind == TokenKind::Text) {
                    m_result.title += m_token.text;
                    next();
                }
                continue;
            case Tag::Body:
                if (m_cell->empty()) {
                    // Text before BODY is dropped with the controls in it; anchors in it
                    // stay and lead to the top.
                    ArenaPtr<TSection> discarded = std::move(m_section);
                    for (const auto& form : m_doc.forms())
                        form->DropControls();
                    if (const TAttribute* a = m_attributes.find(AttrSymbol::Text)) {
                        if (auto color = parseHtmlColor(a->name)) {
                            m_fonts.setBaseColor(*color);
                            m_doc.setPageFontColor(*color);
                        }
                    }
                    if (const TAttribute* a = m_attributes.find(AttrSymbol::Link)) {
                        if (auto color = parseHtmlColor(a->name))
                            m_doc.setPageLinkColor(*color);
                    }
                    if (const TAttribute* a = m_attributes.find(AttrSymbol::BgColor)) {
                        if (auto color = parseHtmlColor(a->name))
                            m_doc.setPageBackground(*color);
                    }
                    if (const TAttribute* a = m_attributes.find(AttrSymbol::Background))
                        m_doc.setBackgroundImageName(a->name);
                    openSection();
                    if (discarded)
                        m_names.replaceSection(discarded.get(), m_section.get());
                }
                next();
                continue;
            case Tag::Hr:
                addRule();
                next();
                continue;
            case Tag::Base:
                if (const TAttribute* a = m_attributes.find(AttrSymbol::Href))
                    m_result.base = a->name;
                next();
                continue;
            case Tag::Ol: case Tag::Ul: case Tag::Dir: case Tag::Menu: case Tag::Dl: case Tag::BlockQuote:
                if (m_depth >= kMaxNesting) {
                    next();
                    continue;
                }
                if (t.tag == Tag::BlockQuote)
                    closeSection();
                list(t.tag, end);
                if (isListEnd(m_token))
                    next();
                continue;
            default:
                break;
            }
        }
        if (!common())
            next();
    }
}

bool Parser::common()
{
    const Token& t = m_token;
    if (t.kind == TokenKind::Text) {
        ensureSection().AddText(t.text, tokenRange());
        next();
        return true;
    }
    if (t.kind == TokenKind::Start) {
        switch (t.tag) {
        case Tag::P:
            paragraph();
            return true;
        case Tag::Pre:
            preformatted();
            return true;
        case Tag::Table:
            if (m_depth >= kMaxNesting)
                next(); // too deep: the table's cells join the enclosing one
            else
                table();
            return true;
        case Tag::Select:
            addSelect();
            next();
            return true;
        case Tag::TextArea:
            textArea();
            next();
            return true;
        case Tag::Map:
            map();
            next();
            return true;
        default:
            break;
        }
    } else if (t.isEnd(Tag::P)) {
        paragraph();
        return true;
    }
    if (!applyTag())
        return false;
    next();
    return true;
}

bool Parser::applyTag()
{
    const Token& t = m_token;
    if (t.kind != TokenKind::Start && t.kind != TokenKind::End)
        return false;
    bool start = t.kind == TokenKind::Start;
    switch (t.tag) {
    case Tag::B: case Tag::Strong:
        m_bold = start;
        break;
    case Tag::I: case Tag::Em: case Tag::Cite: case Tag::Var:
        m_italic = start;
        break;
    case Tag::U:
        m_underline = start;
        break;
    case Tag::Sub:
        m_offset = start ? VerticalOffset::Subscript : VerticalOffset::Normal;
        break;
    case Tag::Sup:
        m_offset = start ? VerticalOffset::Superscript : VerticalOffset::Normal;
        break;
    case Tag::Br:
        if (!start)
            return false;
        lineBreak();
        return true;
    case Tag::H:
        heading();
        return true;
    case Tag::Tt: case Tag::Code: case Tag::Kbd: case Tag::Samp:
        if (start) {
            TMyFont font = m_fonts.top();
            font.name = m_doc.preFontName();
            font.fixed = true;
            pushFont(font);
        } else {
            popFont();
        }
        break;
    case Tag::Font: case Tag::Big: case Tag::Small:
        if (!start)
            popFont();
        else if (t.tag == Tag::Font)
            fontRoutine(false);
        else
            sizeStep(t.tag == Tag::Big);
        break;
    case Tag::BaseFont:
        fontRoutine(true);
        break;
    case Tag::Address:
        closeSection();
        if (start) {
            TMyFont font = m_fonts.top();
            font.italic = true;
            pushFont(font);
            openSection();
        } else {
            popFont();
        }
        return true;
    case Tag::Img:
        if (!start)
            return false;
        ensureSection().AddImage(m_attributes, tokenRange());
        return true;
    case Tag::Center:
        closeSection();
        if (start) {
            m_centers.push_back(m_justify);
            m_justify = Justify::Center;
        } else if (m_centers.size() > m_centerFloor) {
            m_justify = m_centers.back();
            m_centers.pop_back();
        } else {
            m_justify = m_contextJustify;
        }
        openSection();
        return true;
    case Tag::A:
        link();
        return true;
    case Tag::Input: {
        if (!start)
            return false;
        TSection& section = ensureSection();
        ThtmlForm& form = currentForm();
        std::shared_ptr<TFormControlObj> control = makeInputControl(&form, 0, m_attributes, tokenRange());
        form.InsertControl(control);
        section.AddFormControl(control);
        return true;
    }
    case Tag::Form:
        if (start)
            m_form = &m_doc.addForm(m_attributes);
        else
            m_form = nullptr;
        return true;
    default:
        return false;
    }
    fontChanged();
    return true;
}

void Parser::lineBreak()
{
    Justify justify = m_section ? m_section->justify() : m_paragraph.pending ? m_paragraph.justify : m_justify;
    // A break with no text before it since the last one is a blank line.
    bool blank = m_section ? m_section->kind() == SectionKind::Section && m_section->empty()
                                 && m_section.get() != m_anchorSection
                           : m_paragraph.pending;
    if (blank) {
        auto line = make<TBlankLine>(&m_doc, currentFace(), sectionLevel(),
                                     m_section ? m_section->clear() : m_paragraph.clear);
        line->setSourceBegin(m_section ? m_section->source().begin : m_paragraph.begin);
        line->setSourceEnd(m_token.end);
        m_section.reset();
        m_cell->Add(std::move(line));
    } else {
        if (m_section)
            m_section->prepareForBreak();
        closeSection();
    }
    ClearKind clear = ClearKind::None;
    if (const TAttribute* attribute = m_attributes.find(AttrSymbol::Clear)) {
        std::string value = text::toLower(attribute->name);
        clear = value == "left" ? ClearKind::Left : value == "right" ? ClearKind::Right : ClearKind::All;
    }
    m_paragraph = PendingParagraph{true, justify, m_token.end, clear};
}

void Parser::addSelect()
{
    TSection& section = ensureSection();
    ThtmlForm& form = currentForm();
    std::shared_ptr<TSelectFormControlObj> control = makeSelectControl(&form, 0, m_attributes, tokenRange());
    form.InsertControl(control);
    section.AddFormControl(control);
    select(*control);
}

void Parser::paragraph()
{
    closeSection();
    auto space = make<TParagraphSpace>(&m_doc);
    space->setSourceBegin(m_token.begin);
    // The new paragraph takes the ALIGN of the run's last P; it is read while that P is the
    // current token, since the tag after the run (an IMG, say) brings attributes of its own.
    // The current justification stays as it was, so the paragraph after it is not aligned too.
    Justify justify = m_justify;
    auto takeAlign = [&] {
        if (m_token.isStart(Tag::P))
            justify = alignOf(m_attributes, m_justify);
    };
    takeAlign();
    next();
    // A run of P and /P tags (with only white space between them) makes one paragraph break.
    while (m_token.isStart(Tag::P) || m_token.isEnd(Tag::P)
           || (m_token.kind == TokenKind::Text && isAllWhite(m_token.text))) {
        takeAlign();
        next();
    }
    space->setSourceEnd(m_token.begin);
    m_cell->Add(std::move(space));
    m_paragraph = PendingParagraph{true, justify, m_token.begin};
}

void Parser::heading()
{
    if (m_token.kind == TokenKind::Start) {
        if (m_fonts.size() >= kMaxFonts)
            return;
        closeSection();
        int level = m_token.headingLevel;
        TMyFont font = m_fonts.top();
        font.setNormalSize(kHeadingSizes[static_cast<std::size_t>(level)], m_doc.fontSize());
        font.bold = level != 0;
        pushFont(font);
        m_headings.push_back(level);
        auto space = make<THeadingSpace>(&m_doc, level);
        space->setSourceBegin(m_token.begin);
        space->setSourceEnd(m_token.end);
        m_cell->Add(std::move(space));
        Justify justify = alignOf(m_attributes, m_justify);
        m_section = make<TSection>(&m_doc, sectionLevel(), justify, m_url, currentFace(), m_offset);
        m_section->setSourceBegin(m_token.end);
        return;
    }
    if (!m_headings.empty()) {
        closeSection();
        auto space = make<THeadingSpace>(&m_doc, m_headings.back());
        space->setSourceBegin(m_token.begin);
        space->setSourceEnd(m_token.end);
        m_cell->Add(std::move(space));
        m_headings.pop_back();
        popFont();
    }
}

void Parser::link()
{
    if (m_token.kind == TokenKind::Start) {
        const TAttribute* href = m_attributes.find(AttrSymbol::Href);
        if (href && !href->name.empty()) {
            // An A inside an open link ends that link first, so its font does not stay behind.
            if (m_inLink)
                popFont();
            TMyFont font = m_fonts.top();
            font.underline = true;
            font.color = m_doc.linkColor();
            if (pushFont(font)) {
                m_url = documentLink(&m_doc, href->name);
                m_inLink = true;
                if (m_section)
                    m_section->HRef(currentFace(), m_offset, m_url);
            } else {
                m_inLink = false;
                m_url = TLinkTarget();
            }
        }
        const TAttribute* name = m_attributes.find(AttrSymbol::Name);
        if (name && !name->name.empty()) {
            TSection& section = ensureSection();
            m_anchorSection = &section;
            m_names.add(text::toUpper(name->name), &section);
        }
        return;
    }
    if (m_inLink) {
        m_inLink = false;
        m_url = TLinkTarget();
        popFont();
        if (m_section)
            m_section->HRef(currentFace(), m_offset, TLinkTarget());
    }
}

void Parser::list(Tag kind, const EndSet& outerEnd)
{
    ++m_depth;
    const int outerLevel = m_listLevel;
    const bool outerDefinition = m_inDefinition;
    // A list inside a definition is one step further in than the definition's text.
    const int level = m_listLevel = sectionLevel() + 1;
    m_inDefinition = false;
    int number = 1;
    if (kind == Tag::Ol) {
        if (const TAttribute* start = m_attributes.find(AttrSymbol::Start); start && start->value >= 0)
            number = start->value;
    }
    bool plain = kind == Tag::Ul && m_attributes.has(AttrSymbol::Plain);
    next();
    while (m_token.kind != TokenKind::Eof) {
        const Token& t = m_token;
        if (isListEnd(t)) {
            closeSection();
            break;
        }
        if (outerEnd.contains(t))
            break;
        if (t.kind == TokenKind::Start) {
            if (t.tag == Tag::Li) {
                closeSection();
                m_inDefinition = false;
                if (kind == Tag::Ol)
                    m_section = make<TOListItem>(&m_doc, level, number < INT32_MAX ? number++ : number, m_url,
                                                             currentFace(), m_offset);
                else
                    m_section = make<TUListItem>(&m_doc, level, plain, m_url, currentFace(), m_offset);
                m_section->setSourceBegin(t.begin);
                next();
                continue;
            }
            if (t.tag == Tag::Dt || t.tag == Tag::Dd) {
                closeSection();
                m_inDefinition = t.tag == Tag::Dd;
                m_section = make<TDListItem>(&m_doc, level, t.tag == Tag::Dd, m_url, currentFace(), m_offset);
                m_section->setSourceBegin(t.begin);
                next();
                continue;
            }
            if (isListTag(t.tag)) {
                if (m_depth >= kMaxNesting) {
                    next();
                    continue;
                }
                if (t.tag == Tag::BlockQuote)
                    closeSection();
                list(t.tag, outerEnd);
                if (isListEnd(m_token))
                    next();
                continue;
            }
            if (t.tag == Tag::Hr) {
                addRule();
                next();
                continue;
            }
        }
        if (!common())
            next();
    }
    m_listLevel = outerLevel;
    m_inDefinition = outerDefinition;
    --m_depth;
}

void Parser::table()
{
    ++m_depth;
    closeSection();
    TCell* enclosing = m_cell;
    Justify savedJustify = m_justify;
    bool savedBold = m_bold, savedItalic = m_italic, savedUnderline = m_underline;
    const int savedLevel = m_listLevel;
    const bool savedDefinition = m_inDefinition;
    const int savedSectionLevel = sectionLevel();
    // Whatever a cell leaves open (a heading, a font, a link, a CENTER) ends with the cell, so
    // neither the next cell nor the text after the table takes it on.
    const FontStack::Saved savedFonts = m_fonts.save();
    const std::vector<int> savedHeadings = m_headings;
    const TLinkTarget savedUrl = m_url;
    const bool savedInLink = m_inLink;
    const VerticalOffset savedOffset = m_offset;
    const std::size_t savedCenters = m_centers.size();
    const std::size_t savedCenterFloor = m_centerFloor;
    const Justify savedContextJustify = m_contextJustify;
    auto restoreInherited = [&] {
        m_fonts.restore(savedFonts);
        if (m_headings != savedHeadings)
            m_headings = savedHeadings;
        m_url = savedUrl;
        m_inLink = savedInLink;
        m_offset = savedOffset;
        m_centers.resize(savedCenters);
    };
    // A cell starts from the state the table was opened in, aligned as given.
    auto enterCell = [&](Justify justify) {
        restoreInherited();
        m_justify = justify;
        m_contextJustify = justify;
        m_centerFloor = savedCenters;
        m_listLevel = 0;
        m_inDefinition = false;
    };
    auto tableSection = make<ThtmlTable>(&m_doc, m_attributes, m_justify);
    tableSection->setListLevel(savedSectionLevel);
    tableSection->setSourceBegin(m_token.begin);
    ThtmlTable& tableRef = *tableSection;

    EndSet cellEnd;
    cellEnd.start(Tag::Td).start(Tag::Th).start(Tag::Tr).start(Tag::Caption).end(Tag::Td).end(Tag::Th).end(Tag::Table);
    EndSet captionEnd = cellEnd;
    captionEnd.end(Tag::Caption);

    TCellList row = tableRef.newRow();
    bool sawRow = false;
    Justify rowJustify = Justify::NotGiven;
    ArenaPtr<TCellObj> cell;
    bool cellIsCaption = false;
    ArenaPtr<TSection> stray; // text between the cells, shown ahead of the table

    auto closeStray = [&] {
        if (stray) {
            stray->setSourceEnd(m_token.begin);
            enclosing->Add(std::move(stray));
        }
    };
    auto closeCell = [&] {
        if (m_cell == enclosing)
            return;
        closeSection();
        if (cell && cellIsCaption)
            tableRef.setCaption(std::move(cell), tableRef.captionOnTop());
        else if (cell)
            row.push_back(std::move(cell));
        cell.reset();
        m_cell = enclosing;
        restoreInherited();
    };

    next();
    while (m_token.kind != TokenKind::Eof && !m_token.isEnd(Tag::Table)) {
        const Token& t = m_token;
        if (t.isStart(Tag::Tr)) {
            closeCell();
            closeStray();
            if (sawRow || !row.empty()) {
                // Rows of a table mostly have as many cells as the one before.
                std::size_t cells = row.size();
                tableRef.addRow(std::move(row));
                row = tableRef.newRow();
                row.reserve(cells);
            }
            sawRow = true;
            rowJustify = alignOf(m_attributes, Justify::NotGiven);
            next();
        } else if (t.isStart(Tag::Td) || t.isStart(Tag::Th)) {
            closeCell();
            closeStray();
            bool header = t.tag == Tag::Th;
            Justify justify = rowJustify != Justify::NotGiven ? rowJustify : header ? Justify::Center : Justify::Left;
            enterCell(alignOf(m_attributes, justify));
            m_bold = header;
            cell = make<TCellObj>(&m_doc, m_attributes);
            cellIsCaption = false;
            m_cell = &cell->cell();
            next();
            body(cellEnd);
        } else if (t.isEnd(Tag::Td) || t.isEnd(Tag::Th)) {
            closeCell();
            next();
        } else if (t.isStart(Tag::Caption)) {
            closeCell();
            closeStray();
            const TAttribute* align = m_attributes.find(AttrSymbol::Align);
            bool onTop = !(align && text::toLower(align->name) == "bottom");
            cellIsCaption = true;
            if (tableRef.caption()) {
                // A second caption adds to the first.
                m_cell = &tableRef.caption()->cell();
            } else {
                tableRef.setCaption(nullptr, onTop);
                cell = make<TCellObj>(&m_doc, TAttributeList());
                m_cell = &cell->cell();
            }
            enterCell(Justify::Center);
            next();
            body(captionEnd);
            if (m_token.isEnd(Tag::Caption))
                next();
            closeCell();
        } else if (t.kind == TokenKind::Text && m_cell == enclosing) {
            if (!isAllWhite(t.text)) {
                if (!stray) {
                    stray = make<TSection>(&m_doc, savedSectionLevel, savedJustify, m_url, currentFace(), m_offset);
                    stray->setSourceBegin(t.begin);
                }
                stray->AddText(t.text, tokenRange());
            }
            next();
        } else {
            next();
        }
    }
    closeCell();
    closeStray();
    tableRef.addRow(std::move(row));
    m_cell = enclosing;
    restoreInherited();
    m_justify = savedJustify;
    m_contextJustify = savedContextJustify;
    m_centerFloor = savedCenterFloor;
    m_bold = savedBold;
    m_italic = savedItalic;
    m_underline = savedUnderline;
    m_listLevel = savedLevel;
    m_inDefinition = savedDefinition;
    if (m_token.isEnd(Tag::Table)) {
        tableSection->setSourceEnd(m_token.end);
        next();
    } else {
        tableSection->setSourceEnd(m_token.begin);
    }
    m_cell->Add(std::move(tableSection));
    --m_depth;
}


void Parser::preformatted()
{
    closeSection();
    TMyFont font = m_fonts.top();
    font.name = m_doc.preFontName();
    font.fixed = true;
    font.setNormalSize(pointsForStep(3, true), m_doc.fontSize());
    bool pushed = pushFont(font);
    m_inPre = true;
    // Each source line is a section of its own.
    auto openLine = [this] {
        closeSection();
        m_section = make<TPreFormated>(&m_doc, sectionLevel(), currentFont());
        if (m_inLink)
            m_section->HRef(currentFace(), m_offset, m_url);
        m_section->setSourceBegin(m_reader.offset());
    };
    std::string pending;
    std::size_t pendingBegin = m_reader.offset();
    // The character cell the next character takes in its line, for tab stops every eight.
    std::size_t column = 0;
    auto collect = [&](std::string_view text) {
        if (pending.empty())
            pendingBegin = m_reader.offset();
        pending.append(text);
        column += text::countChars(text);
    };
    auto flush = [&] {
        if (!pending.empty())
            m_section->AddText(pending, SourceRange{pendingBegin, m_reader.offset()});
        pending.clear();
    };
    auto tab = [&] {
        std::size_t to = (column / kTabStop + 1) * kTabStop;
        collect(std::string(to - column, ' '));
    };
    auto endLine = [&] {
        flush();
        m_token.begin = m_reader.offset();
        openLine();
        column = 0;
    };
    // The line end right after the tag and the one right before "</PRE>" only frame the text.
    if (m_reader.ch() == '\r')
        m_reader.next();
    m_token.begin = m_reader.offset();
    openLine();
    for (;;) {
        int c = m_reader.ch();
        if (c == kEof)
            break;
        if (c == '\r') {
            m_reader.next();
            if (m_reader.startsWithIgnoringCase("</pre"))
                flush();
            else
                endLine();
            continue;
        }
        if (c == '\t') {
            tab();
            m_reader.next();
            continue;
        }
        if (c == '&') {
            std::size_t at = m_reader.offset();
            next();
            if (m_token.text == "\t") {
                tab();
            } else if (m_token.text == "\n") {
                endLine();
            } else {
                flush();
                m_section->AddText(m_token.text, SourceRange{at, m_reader.offset()});
                column += text::countChars(m_token.text);
            }
            continue;
        }
        if (!m_reader.atTagOpen()) {
            if (std::string_view run = m_reader.takePlainRun(false); !run.empty()) {
                collect(run);
            } else {
                const char single = static_cast<char>(c);
                collect(std::string_view(&single, 1));
                m_reader.next();
            }
            continue;
        }
        flush();
        next();
        const Token& t = m_token;
        bool start = t.kind == TokenKind::Start;
        if (t.isEnd(Tag::Pre))
            break;
        switch (t.tag) {
        case Tag::P:
        case Tag::Br:
            if (!start && t.tag == Tag::Br)
                break;
            // A line end right after the tag belongs to it.
            if (m_reader.ch() == '\r')
                m_reader.next();
            endLine();
            break;
        case Tag::B: case Tag::Strong: case Tag::I: case Tag::Em: case Tag::Cite: case Tag::Var: case Tag::U:
        case Tag::A: case Tag::Font: case Tag::Form:
            applyTag();
            break;
        case Tag::Img: case Tag::BaseFont: case Tag::Input:
            if (start)
                applyTag();
            break;
        case Tag::Select:
        case Tag::Map:
            if (start) {
                m_inPre = false;
                if (t.tag == Tag::Select)
                    addSelect();
                else
                    map();
                m_inPre = true;
            }
            break;
        case Tag::TextArea:
            if (start)
                textArea();
            break;
        default:
            break;
        }
    }
    flush();
    m_inPre = false;
    if (pushed)
        popFont();
    m_token.begin = m_reader.offset();
    closeSection();
    next();
}

void Parser::select(TSelectFormControlObj& control)
{
    bool pending = false;
    TOptionObj option;
    auto addPending = [&] {
        if (pending) {
            option.text = std::string(text::trim(option.text));
            control.addOption(std::move(option));
        }
        pending = false;
        option = TOptionObj();
    };
    next();
    while (m_token.kind != TokenKind::Eof && !m_token.isEnd(Tag::Select)) {
        if (m_token.isStart(Tag::Option) || m_token.isEnd(Tag::Option)) {
            addPending();
            if (m_token.kind == TokenKind::Start) {
                pending = true;
                option.selected = m_attributes.has(AttrSymbol::Selected);
                if (const TAttribute* value = m_attributes.find(AttrSymbol::Value)) {
                    option.value = value->name;
                    option.hasValue = true;
                }
            }
        } else if (m_token.kind == TokenKind::Text && pending) {
            option.text += m_token.text;
        }
        next();
    }
    addPending();
    control.finishOptions();
    control.setSourceEnd(m_token.end);
}

void Parser::textArea()
{
    TSection& section = ensureSection();
    ThtmlForm& form = currentForm();
    auto control = std::make_shared<TTextAreaFormControlObj>(&form, 0, m_attributes, tokenRange());
    form.InsertControl(control);
    section.AddFormControl(control);
    // Its text is read as it stands: no tags, no entities, up to "</textarea". The line end
    // right after the tag only starts the text.
    std::string line;
    bool ended = false;
    if (m_reader.ch() == '\r')
        m_reader.next();
    for (;;) {
        int c = m_reader.ch();
        if (c == kEof)
            break;
        if (c == '\r') {
            control->addInitialLine(line);
            line.clear();
            m_reader.next();
            continue;
        }
        if (c == '<') {
            std::string tagText;
            do {
                tagText.push_back(static_cast<char>(m_reader.ch()));
                m_reader.next();
            } while (m_reader.ch() != kEof && !m_reader.atWhite() && m_reader.ch() != '>');
            if (text::equalsIgnoringCase(tagText, "</textarea")) {
                ended = true;
                break;
            }
            line += tagText;
            continue;
        }
        line.push_back(static_cast<char>(c));
        m_reader.next();
    }
    if (!line.empty())
        control->addInitialLine(line);
    if (ended) {
        while (m_reader.ch() != '>' && m_reader.ch() != kEof)
            m_reader.next();
        if (m_reader.ch() == '>')
            m_reader.next();
    }
    control->setSourceEnd(m_reader.offset());
    control->finishText();
}

void Parser::map()
{
    auto item = std::make_unique<TMapItem>(text::toUpper(m_attributes.text(AttrSymbol::Name)));
    next();
    while (m_token.kind != TokenKind::Eof && !m_token.isEnd(Tag::Map)) {
        if (m_token.isStart(Tag::Area))
            item->AddArea(m_attributes);
        next();
    }
    // A map without its end tag is dropped.
    if (m_token.isEnd(Tag::Map))
        m_doc.addMap(std::move(item));
}

void Parser::fontRoutine(bool baseFont)
{
    TMyFont font = m_fonts.top();
    for (const TAttribute& attribute : m_attributes.items()) {
        if (attribute.which == AttrSymbol::Size) {
            const std::string& value = attribute.name;
            std::int64_t size = attribute.value;
            if (value.size() > 1 && (value[0] == '+' || value[0] == '-'))
                size += m_baseFontSize;
            int step = text::clampInt(size, 1, 7);
            if (baseFont)
                m_baseFontSize = step;
            font.setNormalSize(pointsForStep(step, font.fixed), m_doc.fontSize());
        } else if (attribute.which == AttrSymbol::Color && !baseFont) {
            if (auto color = parseHtmlColor(attribute.name))
                font.color = *color;
        } else if (attribute.which == AttrSymbol::Face && !baseFont) {
            if (!attribute.name.empty())
                font.name = attribute.name;
        }
    }
    pushFont(font);
}

void Parser::sizeStep(bool bigger)
{
    TMyFont font = m_fonts.top();
    int step = nearestSizeStep(font.normalSize, font.fixed);
    if (bigger && step <= 6)
        ++step;
    else if (!bigger && step >= 2)
        --step;
    font.setNormalSize(pointsForStep(step, font.fixed), m_doc.fontSize());
    pushFont(font);
}

ParseResult parse(TSectionList& sections, TNameList& names, std::string_view text)
{
    try {
        Parser parser(sections, names, text);
        return parser.run();
    } catch (const ViewerError&) {
        // The sections still being built are gone; so must be the anchors that lead to them.
        names.keepOnlySectionsOf(sections);
        throw;
    }
}

} // namespace

std::string decodePageBytes(std::string_view bytes)
{
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (tessera::text::isValidUtf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        appendUtf8(text, windows1252ToUnicode(static_cast<unsigned char>(c)));
    return text;
}

ParseResult ParseTextBlock(TSectionList& sections, TNameList& names, std::string_view text)
{
    if (tessera::text::isValidUtf8(text))
        return parse(sections, names, text);
    std::string decoded = decodePageBytes(text);
    return parse(sections, names, decoded);
}

ParseResult ParseTextLines(TSectionList& sections, TNameList& names, const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return ParseTextBlock(sections, names, text);
}

ParseResult ParseTextFile(TSectionList& sections, TNameList& names, const std::string& fileName, FileReader& files)
{
    std::string bytes;
    if (!files.exists(fileName) || !files.readAll(fileName, bytes))
        throw EFileNotFound(fileName);
    std::string text = decodePageBytes(bytes);
    return parse(sections, names, text);
}

} // namespace tessera::viewer
