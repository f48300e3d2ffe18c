#include "generators/form/formwizardprompts.h"

#include "generators/shared/definitionfile.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

SaveFirstAnswer QtFormWizardPrompts::askSaveFirst()
{
    return ::askSaveFirst(m_parent, FormWizardTexts::saveQuestion);
}

QString QtFormWizardPrompts::saveFileName(const QString& proposed)
{
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("Save Form Definition"), proposed,
                                        DefinitionFile::filter(QStringLiteral("Form Definition Files"), QStringLiteral("frm")));
}

QString QtFormWizardPrompts::openFileName(const QString& proposed)
{
    return QFileDialog::getOpenFileName(m_parent, QStringLiteral("Open Form Definition"), proposed,
                                        DefinitionFile::filter(QStringLiteral("Form Definitions"), QStringLiteral("frm")));
}

void QtFormWizardPrompts::information(const QString& text)
{
    QMessageBox::information(QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent,
                             QStringLiteral("Information"), text);
}

void QtFormWizardPrompts::error(const QString& text)
{
    QMessageBox::critical(m_parent, QStringLiteral("Error"), text);
}
