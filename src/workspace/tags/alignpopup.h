#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;
class QWidget;
class TagInserter;

// The four alignment variants a Format tab arrow offers for its tag.
namespace AlignmentItems {

enum class Action { CaptionAsTag, Text };

struct Items {
    QStringList captions;
    Action action = Action::CaptionAsTag;
};

// For P, DIV and H1-H6 the ALIGN variants; for BR the CLEAR variants; for HR the ALIGN, SIZE
// and WIDTH variants.
Items forTag(const QString& tagName);
// The paired ALIGN variants and the single CLEAR variants of a tag name, written as given.
Items alignedPairs(const QString& tagName);
Items clearedSingles(const QString& tagName);

} // namespace AlignmentItems

// The one pop-up menu behind every arrow button, rebuilt before each use.
class AlignmentPopup : public QObject {
    Q_OBJECT
public:
    explicit AlignmentPopup(TagInserter* inserter, QObject* parent = nullptr);
    ~AlignmentPopup() override;

    QMenu* menu() const { return m_menu; }
    // Rebuilds the items for the tag without showing the menu.
    void rebuild(const QString& tagName);
    void rebuild(const AlignmentItems::Items& items);
    // PDnArrowClick, SpeedButton24Click, SpeedButton25Click: rebuild and show below the button.
    void showBelow(QWidget* button, const QString& tagName);
    void showBelow(QWidget* button, const AlignmentItems::Items& items);

private:
    TagInserter* m_inserter;
    QMenu* m_menu;
};
