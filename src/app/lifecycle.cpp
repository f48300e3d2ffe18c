#include "app/lifecycle.h"

#include <QStringList>

#include <exception>

void Lifecycle::setHandler(LifecycleStep step, Handler handler)
{
    m_handlers[static_cast<size_t>(step)] = std::move(handler);
}

bool Lifecycle::hasHandler(LifecycleStep step) const
{
    return static_cast<bool>(m_handlers[static_cast<size_t>(step)]);
}

QStringList Lifecycle::run(LifecyclePhase phase)
{
    QStringList failures;
    for (size_t i = 0; i < m_handlers.size(); ++i) {
        const auto step = static_cast<LifecycleStep>(i);
        if (phaseOf(step) != phase || !m_handlers[i])
            continue;
        StepResult result;
        // A step that throws is reported like one that fails, so the steps after it still run.
        try {
            result = m_handlers[i]();
        } catch (const std::exception& error) {
            result = StepResult::failure(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            result = StepResult::failure(QStringLiteral("unexpected error"));
        }
        if (!result.ok)
            failures << stepName(step) + QStringLiteral(": ") + result.error;
        if (m_observer)
            m_observer(step, result);
    }
    return failures;
}

LifecyclePhase Lifecycle::phaseOf(LifecycleStep step)
{
    if (step < LifecycleStep::ApplyDefaultWidth)
        return LifecyclePhase::Create;
    if (step < LifecycleStep::SaveProjectOutline)
        return LifecyclePhase::FirstShow;
    return LifecyclePhase::Close;
}

QString Lifecycle::stepName(LifecycleStep step)
{
    switch (step) {
    case LifecycleStep::RegisterDropTarget: return QStringLiteral("register for dropped files");
    case LifecycleStep::CreateLists: return QStringLiteral("create the page and button lists");
    case LifecycleStep::CreateHistoryItems: return QStringLiteral("create the history items");
    case LifecycleStep::TakeProgramDirectory: return QStringLiteral("prepare the program directory");
    case LifecycleStep::LoadUserTagMenus: return QStringLiteral("load the user tag menus");
    case LifecycleStep::SetHelpFile: return QStringLiteral("find the help file");
    case LifecycleStep::ReadSettings: return QStringLiteral("read the settings");
    case LifecycleStep::LoadProjectOutline: return QStringLiteral("load the project outline");
    case LifecycleStep::ApplyDefaultWidth: return QStringLiteral("size the window");
    case LifecycleStep::ShowInsertMode: return QStringLiteral("show the insert mode");
    case LifecycleStep::ApplyImageDisplay: return QStringLiteral("set image display");
    case LifecycleStep::CopyEditorSettings: return QStringLiteral("copy the editor settings");
    case LifecycleStep::BuildCustomButtons: return QStringLiteral("build the custom buttons");
    case LifecycleStep::LoadInternalClipboard: return QStringLiteral("load the internal clipboard");
    case LifecycleStep::SaveProjectOutline: return QStringLiteral("save the project outline");
    case LifecycleStep::SaveInternalClipboard: return QStringLiteral("save the internal clipboard");
    case LifecycleStep::ReleaseLists: return QStringLiteral("release the page and button lists");
    case LifecycleStep::WriteSettings: return QStringLiteral("write the settings");
    case LifecycleStep::Count: break;
    }
    return {};
}
