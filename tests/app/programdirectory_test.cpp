#include "app/programdirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ProgramDirectory, FirstStartCopiesShippedFilesWithoutOverwriting)
{
    QTemporaryDir root;
    const QString shipped = root.filePath(QStringLiteral("share/tessera"));
    const QString user = root.filePath(QStringLiteral("user/Tessera"));
    writeFile(shipped + QStringLiteral("/TIPS.TXT"), "shipped tips");
    writeFile(shipped + QStringLiteral("/usercode.mnu"), "shipped menu");
    writeFile(shipped + QStringLiteral("/help/index.html"), "shipped help");
    writeFile(shipped + QStringLiteral("/template/plain.htm"), "shipped template");
    // The user already has their own tips (under another case) and their own template.
    writeFile(user + QStringLiteral("/tips.txt"), "my tips");
    writeFile(user + QStringLiteral("/Template/plain.htm"), "my template");
    QFile::setPermissions(shipped + QStringLiteral("/usercode.mnu"), QFileDevice::ReadOwner);

    ProgramDirectory directory(user, shipped);
    ASSERT_TRUE(directory.populate()) << directory.errorString().toStdString();

    EXPECT_EQ(readFile(user + QStringLiteral("/tips.txt")), "my tips");
    EXPECT_EQ(QDir(user).entryList(QDir::Files).filter(QStringLiteral("tips"), Qt::CaseInsensitive),
              QStringList{QStringLiteral("tips.txt")});
    EXPECT_EQ(readFile(user + QStringLiteral("/Template/plain.htm")), "my template");
    EXPECT_EQ(readFile(user + QStringLiteral("/usercode.mnu")), "shipped menu");
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/usercode.mnu")).isWritable()) << "the user's copy stays editable";
    EXPECT_EQ(readFile(user + QStringLiteral("/help/index.html")), "shipped help");

    // A second start changes nothing the user edited.
    writeFile(user + QStringLiteral("/usercode.mnu"), "edited menu");
    ASSERT_TRUE(directory.populate());
    EXPECT_EQ(readFile(user + QStringLiteral("/usercode.mnu")), "edited menu");
}

TEST(ProgramDirectory, LooksUpFilesIgnoringCase)
{
    QTemporaryDir root;
    ProgramDirectory directory(root.path(), root.filePath(QStringLiteral("nothing-shipped")));
    ASSERT_TRUE(directory.populate()) << "a missing shipped folder is not an error";
    EXPECT_EQ(directory.filePath(QStringLiteral("TIPS.TXT")), directory.path() + QStringLiteral("TIPS.TXT"));
    writeFile(root.filePath(QStringLiteral("tips.txt")), "x");
    EXPECT_EQ(directory.filePath(QStringLiteral("TIPS.TXT")), root.filePath(QStringLiteral("tips.txt")));
    EXPECT_EQ(directory.filePath(QStringLiteral("Tips.Txt")), root.filePath(QStringLiteral("tips.txt")));
    EXPECT_TRUE(directory.path().endsWith(QLatin1Char('/')));
}

TEST(ProgramDirectory, ReportsAFolderThatCannotBeMade)
{
    QTemporaryDir root;
    writeFile(root.filePath(QStringLiteral("blocker")), "a file where the folder should be");
    ProgramDirectory directory(root.filePath(QStringLiteral("blocker/Tessera")), root.path());
    EXPECT_FALSE(directory.populate());
    EXPECT_FALSE(directory.errorString().isEmpty());
}

} // namespace
