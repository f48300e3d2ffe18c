#include "app/commandregistry.h"

#include <QAction>

CommandRegistry::CommandRegistry(QObject* parent)
    : QObject(parent)
{
}

void CommandRegistry::attach(Command command, QAction* action, Role role)
{
    Slot& slot = m_slots[commandIndex(command)];
    slot.actions.push_back(action);
    if (role == Role::Container)
        slot.container = true;
    else
        connect(action, &QAction::triggered, this, [this, command] { trigger(command); });
    apply(command);
}

void CommandRegistry::setHandler(Command command, std::function<void()> handler)
{
    m_slots[commandIndex(command)].handler = std::move(handler);
    apply(command);
    emit availabilityChanged(command);
}

bool CommandRegistry::isAvailable(Command command) const
{
    const Slot& slot = m_slots[commandIndex(command)];
    return slot.container || static_cast<bool>(slot.handler);
}

bool CommandRegistry::trigger(Command command)
{
    if (!isEnabled(command))
        return false;
    // Copy first: a handler may replace itself.
    auto handler = m_slots[commandIndex(command)].handler;
    if (!handler)
        return false;
    handler();
    return true;
}

bool CommandRegistry::run(Command command)
{
    auto handler = m_slots[commandIndex(command)].handler;
    if (!handler)
        return false;
    handler();
    return true;
}

void CommandRegistry::setEnabled(Command command, bool enabled)
{
    m_slots[commandIndex(command)].wanted = enabled;
    apply(command);
}

bool CommandRegistry::isEnabled(Command command) const
{
    return isAvailable(command) && m_slots[commandIndex(command)].wanted;
}

void CommandRegistry::setVisible(Command command, bool visible)
{
    for (QAction* action : m_slots[commandIndex(command)].actions)
        action->setVisible(visible);
}

void CommandRegistry::setText(Command command, const QString& text)
{
    for (QAction* action : m_slots[commandIndex(command)].actions)
        action->setText(text);
}

void CommandRegistry::setChecked(Command command, bool checked)
{
    for (QAction* action : m_slots[commandIndex(command)].actions)
        action->setChecked(checked);
}

bool CommandRegistry::isChecked(Command command) const
{
    const QAction* first = action(command);
    return first && first->isChecked();
}

QAction* CommandRegistry::action(Command command) const
{
    const auto& actions = m_slots[commandIndex(command)].actions;
    return actions.empty() ? nullptr : actions.front();
}

void CommandRegistry::apply(Command command)
{
    const bool enabled = isEnabled(command);
    for (QAction* action : m_slots[commandIndex(command)].actions)
        action->setEnabled(enabled);
}
