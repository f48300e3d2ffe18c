#include "app/tipbook.h"

#include <QFile>
#include <QTextStream>

TipBook::TipBook(QStringList lines)
    : m_lines(std::move(lines))
{
}

TipBook TipBook::fromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line))
        lines << line;
    return TipBook(lines);
}

int TipBook::step(int index, Direction direction, Buttons buttons) const
{
    if (direction == Direction::Next) {
        ++index;
    } else {
        --index;
        if (buttons == Buttons::Stepping && index < firstTipLine)
            index = firstTipLine;
    }
    if (index < 0)
        index = m_lines.size() - 1;
    if (index >= m_lines.size() - 1)
        index = firstTipLine;
    return index;
}

std::optional<TipBook::Entry> TipBook::entryAt(int line) const
{
    // The closing line and anything past it are never shown.
    if (line < 0 || line >= m_lines.size() - 1)
        return std::nullopt;
    const QString& source = m_lines.at(line);
    Entry entry;
    if (!source.isEmpty()) {
        entry.title = titleFor(source.front());
        entry.text = source.mid(1, maximumTextLength);
    }
    // The text is taken literally: "100% free" stays as it is written.
    entry.text.replace(QStringLiteral("%s"), QStringLiteral("\n"));
    return entry;
}

QString TipBook::titleFor(QChar marker)
{
    switch (marker.unicode()) {
    case '?': return QStringLiteral("Did you know...");
    case '^': return QStringLiteral("Today's tip...");
    case '\'': return QStringLiteral("Today's quote...");
    case '!': return QStringLiteral("Today's joke...");
    case '#': return QStringLiteral("Today's message...");
    default: return {};
    }
}
