#pragma once

#include "projects/model/projectoutline.h"

#include <QTreeWidget>

class QMimeData;

// The project outline beside the editor: projects at the top level, their pages beneath. The
// tree mirrors a ProjectOutline entry for entry; every change goes through the methods below so
// the two never differ. Page entries can be dragged onto a project or onto the editor.
class TOutline : public QTreeWidget {
    Q_OBJECT
public:
    explicit TOutline(QWidget* parent = nullptr);

    const ProjectOutline& outline() const { return m_outline; }
    void setOutline(ProjectOutline outline);

    OutlinePosition selectedPosition() const;
    QString selectedText() const;
    void select(const OutlinePosition& position);
    OutlinePosition positionAt(const QPoint& viewportPoint) const;

    OutlinePosition appendProject(const QString& text);
    OutlinePosition insertPage(int project, const QString& text);
    OutlinePosition appendPage(int project, const QString& text);
    void removeEntry(const OutlinePosition& position);

    // The editor's colours and font.
    void setLook(const QFont& font, const QColor& text, const QColor& background);

    // What a drag of the selected page carries; null when no page is selected.
    QMimeData* dragData() const;
    // The page entry that a drag from this outline carries, or an empty text for anything else.
    QString draggedEntry(const QMimeData* data) const;

signals:
    // Enter, Delete or F3 was pressed; the handler decides what the key does.
    void entryKeyPressed(int key);
    void entryDoubleClicked();
    // The selected page entry was dragged onto the project at `project`, which does not hold
    // an entry of the same text.
    void pageDropped(int project);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTreeWidgetItem* itemFor(const OutlinePosition& position) const;
    OutlinePosition positionOf(QTreeWidgetItem* item) const;
    QTreeWidgetItem* makeItem(const QString& text, bool page) const;
    int targetProject(const QDropEvent* event) const;
    bool isOwnDrag(const QDropEvent* event) const;

    ProjectOutline m_outline;
};
