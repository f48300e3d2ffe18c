#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of the tips file: lines 0-9 are the helper texts (helper N shows line N-1), the tips
// follow from line 10, and the file's last line is a closing line that is never shown.
class TipBook {
public:
    static constexpr int firstTipLine = 10;
    static constexpr int maximumTextLength = 255;

    TipBook() = default;
    explicit TipBook(QStringList lines);

    // Reads the file; a missing or unreadable file gives an empty book.
    static TipBook fromFile(const QString& fileName);

    struct Entry {
        QString title;
        QString text;
    };

    int lineCount() const { return m_lines.size(); }
    // True when at least one tip line lies between the helper lines and the closing line.
    bool hasTips() const { return m_lines.size() - 1 > firstTipLine; }

    enum class Direction { Next, Previous };
    enum class Buttons { Stepping, Hidden };
    // The line shown after a step from `index`. Stepping back never enters the helper lines while
    // the stepping buttons are visible; running off either end wraps to the first tip.
    int step(int index, Direction direction, Buttons buttons) const;

    // The title and text of a displayable line, or nothing for a line that does not exist or is
    // the closing line. Each "%s" in the text becomes a line break; no other character is special.
    std::optional<Entry> entryAt(int line) const;

    static QString titleFor(QChar marker);

private:
    QStringList m_lines;
};
