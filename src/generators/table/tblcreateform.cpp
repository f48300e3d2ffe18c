#include "generators/table/tblcreateform.h"

#include "generators/builders/generatorhelpers.h"
#include "generators/shared/definitionfile.h"
#include "generators/shared/dialogteardown.h"
#include "viewer/control/pageviewer.h"
#include "workspace/tags/tagtexts.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace tessera::generators;

namespace {

const QStringList kPageTitles = {QStringLiteral("Main"), QStringLiteral("Table Attributes"),
                                 QStringLiteral("Cells Attributes")};

std::string text(const QString& value) { return value.toStdString(); }
QString text(const std::string& value) { return QString::fromStdString(value); }

QStringList toStringList(const std::vector<std::string>& lines)
{
    QStringList list;
    list.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        list << text(line);
    return list;
}

template<typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox* spin(int minimum, int maximum, int value)
{
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QLineEdit* colourEdit()
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(6);
    edit->setMaximumWidth(80);
    return edit;
}

// A radio group whose items are named by their texts, which the table writes as they stand.
QGroupBox* radioGroup(const QString& title, const QStringList& items, int checked, QButtonGroup* group)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QHBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(checked)->setChecked(true);
    return box;
}

QString checkedText(const QButtonGroup* group)
{
    const QAbstractButton* button = group->checkedButton();
    return button ? button->text() : QString();
}

void checkByText(QButtonGroup* group, const QString& wanted)
{
    for (QAbstractButton* button : group->buttons()) {
        if (button->text().compare(wanted, Qt::CaseInsensitive) == 0)
            button->setChecked(true);
    }
}

} // namespace

TTblCreateForm::TTblCreateForm(std::function<void(const QStringList&)> insertLines,
                               std::unique_ptr<TableWizardPrompts> prompts, QWidget* parent)
    : QDialog(parent)
    , m_insertLines(std::move(insertLines))
    , m_prompts(prompts ? std::move(prompts) : std::make_unique<QtTableWizardPrompts>(this))
{
    setObjectName(QStringLiteral("TblCreateForm"));
    setWindowTitle(QStringLiteral("Table Rivi Roz"));
    buildControls();
    buildMenus();
    setCellControlsEnabled(false);
    showPage(0);
    updateTableMenu();
}

TTblCreateForm::~TTblCreateForm()
{
    silenceChildrenForTeardown(*this);
}

void TTblCreateForm::buildControls()
{
    Notebook = new QStackedWidget;
    Notebook->addWidget(buildMainPage());
    Notebook->addWidget(buildTablePage());
    Notebook->addWidget(buildCellsPage());
    m_pageTitle = new QLabel;
    QFont titleFont = m_pageTitle->font();
    titleFont.setBold(true);
    m_pageTitle->setFont(titleFont);

    Previous = named(new QPushButton(QStringLiteral("Previous")), "Previous");
    Next = named(new QPushButton(QStringLiteral("Next")), "Next");
    Next->setEnabled(false);
    connect(Previous, &QPushButton::clicked, this, &TTblCreateForm::PreviousClick);
    connect(Next, &QPushButton::clicked, this, &TTblCreateForm::NextClick);

    Preview = named(new tessera::viewer::TPageViewer, "Preview");
    Preview->setViewImages(false);
    Preview->setDefBackground(Qt::white);
    Preview->setHistoryMaxCount(0);
    Preview->setMinimumSize(360, 300);
    connect(Preview, &tessera::viewer::TPageViewer::hotSpotClick, this, &TTblCreateForm::PreviewHotSpotClick);

    auto* left = new QVBoxLayout;
    left->addWidget(m_pageTitle);
    left->addWidget(Notebook, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Previous);
    buttons->addWidget(Next);
    buttons->addStretch();
    left->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(Preview, 1);
}

QWidget* TTblCreateForm::buildMainPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    TblCols = named(spin(0, maxTableColumns, 2), "TblCols");
    TblRows = named(spin(0, maxTableRows, 2), "TblRows");
    TblBuild = named(new QPushButton(QStringLiteral("&Build")), "TblBuild");
    Confirm = named(new QCheckBox(QStringLiteral("Confirm on Rebuild")), "Confirm");
    Confirm->setChecked(true);
    form->addRow(QStringLiteral("Columns:"), TblCols);
    form->addRow(QStringLiteral("Rows:"), TblRows);
    form->addRow(TblBuild);
    form->addRow(Confirm);
    auto* hint = new QLabel(QStringLiteral("Build the table, then click a cell's star in the preview to edit the cell."));
    hint->setWordWrap(true);
    form->addRow(hint);
    connect(TblBuild, &QPushButton::clicked, this, &TTblCreateForm::TblBuildClick);
    return page;
}

