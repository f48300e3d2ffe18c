#include "workspace/tags/alignpopup.h"

#include "workspace/tags/taginserter.h"

#include <QMenu>
#include <QWidget>

namespace AlignmentItems {

Items alignedPairs(const QString& tagName)
{
    Items items;
    items.captions << QStringLiteral("<%1></%1>").arg(tagName);
    for (const char* side : {"left", "center", "right"})
        items.captions << QStringLiteral("<%1 ALIGN=\"%2\"></%1>").arg(tagName, QLatin1String(side));
    return items;
}

Items clearedSingles(const QString& tagName)
{
    Items items;
    items.action = Action::Text;
    for (const char* format : {"<%1>", "<%1 CLEAR=\"left\">", "<%1 CLEAR=\"all\">", "<%1 CLEAR=\"right\">"})
        items.captions << QString::fromLatin1(format).arg(tagName);
    return items;
}

Items forTag(const QString& tagName)
{
    const QString t = tagName.trimmed().toUpper();
    if (t == QLatin1String("BR"))
        return clearedSingles(t);
    if (t != QLatin1String("HR"))
        return alignedPairs(t);
    Items items;
    items.captions << QStringLiteral("<%1>").arg(t);
    for (const char* side : {"left", "center", "right"})
        items.captions << QStringLiteral("<%1 ALIGN=\"%2\" SIZE=\"2\" WIDTH=\"100%\">").arg(t, QLatin1String(side));
    return items;
}

} // namespace AlignmentItems

AlignmentPopup::AlignmentPopup(TagInserter* inserter, QObject* parent)
    : QObject(parent)
    , m_inserter(inserter)
    , m_menu(new QMenu)
{
    m_menu->setObjectName(QStringLiteral("AlignmentPopup"));
}

AlignmentPopup::~AlignmentPopup()
{
    delete m_menu;
}

void AlignmentPopup::rebuild(const QString& tagName)
{
    rebuild(AlignmentItems::forTag(tagName));
}

void AlignmentPopup::rebuild(const AlignmentItems::Items& items)
{
    m_menu->clear();
    for (const QString& caption : items.captions) {
        QAction* action = m_menu->addAction(caption);
        const bool asText = items.action == AlignmentItems::Action::Text;
        connect(action, &QAction::triggered, m_inserter, [inserter = m_inserter, caption, asText] {
            if (asText)
                inserter->InsertText(caption);
            else
                inserter->InsertCaptionAsTag(caption);
        });
    }
}

void AlignmentPopup::showBelow(QWidget* button, const QString& tagName)
{
    showBelow(button, AlignmentItems::forTag(tagName));
}

void AlignmentPopup::showBelow(QWidget* button, const AlignmentItems::Items& items)
{
    rebuild(items);
    const QPoint below = button ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos();
    m_menu->popup(below);
}
