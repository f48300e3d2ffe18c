#include "custom/buttons/tcustombuttonform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int captionLength = 3;
constexpr int tabCaptionLength = 15;
constexpr int setupButtonSize = 25;

} // namespace

TCustomButtonForm::TCustomButtonForm(const QStringList& tabCaptions, DataFileLocator locate, QWidget* parent)
    : QDialog(parent)
    , m_locate(std::move(locate))
{
    setObjectName(QStringLiteral("CustomButtonForm"));
    setWindowTitle(QStringLiteral("Custom Button Setup"));
    FormCreate(tabCaptions);
}

void TCustomButtonForm::FormCreate(const QStringList& tabCaptions)
{
    m_pageControl = new QTabWidget;
    m_pageControl->setObjectName(QStringLiteral("PageControl"));
    for (int page = 0; page < ButtonFile::pageCount; ++page) {
        auto* tab = new QWidget;
        tab->setObjectName(QStringLiteral("SetupTab%1").arg(page + 1));
        tab->setMinimumSize(setupButtonSize * ButtonFile::slotCount, setupButtonSize);
        m_pageControl->addTab(tab, tabCaptions.value(page, QStringLiteral("Custom %1").arg(page + 1)));
        LoadButtons(page, tab);
    }
    connect(m_pageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == m_shownPage)
            return;
        if (!PageControlChanging()) {
            const QSignalBlocker blocker(m_pageControl);
            m_pageControl->setCurrentIndex(m_shownPage);
            return;
        }
        PageControlChange(index);
    });
    m_pageControl->tabBar()->installEventFilter(this);

    ButtonCaption = new QLineEdit;
    ButtonCaption->setObjectName(QStringLiteral("ButtonCaption"));
    ButtonCaption->setMaxLength(captionLength);
    ButtonSource = new QLineEdit;
    ButtonSource->setObjectName(QStringLiteral("ButtonSource"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Button Caption:"), ButtonCaption);
    fields->addRow(QStringLiteral("HTML Code to use:"), ButtonSource);

    InsertStyle = new QGroupBox(QStringLiteral("Tag Type:"));
    InsertStyle->setObjectName(QStringLiteral("InsertStyle"));
    m_insertStyleGroup = new QButtonGroup(this);
    auto* insertLayout = new QVBoxLayout(InsertStyle);
    const char* const insertCaptions[] = {"Insert As Is", "Standard Double", "Uneven Double"};
    for (int i = 0; i < 3; ++i) {
        m_insertStyles[i] = new QRadioButton(QString::fromLatin1(insertCaptions[i]));
        m_insertStyleGroup->addButton(m_insertStyles[i], i);
        insertLayout->addWidget(m_insertStyles[i]);
    }
    // The drop-down style is kept per slot but not offered: only a button file can change it.
    Dropdownstyle = new QGroupBox(QStringLiteral("Dropdown Menu"));
    Dropdownstyle->setObjectName(QStringLiteral("Dropdownstyle"));
    m_dropDownStyleGroup = new QButtonGroup(this);
    auto* dropDownLayout = new QVBoxLayout(Dropdownstyle);
    const char* const dropDownCaptions[] = {"Double w/Align", "Single w/Align"};
    for (int i = 0; i < 2; ++i) {
        m_dropDownStyles[i] = new QRadioButton(QString::fromLatin1(dropDownCaptions[i]));
        m_dropDownStyleGroup->addButton(m_dropDownStyles[i], i);
        dropDownLayout->addWidget(m_dropDownStyles[i]);
    }
    Dropdownstyle->hide();
    m_insertStyles[0]->setChecked(true);
    m_dropDownStyles[0]->setChecked(true);

    IsDropType = new QCheckBox(QStringLiteral("Use as drop down button"));
    IsDropType->setObjectName(QStringLiteral("IsDropType"));
    connect(IsDropType, &QCheckBox::clicked, this, &TCustomButtonForm::IsDropTypeClick);
    TabWarning = new QCheckBox(QStringLiteral("Warn when changing tabs"));
    TabWarning->setObjectName(QStringLiteral("TabWarning"));
    TabWarning->setChecked(true);

    m_assign = new QPushButton(QStringLiteral("Assign"));
    m_assign->setObjectName(QStringLiteral("Assign"));
    m_assign->setEnabled(false);
    connect(m_assign, &QPushButton::clicked, this, &TCustomButtonForm::BitBtn3Click);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TCustomButtonForm::BitBtn1Click);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &TCustomButtonForm::BitBtn2Click);

    auto* checks = new QVBoxLayout;
    checks->addWidget(IsDropType);
    checks->addWidget(TabWarning);
    checks->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(fields, 1);
    middle->addWidget(InsertStyle);
    middle->addWidget(Dropdownstyle);
    middle->addLayout(checks);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(
        QStringLiteral("*To change the tab caption press the Shift key and click on the tab  to change.")), 1);
    buttons->addWidget(m_assign);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pageControl);
    layout->addLayout(middle);
    layout->addLayout(buttons);
}

