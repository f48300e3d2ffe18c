#pragma once

#include "workspace/editing/pagetext.h"

#include <QString>

#include <optional>

// Finding and rewriting the page's title element.
namespace TitleEditor {

enum class TitleState {
    Found,    // a title element with its closing tag
    Missing,  // no title element: a new one goes to `insertAt`
    Unclosed, // a title tag without "</title>": left alone
};

struct TitlePlace {
    TitleState state = TitleState::Missing;
    // The title as the user reads it: the element's text with its blanks and line breaks
    // folded to single blanks.
    QString currentTitle;
    int elementStart = 0;
    int contentStart = 0;
    int contentEnd = 0;
    int elementEnd = 0;
    int insertAt = 0;
};

// The first title element of the page outside comments. Without one, a new title belongs right
// after the HEAD tag, or after the HTML tag, or after a document type line, or at the top.
TitlePlace findTitle(const QString& text);

// The edit that gives the page the new title: the text between the tags is replaced (the tags
// stay as written), or a new element is put on a line of its own. Nothing for an unclosed title.
std::optional<PageText::TextEdit> titleEdit(const QString& text, const TitlePlace& place, const QString& newTitle);

} // namespace TitleEditor
