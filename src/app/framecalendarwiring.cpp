#include "app/framecalendarwiring.h"

#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/calendar/calendarform.h"
#include "generators/frames/frameform.h"
#include "workspace/preview/previewcontroller.h"
#include "workspace/tags/taginserter.h"

#include <QColorDialog>
#include <QDate>

FrameCalendarWiring::FrameCalendarWiring(TForm1& window, TagInserter& tags,
                                         std::function<std::unique_ptr<FrameWizardPrompts>()> makeFramePrompts)
    : QObject(&window)
    , m_window(window)
    , m_tags(tags)
    , m_makeFramePrompts(std::move(makeFramePrompts))
{
    CommandRegistry& commands = window.commands();
    commands.setHandler(Command::FileFrameCreator, [this] { FrameWiseGuyClick(); });
    commands.setHandler(Command::PopupFrameRiviRoz, [this] { FrameWiseGuyClick(); });
    commands.setHandler(Command::InsertCalendarRiviRoz, [this] { CalendarWizeGuy1Click(); });
}

void FrameCalendarWiring::refreshPreview()
{
    m_window.workspace().preview().controller().UpdateWebView();
}

void FrameCalendarWiring::FrameWiseGuyClick()
{
    if (!m_tags.canInsert())
        return;
    std::unique_ptr<FrameWizardPrompts> prompts = m_makeFramePrompts ? m_makeFramePrompts() : nullptr;
    if (!prompts)
        prompts = std::make_unique<QtFrameWizardPrompts>(&m_window);
    if (!prompts->confirmClearPage())
        return;
    TFrameForm::Host host;
    host.replacePage = [this](const QStringList& lines) {
        // Selecting everything first makes the new document replace the page in one undo step.
        m_tags.editor()->selectAll();
        m_tags.insertLines(lines);
    };
    host.pageDirectory = m_tags.pageDirectory();
    TFrameForm wizard(host, std::move(prompts), &m_window);
    wizard.exec();
    refreshPreview();
}

void FrameCalendarWiring::CalendarWizeGuy1Click()
{
    TCalendarForm::Host host;
    host.insertLines = [this](const QStringList& lines) { m_tags.insertLines(lines); };
    host.chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, &m_window);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    const QDate today = QDate::currentDate();
    TCalendarForm calendar(host, {today.year(), today.month()}, &m_window);
    calendar.exec();
    refreshPreview();
}
