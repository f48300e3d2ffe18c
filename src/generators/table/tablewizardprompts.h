#pragma once

#include "generators/shared/savefirst.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

// The questions and file and colour dialogs of the table wizard; tests answer them instead.
class TableWizardPrompts {
public:
    using SaveAnswer = SaveFirstAnswer;

    virtual ~TableWizardPrompts() = default;
    virtual bool confirmRebuild() = 0;
    // Whether to save the table definition before leaving or opening another.
    virtual SaveAnswer askSaveFirst() = 0;
    // The definition goes to a ".tbl" name other than the one chosen, and that file exists.
    virtual bool confirmReplace(const QString& fileName) = 0;
    // An empty name when the user cancels.
    virtual QString saveFileName(const QString& proposed) = 0;
    virtual QString openFileName(const QString& proposed) = 0;
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    virtual void error(const QString& text) = 0;
};

// The prompts as message boxes and the standard dialogs.
class QtTableWizardPrompts : public TableWizardPrompts {
public:
    explicit QtTableWizardPrompts(QWidget* parent) : m_parent(parent) {}
    bool confirmRebuild() override;
    SaveAnswer askSaveFirst() override;
    bool confirmReplace(const QString& fileName) override;
    QString saveFileName(const QString& proposed) override;
    QString openFileName(const QString& proposed) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    void error(const QString& text) override;

    static const QString fileFilter;

private:
    QWidget* m_parent;
};

namespace TableWizardTexts {
inline const QString rebuildQuestion
    = QStringLiteral("If you select to rebuild a table your current settings will be reset.  Build anyway?");
inline const QString saveQuestion = QStringLiteral("Would you like to save the Table Definition before proceeding?");
} // namespace TableWizardTexts
