#pragma once

// The table wizard with the user's answers given before it asks.

#include "generators/table/tablewizardprompts.h"

#include <QColor>
#include <QStringList>

#include <optional>

namespace tablewizardtest {

using SaveAnswer = TableWizardPrompts::SaveAnswer;

// The user's answers, given before the wizard asks, and what it asked.
struct Script {
    bool confirm = true;
    SaveAnswer save = SaveAnswer::No;
    QString saveName;
    QString openName;
    bool replace = false;
    std::optional<QColor> colour;
    QStringList asked;
    QStringList errors;
};

struct ScriptedPrompts : TableWizardPrompts {
    Script* s;
    explicit ScriptedPrompts(Script* script) : s(script) {}
    bool confirmRebuild() override { s->asked << QStringLiteral("rebuild"); return s->confirm; }
    SaveAnswer askSaveFirst() override { s->asked << QStringLiteral("save first"); return s->save; }
    bool confirmReplace(const QString& name) override { s->asked << QStringLiteral("replace ") + name; return s->replace; }
    QString saveFileName(const QString&) override { s->asked << QStringLiteral("save as"); return s->saveName; }
    QString openFileName(const QString&) override { s->asked << QStringLiteral("open"); return s->openName; }
    std::optional<QColor> chooseColour(const QColor&) override { return s->colour; }
    void error(const QString& text) override { s->errors << text; }
};

} // namespace tablewizardtest
