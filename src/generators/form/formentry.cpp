#include "generators/form/formentry.h"

#include "generators/form/formwizardprompts.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace tessera::generators;

namespace {

const QStringList kPageCaptions = {QStringLiteral("Check Box"), QStringLiteral("Radio Group"), QStringLiteral("Data Entry"),
                                   QStringLiteral("List Box"),  QStringLiteral("Text Area"),   QStringLiteral("Page Text"),
                                   QStringLiteral("Hidden")};

std::string text(const QString& value) { return value.toStdString(); }
QString text(const std::string& value) { return QString::fromStdString(value); }

template<typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* edit(const char* name) { return named(new QLineEdit, name); }
QCheckBox* check(const QString& caption, const char* name) { return named(new QCheckBox(caption), name); }

QSpinBox* spin(const char* name, int minimum, int maximum, int value)
{
    auto* box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QWidget* formPage(std::initializer_list<std::pair<QString, QWidget*>> rows)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (const auto& [label, widget] : rows) {
        if (label.isEmpty())
            form->addRow(widget);
        else
            form->addRow(label, widget);
    }
    return page;
}

} // namespace

TFormEntry::TFormEntry(FormWizardPrompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FormEntry"));
    m_pages = new QStackedWidget;
    for (QWidget* page : {buildCheckBoxPage(), buildRadioPage(), buildEntryPage(), buildListBoxPage(), buildTextAreaPage(),
                          buildPageTextPage(), buildHiddenPage()})
        m_pages->addWidget(page);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormEntry::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormEntry::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    showPage(FieldKind::CheckBox, {});
}

QWidget* TFormEntry::buildCheckBoxPage()
{
    CBVar = edit("CBVar");
    CBCaption = edit("CBCaption");
    CBValue = edit("CBValue");
    CBChecked = check(QStringLiteral("Check Item?"), "CBChecked");
    return formPage({{QStringLiteral("Variable Name:"), CBVar},
                     {QStringLiteral("Caption text for checkbox:"), CBCaption},
                     {QStringLiteral("Assigned Value:"), CBValue},
                     {{}, CBChecked}});
}

QWidget* TFormEntry::buildRadioPage()
{
    RGVar = named(new QComboBox, "RGVar");
    RGVar->setEditable(true);
    RGVar->setInsertPolicy(QComboBox::NoInsert);
    RGCaption = edit("RGCaption");
    RGValue = edit("RGValue");
    RGChecked = check(QStringLiteral("Default Radio Button"), "RGChecked");
    return formPage({{QStringLiteral("Radio Group Name:"), RGVar},
                     {QStringLiteral("Button Caption:"), RGCaption},
                     {QStringLiteral("Assigned Value:"), RGValue},
                     {{}, RGChecked}});
}

QWidget* TFormEntry::buildEntryPage()
{
    DEVar = edit("DEVar");
    DECaption = edit("DECaption");
    DELength = spin("DELength", 1, 999, defaultEntryLength);
    Password = check(QStringLiteral("Password field?"), "Password");
    return formPage({{QStringLiteral("Variable Name:"), DEVar},
                     {QStringLiteral("Data Entry Field Caption:"), DECaption},
                     {QStringLiteral("Length Of Field:"), DELength},
                     {{}, Password}});
}

QWidget* TFormEntry::buildListBoxPage()
{
    LBVar = edit("LBVar");
    LBCaption = edit("LBCaption");
    LBEntry = edit("LBEntry");
    LBAdd = named(new QPushButton(QStringLiteral("&Add")), "LBAdd");
    LBRemove = named(new QPushButton(QStringLiteral("&Remove")), "LBRemove");
    LBItems = named(new QListWidget, "LBItems");
    LBSort = check(QStringLiteral("Sort List"), "LBSort");
    LBMultiple = check(QStringLiteral("Multiple Selections"), "LBMultiple");
    LBVisible = spin("LBVisible", 0, 99, defaultVisibleItems);

    auto* entryRow = new QWidget;
    auto* entryLayout = new QHBoxLayout(entryRow);
    entryLayout->setContentsMargins(0, 0, 0, 0);
    entryLayout->addWidget(LBEntry, 1);
    entryLayout->addWidget(LBAdd);
    entryLayout->addWidget(LBRemove);
    LBItems->setMinimumHeight(90);
    LBEntry->setMinimumWidth(160);

    LBEntry->installEventFilter(this);
    connect(LBAdd, &QPushButton::clicked, this, &TFormEntry::LBAddClick);
    connect(LBRemove, &QPushButton::clicked, this, &TFormEntry::LBRemoveClick);
    connect(LBItems, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { LBEntry->setText(item->text()); });
    connect(LBSort, &QCheckBox::toggled, this, &TFormEntry::sortEntriesWhenAsked);
    return formPage({{QStringLiteral("List Box Variable Name:"), LBVar},
                     {QStringLiteral("List Box Caption:"), LBCaption},
                     {QStringLiteral("List Box Entry:"), entryRow},
                     {{}, LBItems},
                     {{}, LBSort},
                     {{}, LBMultiple},
                     {QStringLiteral("Visible Items:"), LBVisible}});
}

