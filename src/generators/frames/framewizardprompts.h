#pragma once

#include <QString>

class QWidget;

// The questions and file dialogs of the frame wizard; tests answer them instead.
class FrameWizardPrompts {
public:
    virtual ~FrameWizardPrompts() = default;
    // Whether the page may be emptied for the frameset.
    virtual bool confirmClearPage() = 0;
    // Empty names when the user cancels.
    virtual QString openSettingsName(const QString& proposed) = 0;
    virtual QString saveSettingsName(const QString& proposed) = 0;
    // The settings go to a name other than the one chosen, and that file exists.
    virtual bool confirmReplace(const QString& fileName) = 0;
    virtual QString htmlFileName(const QString& directory) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
};

// The prompts as message boxes and the standard dialogs.
class QtFrameWizardPrompts : public FrameWizardPrompts {
public:
    explicit QtFrameWizardPrompts(QWidget* parent) : m_parent(parent) {}
    bool confirmClearPage() override;
    QString openSettingsName(const QString& proposed) override;
    QString saveSettingsName(const QString& proposed) override;
    bool confirmReplace(const QString& fileName) override;
    QString htmlFileName(const QString& directory) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;

private:
    QWidget* m_parent;
};

namespace FrameWizardTexts {
inline const QString clearQuestion = QStringLiteral("Clear current page to create Frame Structure?");
inline const QString blankName = QStringLiteral("Frame name cannot be blank.");
inline const QString settingsFilter = QStringLiteral("Frame Settings (*.set *.SET)");
inline const QString htmlFilter = QStringLiteral("HTM Files (*.htm *.HTM *.html *.HTML);;All Files (*)");
} // namespace FrameWizardTexts
