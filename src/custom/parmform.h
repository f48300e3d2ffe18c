#pragma once

#include "workspace/editing/metaeditor.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

// "Parameter Selections": a small notebook that writes one attribute, a META tag or an EMBED tag
// at the caret. It lives for the whole run; the caller picks the page before showing it.
class TParmForm : public QDialog {
    Q_OBJECT

public:
    enum class Page { Align, Valign, Size, Meta, Embed, Object };

    struct Host {
        std::function<void(const QString&)> insertText;
        // OK on the meta page; when empty the new tag goes through insertText.
        std::function<void(const MetaEditor::MetaFields&)> writeMeta;
        // "" when cancelled.
        std::function<QString()> chooseEmbedFile;
    };

    explicit TParmForm(Host host, QWidget* parent = nullptr);

    void setPage(Page page);
    Page page() const;

    // Takes the editor's selected text: an attribute selects its value in its list, a META tag
    // fills the meta fields. Any other text leaves the dialog as it is.
    void FormShow(const QString& selectedText);
    // Writes the active page's text, then closes.
    void BitBtn1Click();
    void SpeedButton1Click();

    static const QStringList& alignItems();
    static const QStringList& valignItems();
    static const QStringList& sizeItems();

    // The page a selected text belongs to, judged by how it starts: ALIGN, VALIGN or SIZE
    // attributes, or a META tag. Nothing for anything else.
    static std::optional<Page> selectionPage(const QString& selectedText);
    // The value of a selected attribute: the first text in double quotes, or else the word
    // after the first "=".
    static QString parameterValue(const QString& selectedText);
    // The index of the item equal to the value (ignoring case), or 0 when there is none.
    static int CheckParm(const QStringList& items, const QString& value);
    // The HTTP-EQUIV, NAME and CONTENT of a selected META tag, each read as a whole attribute;
    // a field the tag does not give is empty.
    static MetaEditor::MetaFields GetMetaInfo(const QString& selectedText);
    // `ALIGN="center"` and the like; empty for the pages that write no attribute.
    static QString attributeText(Page page, const QString& item);
    // `<EMBED SRC="…" HEIGHT="h" WIDTH="w">`, the sizes only when above 0; empty without a source.
    static QString embedTag(const QString& source, int height, int width);

private:
    QListWidget* listFor(Page page) const;

    Host m_host;
    QTabWidget* m_notebook;
    QListWidget* alignlist;
    QListWidget* valignlist;
    QListWidget* sizelist;
    QLineEdit* MetaName;
    QLineEdit* MetaContent;
    QComboBox* MetaHTTPEquiv;
    QLineEdit* EmbedSrc;
    QToolButton* SpeedButton1;
    QSpinBox* EmbedHeight;
    QSpinBox* EmbedWidth;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};
