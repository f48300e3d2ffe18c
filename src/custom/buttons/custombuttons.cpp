#include "custom/buttons/custombuttons.h"

#include "workspace/tags/alignpopup.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbookicons.h"

#include <QDir>
#include <QFile>
#include <QToolButton>

void CreateButtons(QWidget* tab, ButtonArray& array, int highest)
{
    for (int k = 0; k <= highest && k < int(array.size()); ++k) {
        auto* button = new QToolButton(tab);
        button->setObjectName(QStringLiteral("%1Button%2").arg(tab->objectName()).arg(k));
        button->setAutoRaise(true);
        button->hide();
        array[k] = button;
    }
}

QString buttonCaption(const QString& text)
{
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

CustomButtons::CustomButtons(TagInserter* inserter, AlignmentPopup* popup, DataFileLocator locate, QObject* parent)
    : QObject(parent)
    , m_inserter(inserter)
    , m_popup(popup)
    , m_locate(std::move(locate))
{
}

QString CustomButtons::build(const std::array<QWidget*, ButtonFile::pageCount>& tabs)
{
    m_tabs = tabs;
    QStringList failures;
    for (int page = 0; page < ButtonFile::pageCount; ++page) {
        CreateButtons(m_tabs[page], m_arrays[page], ButtonFile::slotCount - 1);
        for (QToolButton* button : m_arrays[page])
            connect(button, &QToolButton::clicked, this, [this, button] { clicked(button); });
        const QString failure = reload(page);
        if (!failure.isEmpty())
            failures << failure;
    }
    return failures.join(QLatin1Char('\n'));
}

QString CustomButtons::reload(int page)
{
    const QString failure = loadButtonText(page);
    ReassignButtons(m_tabs[page], m_arrays[page], m_buttonText, ButtonFile::slotCount - 1);
    return failure;
}

QString CustomButtons::loadButtonText(int page)
{
    // Each tab starts from an empty list, so a missing file never shows another tab's buttons.
    m_buttonText.clear();
    const QString found = filePath(page);
    if (!QFile::exists(found))
        return {};
    const ButtonFile::ReadResult result = ButtonFile::read(found);
    m_buttonText = result.lines;
    if (result.status == ButtonFile::ReadResult::Status::Unreadable)
        return QStringLiteral("%1 could not be read: %2").arg(QDir::toNativeSeparators(found), result.error);
    return {};
}

void CustomButtons::ReassignButtons(QWidget* tab, ButtonArray& array, const QStringList& list, int highest)
{
    constexpr int slotWidth = 30;
    constexpr int height = 26;
    for (int k = 0; k <= highest && k < int(array.size()); ++k) {
        QToolButton* button = array[k];
        button->setParent(tab);
        const ButtonFile::Button definition = ButtonFile::parseLine(k < list.size() ? list.at(k) : QString());
        m_bindings[button] = definition;
        button->setToolTip(definition.source.toHtmlEscaped());
        if (definition.isDropDown()) {
            // A narrow arrow, set in from the left of its slot.
            button->setText(QString());
            button->setIcon(ToolBookIcons::icon(ToolBookIcons::Icon::DownArrow));
            button->setGeometry(slotWidth * k + 12, 0, 19, height);
        } else {
            button->setText(buttonCaption(definition.caption));
            button->setIcon(QIcon());
            button->setGeometry(slotWidth * k, 0, slotWidth, height);
        }
        button->setVisible(definition.exists());
    }
}

void CustomButtons::clicked(QToolButton* button)
{
    const ButtonFile::Button& definition = m_bindings[button];
    if (definition.isDropDown()) {
        m_popup->showBelow(button, definition.dropDownStyle == ButtonFile::DropDownStyle::SingleWithAlign
                                       ? AlignmentItems::clearedSingles(definition.source)
                                       : AlignmentItems::alignedPairs(definition.source));
        return;
    }
    switch (definition.tagType) {
    case ButtonFile::TagType::InsertAsIs:
        m_inserter->ButtonInsertAsIs(definition.source);
        break;
    case ButtonFile::TagType::StandardDouble:
        m_inserter->ButtonInsertEven(definition.source);
        break;
    case ButtonFile::TagType::UnevenDouble:
        m_inserter->ButtonInsertUnEven(definition.source);
        break;
    }
}
