#pragma once

#include <QColor>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>
#include <utility>

// The texts that the built-in tag commands insert, built without widgets.
namespace TagTexts {

// Six upper-case hexadecimal digits RRGGBB, without "#".
QString colourHex(const QColor& colour);
// The reverse: "RRGGBB" with an optional "#" (empty is black); `fallback` for anything else.
QColor colourFromHex(const QString& hex, const QColor& fallback);

// The date and time as the locale writes them: its short date, and its long time without the
// time zone, which a page's reader would take for their own.
QString dateText(const QLocale& locale, const QDate& date);
QString timeText(const QLocale& locale, const QTime& time);

struct TableSpec {
    bool border = false;
    int widthPercent = 0;
    int rows = 2;
    int columns = 2;
};
inline constexpr int maxTableColumns = 30;
inline constexpr int maxTableRows = 1000;
QStringList tableLines(const TableSpec& spec);

enum class ListKind { None, Ordered, Unordered };
struct ListSpec {
    ListKind kind = ListKind::None;
    // The chosen style item: "Default", or for ordered lists an item whose first character is
    // the type ("A", "a", "I", "i"), for unordered lists "disc", "circle" or "square".
    QString style = QStringLiteral("Default");
    int start = 1;
    int count = 3;
};
inline constexpr int maxListItems = 1600;
QStringList listLines(const ListSpec& spec);

struct ImageSpec {
    QString name;
    QString alignment;
    int width = 0;
    int height = 0;
    QString link;
};
QString imageTag(const ImageSpec& spec);

QString linkTag(const QString& prefix, const QString& url, const QString& text);

// The opening and closing texts for a font chosen in the font dialog.
struct FontSpec {
    QString family;
    int pointSize = 12;
    // Written only when one was chosen.
    std::optional<QColor> colour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};
std::pair<QString, QString> fontTags(const FontSpec& spec);

QString standardTags(const QString& lineBreak);
QString formSkeleton(const QString& lineBreak);
QString templateMarker(const QString& name, const QString& lineBreak);
QString pageDefaultsMarker(const QString& lineBreak);
QString listBoxField(const QString& lineBreak);

inline const QString formAddressPlaceholder = QStringLiteral("your.name@example.com");
inline const QStringList linkPrefixes = {
    QStringLiteral("http://"), QStringLiteral("http://www."), QStringLiteral("ftp://"), QStringLiteral("ftp://ftp."),
    QStringLiteral("mailto:"), QStringLiteral("#"), QStringLiteral("news:"), QStringLiteral("file:"),
    QStringLiteral("file:///"), QStringLiteral("gopher://"), QStringLiteral("telnet://"), QStringLiteral("wais://"),
};
inline const QStringList templateMarkerNames = {
    QStringLiteral("Body"), QStringLiteral("Link"), QStringLiteral("MailLink"),
    QStringLiteral("Image"), QStringLiteral("Text"), QStringLiteral("Heading"),
};
inline const QStringList imageTypes = {
    QStringLiteral("Default"), QStringLiteral("Bullets"), QStringLiteral("Buttons"),
    QStringLiteral("Icons"), QStringLiteral("Lines"), QStringLiteral("Tiles"),
};

} // namespace TagTexts