void TCustomButtonForm::LoadButtons(int page, QWidget* tab)
{
    const QString path = m_locate(ButtonFile::fileName(page));
    const ButtonFile::ReadResult result = ButtonFile::read(path);
    if (result.status == ButtonFile::ReadResult::Status::Unreadable) {
        m_unreadable[page] = true;
        m_pageControl->setTabEnabled(page, false);
        m_pageControl->setTabToolTip(page, QStringLiteral("%1 could not be read: %2")
                                               .arg(QDir::toNativeSeparators(path), result.error));
    }
    QStringList& list = m_lists[page];
    list = result.lines;
    m_groups[page] = new QButtonGroup(this);
    m_groups[page]->setExclusive(true);
    for (int k = 0; k < ButtonFile::slotCount; ++k) {
        auto* button = new QToolButton(tab);
        button->setObjectName(QStringLiteral("SetupButton%1_%2").arg(page + 1).arg(k));
        button->setGeometry(setupButtonSize * k, 0, setupButtonSize, setupButtonSize);
        button->setCheckable(true);
        if (k < list.size()) {
            const ButtonFile::Button definition = ButtonFile::parseLine(list.at(k));
            button->setText(::buttonCaption(definition.caption));
            button->setToolTip(definition.source.toHtmlEscaped());
        }
        m_groups[page]->addButton(button, k);
        connect(button, &QToolButton::clicked, this, [this, k] { LoadSettings(k); });
        m_buttons[page][k] = button;
    }
    list = ButtonFile::padded(list);
}

QStringList TCustomButtonForm::tabCaptions() const
{
    QStringList captions;
    for (int page = 0; page < ButtonFile::pageCount; ++page)
        captions << m_pageControl->tabText(page);
    return captions;
}

void TCustomButtonForm::LoadSettings(int slot)
{
    const int page = m_pageControl->currentIndex();
    const ButtonFile::Button definition = ButtonFile::parseLine(m_lists[page].value(slot));
    IsDropType->setChecked(definition.isDropDown());
    showDropType(definition.isDropDown());
    ButtonCaption->setText(definition.caption);
    ButtonSource->setText(definition.source);
    m_insertStyles[int(definition.tagType)]->setChecked(true);
    m_dropDownStyles[int(definition.dropDownStyle)]->setChecked(true);
    m_currentButton = m_buttons[page][slot];
    m_currentButton->setChecked(true);
    setCurrentSlot(slot);
}

void TCustomButtonForm::IsDropTypeClick()
{
    showDropType(IsDropType->isChecked());
    ButtonCaption->setText(IsDropType->isChecked() ? ButtonFile::dropDownCaption : QString());
}

void TCustomButtonForm::showDropType(bool dropType)
{
    InsertStyle->setVisible(!dropType);
    ButtonCaption->setEnabled(!dropType);
}

