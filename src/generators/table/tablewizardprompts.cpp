#include "generators/table/tablewizardprompts.h"

#include "generators/shared/definitionfile.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

const QString QtTableWizardPrompts::fileFilter = DefinitionFile::filter(QStringLiteral("Table Definition"), QStringLiteral("tbl"));

bool QtTableWizardPrompts::confirmRebuild()
{
    return QMessageBox::question(m_parent, QStringLiteral("Confirm"), TableWizardTexts::rebuildQuestion,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

TableWizardPrompts::SaveAnswer QtTableWizardPrompts::askSaveFirst()
{
    return ::askSaveFirst(m_parent, TableWizardTexts::saveQuestion);
}

bool QtTableWizardPrompts::confirmReplace(const QString& fileName)
{
    return QMessageBox::warning(m_parent, QStringLiteral("Save Table Definition"),
                                QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(fileName),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString QtTableWizardPrompts::saveFileName(const QString& proposed)
{
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("Save Table Definition"), proposed, fileFilter);
}

QString QtTableWizardPrompts::openFileName(const QString& proposed)
{
    return QFileDialog::getOpenFileName(m_parent, QStringLiteral("Open Table Definition"), proposed, fileFilter);
}

std::optional<QColor> QtTableWizardPrompts::chooseColour(const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, m_parent);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

void QtTableWizardPrompts::error(const QString& text)
{
    QMessageBox::critical(m_parent, QStringLiteral("Error"), text);
}
