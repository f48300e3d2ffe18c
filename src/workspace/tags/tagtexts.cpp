#include "workspace/tags/tagtexts.h"

#include "generators/builders/generatorhelpers.h"

#include <algorithm>
#include <optional>

namespace TagTexts {

QString colourHex(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return QString::fromStdString(tessera::generators::colourToHex({rgb.red(), rgb.green(), rgb.blue()}));
}

QColor colourFromHex(const QString& hex, const QColor& fallback)
{
    const std::optional<tessera::generators::Rgb> rgb = tessera::generators::hexToColour(hex.toStdString());
    return rgb ? QColor(rgb->red, rgb->green, rgb->blue) : fallback;
}

QString dateText(const QLocale& locale, const QDate& date)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString timeText(const QLocale& locale, const QTime& time)
{
    // Drop the unquoted "t" fields (the zone) of the long format, then the blanks they leave.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString withoutZone;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            withoutZone += c;
    }
    return locale.toString(time, withoutZone.simplified());
}

QStringList tableLines(const TableSpec& spec)
{
    QString opening = QStringLiteral("<TABLE ");
    if (spec.border)
        opening += QStringLiteral("BORDER ");
    if (spec.widthPercent > 0)
        opening += QStringLiteral("WIDTH=\"%1%\"").arg(spec.widthPercent);
    opening += QLatin1Char('>');
    QStringList lines {opening};
    const int rows = std::clamp(spec.rows, 1, maxTableRows);
    const int columns = std::clamp(spec.columns, 1, maxTableColumns);
    for (int r = 1; r <= rows; ++r) {
        lines << QStringLiteral("<TR>");
        for (int c = 1; c <= columns; ++c)
            lines << QStringLiteral("<TD>Cell:%1,%2</TD>").arg(r).arg(c);
        lines << QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>");
    return lines;
}

QStringList listLines(const ListSpec& spec)
{
    const bool isDefault = spec.style.isEmpty() || spec.style == QLatin1String("Default");
    QString first;
    QString last;
    if (spec.kind == ListKind::Ordered) {
        first = QStringLiteral("<OL ");
        if (!isDefault)
            first += QStringLiteral("TYPE=\"%1\" ").arg(spec.style.left(1));
        if (spec.start != 1)
            first += QStringLiteral("START=%1 ").arg(spec.start);
        first += QLatin1Char('>');
        last = QStringLiteral("</OL>");
    } else if (spec.kind == ListKind::Unordered) {
        first = QStringLiteral("<UL ");
        static const QStringList styles = {QStringLiteral("disc"), QStringLiteral("circle"), QStringLiteral("square")};
        if (styles.contains(spec.style))
            first += QStringLiteral("TYPE=\"%1\" ").arg(spec.style);
        first += QLatin1Char('>');
        last = QStringLiteral("</UL>");
    }
    QStringList lines {first};
    const int count = std::clamp(spec.count, 1, maxListItems);
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("<LI> Line:%1").arg(i);
    lines << last;
    return lines;
}

QString imageTag(const ImageSpec& spec)
{
    QString tag = QStringLiteral("<IMG SRC=\"%1\"").arg(spec.name);
    if (!spec.alignment.isEmpty())
        tag += QStringLiteral(" ALIGN=\"%1\"").arg(spec.alignment);
    if (spec.width > 0)
        tag += QStringLiteral(" WIDTH=\"%1\"").arg(spec.width);
    if (spec.height > 0)
        tag += QStringLiteral(" HEIGHT=\"%1\"").arg(spec.height);
    tag += QLatin1Char('>');
    if (!spec.link.isEmpty())
        tag = QStringLiteral("<A HREF=\"%1\">%2</A>").arg(spec.link, tag);
    return tag;
}

QString linkTag(const QString& prefix, const QString& url, const QString& text)
{
    return QStringLiteral("<A HREF=\"") + prefix + url + QStringLiteral("\">") + text + QStringLiteral("</A>");
}

std::pair<QString, QString> fontTags(const FontSpec& spec)
{
    QString opening = QStringLiteral("<FONT FACE=\"%1\" SIZE=\"%2\"").arg(spec.family).arg(spec.pointSize);
    if (spec.colour)
        opening += QStringLiteral(" COLOR=\"#%1\"").arg(colourHex(*spec.colour));
    opening += QLatin1Char('>');
    QString closing = QStringLiteral("</FONT>");
    const std::pair<bool, QChar> styles[] = {
        {spec.bold, QLatin1Char('B')},
        {spec.italic, QLatin1Char('I')},
        {spec.underline, QLatin1Char('U')},
        {spec.strikeOut, QLatin1Char('S')},
    };
    for (const auto& [on, letter] : styles) {
        if (!on)
            continue;
        opening.prepend(QStringLiteral("<%1>").arg(letter));
        closing.append(QStringLiteral("</%1>").arg(letter));
    }
    return {opening, closing};
}

QString standardTags(const QString& lb)
{
    return QStringLiteral("<HTML>") + lb + QStringLiteral("<HEAD>") + lb + QStringLiteral("<TITLE>Web page Title</TITLE>")
        + lb + QStringLiteral("</HEAD>") + lb + QStringLiteral("<BODY>") + lb + lb + QStringLiteral("</BODY>") + lb
        + QStringLiteral("</HTML>");
}

QString formSkeleton(const QString& lb)
{
    return lb + QStringLiteral("<FORM METHOD=\"POST\" ACTION=\"mailto:") + formAddressPlaceholder + QStringLiteral("\">")
        + lb + QStringLiteral("<!--Put form fields after the above opening FORM tag and before the closing /FORM tag-->")
        + lb
        + QStringLiteral("<P ALIGN=\"CENTER\"><INPUT TYPE=\"submit\" VALUE=\"Submit Form\">"
                         "<INPUT TYPE=\"reset\" VALUE=\"Reset Form\"></P>")
        + lb + QStringLiteral("</FORM>");
}

QString templateMarker(const QString& name, const QString& lb)
{
    return lb + QStringLiteral("<!--##") + name + QStringLiteral("-->") + lb;
}

QString pageDefaultsMarker(const QString& lb)
{
    return lb + QStringLiteral("<!--##Defaults-->") + lb + lb + lb;
}

QString listBoxField(const QString& lb)
{
    return QStringLiteral("<SELECT NAME=\"listbox\" Size=\"0\">") + lb + QStringLiteral("</SELECT>");
}

} // namespace TagTexts
