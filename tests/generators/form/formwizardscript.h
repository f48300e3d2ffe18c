#pragma once

// The form wizard with the user's answers given before it asks.

#include "generators/form/formwizardprompts.h"

#include <QStringList>

namespace formwizardtest {

// The user's answers, given before the wizard asks, and what it asked.
struct Script {
    SaveFirstAnswer save = SaveFirstAnswer::No;
    QString saveName;
    QString openName;
    QStringList asked;
};

struct ScriptedPrompts : FormWizardPrompts {
    Script* s;
    explicit ScriptedPrompts(Script* script) : s(script) {}
    SaveFirstAnswer askSaveFirst() override { s->asked << QStringLiteral("save first"); return s->save; }
    QString saveFileName(const QString& proposed) override { s->asked << QStringLiteral("save as ") + proposed; return s->saveName; }
    QString openFileName(const QString&) override { s->asked << QStringLiteral("open"); return s->openName; }
    void information(const QString& text) override { s->asked << text; }
    void error(const QString& text) override { s->asked << QStringLiteral("error: ") + text; }
};

} // namespace formwizardtest
