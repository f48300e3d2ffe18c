#include "print/sourcelines.h"

#include <QRegularExpression>

namespace {

QString expandTabs(const QString& line, int tabSize)
{
    QString out;
    for (QChar c : line) {
        if (c == QLatin1Char('\t'))
            out += QString(tabSize - static_cast<int>(out.size()) % tabSize, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}

} // namespace

QStringList wrapSourceLines(const QString& text, int tabSize, qreal width, const std::function<qreal(QChar)>& advance)
{
    QStringList printed;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        // The line end of the last line starts no line of its own.
        if (index == lines.size() - 1 && lines[index].isEmpty() && index > 0)
            break;
        QString rest = expandTabs(lines[index], std::max(1, tabSize));
        do {
            qreal used = 0;
            qsizetype fits = 0;
            qsizetype lastSpace = -1;
            while (fits < rest.size() && (fits == 0 || used + advance(rest[fits]) <= width)) {
                used += advance(rest[fits]);
                if (rest[fits] == QLatin1Char(' '))
                    lastSpace = fits;
                ++fits;
            }
            const qsizetype cut = (fits < rest.size() && lastSpace >= 0) ? lastSpace + 1 : fits;
            printed << rest.left(cut);
            rest = rest.mid(cut);
        } while (!rest.isEmpty());
    }
    return printed;
}
