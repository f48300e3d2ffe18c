#pragma once

// The editor counts its lines from 1, so that the last line's number equals the line count.
// Code that works with 0-based line indexes (text buffers, QStringList positions) converts here
// and nowhere else. Line 0 has no index of its own: the editor treats it as the start of the
// text, so it maps to index 0 like line 1.
namespace EditorLine {

inline constexpr int first = 1;

constexpr int fromIndex(int index)
{
    return index < 0 ? first : index + 1;
}

constexpr int toIndex(int line)
{
    return line < first ? 0 : line - 1;
}

} // namespace EditorLine
