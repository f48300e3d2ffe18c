#pragma once

// The editor's selection as callers see it. Lines are numbered from 1 (EditorLine), columns
// count UTF-16 characters from the start of the line, the first being 0. The end is where the
// caret stands; the start may lie after it when the user selected backwards. Columns are full
// ints so that a very long line cannot wrap a column and select the wrong text.
struct EditorSelection {
    int StartPos = 0;
    int EndPos = 0;
    int StartLine = 0;
    int EndLine = 0;

    bool isEmpty() const { return StartLine == EndLine && StartPos == EndPos; }
    bool operator==(const EditorSelection&) const = default;
};
