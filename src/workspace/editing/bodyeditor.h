#pragma once

#include "workspace/editing/pagetext.h"

#include <QColor>
#include <QString>

#include <optional>

// The page's BODY tag: reading its settings, and writing them back.
namespace BodyEditor {

// The body settings the main window remembers between uses of the body dialog.
struct BodyAttributes {
    QString backgroundImage;
    QColor text = Qt::black;
    QColor link = Qt::black;
    QColor visited = Qt::black;
    QColor active = Qt::black;
    QColor background = Qt::white;
    int leftMargin = -1;  // -1: not set
    int rightMargin = -1;
    bool fixedBackground = false;

    bool operator==(const BodyAttributes&) const = default;
};

// Six hexadecimal digits with an optional "#", or one of the sixteen colour names of HTML;
// nothing for any other text.
std::optional<QColor> parseColour(QStringView text);

// Reads a BODY tag's text into the remembered settings: the background image is cleared, every
// other setting the tag does not give (or gives in a form that cannot be read) keeps its value.
BodyAttributes SetBodyVars(const QString& tag, const BodyAttributes& remembered);

// A new BODY tag written from the settings, for a page that has none.
QString buildBodyTag(const BodyAttributes& body);

// The page's BODY tag with the settings written into it. A setting the dialog left as it found it
// keeps its attribute exactly as written; a changed one is rewritten in place or added; the
// background, margins and fixed flag are removed when no longer set. Attributes the dialog does
// not know (onload, class, style, anything else) stay as they are.
QString rewriteBodyTag(const QString& text, const PageText::Tag& tag, const BodyAttributes& before,
    const BodyAttributes& after);

// The sample page the body dialog previews.
QString bodyPreviewHtml(const BodyAttributes& body);

enum class BodyState {
    Found,    // `tag` is the page's first BODY tag
    Missing,  // a new tag goes to `insertAt`
    Unclosed, // a BODY tag without its ">": left alone
};

struct BodyPlace {
    BodyState state = BodyState::Missing;
    PageText::Tag tag;
    QString tagText;
    int insertAt = 0;
};

// The first BODY tag outside comments. Without one, a new tag belongs after "</head>", or after
// the title element, or after the HTML tag, or after a document type line, or at the top.
BodyPlace findBody(const QString& text);

std::optional<PageText::TextEdit> bodyEdit(const QString& text, const BodyPlace& place, const BodyAttributes& before,
    const BodyAttributes& after);

} // namespace BodyEditor
