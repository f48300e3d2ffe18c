#include "workspace/tags/alignpopup.h"

#include "workspace/tags/taginserter.h"

#include <QMenu>
#include <QWidget>

namespace AlignmentItems {

Items forTag(const QString& tagName)
{
    Items items;
    const QString t = tagName.trimmed().toUpper();
    if (t == QLatin1String("BR")) {
        items.action = Action::Text;
        for (const char* format : {"<%1>", "<%1 CLEAR=\"left\">", "<%1 CLEAR=\"all\">", "<%1 CLEAR=\"right\">"})
            items.captions << QString::fromLatin1(format).arg(t);
    } else if (t == QLatin1String("HR")) {
        items.captions << QStringLiteral("<%1>").arg(t);
        for (const char* side : {"left", "center", "right"})
            items.captions << QStringLiteral("<%1 ALIGN=\"%2\" SIZE=\"2\" WIDTH=\"100%\">").arg(t, QLatin1String(side));
    } else {
        items.captions << QStringLiteral("<%1></%1>").arg(t);
        for (const char* side : {"left", "center", "right"})
            items.captions << QStringLiteral("<%1 ALIGN=\"%2\"></%1>").arg(t, QLatin1String(side));
    }
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
    m_menu->clear();
    const AlignmentItems::Items items = AlignmentItems::forTag(tagName);
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
    rebuild(tagName);
    const QPoint below = button ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos();
    m_menu->popup(below);
}
