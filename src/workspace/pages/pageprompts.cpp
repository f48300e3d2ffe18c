#include "workspace/pages/pageprompts.h"

#include "workspace/pages/opendialog.h"
#include "workspace/pages/pagefilters.h"
#include "workspace/pages/recoverydialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString title()
{
    return QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("Tessera")
                                                            : QApplication::applicationDisplayName();
}

QString selectedQtFilter(const QString& filter, int filterIndex)
{
    const QStringList filters = qtFileDialogFilter(filter).split(QStringLiteral(";;"));
    return filterIndex >= 1 && filterIndex <= filters.size() ? filters[filterIndex - 1] : QString();
}

} // namespace

void QtPagePrompts::information(const QString& text)
{
    QMessageBox::information(m_parent, title(), text, QMessageBox::Ok);
}

void QtPagePrompts::error(const QString& text)
{
    QMessageBox::critical(m_parent, title(), text, QMessageBox::Ok);
}

bool QtPagePrompts::warning(const QString& text)
{
    return QMessageBox::warning(m_parent, title(), text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

bool QtPagePrompts::confirmation(const QString& text)
{
    return QMessageBox::question(m_parent, title(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QList<RecoveryAnswer> QtPagePrompts::recover(const QList<OrphanSwapFile>& backups)
{
    RecoveryDialog dialog(backups, m_parent);
    // Closing the dialog without OK decides nothing.
    return dialog.exec() == QDialog::Accepted ? dialog.answers() : QList<RecoveryAnswer>{};
}

OutsideChangeAnswer QtPagePrompts::outsideChange(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, m_parent);
    QPushButton* reload = box.addButton(QStringLiteral("&Reload"), QMessageBox::DestructiveRole);
    QPushButton* overwrite = box.addButton(QStringLiteral("&Overwrite"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    if (box.clickedButton() == reload)
        return OutsideChangeAnswer::Reload;
    if (box.clickedButton() == overwrite)
        return OutsideChangeAnswer::Overwrite;
    return OutsideChangeAnswer::Cancel;
}

QString QtPageFileDialogs::saveFileName(const QString& directory, const QString& fileName, const QString& filter,
                                        int filterIndex)
{
    QString selected = selectedQtFilter(filter, filterIndex);
    // The page's name alone is offered in the page's directory.
    const QString start = fileName.isEmpty()              ? directory
                          : QFileInfo(fileName).isAbsolute() ? fileName
                                                             : QDir(directory).filePath(fileName);
    // Overwriting is confirmed by the caller with the program's own question.
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("Save As"), start, qtFileDialogFilter(filter),
                                        &selected, QFileDialog::DontConfirmOverwrite);
}

QString QtPageFileDialogs::openFileName(const QString& directory, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, QStringLiteral("Open"), directory, qtFileDialogFilter(filter));
}

QString QtPageFileDialogs::openPage(const QString& directory, const QString& filter)
{
    TOpenHTMLForm dialog(m_parent);
    dialog.setFilter(filter);
    dialog.setDirectory(directory);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.pageToOpen();
}
