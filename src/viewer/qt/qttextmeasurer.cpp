#include "viewer/qt/qttextmeasurer.h"

#include <QString>
#include <QStringList>

namespace tessera::viewer {

namespace {

// The faces pages ask for most, and the free faces that match their widths best.
void addSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), QStringList{QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("Nimbus Mono PS"), QStringLiteral("Cousine")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arimo")});
}

} // namespace

QFont qtFontFor(const TMyFont& font)
{
    addSubstitutions();
    QFont qfont(QString::fromStdString(font.name));
    qfont.setStyleHint(font.fixed ? QFont::TypeWriter : QFont::Serif);
    qfont.setPixelSize(std::max(1, mulDiv(font.size, 96, 72)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setKerning(false);
    return qfont;
}

namespace {

std::string keyOf(const TMyFont& font)
{
    std::string key = font.name;
    key += '|';
    key += std::to_string(font.size);
    key += font.bold ? 'b' : '-';
    key += font.italic ? 'i' : '-';
    key += font.fixed ? 'f' : '-';
    return key;
}

// Decodes one UTF-8 character at index and moves past it; bad bytes stand for themselves.
char32_t decode(std::string_view text, std::size_t& index)
{
    unsigned char c = static_cast<unsigned char>(text[index]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : extra == 1 ? (c & 0x1F) : c;
    ++index;
    for (int k = 0; k < extra && index < text.size(); ++k) {
        unsigned char d = static_cast<unsigned char>(text[index]);
        if ((d & 0xC0) != 0x80)
            break;
        code = (code << 6) | (d & 0x3F);
        ++index;
    }
    return code;
}

} // namespace

int QtTextMeasurer::fontId(const TMyFont& font)
{
    std::string key = keyOf(font);
    auto found = m_ids.find(key);
    if (found != m_ids.end())
        return found->second;
    auto entry = std::make_unique<Entry>();
    TMyFont plain = font;
    plain.underline = false;
    entry->font = qtFontFor(plain);
    entry->metrics = m_device ? std::make_unique<QFontMetricsF>(entry->font, m_device)
                              : std::make_unique<QFontMetricsF>(entry->font);
    for (int c = 0; c < 128; ++c)
        entry->ascii[static_cast<std::size_t>(c)] = c < 32 ? 0 : entry->metrics->horizontalAdvance(QChar(c));
    FontMetrics& m = entry->engineMetrics;
    m.valid = true;
    m.ascent = qRound(entry->metrics->ascent());
    m.descent = qRound(entry->metrics->descent());
    m.height = m.ascent + m.descent;
    m.overhang = 0;
    int id = static_cast<int>(m_fonts.size());
    m_fonts.push_back(std::move(entry));
    m_ids.emplace(std::move(key), id);
    return id;
}

FontMetrics QtTextMeasurer::metrics(int fontId) { return m_fonts.at(static_cast<std::size_t>(fontId))->engineMetrics; }

double QtTextMeasurer::advance(Entry& entry, std::string_view text, std::size_t& index)
{
    unsigned char c = static_cast<unsigned char>(text[index]);
    if (c < 128) {
        ++index;
        return entry.ascii[c];
    }
    char32_t code = decode(text, index);
    auto found = entry.other.find(code);
    if (found != entry.other.end())
        return found->second;
    double w = entry.metrics->horizontalAdvance(QString::fromUcs4(&code, 1));
    entry.other.emplace(code, w);
    return w;
}

int QtTextMeasurer::textWidth(int fontId, std::string_view text)
{
    Entry& entry = *m_fonts.at(static_cast<std::size_t>(fontId));
    double width = 0;
    std::size_t index = 0;
    while (index < text.size())
        width += advance(entry, text, index);
    return static_cast<int>(width + 0.5);
}

int QtTextMeasurer::fitText(int fontId, std::string_view text, int maxWidth, int& width)
{
    Entry& entry = *m_fonts.at(static_cast<std::size_t>(fontId));
    double used = 0;
    std::size_t index = 0;
    while (index < text.size()) {
        std::size_t next = index;
        double w = advance(entry, text, next);
        if (static_cast<int>(used + w + 0.5) > maxWidth)
            break;
        used += w;
        index = next;
    }
    width = static_cast<int>(used + 0.5);
    return static_cast<int>(index);
}

} // namespace tessera::viewer
