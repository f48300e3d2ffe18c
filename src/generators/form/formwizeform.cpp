#include "generators/form/formwizeform.h"

#include "generators/builders/generatorhelpers.h"
#include "generators/form/formentry.h"
#include "generators/shared/definitionfile.h"
#include "viewer/control/pageviewer.h"
#include "workspace/preview/submitresults.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tessera::generators;

namespace {

std::string text(const QString& value) { return value.toStdString(); }
QString text(const std::string& value) { return QString::fromStdString(value); }

template<typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

struct AddCommand {
    FieldKind kind;
    const char* button;
    const char* menuItem;
};

// The add buttons and the "Field&s" items, in the order of the definition dialog's pages; a
// hidden field has a button only.
const AddCommand kAddCommands[] = {
    {FieldKind::CheckBox, "Add Checkbox", "Add &Checkbox"},
    {FieldKind::RadioButton, "Add Radio Button", "Add &Radio Button"},
    {FieldKind::Entry, "Add Text or Password field", "Add &Entry Field"},
    {FieldKind::ListBox, "Add Listbox", "Add &List Box"},
    {FieldKind::TextArea, "Add Text Area", "Add &Text Area"},
    {FieldKind::PageText, "Add Plain Text", "Add &Page Text"},
    {FieldKind::Hidden, "Add Hidden Field", nullptr},
};

QString skippedLinesMessage(int count, const QString& fileName)
{
    if (count == 1)
        return QStringLiteral("1 line of %1 is not a form field and was left out.").arg(fileName);
    return QStringLiteral("%1 lines of %2 are not form fields and were left out.").arg(count).arg(fileName);
}

} // namespace

TFormWizeForm::TFormWizeForm(std::function<void(const QStringList&)> insertLines,
                             std::unique_ptr<FormWizardPrompts> prompts, QWidget* parent)
    : QDialog(parent)
    , m_insertLines(std::move(insertLines))
    , m_prompts(prompts ? std::move(prompts) : std::make_unique<QtFormWizardPrompts>(this))
{
    setObjectName(QStringLiteral("FormWizeForm"));
    setWindowTitle(QStringLiteral("Form Rivi Roz"));
    m_entry = new TFormEntry(*m_prompts, this);
    m_submitResults = new tessera::workspace::TSubmitForm(this);

    Preview = named(new tessera::viewer::TPageViewer, "Preview");
    Preview->setViewImages(false);
    Preview->setDefBackground(Qt::white);
    Preview->setHistoryMaxCount(0);
    Preview->setMinimumSize(380, 360);
    connect(Preview, &tessera::viewer::TPageViewer::formSubmit, m_submitResults,
            &tessera::workspace::TSubmitForm::showSubmission);
    // What the preview would send belongs to the wizard's form, and goes when the wizard does.
    connect(this, &QDialog::finished, m_submitResults, &QWidget::hide);
    // The preview shows the form alone; a link typed into page text leads nowhere from here.
    connect(Preview, &tessera::viewer::TPageViewer::hotSpotClick, this, [](const QString&, bool* handled) {
        if (handled)
            *handled = true;
    });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildFieldsPanel());
    layout->addWidget(Preview, 1);
    buildMenus();
    updateFileMenu();
}

TFormWizeForm::~TFormWizeForm()
{
    // A text box that loses the focus as it is destroyed reports its edit; by then this form is
    // half gone and must not be told.
    for (QWidget* child : findChildren<QWidget*>())
        child->blockSignals(true);
}

