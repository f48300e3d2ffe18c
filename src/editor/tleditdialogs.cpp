#include "editor/tleditdialogs.h"

#include "editor/tledit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

FindDialog::FindDialog(TLEdit* editor, Mode mode, QWidget* parent)
    : QDialog(parent)
    , m_editor(editor)
{
    const bool replacing = mode == Mode::Replace;
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));

    auto* fields = new QFormLayout;
    m_findField = new QLineEdit;
    fields->addRow(tr("Fi&nd what:"), m_findField);
    if (replacing) {
        m_replaceField = new QLineEdit(editor->replacementText());
        fields->addRow(tr("Re&place with:"), m_replaceField);
    }

    const FindOptions options = editor->findOptions();
    m_matchCase = new QCheckBox(tr("Match &case"));
    m_matchCase->setChecked(options.matchCase);
    m_wholeWords = new QCheckBox(tr("Match &whole word only"));
    m_wholeWords->setChecked(options.wholeWords);
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_wholeWords);
    checks->addWidget(m_matchCase);

    auto* optionsRow = new QHBoxLayout;
    optionsRow->addLayout(checks);
    m_up = new QRadioButton(tr("&Up"));
    m_down = new QRadioButton(tr("&Down"));
    (options.backwards ? m_up : m_down)->setChecked(true);
    if (!replacing) {
        auto* direction = new QGroupBox(tr("Direction"));
        auto* directionLayout = new QHBoxLayout(direction);
        directionLayout->addWidget(m_up);
        directionLayout->addWidget(m_down);
        optionsRow->addWidget(direction);
    }

    m_status = new QLabel;
    m_status->setMinimumWidth(220);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(optionsRow);
    left->addWidget(m_status);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    m_findNext = new QPushButton(tr("&Find Next"));
    m_findNext->setDefault(true);
    buttons->addWidget(m_findNext);
    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::findNextClicked);
    if (replacing) {
        m_replace = new QPushButton(tr("&Replace"));
        m_replaceAll = new QPushButton(tr("Replace &All"));
        buttons->addWidget(m_replace);
        buttons->addWidget(m_replaceAll);
        connect(m_replace, &QPushButton::clicked, this, &FindDialog::replaceClicked);
        connect(m_replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAllClicked);
    }
    auto* cancel = new QPushButton(tr("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    // A one-line selection is what the user most likely wants to look for.
    const QString selected = editor->GetSelText();
    const bool oneLine = !selected.isEmpty() && !selected.contains(QLatin1Char('\n')) && !selected.contains(QLatin1Char('\r'));
    m_findField->setText(oneLine ? selected : editor->searchText());
    m_findField->selectAll();
    connect(m_findField, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
    updateButtons();
}

QString FindDialog::status() const
{
    return m_status->text();
}

void FindDialog::updateButtons()
{
    const bool any = !m_findField->text().isEmpty();
    m_findNext->setEnabled(any);
    if (m_replace) {
        m_replace->setEnabled(any);
        m_replaceAll->setEnabled(any);
    }
}

void FindDialog::takeFields()
{
    m_editor->setSearchText(m_findField->text());
    if (m_replaceField)
        m_editor->setReplacementText(m_replaceField->text());
    FindOptions options;
    options.matchCase = m_matchCase->isChecked();
    options.wholeWords = m_wholeWords->isChecked();
    options.backwards = m_replaceField ? false : m_up->isChecked();
    m_editor->setFindOptions(options);
    m_status->clear();
}

void FindDialog::findNextClicked()
{
    takeFields();
    if (m_editor->find())
        m_editor->ensureCaretVisible();
    else
        m_status->setText(tr("Cannot find \"%1\".").arg(m_findField->text()));
}

void FindDialog::replaceClicked()
{
    takeFields();
    // The first press shows the next match; each further press replaces it and shows the next.
    if (m_editor->selectionMatches())
        m_editor->replace();
    if (!m_editor->find())
        m_status->setText(tr("Cannot find \"%1\".").arg(m_findField->text()));
    m_editor->ensureCaretVisible();
}

void FindDialog::replaceAllClicked()
{
    takeFields();
    const int count = m_editor->replaceAll();
    m_status->setText(count == 0 ? tr("Cannot find \"%1\".").arg(m_findField->text())
                                 : tr("%n replacement(s) made.", nullptr, count));
}

GoToLineDialog::GoToLineDialog(TLEdit* editor, QWidget* parent)
    : QDialog(parent)
    , m_editor(editor)
{
    setWindowTitle(tr("Go to Line"));
    m_line = new QSpinBox;
    m_line->setRange(EditorLine::first, editor->lineCount());
    m_line->setValue(editor->GetSelection().EndLine);
    m_line->selectAll();

    auto* fields = new QFormLayout;
    fields->addRow(tr("&Line number (1 - %1):").arg(editor->lineCount()), m_line);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

void GoToLineDialog::accept()
{
    const int line = m_line->value();
    m_editor->SetSelection(line, 0, line, 0);
    m_editor->ensureCaretVisible();
    m_editor->setFocus();
    QDialog::accept();
}
