#pragma once

#include "app/commands.h"

#include <QWidget>

#include <vector>

class CommandRegistry;
class QToolButton;

// The speed buttons at the left of the tool panel. Each button runs a command of the registry;
// it is enabled only while the page state allows it and the command is available.
class ButtonPanel : public QWidget {
    Q_OBJECT
public:
    enum class Button {
        Open, ClosePage, Save, FullScreen, Print, Refresh, ToggleSplit, NewPage,
        Back, Forward, Browser1, Projects, Cut, Paste, Copy, Spell,
    };

    // What switches a button on: nothing (always on), an open page, or a state of its own that
    // its owner sets (Save the page's modified flag, Cut the selection, Back the history...).
    enum class Enabling { Always, WithPage, OwnState };

    ButtonPanel(CommandRegistry& registry, QWidget* parent = nullptr);

    QToolButton* button(Button which) const;
    // What the page state asks for; the button is enabled only if its command is available too.
    void setButtonEnabled(Button which, bool enabled);
    // The buttons enabled with a page follow this; without a page the others with a state of
    // their own go off too.
    void setPageOpen(bool open);

    static Command commandFor(Button which);
    static QString hintFor(Button which);

private:
    struct Entry {
        Button which;
        QToolButton* button;
        bool wanted;
    };
    void apply(Entry& entry);

    CommandRegistry& m_registry;
    std::vector<Entry> m_entries;
};