QWidget* TTblCreateForm::buildTablePage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    TblCaption = named(new QLineEdit, "TblCaption");
    TblCaptionSize = named(spin(1, 7, 1), "TblCaptionSize");
    TblCaptionPosition = new QButtonGroup(this);
    TblPadding = named(spin(0, 999, 1), "TblPadding");
    TblSpacing = named(spin(0, 999, 2), "TblSpacing");
    TblBorder = named(spin(0, 999, 1), "TblBorder");
    TblWidth = named(spin(0, 100, 0), "TblWidth");
    TblWidth->setSuffix(QStringLiteral("%"));
    TblAlignment = new QButtonGroup(this);
    OriginalColor = named(colourEdit(), "OriginalColor");
    BorderColor = named(colourEdit(), "BorderColor");

    auto changed = [this] { updateTableView(); };
    form->addRow(QStringLiteral("Table Caption:"), TblCaption);
    form->addRow(QStringLiteral("Size:"), TblCaptionSize);
    form->addRow(radioGroup(QStringLiteral("Location:"), {QStringLiteral("Top"), QStringLiteral("Bottom")}, 0,
                            TblCaptionPosition));
    form->addRow(QStringLiteral("Cell Padding:"), TblPadding);
    form->addRow(QStringLiteral("Cell Spacing:"), TblSpacing);
    form->addRow(QStringLiteral("Border Width:"), TblBorder);
    form->addRow(QStringLiteral("Table Width:"), TblWidth);
    form->addRow(radioGroup(QStringLiteral("Table Justification:"),
                            {QStringLiteral("None"), QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                            0, TblAlignment));
    for (auto [label, edit] : {std::pair {QStringLiteral("Table Color:"), OriginalColor},
                               std::pair {QStringLiteral("Border Color:"), BorderColor}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(colourButton(edit, changed));
        row->addStretch();
        form->addRow(label, row);
        connect(edit, &QLineEdit::editingFinished, this, changed);
    }
    connect(TblCaption, &QLineEdit::editingFinished, this, changed);
    for (QSpinBox* box : {TblCaptionSize, TblPadding, TblSpacing, TblBorder, TblWidth})
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QButtonGroup* group : {TblCaptionPosition, TblAlignment})
        connect(group, &QButtonGroup::idClicked, this, changed);
    return page;
}

