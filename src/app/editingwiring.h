#pragma once

#include "custom/parmform.h"
#include "workspace/editing/metaeditor.h"

#include <QObject>

#include <functional>
#include <memory>

class AttributeEditor;
class PageTextCommands;
class PreviewWiring;
class TForm1;
class TLEdit;
class TagInserter;

// Joins the editing, search and clean-up commands to the main window: the editors' own
// operations, bookmarks, the caret and insert/overwrite panels, the editors' questions about
// tag colours and bracket partners, and the commands that rewrite the page (Strip HTML Codes
// and the title, META and BODY editors) with their dialogs.
class EditingWiring : public QObject {
    Q_OBJECT
public:
    EditingWiring(TForm1& window, TagInserter& tags, AttributeEditor& attributes, PreviewWiring& preview,
                  std::function<QString()> pageDirectory);
    ~EditingWiring() override;

    PageTextCommands& pageText() const { return *m_pageText; }

    // Status panel 0: the end of the page editor's selection as "line:column".
    void GetLocation();

private:
    void wireEditorCommands();
    void wireBookmarks();
    void wirePageTextCommands();
    void connectEditors();
    void setBookmark(int number);
    void goToBookmark(int number);
    TParmForm& parameterForm();
    void showParameterForm(TParmForm::Page page);

    TForm1& m_window;
    TagInserter& m_tags;
    AttributeEditor& m_attributes;
    PreviewWiring& m_preview;
    std::function<QString()> m_pageDirectory;
    std::unique_ptr<PageTextCommands> m_pageText;
    TParmForm* m_parameterForm = nullptr;
    // Where the META fields go while Edit Meta Tag has the dialog open.
    std::function<void(const MetaEditor::MetaFields&)> m_metaWriter;
};
