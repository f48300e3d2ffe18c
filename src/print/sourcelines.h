#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The printed lines of a source text: tabs expanded to `tabSize` columns, and lines wider than
// `width` broken after the last space that fits, or between characters in a word too long for a
// line. An empty line stays a line; every printed line holds at least one character.
QStringList wrapSourceLines(const QString& text, int tabSize, qreal width, const std::function<qreal(QChar)>& advance);