QWidget* TFormEntry::buildTextAreaPage()
{
    TAVar = edit("TAVar");
    TACaption = edit("TACaption");
    TACols = spin("TACols", 1, 100, defaultTextAreaColumns);
    TARows = spin("TARows", 1, 10, defaultTextAreaRows);
    return formPage({{QStringLiteral("Comment Box Variable Name:"), TAVar},
                     {QStringLiteral("Comment Box Caption:"), TACaption},
                     {QStringLiteral("Columns:"), TACols},
                     {QStringLiteral("Rows"), TARows}});
}

QWidget* TFormEntry::buildPageTextPage()
{
    PTCaption = edit("PTCaption");
    PTBold = check(QStringLiteral("Bold"), "PTBold");
    PTItalics = check(QStringLiteral("Italics"), "PTItalics");
    PTUnderline = check(QStringLiteral("Underlined"), "PTUnderline");
    PTPreformat = check(QStringLiteral("Preformatted"), "PTPreformat");
    PTFontSize = spin("PTFontSize", 0, 7, defaultFontSize);
    return formPage({{QStringLiteral("Page Text:"), PTCaption},
                     {{}, PTBold},
                     {{}, PTItalics},
                     {{}, PTUnderline},
                     {{}, PTPreformat},
                     {QStringLiteral("Font Size:"), PTFontSize}});
}

QWidget* TFormEntry::buildHiddenPage()
{
    HDVar = edit("HDVar");
    HDValue = edit("HDValue");
    return formPage({{QStringLiteral("Variable Name:"), HDVar}, {QStringLiteral("Assigned Value:"), HDValue}});
}

// ---- showing a field -------------------------------------------------------------------------

void TFormEntry::showPage(FieldKind kind, const QStringList& groups)
{
    const int index = static_cast<int>(kind);
    m_pages->setCurrentIndex(index);
    // The dialog fits the page shown rather than the largest page.
    for (int page = 0; page < m_pages->count(); ++page) {
        const auto policy = page == index ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        m_pages->widget(page)->setSizePolicy(policy, policy);
    }
    adjustSize();
    setWindowTitle(kPageCaptions[index] + QStringLiteral(" Definition"));
    const QString group = RGVar->currentText();
    RGVar->clear();
    RGVar->addItems(groups);
    RGVar->setEditText(group);
    m_ok->setDefault(true);
    QWidget* const firstFields[] = {CBVar, RGVar, DEVar, LBVar, TAVar, PTCaption, HDVar};
    firstFields[index]->setFocus();
}

void TFormEntry::startAdding(FieldKind kind, const QStringList& groups)
{
    showPage(kind, groups);
    emptyPage();
}

void TFormEntry::emptyPage()
{
    QWidget* page = m_pages->currentWidget();
    for (QLineEdit* line : page->findChildren<QLineEdit*>()) {
        // The group drop-down's own text box keeps the last group, so the next button joins it.
        if (!qobject_cast<QComboBox*>(line->parentWidget()))
            line->clear();
    }
    for (QListWidget* list : page->findChildren<QListWidget*>())
        list->clear();
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        box->setChecked(false);
}

void TFormEntry::startEditing(const FormField& field, const QStringList& groups)
{
    showPage(kindOf(field), groups);
    fillFrom(field);
}