QWidget* TFormWizeForm::buildFieldsPanel()
{
    const FormTexts defaults;
    SubmitText = named(new QLineEdit(text(defaults.submit)), "SubmitText");
    ResetText = named(new QLineEdit(text(defaults.reset)), "ResetText");
    MailToText = named(new QLineEdit(text(defaults.mailTo)), "MailToText");
    FormItems = named(new QListWidget, "FormItems");
    FormItems->setContextMenuPolicy(Qt::ActionsContextMenu);
    FormItems->setMinimumWidth(320);
    BuildButton = named(new QPushButton(QStringLiteral("&Build")), "BuildButton");
    ItemUp = named(new QPushButton(QStringLiteral("Up")), "ItemUp");
    ItemDown = named(new QPushButton(QStringLiteral("Down")), "ItemDown");
    PreformatText = named(new QCheckBox(QStringLiteral("Preformat Fields")), "PreformatText");
    UseTable = named(new QCheckBox(QStringLiteral("Use Table Format")), "UseTable");
    DeleteItem = named(new QPushButton(QStringLiteral("Delete Item")), "DeleteItem");

    auto* texts = new QFormLayout;
    texts->addRow(QStringLiteral("Text for Submit Button:"), SubmitText);
    texts->addRow(QStringLiteral("Text for Reset Button:"), ResetText);
    texts->addRow(QStringLiteral("Mail To:"), MailToText);

    auto* moves = new QVBoxLayout;
    moves->addWidget(ItemUp);
    moves->addWidget(ItemDown);
    moves->addStretch();
    moves->addWidget(DeleteItem);
    auto* list = new QHBoxLayout;
    list->addWidget(FormItems, 1);
    list->addLayout(moves);

    auto* options = new QHBoxLayout;
    options->addWidget(PreformatText);
    options->addWidget(UseTable);
    options->addStretch();
    options->addWidget(BuildButton);

    auto* adds = new QGridLayout;
    int index = 0;
    for (const AddCommand& command : kAddCommands) {
        auto* button = new QPushButton(QLatin1String(command.button));
        button->setObjectName(QString::fromLatin1(command.button).remove(QLatin1Char(' ')));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, kind = command.kind] { AddFieldClick(kind); });
        adds->addWidget(button, index / 2, index % 2);
        ++index;
    }

    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(texts);
    column->addLayout(list, 1);
    column->addLayout(options);
    column->addLayout(adds);

    for (QPushButton* button : {BuildButton, ItemUp, ItemDown, DeleteItem})
        button->setAutoDefault(false);
    connect(BuildButton, &QPushButton::clicked, this, &TFormWizeForm::BuildButtonClick);
    connect(ItemUp, &QPushButton::clicked, this, &TFormWizeForm::ItemUpClick);
    connect(ItemDown, &QPushButton::clicked, this, &TFormWizeForm::ItemDownClick);
    connect(DeleteItem, &QPushButton::clicked, this, &TFormWizeForm::DeleteSelectedClick);
    for (QCheckBox* box : {PreformatText, UseTable})
        connect(box, &QCheckBox::clicked, this, &TFormWizeForm::BuildButtonClick);
    connect(FormItems, &QListWidget::itemClicked, this, &TFormWizeForm::FormItemsClick);
    connect(FormItems, &QListWidget::itemSelectionChanged, this, &TFormWizeForm::FormItemsClick);
    connect(FormItems, &QListWidget::itemDoubleClicked, this, &TFormWizeForm::EditSelectedClick);

    auto* deleteSelected = new QAction(QStringLiteral("Delete Selected"), FormItems);
    connect(deleteSelected, &QAction::triggered, this, &TFormWizeForm::DeleteSelectedClick);
    auto* editSelected = new QAction(QStringLiteral("Edit Selected"), FormItems);
    connect(editSelected, &QAction::triggered, this, &TFormWizeForm::EditSelectedClick);
    FormItems->addActions({deleteSelected, editSelected});
    return panel;
}

void TFormWizeForm::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open Form Definition..."), QKeySequence(Qt::Key_F3), this,
                    &TFormWizeForm::OpenFormDefinitionClick);
    m_saveAction = file->addAction(QStringLiteral("Save Form Definition..."), QKeySequence(Qt::Key_F2), this,
                                   [this] { SaveFormDefinitionClick(); });
    m_copyAction = file->addAction(QStringLiteral("Copy Form To Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C), this,
                                   &TFormWizeForm::CopyFormClick);
    file->addSeparator();
    file->addAction(QStringLiteral("Insert and return"), this, &TFormWizeForm::InsertAndReturnClick);
    file->addAction(QStringLiteral("Abandon and return"), QKeySequence(Qt::CTRL | Qt::Key_X), this,
                    &TFormWizeForm::AbandonAndReturnClick);
    connect(file, &QMenu::aboutToShow, this, &TFormWizeForm::updateFileMenu);

    QMenu* fields = bar->addMenu(QStringLiteral("Field&s"));
    for (const AddCommand& command : kAddCommands) {
        if (command.menuItem)
            fields->addAction(QLatin1String(command.menuItem), this, [this, kind = command.kind] { AddFieldClick(kind); });
    }
}

// ---- the field list ----------------------------------------------------------------------------

int TFormWizeForm::selectedRow() const
{
    const QModelIndexList rows = FormItems->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFormWizeForm::showFields(int selectedRow)
{
    {
        const QSignalBlocker quiet(FormItems);
        FormItems->clear();
        for (const FormField& field : m_fields)
            FormItems->addItem(text(formatFieldLine(field)));
        FormItems->setCurrentRow(selectedRow);
        if (selectedRow < 0)
            FormItems->clearSelection();
    }
    // The list's own repaint is due to the selection news the blocker held back.
    FormItems->viewport()->update();
    updateFileMenu();
}

void TFormWizeForm::updateFileMenu()
{
    const bool any = !m_fields.empty();
    m_saveAction->setEnabled(any);
    m_copyAction->setEnabled(any);
}

QStringList TFormWizeForm::radioGroups() const
{
    QStringList groups;
    for (const FormField& field : m_fields) {
        if (const auto* radio = std::get_if<RadioButtonField>(&field); radio && !groups.contains(text(radio->group)))
            groups << text(radio->group);
    }
    return groups;
}

void TFormWizeForm::AddFieldClick(FieldKind kind)
{
    m_entry->startAdding(kind, radioGroups());
    openEntry(-1);
}

void TFormWizeForm::EditSelectedClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_entry->startEditing(m_fields[std::size_t(row)], radioGroups());
    openEntry(row);
}

