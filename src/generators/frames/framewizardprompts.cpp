#include "generators/frames/framewizardprompts.h"

#include <QFileDialog>
#include <QMessageBox>

bool QtFrameWizardPrompts::confirmClearPage()
{
    return QMessageBox::question(m_parent, QStringLiteral("Confirm"), FrameWizardTexts::clearQuestion,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString QtFrameWizardPrompts::openSettingsName(const QString& proposed)
{
    return QFileDialog::getOpenFileName(m_parent, QStringLiteral("Open frame settings"), proposed,
                                        FrameWizardTexts::settingsFilter);
}

QString QtFrameWizardPrompts::saveSettingsName(const QString& proposed)
{
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("Save frames settings as"), proposed,
                                        FrameWizardTexts::settingsFilter);
}

bool QtFrameWizardPrompts::confirmReplace(const QString& fileName)
{
    return QMessageBox::warning(m_parent, QStringLiteral("Save frames settings"),
                                QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(fileName),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString QtFrameWizardPrompts::htmlFileName(const QString& directory)
{
    return QFileDialog::getOpenFileName(m_parent, QStringLiteral("HTML Filename"), directory, FrameWizardTexts::htmlFilter);
}

void QtFrameWizardPrompts::warning(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Warning"), text);
}

void QtFrameWizardPrompts::error(const QString& text)
{
    QMessageBox::critical(m_parent, QStringLiteral("Error"), text);
}
