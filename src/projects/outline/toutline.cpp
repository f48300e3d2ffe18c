#include "projects/outline/toutline.h"

#include "projects/model/outlineentry.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace {

const QString entryMimeType = QStringLiteral("application/x-tessera-outline-page");

// A page entry on its way, with the outline it left: only that outline's own drags are taken.
class OutlineDragData : public QMimeData {
public:
    OutlineDragData(const TOutline* origin, const QString& entry)
        : m_origin(origin)
    {
        setData(entryMimeType, entry.toUtf8());
        setText(entry);
    }
    const TOutline* origin() const { return m_origin; }

private:
    const TOutline* m_origin;
};

bool isEntryKey(const QKeyEvent* event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_F3:
        return true;
    default:
        return false;
    }
}

} // namespace

TOutline::TOutline(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("Outline1"));
    setToolTip(ProjectTexts::outlineHint);
    setStatusTip(ProjectTexts::outlineHint);
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { emit entryDoubleClicked(); });
}

void TOutline::setOutline(ProjectOutline outline)
{
    clear();
    m_outline = std::move(outline);
    for (const OutlineProject& project : m_outline.projects()) {
        QTreeWidgetItem* projectItem = makeItem(project.text, false);
        for (const QString& page : project.pages)
            projectItem->addChild(makeItem(page, true));
        addTopLevelItem(projectItem);
        projectItem->setExpanded(true);
    }
    if (!m_outline.isEmpty())
        select({0, -1});
}

QTreeWidgetItem* TOutline::makeItem(const QString& text, bool page) const
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Only pages travel: onto another project, or onto the editor as a link.
    flags |= page ? Qt::ItemIsDragEnabled : Qt::ItemIsDropEnabled;
    item->setFlags(flags);
    return item;
}

QTreeWidgetItem* TOutline::itemFor(const OutlinePosition& position) const
{
    if (!m_outline.contains(position))
        return nullptr;
    QTreeWidgetItem* project = topLevelItem(position.project);
    return position.isPage() ? project->child(position.page) : project;
}

OutlinePosition TOutline::positionOf(QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    if (QTreeWidgetItem* parent = item->parent())
        return {indexOfTopLevelItem(parent), parent->indexOfChild(item)};
    return {indexOfTopLevelItem(item), -1};
}

OutlinePosition TOutline::selectedPosition() const
{
    return positionOf(currentItem());
}

QString TOutline::selectedText() const
{
    return m_outline.text(selectedPosition());
}

void TOutline::select(const OutlinePosition& position)
{
    QTreeWidgetItem* item = itemFor(position);
    setCurrentItem(item);
    if (item)
        scrollToItem(item);
}

OutlinePosition TOutline::positionAt(const QPoint& viewportPoint) const
{
    return positionOf(itemAt(viewportPoint));
}

OutlinePosition TOutline::appendProject(const QString& text)
{
    const OutlinePosition position = m_outline.appendProject(text);
    addTopLevelItem(makeItem(text, false));
    return position;
}

OutlinePosition TOutline::insertPage(int project, const QString& text)
{
    const OutlinePosition position = m_outline.insertPage(project, text);
    QTreeWidgetItem* projectItem = topLevelItem(project);
    projectItem->insertChild(position.page, makeItem(text, true));
    projectItem->setExpanded(true);
    return position;
}

OutlinePosition TOutline::appendPage(int project, const QString& text)
{
    const OutlinePosition position = m_outline.appendPage(project, text);
    QTreeWidgetItem* projectItem = topLevelItem(project);
    projectItem->addChild(makeItem(text, true));
    projectItem->setExpanded(true);
    return position;
}

void TOutline::removeEntry(const OutlinePosition& position)
{
    QTreeWidgetItem* item = itemFor(position);
    if (!item)
        return;
    if (position.isPage())
        m_outline.removePage(position);
    else
        m_outline.removeProject(position.project);
    delete item;
}

void TOutline::setLook(const QFont& font, const QColor& text, const QColor& background)
{
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, text);
    setPalette(colours);
}

bool TOutline::event(QEvent* event)
{
    // The outline's own keys win over menu chords while it has the focus: F3 opens the selected
    // entry here, where Find Next would have nothing to search.
    if (event->type() == QEvent::ShortcutOverride && isEntryKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTreeWidget::event(event);
}

void TOutline::keyPressEvent(QKeyEvent* event)
{
    if (isEntryKey(event)) {
        emit entryKeyPressed(event->key() == Qt::Key_Enter ? int(Qt::Key_Return) : event->key());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QStringList TOutline::mimeTypes() const
{
    return {entryMimeType};
}

QMimeData* TOutline::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    if (items.size() != 1 || !items.first()->parent())
        return nullptr;
    return new OutlineDragData(this, m_outline.text(positionOf(items.first())));
}

void TOutline::startDrag(Qt::DropActions)
{
    // The view would take a moved item out of the tree itself; the outline moves a page only
    // once its file has moved, so a drag only ever copies the entry's text.
    QTreeWidget::startDrag(Qt::CopyAction);
}

QMimeData* TOutline::dragData() const
{
    QTreeWidgetItem* item = currentItem();
    return item ? mimeData({item}) : nullptr;
}

QString TOutline::draggedEntry(const QMimeData* data) const
{
    const auto* entry = dynamic_cast<const OutlineDragData*>(data);
    return entry && entry->origin() == this ? entry->text() : QString();
}

bool TOutline::isOwnDrag(const QDropEvent* event) const
{
    return !draggedEntry(event->mimeData()).isEmpty();
}

int TOutline::targetProject(const QDropEvent* event) const
{
    // Only the outline's own drag of its selected page lands here, and only on a project that
    // does not list that page already.
    if (!isOwnDrag(event))
        return -1;
    const OutlinePosition dragged = selectedPosition();
    const OutlinePosition target = positionAt(event->position().toPoint());
    if (!dragged.isPage() || !target.isProject())
        return -1;
    if (m_outline.projectHasPage(target.project, m_outline.text(dragged)))
        return -1;
    return target.project;
}

void TOutline::dragEnterEvent(QDragEnterEvent* event)
{
    if (isOwnDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TOutline::dragMoveEvent(QDragMoveEvent* event)
{
    if (targetProject(event) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TOutline::dropEvent(QDropEvent* event)
{
    const int project = targetProject(event);
    if (project < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit pageDropped(project);
}
