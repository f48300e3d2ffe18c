#include "app/buttonpanel.h"

#include "app/artwork.h"
#include "app/commandregistry.h"

#include <QGridLayout>
#include <QToolButton>

namespace {

struct ButtonInfo {
    ButtonPanel::Button which;
    Command command;
    artwork::Glyph glyph;
    const char* hint;
    ButtonPanel::Enabling enabling;
    const char* objectName;
};

using B = ButtonPanel::Button;
using G = artwork::Glyph;
using E = ButtonPanel::Enabling;

const ButtonInfo buttonTable[] = {
    {B::Open, Command::FileOpen, G::Open, "Open page", E::Always, "OpenButton"},
    {B::ClosePage, Command::FileClosePage, G::ClosePage, "Close page", E::WithPage, "CloseButton"},
    {B::Save, Command::FileSave, G::Save, "Save page", E::OwnState, "SaveButton"},
    {B::FullScreen, Command::PageViewFullScreen, G::FullScreen, "View HTML document in full screen", E::WithPage, "FullScreenButton"},
    {B::Print, Command::FilePrint, G::Print, "Print", E::WithPage, "PrintButton"},
    {B::Refresh, Command::PageRefreshHtml, G::Refresh, "Refresh HTML Viewer", E::WithPage, "RefreshButton"},
    {B::ToggleSplit, Command::ToggleSplitStyle, G::ToggleSplit, "Toggle split screen style", E::Always, "SpeedButton31"},
    {B::NewPage, Command::FileNew, G::NewPage, "New page", E::Always, "NewButton"},
    {B::Back, Command::ViewerBack, G::Back, "Move viewer back one page", E::OwnState, "BackButton"},
    {B::Forward, Command::ViewerForward, G::Forward, "Move viewer forward one page", E::OwnState, "ForwardButton"},
    {B::Browser1, Command::PageBrowser1, G::Browser, "Launch external browser #1", E::OwnState, "BrowserButton"},
    {B::Projects, Command::ProjectDisplay, G::Projects, "Display/Hide project structure", E::Always, "ProjectsButton"},
    {B::Cut, Command::EditCut, G::Cut, "Cut to clipboard", E::OwnState, "CutButton"},
    {B::Paste, Command::EditPaste, G::Paste, "Paste from clipboard", E::OwnState, "PasteButton"},
    {B::Copy, Command::EditCopy, G::Copy, "Copy to clipboard", E::OwnState, "CopyButton"},
    {B::Spell, Command::SearchSpellCheck, G::Spell, "Spell Checker", E::WithPage, "SpellButton"},
};

const ButtonInfo& infoFor(ButtonPanel::Button which)
{
    return buttonTable[static_cast<int>(which)];
}

} // namespace

ButtonPanel::ButtonPanel(CommandRegistry& registry, QWidget* parent)
    : QWidget(parent)
    , m_registry(registry)
{
    setObjectName(QStringLiteral("ButtonPanel1"));
    setFixedWidth(205);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    constexpr int perRow = 8;
    int position = 0;
    for (const ButtonInfo& info : buttonTable) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(info.objectName));
        button->setIcon(artwork::toolIcon(info.glyph));
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setFixedSize(25, 30);
        button->setToolTip(QString::fromLatin1(info.hint));
        button->setStatusTip(QString::fromLatin1(info.hint));
        grid->addWidget(button, position / perRow, position % perRow);
        const Command command = info.command;
        connect(button, &QToolButton::clicked, this, [this, command] { m_registry.run(command); });
        m_entries.push_back({info.which, button, info.enabling == Enabling::Always});
        ++position;
    }
    for (Entry& entry : m_entries)
        apply(entry);
    connect(&m_registry, &CommandRegistry::availabilityChanged, this, [this](Command command) {
        for (Entry& entry : m_entries) {
            if (commandFor(entry.which) == command)
                apply(entry);
        }
    });
}

QToolButton* ButtonPanel::button(Button which) const
{
    return m_entries[static_cast<size_t>(which)].button;
}

void ButtonPanel::setButtonEnabled(Button which, bool enabled)
{
    Entry& entry = m_entries[static_cast<size_t>(which)];
    entry.wanted = enabled;
    apply(entry);
}

void ButtonPanel::setPageOpen(bool open)
{
    for (Entry& entry : m_entries) {
        const Enabling enabling = infoFor(entry.which).enabling;
        // Without a page nothing of a page's own state is left to act on.
        if (enabling == Enabling::WithPage || (enabling == Enabling::OwnState && !open)) {
            entry.wanted = open;
            apply(entry);
        }
    }
}

Command ButtonPanel::commandFor(Button which)
{
    return infoFor(which).command;
}

QString ButtonPanel::hintFor(Button which)
{
    return QString::fromLatin1(infoFor(which).hint);
}

void ButtonPanel::apply(Entry& entry)
{
    // The button asks the availability, not the menu item's state: a menu rule that ran while
    // its menu was open must not switch a tool button off.
    entry.button->setEnabled(entry.wanted && m_registry.isAvailable(commandFor(entry.which)));
}
