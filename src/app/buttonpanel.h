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

    ButtonPanel(CommandRegistry& registry, QWidget* parent = nullptr);

    QToolButton* button(Button which) const;
    // What the page state asks for; the button is enabled only if its command is available too.
    void setButtonEnabled(Button which, bool enabled);
    // Buttons that need an open page follow this; Open, Toggle split, New and Display/Hide are
    // always wanted.
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
