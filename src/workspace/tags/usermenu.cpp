#include "workspace/tags/usermenu.h"

#include "workspace/tags/taginserter.h"
#include "workspace/tags/tagtarget.h"

#include <QFile>
#include <QMenu>
#include <QStringDecoder>

#include <algorithm>

namespace UserMenu {
namespace {

constexpr int maxLineLength = 255;

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

} // namespace

bool isUsableLine(const QString& line)
{
    if (line.trimmed().isEmpty() || line.size() > maxLineLength)
        return false;
    for (QChar c : line) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            return false;
    }
    if (!line.contains(QStringLiteral("..")))
        return !line.startsWith(QLatin1Char(' '));
    const auto [opening, closing] = TagRules::unevenTags(line);
    return !opening.isEmpty() || !closing.isEmpty();
}

QStringList readMenuFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = decoded(file.readAll());
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (isUsableLine(line))
            lines << line;
    }
    std::sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
        const int byCase = QString::compare(a, b, Qt::CaseInsensitive);
        return byCase != 0 ? byCase < 0 : a < b;
    });
    return lines;
}

void ClearMenu(QMenu* menu)
{
    if (!menu)
        return;
    // Deletes the items the menu owns.
    menu->clear();
}

int LoadMenu(QMenu* menu, const QString& path, TagInserter* inserter)
{
    if (!menu)
        return 0;
    ClearMenu(menu);
    const QStringList lines = readMenuFile(path);
    for (const QString& line : lines) {
        // "&" would become an accelerator mark; the caption shows the line as written.
        QAction* action = menu->addAction(QString(line).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setData(line);
        if (inserter)
            QObject::connect(action, &QAction::triggered, inserter, [inserter, line] { inserter->address1Click(line); });
    }
    return int(lines.size());
}

} // namespace UserMenu
