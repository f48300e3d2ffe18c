#pragma once

#include "generators/builders/formfields.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class FormWizardPrompts;

// The definition dialog of one form field: a page per kind of field. It lives as long as the
// wizard, so its numbers and the radio group drop-down keep their values between fields.
class TFormEntry : public QDialog {
    Q_OBJECT

public:
    TFormEntry(FormWizardPrompts& prompts, QWidget* parent = nullptr);

    // Shows the page of `kind` emptied (numbers and the group drop-down keep their values).
    // `groups` are the radio groups the form already has, for the drop-down.
    void startAdding(tessera::generators::FieldKind kind, const QStringList& groups);
    // Shows the page of the field's kind filled from it.
    void startEditing(const tessera::generators::FormField& field, const QStringList& groups);

    tessera::generators::FieldKind kind() const;
    tessera::generators::FormField field() const;

    // Refuses what a definition line cannot hold, saying why; the dialog then stays open.
    void accept() override;

    void LBAddClick();
    void LBRemoveClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCheckBoxPage();
    QWidget* buildRadioPage();
    QWidget* buildEntryPage();
    QWidget* buildListBoxPage();
    QWidget* buildTextAreaPage();
    QWidget* buildPageTextPage();
    QWidget* buildHiddenPage();
    void showPage(tessera::generators::FieldKind kind, const QStringList& groups);
    void emptyPage();
    void fillFrom(const tessera::generators::FormField& field);
    QStringList entries() const;
    void setEntries(const QStringList& entries);
    void sortEntriesWhenAsked();

    FormWizardPrompts& m_prompts;
    QStackedWidget* m_pages;
    QPushButton* m_ok;

    QLineEdit* CBVar;
    QLineEdit* CBCaption;
    QLineEdit* CBValue;
    QCheckBox* CBChecked;

    QComboBox* RGVar;
    QLineEdit* RGCaption;
    QLineEdit* RGValue;
    QCheckBox* RGChecked;

    QLineEdit* DEVar;
    QLineEdit* DECaption;
    QSpinBox* DELength;
    QCheckBox* Password;

    QLineEdit* LBVar;
    QLineEdit* LBCaption;
    QLineEdit* LBEntry;
    QPushButton* LBAdd;
    QPushButton* LBRemove;
    QListWidget* LBItems;
    QCheckBox* LBSort;
    QCheckBox* LBMultiple;
    QSpinBox* LBVisible;

    QLineEdit* TAVar;
    QLineEdit* TACaption;
    QSpinBox* TACols;
    QSpinBox* TARows;

    QLineEdit* PTCaption;
    QCheckBox* PTBold;
    QCheckBox* PTItalics;
    QCheckBox* PTUnderline;
    QCheckBox* PTPreformat;
    QSpinBox* PTFontSize;

    QLineEdit* HDVar;
    QLineEdit* HDValue;
};
