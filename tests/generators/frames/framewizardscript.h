#pragma once

// The frame wizard with the user's answers given before it asks.

#include "generators/frames/framewizardprompts.h"

#include <QStringList>

namespace framewizardtest {

// The user's answers, given before the wizard asks, and what it said.
struct Script {
    QString openName;
    QString saveName;
    QString htmlName;
    bool replace = false;
    QStringList said;
};

struct ScriptedPrompts : FrameWizardPrompts {
    Script* s;
    explicit ScriptedPrompts(Script* script) : s(script) {}
    bool confirmClearPage() override { return true; }
    QString openSettingsName(const QString&) override { return s->openName; }
    QString saveSettingsName(const QString&) override { return s->saveName; }
    bool confirmReplace(const QString& name) override { s->said << QStringLiteral("replace ") + name; return s->replace; }
    QString htmlFileName(const QString&) override { return s->htmlName; }
    void warning(const QString& text) override { s->said << text; }
    void error(const QString& text) override { s->said << text; }
};

} // namespace framewizardtest
