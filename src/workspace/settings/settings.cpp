#include "workspace/settings/settings.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <climits>
#include <type_traits>

namespace {

const QString organisationName = QStringLiteral("Marrowdale Software");
const QString applicationName = QStringLiteral("Tessera");

// How a stored text is checked when read.
enum class TextKind {
    Plain,  // any text
    Number, // decimal number text (colours, font sizes); anything else reads as empty
};

// No limit: used for paths, which must never be cut.
constexpr int unlimited = -1;

// Every key of the store, in the stored order, is named once below. The same walk reads and
// writes, so a key cannot be read under one name and written under another.
template <typename Record, typename Visitor>
void forEachSetting(Record& record, Visitor& visit)
{
    visit.group("LastFiles");
    for (int i = 0; i < TesseraSettings::recentFileCount; ++i)
        visit.text(QStringLiteral("File%1").arg(i + 1), record.lastFiles.files[i], unlimited);
    visit.flag(QStringLiteral("AutoLoad"), record.lastFiles.autoLoad);

    visit.group("Helpers");
    // Stored in this order; the flags themselves are kept in hint order.
    static const struct {
        const char* key;
        int flag;
    } helperKeys[TesseraSettings::helperFlagCount] = {
        {"ExpandingChars", 9},   {"fullscreen", 1},        {"NewFile", 0},
        {"BrowserRefresh", 2},   {"SimpleTable", 3},       {"ImageDisplaying", 4},
        {"Wordwrap", 5},         {"DefaultExtension", 6},  {"InternalClipboard", 7},
        {"SavingToDefault", 8},
    };
    for (const auto& helper : helperKeys)
        visit.flag(QLatin1String(helper.key), record.helpers.flags[helper.flag]);
    visit.flag(QStringLiteral("ShowTipOfTheDay"), record.helpers.showTipOfTheDay);
    visit.number(QStringLiteral("TipNumber"), record.helpers.tipNumber, 0, 1000000);

    visit.group("Spelling");
    visit.flag(QStringLiteral("AutoAdd"), record.spelling.autoAdd);
    visit.flag(QStringLiteral("SkipHTML"), record.spelling.skipHtml);
    visit.number(QStringLiteral("SuggestCount"), record.spelling.suggestCount, 1, 100);
    visit.number(QStringLiteral("Language"), record.spelling.language, 0, 255);
    visit.number(QStringLiteral("DialogStyle"), record.spelling.dialogStyle, 0, 2);
    visit.flag(QStringLiteral("Classic suggestions"), record.spelling.classicSuggestions);
    visit.text(QStringLiteral("DictionaryName"), record.spelling.dictionaryName, SettingsLimits::text);

    visit.group("Defaults");
    auto& d = record.defaults;
    visit.flag(QStringLiteral("ExpandCharstoHTML"), d.expandCharsToHtml);
    visit.number(QStringLiteral("TabSize"), d.tabSize, 0, 20);
    visit.flag(QStringLiteral("ShowHints"), d.showHints);
    visit.flag(QStringLiteral("ShowProjectPanel"), d.showProjectPanel);
    visit.flag(QStringLiteral("AutoUpdate"), d.autoUpdate);
    visit.flag(QStringLiteral("Wordwrap"), d.wordwrap);
    visit.text(QStringLiteral("BackgroundColor"), d.backgroundColor, SettingsLimits::text, TextKind::Number);
    visit.flag(QStringLiteral("ShowImages"), d.showImages);
    visit.flag(QStringLiteral("FollowCaret"), d.followCaret);
    visit.text(QStringLiteral("Browser1"), d.browser1, unlimited);
    visit.text(QStringLiteral("Browser2"), d.browser2, unlimited);
    visit.flag(QStringLiteral("Browser1Prefix"), d.browser1Prefix);
    visit.flag(QStringLiteral("Browser2Prefix"), d.browser2Prefix);
    visit.flag(QStringLiteral("UseBR"), d.useBr);
    visit.text(QStringLiteral("FontName"), d.fontName, SettingsLimits::text);
    visit.text(QStringLiteral("FontSize"), d.fontSize, SettingsLimits::text, TextKind::Number);
    visit.text(QStringLiteral("FontColor"), d.fontColor, SettingsLimits::text, TextKind::Number);
    visit.text(QStringLiteral("FontStyle"), d.fontStyle, SettingsLimits::text);
    visit.text(QStringLiteral("HTMLFontName"), d.htmlFontName, SettingsLimits::text);
    visit.text(QStringLiteral("HTMLFontSize"), d.htmlFontSize, SettingsLimits::text, TextKind::Number);
    visit.text(QStringLiteral("HTMLFontColor"), d.htmlFontColor, SettingsLimits::text, TextKind::Number);
    visit.text(QStringLiteral("HTMLBackgroundColor"), d.htmlBackgroundColor, SettingsLimits::text, TextKind::Number);
    visit.text(QStringLiteral("SyntaxBGColor"), d.syntaxBgColor, SettingsLimits::shortText, TextKind::Number);
    visit.text(QStringLiteral("SyntaxFGColor"), d.syntaxFgColor, SettingsLimits::shortText, TextKind::Number);
    visit.text(QStringLiteral("HighlightBGColor"), d.highlightBgColor, SettingsLimits::shortText, TextKind::Number);
    visit.text(QStringLiteral("HighlightFGColor"), d.highlightFgColor, SettingsLimits::shortText, TextKind::Number);
    visit.text(QStringLiteral("Extension"), d.extension, SettingsLimits::extensions);
    visit.text(QStringLiteral("GraphicExtension"), d.graphicExtension, SettingsLimits::extensions);
    visit.flag(QStringLiteral("UseClosingP"), d.useClosingP);
    visit.number(QStringLiteral("FileFormat"), d.fileFormat, 0, 2);
    visit.flag(QStringLiteral("AutoIndent"), d.autoIndent);
    visit.number(QStringLiteral("FontSizeChange"), d.fontSizeChange, 1, 7);
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        visit.flag(QStringLiteral("ShowCustom%1").arg(i + 1), d.showCustom[i]);
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        visit.text(QStringLiteral("Custom%1caption").arg(i + 1), d.customCaption[i], SettingsLimits::shortText);
    visit.text(QStringLiteral("AuthorName"), d.authorName, SettingsLimits::authorName);

    visit.group("WindowAttributes");
    auto& w = record.windowAttributes;
    // Generous bounds: anything outside is garbage, not a screen position.
    constexpr int far = 1000000;
    visit.flag(QStringLiteral("Maximized"), w.maximized);
    visit.number(QStringLiteral("Top"), w.top, -far, far);
    visit.number(QStringLiteral("Left"), w.left, -far, far);
    visit.number(QStringLiteral("Width"), w.width, 0, far);
    visit.number(QStringLiteral("Height"), w.height, 0, far);
    visit.number(QStringLiteral("SplitPosition"), w.splitPosition, 0, far);
    visit.number(QStringLiteral("SplitShare"), w.splitShare, 0, TesseraSettings::WindowAttributes::wholeShare);
    visit.number(QStringLiteral("SplitDirection"), w.splitDirection, 0, 1);
}

bool isWholeNumber(const QString& text, qlonglong* number = nullptr)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (ok && number)
        *number = value;
    return ok;
}