void TFormEntry::fillFrom(const FormField& field)
{
    std::visit(Overloaded {
                   [this](const CheckBoxField& c) {
                       CBVar->setText(text(c.name));
                       CBCaption->setText(text(c.caption));
                       CBValue->setText(text(c.value));
                       CBChecked->setChecked(c.checked);
                   },
                   [this](const RadioButtonField& r) {
                       RGVar->setEditText(text(r.group));
                       RGCaption->setText(text(r.caption));
                       RGValue->setText(text(r.value));
                       RGChecked->setChecked(r.checked);
                   },
                   [this](const EntryField& e) {
                       DEVar->setText(text(e.name));
                       DECaption->setText(text(e.caption));
                       DELength->setValue(e.length);
                       Password->setChecked(e.password);
                   },
                   [this](const ListBoxField& l) {
                       LBVar->setText(text(l.name));
                       LBCaption->setText(text(l.caption));
                       LBEntry->clear();
                       QStringList items;
                       for (const std::string& item : l.items)
                           items << text(item);
                       // The stored order stands until the user adds an entry or sorts again.
                       const QSignalBlocker quiet(LBSort);
                       LBSort->setChecked(l.sorted);
                       setEntries(items);
                       LBMultiple->setChecked(l.multiple);
                       LBVisible->setValue(l.visible);
                   },
                   [this](const TextAreaField& t) {
                       TAVar->setText(text(t.name));
                       TACaption->setText(text(t.caption));
                       TACols->setValue(t.columns);
                       TARows->setValue(t.rows);
                   },
                   [this](const PageTextField& p) {
                       PTCaption->setText(text(p.text));
                       PTBold->setChecked(p.bold);
                       PTItalics->setChecked(p.italics);
                       PTUnderline->setChecked(p.underlined);
                       PTPreformat->setChecked(p.preformatted);
                       PTFontSize->setValue(p.size);
                   },
                   [this](const HiddenField& h) {
                       HDVar->setText(text(h.name));
                       HDValue->setText(text(h.value));
                   },
               },
               field);
}

// ---- reading the field back ------------------------------------------------------------------

FieldKind TFormEntry::kind() const
{
    return static_cast<FieldKind>(m_pages->currentIndex());
}

FormField TFormEntry::field() const
{
    switch (kind()) {
    case FieldKind::CheckBox:
        return CheckBoxField {text(CBVar->text()), text(CBValue->text()), text(CBCaption->text()), CBChecked->isChecked()};
    case FieldKind::RadioButton:
        return RadioButtonField {text(RGVar->currentText()), text(RGValue->text()), text(RGCaption->text()),
                                 RGChecked->isChecked()};
    case FieldKind::Entry:
        return EntryField {text(DEVar->text()), text(DECaption->text()), DELength->value(), Password->isChecked()};
    case FieldKind::ListBox: {
        ListBoxField box {text(LBVar->text()), text(LBCaption->text()), LBSort->isChecked(), LBMultiple->isChecked(),
                          LBVisible->value(), {}};
        for (const QString& entry : entries())
            box.items.push_back(text(entry));
        return box;
    }
    case FieldKind::TextArea:
        return TextAreaField {text(TAVar->text()), text(TACaption->text()), TACols->value(), TARows->value()};
    case FieldKind::PageText:
        return PageTextField {PTBold->isChecked(),      PTItalics->isChecked(),  PTUnderline->isChecked(),
                              PTPreformat->isChecked(), PTFontSize->value(), text(PTCaption->text())};
    case FieldKind::Hidden: return HiddenField {text(HDVar->text()), text(HDValue->text())};
    }
    return HiddenField {};
}

void TFormEntry::accept()
{
    if (kind() == FieldKind::CheckBox && CBVar->text().contains(QLatin1Char(' '))) {
        m_prompts.information(FormWizardTexts::noSpaces);
        return;
    }
    // A "|" would split the definition line and shift every later field.
    if (hasFieldSeparator(field())) {
        m_prompts.information(FormWizardTexts::noSeparators);
        return;
    }
    QDialog::accept();
}

// ---- list box entries ------------------------------------------------------------------------

QStringList TFormEntry::entries() const
{
    QStringList list;
    for (int row = 0; row < LBItems->count(); ++row)
        list << LBItems->item(row)->text();
    return list;
}

void TFormEntry::setEntries(const QStringList& entries)
{
    LBItems->clear();
    LBItems->addItems(entries);
}

void TFormEntry::sortEntriesWhenAsked()
{
    if (!LBSort->isChecked())
        return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList sorted = entries();
    std::stable_sort(sorted.begin(), sorted.end(), [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    setEntries(sorted);
}

void TFormEntry::LBAddClick()
{
    const QString entry = LBEntry->text();
    if (entry.isEmpty())
        return;
    if (entry.contains(QLatin1Char('|'))) {
        m_prompts.information(FormWizardTexts::noSeparators);
        return;
    }
    LBItems->addItem(entry);
    sortEntriesWhenAsked();
    LBEntry->clear();
    LBEntry->setFocus();
}

void TFormEntry::LBRemoveClick()
{
    const QList<QListWidgetItem*> found = LBItems->findItems(LBEntry->text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        delete found.first();
    LBEntry->clear();
}

bool TFormEntry::eventFilter(QObject* watched, QEvent* event)
{
    // While an entry is typed, Enter adds it rather than closing the dialog.
    if (watched == LBEntry && event->type() == QEvent::FocusIn)
        LBAdd->setDefault(true);
    else if (watched == LBEntry && event->type() == QEvent::FocusOut)
        m_ok->setDefault(true);
    return QDialog::eventFilter(watched, event);
}