void TCustomButtonForm::BitBtn3Click()
{
    if (m_currentSlot < 0)
        return;
    // "|" separates the fields of a button line, so it would cut the value short.
    if (ButtonCaption->text().contains(QLatin1Char('|')) || ButtonSource->text().contains(QLatin1Char('|'))) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("A button's caption and HTML code cannot contain \"|\"."));
        return;
    }
    BuildNewButtonAssignments();
}

void TCustomButtonForm::BuildNewButtonAssignments()
{
    const int page = m_pageControl->currentIndex();
    m_lists[page][m_currentSlot] = ButtonFile::formatLine(ButtonCaption->text(), ButtonSource->text(),
                                                          m_insertStyleGroup->checkedId(),
                                                          m_dropDownStyleGroup->checkedId());
    m_modified = true;
    m_currentButton->setText(::buttonCaption(ButtonCaption->text()));
    m_currentButton->setToolTip(ButtonSource->text().toHtmlEscaped());
    releaseCurrentButton();
    ButtonCaption->clear();
    ButtonSource->clear();
    setCurrentSlot(-1);
}

void TCustomButtonForm::releaseCurrentButton()
{
    if (!m_currentButton)
        return;
    // An exclusive group keeps one button down; let go of it for a moment to release it.
    QButtonGroup* group = m_currentButton->group();
    group->setExclusive(false);
    m_currentButton->setChecked(false);
    group->setExclusive(true);
    m_currentButton = nullptr;
}

void TCustomButtonForm::setCurrentSlot(int slot)
{
    m_currentSlot = slot;
    m_assign->setEnabled(slot >= 0);
}

bool TCustomButtonForm::PageControlChanging()
{
    if (m_currentSlot >= 0 && TabWarning->isChecked()
        && QMessageBox::information(this, windowTitle(), QStringLiteral("Change Button tabs without Assigning properties?"),
                                    QMessageBox::Ok | QMessageBox::Cancel)
            != QMessageBox::Ok)
        return false;
    releaseCurrentButton();
    return true;
}

void TCustomButtonForm::PageControlChange(int index)
{
    m_shownPage = index;
    setCurrentSlot(-1);
    ButtonCaption->clear();
    ButtonSource->clear();
    m_insertStyles[0]->setChecked(true);
    m_dropDownStyles[0]->setChecked(true);
}

void TCustomButtonForm::PageControlMouseUp()
{
    bool ok = false;
    const QString caption = QInputDialog::getText(this, QStringLiteral("Tab Caption"), QStringLiteral("New Tab Caption"),
                                                  QLineEdit::Normal, QString(), &ok);
    // An empty caption would leave a tab nobody can find.
    if (ok && !caption.trimmed().isEmpty())
        m_pageControl->setTabText(m_pageControl->currentIndex(), caption.left(tabCaptionLength));
}

bool TCustomButtonForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pageControl->tabBar() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier)
            && m_pageControl->tabBar()->tabAt(mouse->position().toPoint()) == m_pageControl->currentIndex())
            PageControlMouseUp();
    }
    return QDialog::eventFilter(watched, event);
}

void TCustomButtonForm::BitBtn1Click()
{
    for (int page = 0; page < ButtonFile::pageCount; ++page) {
        if (m_unreadable[page])
            continue;
        const QString path = m_locate(ButtonFile::fileName(page));
        QString error;
        if (!ButtonFile::write(path, m_lists[page], &error)) {
            QMessageBox::critical(this, windowTitle(),
                                  QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), error));
            return;
        }
    }
    m_modified = false;
    accept();
}

bool TCustomButtonForm::mayClose()
{
    return !m_modified
        || QMessageBox::warning(this, windowTitle(), QStringLiteral("Abandon changes?"), QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

void TCustomButtonForm::reject()
{
    if (mayClose())
        QDialog::reject();
}
