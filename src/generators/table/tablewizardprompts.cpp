#include "generators/table/tablewizardprompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

const QString QtTableWizardPrompts::fileFilter = QStringLiteral("Table Definition (*.tbl *.TBL)");

bool QtTableWizardPrompts::confirmRebuild()
{
    return QMessageBox::question(m_parent, QStringLiteral("Confirm"), TableWizardTexts::rebuildQuestion,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

TableWizardPrompts::SaveAnswer QtTableWizardPrompts::askSaveFirst()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), TableWizardTexts::saveQuestion,
                    QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Ok: return SaveAnswer::Ok;
    case QMessageBox::No: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;
    }
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