// The stored value as text when it holds a text or a number; nothing for other types (byte
// arrays, rectangles, ...). A comma-separated value typed into the file by hand reads back as a
// list: it is taken as the text it was meant to be.
std::optional<QString> storedText(const QVariant& stored)
{
    switch (stored.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return stored.toString();
    case QMetaType::QStringList:
        return stored.toStringList().join(QLatin1Char(','));
    default:
        return std::nullopt;
    }
}

// Cuts `text` to `limit` characters without splitting a surrogate pair.
QString cutToLimit(const QString& text, int limit)
{
    if (limit == unlimited || text.size() <= limit)
        return text;
    QString cut = text.left(limit);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

// Walks the settings one group at a time, leaving the last group when done.
class GroupCursor {
public:
    explicit GroupCursor(QSettings& settings) : m_settings(settings) {}
    GroupCursor(const GroupCursor&) = delete;
    GroupCursor& operator=(const GroupCursor&) = delete;
    ~GroupCursor()
    {
        if (m_inGroup)
            m_settings.endGroup();
    }

    void group(const char* name)
    {
        if (m_inGroup)
            m_settings.endGroup();
        m_settings.beginGroup(QLatin1String(name));
        m_inGroup = true;
    }

protected:
    QSettings& m_settings;

private:
    bool m_inGroup = false;
};

class Reader : public GroupCursor {
public:
    using GroupCursor::GroupCursor;

    void flag(const QString& key, bool& value)
    {
        const std::optional<QString> text = storedText(m_settings.value(key));
        if (!text)
            return;
        const QString t = text->trimmed();
        if (t == QLatin1String("1") || t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            value = true;
        else if (t == QLatin1String("0") || t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            value = false;
    }

    void number(const QString& key, int& value, int minimum, int maximum)
    {
        const std::optional<QString> text = storedText(m_settings.value(key));
        qlonglong number = 0;
        if (text && isWholeNumber(*text, &number) && number >= minimum && number <= maximum)
            value = static_cast<int>(number);
    }

    void text(const QString& key, QString& value, int limit, TextKind kind = TextKind::Plain)
    {
        const std::optional<QString> text = storedText(m_settings.value(key));
        if (!text)
            return;
        const QString cut = cutToLimit(*text, limit);
        if (kind == TextKind::Number && !cut.isEmpty() && !isWholeNumber(cut)) {
            value.clear();
            return;
        }
        value = cut;
    }
};

class Writer : public GroupCursor {
public:
    using GroupCursor::GroupCursor;

    // Flags are stored as 0 and 1, as numbers rather than words.
    void flag(const QString& key, bool value) { m_settings.setValue(key, value ? 1 : 0); }
    void number(const QString& key, int value, int, int) { m_settings.setValue(key, value); }
    void text(const QString& key, const QString& value, int limit, TextKind = TextKind::Plain)
    {
        m_settings.setValue(key, cutToLimit(value, limit));
    }
};

QString statusText(QSettings::Status status)
{
    switch (status) {
    case QSettings::AccessError:
        return QStringLiteral("the settings file could not be written (it may be read-only, or its folder may be missing or read-only)");
    case QSettings::FormatError:
        return QStringLiteral("the settings file is damaged");
    case QSettings::NoError:
        break;
    }
    return QString();
}

// Whether the settings file exists but cannot be parsed.
bool isDamaged(const QString& fileName, QSettings::Format format)
{
    if (fileName.isEmpty() || !QFile::exists(fileName))
        return false;
    QSettings probe(fileName, format);
    // Sections are parsed only when their keys are asked for.
    probe.allKeys();
    return probe.status() == QSettings::FormatError;
}

QSettings::Status writeRecord(const TesseraSettings& record, QSettings& settings)
{
    {
        Writer writer(settings);
        forEachSetting(record, writer);
    }
    settings.sync();
    return settings.status();
}

} // namespace

void TesseraSettings::ReadIni(QSettings& settings)
{
    *this = TesseraSettings();
    Reader reader(settings);
    forEachSetting(*this, reader);
}

void TesseraSettings::ReadIni()
{
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, organisationName, applicationName);
    ReadIni(settings);
}

bool TesseraSettings::SaveIni(QSettings& settings, QString* error) const
{
    if (!settings.isWritable()) {
        if (error)
            *error = QStringLiteral("The settings could not be saved to %1: %2.")
                         .arg(settings.fileName(), statusText(QSettings::AccessError));
        return false;
    }
    const QString fileName = settings.fileName();
    QSettings::Status status = QSettings::NoError;
    if (isDamaged(fileName, settings.format())) {
        // QSettings would rewrite a file it cannot parse with whatever it could salvage, and go on
        // reporting the damage after every save. Keep the damaged file beside it and start afresh.
        const QString kept = fileName + QStringLiteral(".damaged");
        QFile::remove(kept);
        QFile::rename(fileName, kept);
        QSettings fresh(fileName, settings.format());
        status = writeRecord(*this, fresh);
    } else {
        status = writeRecord(*this, settings);
    }
    if (status != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("The settings could not be saved to %1: %2.")
                         .arg(settings.fileName(), statusText(status));
        return false;
    }
    return true;
}

bool TesseraSettings::SaveIni(QString* error) const
{
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, organisationName, applicationName);
    return SaveIni(settings, error);
}

std::optional<QColor> colourFromText(const QString& text)
{
    qlonglong value = 0;
    if (!isWholeNumber(text, &value))
        return std::nullopt;
    return colourFromValue(value);
}

QString colourToText(const QColor& colour)
{
    if (!colour.isValid())
        return QString();
    return QString::number(colourValue(colour));
}

std::optional<QColor> colourFromValue(qint64 value)
{
    if (value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    // Windows keeps red in the low byte.
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

qint64 colourValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

std::optional<int> fontSizeFromText(const QString& text)
{
    qlonglong value = 0;
    if (!isWholeNumber(text, &value) || value < 1 || value > 500)
        return std::nullopt;
    return int(value);
}

int dialogTypeFromStyle(int style)
{
    switch (style) {
    case 0:
        return 1;
    case 1:
        return 0;
    default:
        return 2;
    }
}

int dialogStyleFromType(int type)
{
    switch (type) {
    case 0:
        return 1;
    case 1:
        return 0;
    default:
        return 2;
    }
}
