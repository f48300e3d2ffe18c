#pragma once

#include "generators/builders/formlines.h"
#include "generators/form/formwizardprompts.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TFormEntry;

namespace tessera::viewer {
class TPageViewer;
}
namespace tessera::workspace {
class TSubmitForm;
}

// "Form Rivi Roz": keeps a list of form fields, each defined in the definition dialog, builds a
// form sent by mail from them, previews it (submitting the preview shows what would be sent),
// saves and opens the list as a form definition file and hands the form to `insertLines`.
// It lives as long as the main window, so the list stays between openings.
class TFormWizeForm : public QDialog {
    Q_OBJECT

public:
    TFormWizeForm(std::function<void(const QStringList&)> insertLines, std::unique_ptr<FormWizardPrompts> prompts,
                  QWidget* parent = nullptr);
    ~TFormWizeForm() override;

    const std::vector<tessera::generators::FormField>& fields() const { return m_fields; }
    // The HTML last built or previewed.
    QStringList formLines() const;
    tessera::viewer::TPageViewer* preview() const { return Preview; }
    TFormEntry* entryForm() const { return m_entry; }
    // Where the preview's form submissions are shown. The wizard is modal, so only a window of
    // its own stays usable while it is open.
    tessera::workspace::TSubmitForm* submitResults() const { return m_submitResults; }

    void AddFieldClick(tessera::generators::FieldKind kind);
    void EditSelectedClick();
    void DeleteSelectedClick();
    void ItemUpClick();
    void ItemDownClick();
    void BuildButtonClick();
    // Previews the selected field alone.
    void FormItemsClick();
    // False when the user cancelled or the file could not be written.
    bool SaveFormDefinitionClick();
    void OpenFormDefinitionClick();
    void CopyFormClick();
    void InsertAndReturnClick();
    void AbandonAndReturnClick();

    // Escape and the window's close button leave as "Abandon and return" does.
    void reject() override;

private:
    QWidget* buildFieldsPanel();
    void buildMenus();
    int selectedRow() const;
    void showFields(int selectedRow);
    void updateFileMenu();
    void openEntry(int editedRow);
    QStringList radioGroups() const;
    tessera::generators::FormLayout layoutChosen() const;
    void showLines(std::vector<std::string> lines);
    bool saveFirst();

    std::function<void(const QStringList&)> m_insertLines;
    std::unique_ptr<FormWizardPrompts> m_prompts;
    std::vector<tessera::generators::FormField> m_fields;
    std::vector<std::string> m_formLines;
    QString m_fileName;

    TFormEntry* m_entry;
    tessera::workspace::TSubmitForm* m_submitResults;
    tessera::viewer::TPageViewer* Preview;
    QLineEdit* SubmitText;
    QLineEdit* ResetText;
    QLineEdit* MailToText;
    QListWidget* FormItems;
    QPushButton* BuildButton;
    QPushButton* ItemUp;
    QPushButton* ItemDown;
    QCheckBox* PreformatText;
    QCheckBox* UseTable;
    QPushButton* DeleteItem;
    QAction* m_saveAction;
    QAction* m_copyAction;
};
