#include "workspace/pages/pagefilters.h"

#include <QStringList>

namespace {

QString patternsFor(const QString& extensions)
{
    QString result;
    for (const QString& entry : extensions.split(QLatin1Char(','), Qt::SkipEmptyParts))
        result += QStringLiteral("*.") + entry.trimmed() + QLatin1Char(';');
    return result;
}

QStringList pairs(const QString& pipeFilter)
{
    return pipeFilter.split(QLatin1Char('|'));
}

} // namespace

QString openPageFilter(const QString& webExtensions, const QString& graphicExtensions)
{
    QString web = patternsFor(webExtensions);
    if (web.isEmpty())
        web = QStringLiteral("*.htm;*.html");
    QString graphic = patternsFor(graphicExtensions);
    if (graphic.isEmpty())
        graphic = QStringLiteral("*.gif;*.jpg");
    return QStringLiteral("Web Documents|") + web + QStringLiteral("|HTMLFiles|*.html|Graphics|") + graphic
        + QStringLiteral("|Executable|*.exe|FrameSettings|*.set|");
}

QString qtFileDialogFilter(const QString& pipeFilter)
{
    const QStringList parts = pairs(pipeFilter);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (parts[i].isEmpty() && patterns.isEmpty())
            continue;
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QStringList filterPatterns(const QString& pipeFilter, int index)
{
    const QStringList parts = pairs(pipeFilter);
    const qsizetype at = qsizetype(index - 1) * 2 + 1;
    if (index < 1 || at >= parts.size())
        return {};
    return parts[at].split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