QWidget* TTblCreateForm::buildCellsPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    RowSpan = named(spin(1, maxCellSpan, 1), "RowSpan");
    ColSpan = named(spin(1, maxTableColumns, 1), "ColSpan");
    valign = named(new QComboBox, "valign");
    valign->setEditable(true);
    valign->addItems({QStringLiteral("None"), QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Bottom")});
    halign = named(new QComboBox, "halign");
    halign->setEditable(true);
    halign->addItems({QStringLiteral("None"), QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    CellHeader = named(new QCheckBox(QStringLiteral("Use header style")), "CellHeader");
    CellText = named(new QLineEdit(QStringLiteral("CellText")), "CellText");
    CellColor = named(colourEdit(), "CellColor");
    DeleteCell = named(new QPushButton(QStringLiteral("Delete Cell")), "DeleteCell");
    WhereToAdd = new QButtonGroup(this);
    AddCell = named(new QPushButton(QStringLiteral("Add Cell")), "AddCell");
    AddRow = named(new QPushButton(QStringLiteral("Add Row")), "AddRow");

    auto changed = [this] { updateCell(); };
    form->addRow(QStringLiteral("Rows:"), RowSpan);
    form->addRow(QStringLiteral("Columns:"), ColSpan);
    form->addRow(QStringLiteral("Vertical"), valign);
    form->addRow(QStringLiteral("Horizontal:"), halign);
    form->addRow(CellHeader);
    form->addRow(QStringLiteral("Cell Text:"), CellText);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(CellColor);
    colourRow->addWidget(colourButton(CellColor, changed));
    colourRow->addStretch();
    form->addRow(QStringLiteral("Cell Color:"), colourRow);
    form->addRow(DeleteCell);
    form->addRow(radioGroup(QStringLiteral("Where to add:"), {QStringLiteral("Before"), QStringLiteral("After")}, 1,
                            WhereToAdd));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(AddCell);
    addRow->addWidget(AddRow);
    form->addRow(addRow);

    for (QSpinBox* box : {RowSpan, ColSpan})
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QComboBox* box : {valign, halign})
        connect(box, &QComboBox::currentTextChanged, this, changed);
    connect(CellHeader, &QCheckBox::toggled, this, changed);
    for (QLineEdit* edit : {CellText, CellColor})
        connect(edit, &QLineEdit::editingFinished, this, changed);
    connect(DeleteCell, &QPushButton::clicked, this, &TTblCreateForm::DeleteCellClick);
    connect(AddCell, &QPushButton::clicked, this, &TTblCreateForm::AddCellClick);
    connect(AddRow, &QPushButton::clicked, this, &TTblCreateForm::AddRowClick);
    return page;
}

QPushButton* TTblCreateForm::colourButton(QLineEdit* edit, std::function<void()> changed)
{
    auto* button = new QPushButton(QStringLiteral("Color..."));
    button->setObjectName(edit->objectName() + QStringLiteral("Button"));
    connect(button, &QPushButton::clicked, this, [this, edit, changed = std::move(changed)] {
        const std::optional<QColor> chosen = m_prompts->chooseColour(TagTexts::colourFromHex(edit->text(), Qt::white));
        if (!chosen)
            return;
        edit->setText(TagTexts::colourHex(*chosen));
        changed();
    });
    return button;
}

void TTblCreateForm::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Open Table Definition..."), this, &TTblCreateForm::OpenTableDefinitionClick);
    file->addAction(QStringLiteral("Save Table Definition..."), this, [this] { SaveTableDefinitionClick(); });
    QAction* insert = file->addAction(QStringLiteral("&Insert and Return"), this, &TTblCreateForm::InsertAndReturnClick);
    insert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    QAction* abandon = file->addAction(QStringLiteral("&Abandon and Return"), this, &TTblCreateForm::AbandonAndReturnClick);
    abandon->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    m_tableMenu = bar->addMenu(QStringLiteral("Table Funcitons"));
    m_viewAction = m_tableMenu->addAction(QStringLiteral("&View"), this, &TTblCreateForm::ViewClick);
    m_viewAction->setShortcut(QKeySequence(Qt::Key_F5));
    m_copyAction = m_tableMenu->addAction(QStringLiteral("Copy HTML to Clipboard"), this, &TTblCreateForm::CopyHtmlClick);
    connect(m_tableMenu, &QMenu::aboutToShow, this, &TTblCreateForm::updateTableMenu);
}

TTblCreateForm::Page TTblCreateForm::page() const
{
    return static_cast<Page>(Notebook->currentIndex());
}

// ---- controls and records --------------------------------------------------------------------

TableAttributes TTblCreateForm::tableAttributesFromControls() const
{
    TableAttributes a;
    a.border = TblBorder->value();
    a.widthPercent = TblWidth->value();
    a.alignment = text(checkedText(TblAlignment));
    a.padding = TblPadding->value();
    a.spacing = TblSpacing->value();
    a.tableColour = text(OriginalColor->text());
    a.borderColour = text(BorderColor->text());
    a.caption = text(TblCaption->text());
    a.captionSize = TblCaptionSize->value();
    a.captionPosition = text(checkedText(TblCaptionPosition));
    return a;
}

void TTblCreateForm::showTableAttributes(const TableAttributes& a)
{
    const QScopedValueRollback updating(m_updating, true);
    TblBorder->setValue(a.border);
    TblWidth->setValue(a.widthPercent);
    checkByText(TblAlignment, text(a.alignment));
    TblPadding->setValue(a.padding);
    TblSpacing->setValue(a.spacing);
    OriginalColor->setText(text(a.tableColour));
    BorderColor->setText(text(a.borderColour));
    TblCaption->setText(text(a.caption));
    TblCaptionSize->setValue(a.captionSize);
    checkByText(TblCaptionPosition, text(a.captionPosition));
}

void TTblCreateForm::resetTableControls()
{
    // A rebuild starts the table afresh but keeps the colours the user chose.
    TableAttributes defaults;
    defaults.tableColour = text(OriginalColor->text());
    defaults.borderColour = text(BorderColor->text());
    showTableAttributes(defaults);
}

TableCell TTblCreateForm::cellFromControls() const
{
    return {RowSpan->value(), ColSpan->value(), text(valign->currentText()), text(halign->currentText()),
            text(CellColor->text()), CellHeader->isChecked(), text(CellText->text())};
}

void TTblCreateForm::showCell(const TableCell& cell)
{
    const QScopedValueRollback updating(m_updating, true);
    RowSpan->setValue(cell.rowSpan);
    ColSpan->setValue(cell.columnSpan);
    valign->setCurrentText(text(cell.vertical));
    halign->setCurrentText(text(cell.horizontal));
    CellColor->setText(text(cell.colour));
    CellHeader->setChecked(cell.header);
    CellText->setText(text(cell.text));
}

void TTblCreateForm::setCellControlsEnabled(bool enabled)
{
    const QScopedValueRollback updating(m_updating, true);
    CellText->clear();
    for (QWidget* w : std::initializer_list<QWidget*> {DeleteCell, AddCell, AddRow, CellText, CellHeader, RowSpan,
                                                       ColSpan, valign, halign})
        w->setEnabled(enabled);
}

// ---- the table ---------------------------------------------------------------------------------

void TTblCreateForm::reloadPreview()
{
    if (!Preview->LoadStrings(toStringList(m_lines.lines())))
        m_prompts->error(Preview->lastError());
}

void TTblCreateForm::updateTableMenu()
{
    m_viewAction->setText(m_lines.form() == LinesForm::Edit ? QStringLiteral("&View") : QStringLiteral("&Edit"));
    m_viewAction->setEnabled(m_lines.isBuilt());
    m_copyAction->setEnabled(m_lines.isBuilt());
}

void TTblCreateForm::TblBuildClick()
{
    if (m_lines.isBuilt() && Confirm->isChecked() && !m_prompts->confirmRebuild())
        return;
    resetTableControls();
    m_lines.build(TblRows->value(), TblCols->value(), tableAttributesFromControls());
    setCellControlsEnabled(false);
    showPage(Notebook->currentIndex());
    updateTableMenu();
    reloadPreview();
}

void TTblCreateForm::updateTableView()
{
    if (m_updating || !m_lines.updateTable(tableAttributesFromControls()))
        return;
    reloadPreview();
}

void TTblCreateForm::updateCell()
{
    if (m_updating || !m_lines.updateCell(cellFromControls()))
        return;
    reloadPreview();
}

void TTblCreateForm::PreviewHotSpotClick(const QString& target, bool* handled)
{
    // The stars are the wizard's own links; no link of the preview is ever followed.
    if (handled)
        *handled = true;
    const ReadBack<TableCell> read = m_lines.selectCell(text(target));
    if (!read.value) {
        if (!read.error.empty())
            m_prompts->error(text(read.error));
        return;
    }
    if (!DeleteCell->isEnabled())
        setCellControlsEnabled(true);
    showPage(static_cast<int>(Page::CellsAttributes));
    showCell(*read.value);
}

void TTblCreateForm::DeleteCellClick()
{
    if (!m_lines.deleteCell())
        return;
    setCellControlsEnabled(false);
    reloadPreview();
}

tessera::generators::WhereToAdd TTblCreateForm::whereToAdd() const
{
    return WhereToAdd->checkedId() == 0 ? tessera::generators::WhereToAdd::Before : tessera::generators::WhereToAdd::After;
}

void TTblCreateForm::AddCellClick()
{
    if (m_lines.addCell(whereToAdd(), text(OriginalColor->text())))
        reloadPreview();
}

void TTblCreateForm::AddRowClick()
{
    if (m_lines.addRow(whereToAdd(), text(OriginalColor->text())))
        reloadPreview();
}

void TTblCreateForm::ViewClick()
{
    commitFocusedEdit();
    if (!m_lines.isBuilt())
        return;
    if (m_lines.form() == LinesForm::Edit) {
        m_lines.toInsertForm();
        setCellControlsEnabled(false);
    } else {
        m_lines.toEditForm();
    }
    updateTableMenu();
    reloadPreview();
}

void TTblCreateForm::CopyHtmlClick()
{
    commitFocusedEdit();
    if (!m_lines.isBuilt())
        return;
    QApplication::clipboard()->setText(text(joinLines(m_lines.insertFormLines())));
}

// ---- files and leaving -------------------------------------------------------------------------

bool TTblCreateForm::SaveTableDefinitionClick()
{
    commitFocusedEdit();
    if (m_lines.form() == LinesForm::Insert) {
        m_lines.toEditForm();
        updateTableMenu();
        reloadPreview();
    }
    const QString chosen = m_prompts->saveFileName(m_fileName);
    if (chosen.isEmpty())
        return false;
    const QFileInfo info(chosen);
    const QString base = info.suffix().isEmpty() ? chosen : chosen.left(chosen.size() - info.suffix().size() - 1);
    const QString fileName = base + QStringLiteral(".tbl");
    // The file dialog asked about the name chosen; a different name made from it is asked here.
    if (fileName != chosen && QFileInfo::exists(fileName) && !m_prompts->confirmReplace(fileName))
        return false;
    DefinitionFile file(fileName);
    if (!file.write(toStringList(m_lines.lines()))) {
        m_prompts->error(file.errorString());
        return false;
    }
    m_fileName = fileName;
    m_lines.setModified(false);
    return true;
}

void TTblCreateForm::OpenTableDefinitionClick()
{
    commitFocusedEdit();
    if (!leaveWithChangesSettled())
        return;
    const QString fileName = m_prompts->openFileName(m_fileName);
    if (fileName.isEmpty())
        return;
    DefinitionFile file(fileName);
    QStringList lines;
    if (!file.read(lines)) {
        m_prompts->error(file.errorString());
        return;
    }
    TableLines opened;
    std::vector<std::string> utf8Lines;
    for (const QString& line : lines)
        utf8Lines.push_back(text(line));
    opened.load(std::move(utf8Lines));
    const ReadBack<TableAttributes> read = opened.readTableAttributes();
    if (!read.value) {
        m_prompts->error(text(read.error));
        return;
    }
    m_lines = std::move(opened);
    m_fileName = fileName;
    showTableAttributes(*read.value);
    setCellControlsEnabled(false);
    showPage(Notebook->currentIndex());
    updateTableMenu();
    reloadPreview();
}

bool TTblCreateForm::leaveWithChangesSettled()
{
    if (!m_lines.isModified())
        return true;
    switch (m_prompts->askSaveFirst()) {
    case TableWizardPrompts::SaveAnswer::Ok: return SaveTableDefinitionClick();
    case TableWizardPrompts::SaveAnswer::No: return true;
    case TableWizardPrompts::SaveAnswer::Cancel: return false;
    }
    return false;
}

void TTblCreateForm::InsertAndReturnClick()
{
    commitFocusedEdit();
    if (!leaveWithChangesSettled())
        return;
    if (m_lines.form() == LinesForm::Edit)
        m_lines.toInsertForm();
    if (!m_lines.lines().empty() && m_insertLines)
        m_insertLines(toStringList(m_lines.lines()));
    accept();
}

void TTblCreateForm::AbandonAndReturnClick()
{
    reject();
}

void TTblCreateForm::reject()
{
    commitFocusedEdit();
    if (leaveWithChangesSettled())
        QDialog::reject();
}

// ---- pages -------------------------------------------------------------------------------------

void TTblCreateForm::commitFocusedEdit()
{
    QWidget* focused = focusWidget();
    if (focused == TblCaption || focused == OriginalColor || focused == BorderColor)
        updateTableView();
    else if (focused == CellText || focused == CellColor)
        updateCell();
}

void TTblCreateForm::showPage(int index)
{
    const int last = Notebook->count() - 1;
    Notebook->setCurrentIndex(std::clamp(index, 0, last));
    m_pageTitle->setText(kPageTitles.value(Notebook->currentIndex()));
    Previous->setEnabled(Notebook->currentIndex() > 0);
    Next->setEnabled(Notebook->currentIndex() < last && m_lines.isBuilt());
}

void TTblCreateForm::NextClick()
{
    commitFocusedEdit();
    if (Notebook->currentIndex() == 0 && !m_lines.isBuilt())
        return;
    showPage(Notebook->currentIndex() + 1);
}

void TTblCreateForm::PreviousClick()
{
    commitFocusedEdit();
    showPage(Notebook->currentIndex() - 1);
}
