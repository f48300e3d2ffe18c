#pragma once

#include "app/commands.h"

#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QAction;

// The one place that decides whether a command can run. A command is available once a handler
// has been given to it; until then every item that carries it stays disabled, whatever the
// enabling rules say, so no item ever pretends to work. The enabling rules only ask
// (setEnabled); the registry combines their answer with availability.
class CommandRegistry : public QObject {
    Q_OBJECT
public:
    explicit CommandRegistry(QObject* parent = nullptr);

    // Attaches a menu item to a command. Submenu entries and other containers are marked
    // available at once: they hold items rather than run anything.
    enum class Role { Command, Container };
    void attach(Command command, QAction* action, Role role = Role::Command);

    // Makes the command available and runs `handler` when any of its items is triggered.
    void setHandler(Command command, std::function<void()> handler);
    bool isAvailable(Command command) const;

    // Runs the handler, if there is one and the command is enabled. Returns whether it ran.
    bool trigger(Command command);
    // Runs the handler when there is one, whatever the menu rules last said: tool buttons keep
    // their own enabled state.
    bool run(Command command);

    // The enabling rules' wish for the command; its items are enabled only if it is available too.
    void setEnabled(Command command, bool enabled);
    bool isEnabled(Command command) const;
    bool wantsEnabled(Command command) const { return m_slots[commandIndex(command)].wanted; }

    void setVisible(Command command, bool visible);
    void setText(Command command, const QString& text);
    void setChecked(Command command, bool checked);
    bool isChecked(Command command) const;

    QAction* action(Command command) const;
    const std::vector<QAction*>& actions(Command command) const { return m_slots[commandIndex(command)].actions; }

signals:
    void availabilityChanged(Command command);

private:
    struct Slot {
        std::vector<QAction*> actions;
        std::function<void()> handler;
        bool container = false;
        bool wanted = true;
    };
    void apply(Command command);

    std::array<Slot, commandCount> m_slots;
};