void TFormWizeForm::openEntry(int editedRow)
{
    if (m_entry->exec() != QDialog::Accepted)
        return;
    int row = editedRow;
    if (editedRow >= 0) {
        m_fields[std::size_t(editedRow)] = m_entry->field();
    } else {
        // A new field goes right after the selected one, so fields added in a row keep their order.
        row = selectedRow() + 1;
        m_fields.insert(m_fields.begin() + row, m_entry->field());
    }
    showFields(row);
    FormItemsClick();
}

void TFormWizeForm::DeleteSelectedClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_fields.erase(m_fields.begin() + row);
    showFields(-1);
}

void TFormWizeForm::ItemUpClick()
{
    const int row = selectedRow();
    if (row <= 0)
        return;
    std::swap(m_fields[std::size_t(row)], m_fields[std::size_t(row - 1)]);
    showFields(row - 1);
}

void TFormWizeForm::ItemDownClick()
{
    const int row = selectedRow();
    if (row < 0 || row + 1 >= int(m_fields.size()))
        return;
    std::swap(m_fields[std::size_t(row)], m_fields[std::size_t(row + 1)]);
    showFields(row + 1);
}

// ---- building and previewing -------------------------------------------------------------------

FormLayout TFormWizeForm::layoutChosen() const
{
    return {PreformatText->isChecked(), UseTable->isChecked()};
}

QStringList TFormWizeForm::formLines() const
{
    QStringList lines;
    for (const std::string& line : m_formLines)
        lines << text(line);
    return lines;
}

void TFormWizeForm::showLines(std::vector<std::string> lines)
{
    m_formLines = std::move(lines);
    if (!Preview->LoadStrings(formLines()))
        m_prompts->error(Preview->lastError());
}

void TFormWizeForm::BuildButtonClick()
{
    m_formLines.clear();
    if (m_fields.empty())
        return;
    showLines(buildFormLines(m_fields, {text(SubmitText->text()), text(ResetText->text()), text(MailToText->text())},
                             layoutChosen()));
}

void TFormWizeForm::FormItemsClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    showLines(buildItemLines(m_fields[std::size_t(row)], layoutChosen()));
}

void TFormWizeForm::CopyFormClick()
{
    BuildButtonClick();
    if (!m_formLines.empty())
        QApplication::clipboard()->setText(text(joinLines(m_formLines)));
}

// ---- files and leaving -------------------------------------------------------------------------

bool TFormWizeForm::SaveFormDefinitionClick()
{
    const QString chosen = m_prompts->saveFileName(m_fileName);
    if (chosen.isEmpty())
        return false;
    QStringList lines;
    for (const FormField& field : m_fields)
        lines << text(formatFieldLine(field));
    DefinitionFile file(chosen);
    if (!file.write(lines)) {
        m_prompts->error(file.errorString());
        return false;
    }
    m_fileName = chosen;
    return true;
}

void TFormWizeForm::OpenFormDefinitionClick()
{
    const QString chosen = m_prompts->openFileName(m_fileName);
    if (chosen.isEmpty())
        return;
    DefinitionFile file(chosen);
    QStringList lines;
    if (!file.read(lines)) {
        m_prompts->error(file.errorString());
        return;
    }
    std::vector<std::string> utf8Lines;
    for (const QString& line : lines)
        utf8Lines.push_back(text(line));
    FormDefinition definition = parseFormDefinition(utf8Lines);
    const QString name = QFileInfo(chosen).fileName();
    // A file with no field in it is some other file; the list the user has stays.
    if (definition.fields.empty() && definition.skippedLines > 0) {
        m_prompts->error(QStringLiteral("%1 is not a form definition: none of its lines is a form field.").arg(name));
        return;
    }
    m_fields = std::move(definition.fields);
    m_fileName = chosen;
    showFields(-1);
    BuildButtonClick();
    if (definition.skippedLines > 0)
        m_prompts->information(skippedLinesMessage(definition.skippedLines, name));
}

bool TFormWizeForm::saveFirst()
{
    switch (m_prompts->askSaveFirst()) {
    case SaveFirstAnswer::Ok: return SaveFormDefinitionClick();
    case SaveFirstAnswer::No: return true;
    case SaveFirstAnswer::Cancel: return false;
    }
    return false;
}

void TFormWizeForm::InsertAndReturnClick()
{
    if (!saveFirst())
        return;
    BuildButtonClick();
    // An empty list builds nothing, and nothing is what the page gets: its selection stays.
    if (!m_formLines.empty() && m_insertLines)
        m_insertLines(formLines());
    accept();
}

void TFormWizeForm::AbandonAndReturnClick()
{
    if (saveFirst())
        QDialog::reject();
}

void TFormWizeForm::reject()
{
    AbandonAndReturnClick();
}
