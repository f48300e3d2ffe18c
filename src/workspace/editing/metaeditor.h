#pragma once

#include "workspace/editing/pagetext.h"

#include <QString>

#include <optional>

// Finding and rewriting a META tag of the page.
namespace MetaEditor {

struct MetaFields {
    QString httpEquiv;
    QString name;
    QString content;

    bool isEmpty() const { return httpEquiv.isEmpty() && name.isEmpty() && content.isEmpty(); }
    bool operator==(const MetaFields&) const = default;
};

// The HTTP-EQUIV, NAME and CONTENT values of a META tag, each read as a whole attribute (a
// "name=" inside another attribute's value does not count).
MetaFields GetMetaInfo(const PageText::Tag& tag);

// A new META tag: `<META HTTP-EQUIV="…" NAME="…" CONTENT="…" >`, each only when not empty.
QString buildMetaTag(const MetaFields& fields);

enum class MetaState {
    Found,    // `tag` is the META tag to edit
    Missing,  // a new tag goes to `insertAt`
    Unclosed, // a META tag that never closes: left alone
};

struct MetaPlace {
    MetaState state = MetaState::Missing;
    PageText::Tag tag;
    MetaFields current;
    int insertAt = 0;
    // Whether a new tag gets a line of its own (in the head) or goes in at the caret as it is.
    bool ownLine = false;
};

// The META tag the caret stands in, or else the first one of the page. Without one, a new tag
// belongs after the title element, or after the HEAD tag, or at the caret.
MetaPlace findMeta(const QString& text, int caret);

// The edit that writes the fields: an existing tag keeps every other attribute as written and
// loses the fields that were emptied. Nothing when the tag is unclosed or every field is empty.
std::optional<PageText::TextEdit> metaEdit(const QString& text, const MetaPlace& place, const MetaFields& fields);

} // namespace MetaEditor
