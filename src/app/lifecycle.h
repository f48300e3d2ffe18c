#pragma once

#include <QString>

#include <array>
#include <functional>

// The main window's start-up, first-show and shutdown steps, in the order they run. Each
// subsystem supplies the steps it owns; a step without a handler is skipped.
enum class LifecycleStep {
    // While the window is created
    RegisterDropTarget,
    CreateLists,
    CreateHistoryItems,
    TakeProgramDirectory,
    LoadUserTagMenus,
    SetHelpFile,
    ReadSettings,
    LoadProjectOutline,
    // When the window is shown for the first time
    ApplyDefaultWidth,
    ShowInsertMode,
    ApplyImageDisplay,
    CopyEditorSettings,
    BuildCustomButtons,
    LoadInternalClipboard,
    // When the window closes
    SaveProjectOutline,
    SaveInternalClipboard,
    ReleaseLists,
    WriteSettings,

    Count
};

enum class LifecyclePhase { Create, FirstShow, Close };

struct StepResult {
    bool ok = true;
    QString error;

    static StepResult success() { return {}; }
    static StepResult failure(QString message) { return {false, std::move(message)}; }
};

class Lifecycle {
public:
    using Handler = std::function<StepResult()>;
    using Observer = std::function<void(LifecycleStep, const StepResult&)>;

    void setHandler(LifecycleStep step, Handler handler);
    bool hasHandler(LifecycleStep step) const;
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Runs every step of the phase in order. A failing step does not stop the ones after it;
    // the failures come back as "step name: error" lines.
    QStringList run(LifecyclePhase phase);

    static QString stepName(LifecycleStep step);
    static LifecyclePhase phaseOf(LifecycleStep step);

private:
    std::array<Handler, static_cast<size_t>(LifecycleStep::Count)> m_handlers;
    Observer m_observer;
};
