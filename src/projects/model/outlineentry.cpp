#include "projects/model/outlineentry.h"

OutlineEntry OutlineEntry::split(const QString& text)
{
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return {QString(), text};
    // The blank on either side of the dash belongs to the separator; a text that is too short for
    // it simply has nothing there.
    return {text.left(qMax<qsizetype>(0, dash - 1)), text.mid(dash + 2)};
}

QString OutlineEntry::join(const QString& description, const QString& path)
{
    return description + QStringLiteral(" - ") + path;
}
