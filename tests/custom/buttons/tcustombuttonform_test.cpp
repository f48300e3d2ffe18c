#include "custom/buttons/tcustombuttonform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Closes the next message box and keeps its text.
void closeMessage(QString* text)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            *text = box->text();
            box->accept();
        }
    });
    timer->start(10);
}

DataFileLocator inside(const QString& directory)
{
    return [directory](const QString& name) { return QDir(directory).filePath(name); };
}

void assignCaption(TCustomButtonForm& form, int slot, const QString& caption)
{
    form.setupButton(form.pageControl()->currentIndex(), slot)->click();
    form.buttonCaption()->setText(caption);
    form.buttonSource()->setText(caption);
    form.assignButton()->click();
}

TEST(TCustomButtonForm, FailedWriteNamesTheFileAndKeepsTheDialogOpen)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone"));
    TCustomButtonForm form({}, inside(missing));
    form.show();
    assignCaption(form, 0, QStringLiteral("A"));
    QString shown;
    closeMessage(&shown);
    form.findChild<QPushButton*>(QStringLiteral("OK"))->click();
    EXPECT_TRUE(shown.contains(QStringLiteral("page1.btn"))) << shown.toStdString();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isModified());
    EXPECT_NE(form.result(), QDialog::Accepted);
}

TEST(TCustomButtonForm, UnreadableFileIsNeverOverwritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("page2.btn")));
    TCustomButtonForm form({}, inside(dir.path()));
    form.show();
    EXPECT_FALSE(form.pageControl()->isTabEnabled(1));
    assignCaption(form, 0, QStringLiteral("A"));
    form.findChild<QPushButton*>(QStringLiteral("OK"))->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("page2.btn"))).isDir());
    QFile first(dir.filePath(QStringLiteral("page1.btn")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_TRUE(first.readAll().startsWith("A|A|0|0\r\n||0|0\r\n"));
}

} // namespace
