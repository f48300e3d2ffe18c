#pragma once

#include "generators/shared/savefirst.h"

#include <QString>

class QWidget;

// The questions, messages and file dialogs of the form wizard and its definition dialog; tests
// answer them instead.
class FormWizardPrompts {
public:
    virtual ~FormWizardPrompts() = default;
    // Whether to save the form definition before leaving the wizard.
    virtual SaveFirstAnswer askSaveFirst() = 0;
    // An empty name when the user cancels.
    virtual QString saveFileName(const QString& proposed) = 0;
    virtual QString openFileName(const QString& proposed) = 0;
    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
};

// The prompts as message boxes and the standard file dialogs.
class QtFormWizardPrompts : public FormWizardPrompts {
public:
    explicit QtFormWizardPrompts(QWidget* parent) : m_parent(parent) {}
    SaveFirstAnswer askSaveFirst() override;
    QString saveFileName(const QString& proposed) override;
    QString openFileName(const QString& proposed) override;
    void information(const QString& text) override;
    void error(const QString& text) override;

private:
    QWidget* m_parent;
};

namespace FormWizardTexts {
inline const QString saveQuestion = QStringLiteral("Would you like to save the Form Definition before proceeding?");
inline const QString noSpaces = QStringLiteral("No spaces allowed in variable name!");
inline const QString noSeparators = QStringLiteral("No \"|\" allowed in fields!");
} // namespace FormWizardTexts
