#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class TLEdit;

// What a double-clicked word in the editor is, for the attribute editor.
struct AttributeWord {
    enum class Kind { None, Colour, BodyStatement, ParameterSelection, ImageFile };
    Kind kind = Kind::None;
    // The attribute name as written (the text before the first "=").
    QString attribute;
    // The value between the first pair of double quotes, or the text after the first "=".
    QString value;
    // For ParameterSelection: "align", "valign" or "size".
    QString parameter;
};

namespace AttributeRules {

AttributeWord classify(const QString& word);
// The colour a colour attribute's value names; empty when it names none.
std::optional<QColor> colourOf(const QString& value);
// The word with its value replaced: NAME="#RRGGBB" or NAME="file".
QString withColour(const QString& word, const QColor& colour);
QString withFile(const QString& word, const QString& fileName);
// "TEXT", "LINK", "VLINK", "ALINK" or "BGCOLOR" when the word sets one of the page's colours.
QString pageColourName(const QString& word);

} // namespace AttributeRules

// Edits the attribute value under a double click: colours through the colour dialog, picture
// names through a file dialog; BODY statements and ALIGN/VALIGN/SIZE go to their own dialogs
// through signals.
class AttributeEditor : public QObject {
    Q_OBJECT
public:
    struct Host {
        std::function<QString()> pageDirectory;
        std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
        // Returns the chosen file, or an empty text when cancelled.
        std::function<QString(const QString& directory)> chooseImageFile;
        std::function<void(const QString& title, const QString& text)> reportFailure;
    };

    AttributeEditor(TLEdit* editor, Host host, QObject* parent = nullptr);

    // Acts on the editor's current selection, as after a double click.
    void WebPageDblClick();

Q_SIGNALS:
    void bodyStatementRequested();
    void parameterSelectionRequested(const QString& parameter);
    // One of the page's remembered colours changed ("TEXT", "LINK", "VLINK", "ALINK", "BGCOLOR").
    void pageColourChanged(const QString& name, const QColor& colour);
    void previewUpdateRequested();

private:
    void editColour(const QString& word, const AttributeWord& attribute);
    void editImageFile(const QString& word);
    void report(const QString& text);

    TLEdit* m_editor;
    Host m_host;
};
