#include "app/previewwiring.h"
#include "app/windowfixture.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/imageindex/timageindexform.h"
#include "workspace/pages/pagemanager.h"

#include <QPushButton>

using namespace windowtest;

namespace {

const QString kHeading = QStringLiteral("<CENTER><H2>Image Index</H2></CENTER>\r\n");

class ImageIndexTest : public WiringFixture {
protected:
    QString pictures()
    {
        const QString folder = m_root.filePath(QStringLiteral("pics"));
        for (const char* name : {"b.jpg", "A.GIF", "c.png", "notes.txt"})
            writeFile(folder + QLatin1Char('/') + QLatin1String(name), "x");
        QDir().mkpath(folder + QStringLiteral("/dir.gif"));
        return folder;
    }

    // Runs the command; the user picks `folder` and presses Create, or cancels.
    void createIndex(const QString& folder, bool create = true)
    {
        onModal<TImageIndexForm>([folder, create](TImageIndexForm& form) {
            form.setFolder(folder);
            if (create)
                form.findChild<QPushButton*>(QStringLiteral("CreateButton"))->click();
            else
                form.reject();
        });
        ASSERT_TRUE(window->commands().trigger(Command::FileCreateImageIndex));
    }

    static QString entries(const QString& folder)
    {
        QString out;
        for (const char* name : {"A.GIF", "b.jpg"}) {
            const QString path = folder + QLatin1Char('/') + QLatin1String(name);
            out += QStringLiteral("File location: ") + path + QStringLiteral("><br>\r\n<img src=\"") + path
                + QStringLiteral("\"><br>\r\n");
        }
        return out + QStringLiteral("\r\n");
    }

    QString indexFile() const { return environment.programDirectory.path() + QStringLiteral("images.htm"); }
    PageManager& pages() const { return window->workspace().pages(); }
};

TEST_F(ImageIndexTest, createsThePageAndAppendsEachPictureOfTheFolder)
{
    const QString folder = pictures();
    createIndex(folder);

    EXPECT_EQ(QFileInfo(pages().currentFile()), QFileInfo(indexFile()));
    EXPECT_EQ(readFile(indexFile()), kHeading.toUtf8());
    EXPECT_EQ(window->webPage()->Text(), kHeading + entries(folder));
    EXPECT_TRUE(window->webPage()->modified());
    EXPECT_TRUE(window->workspace().preview().split().documentText().contains(QStringLiteral("File location: ")));
    EXPECT_EQ(QDir::currentPath(), QDir::currentPath()); // the dialog never moved the working directory
}

TEST_F(ImageIndexTest, secondRunAppendsAfterTheFirstAndSurvivesTabsAndClosing)
{
    const QString folder = pictures();
    createIndex(folder);
    const QString other = page(QStringLiteral("other.htm"), "<P>other</P>\r\n");
    open(other);
    createIndex(folder);
    EXPECT_EQ(window->webPage()->Text(), kHeading + entries(folder) + entries(folder));

    window->webPage()->undo();
    EXPECT_EQ(window->webPage()->Text(), kHeading + entries(folder)) << "one undo step per Create";
    window->webPage()->redo();

    EXPECT_NE(QDir::currentPath(), QDir::cleanPath(folder)) << "the dialog keeps its folder to itself";
    open(other);
    ASSERT_TRUE(window->commands().trigger(Command::FileClosePage));
    EXPECT_EQ(QFileInfo(pages().currentFile()), QFileInfo(indexFile()));
    EXPECT_EQ(window->webPage()->Text(), kHeading + entries(folder) + entries(folder));
    ASSERT_TRUE(window->commands().trigger(Command::FileSave));
    EXPECT_EQ(readFile(indexFile()).toStdString(), (kHeading + entries(folder) + entries(folder)).toStdString());
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char('|')).toStdString();
}

TEST_F(ImageIndexTest, cancelAppendsNothing)
{
    createIndex(pictures(), false);
    EXPECT_EQ(window->webPage()->Text(), kHeading);
    EXPECT_FALSE(window->webPage()->modified());
}

TEST_F(ImageIndexTest, emptyFolderAppendsOneLineBreak)
{
    const QString empty = m_root.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty);
    createIndex(empty);
    EXPECT_EQ(window->webPage()->Text(), kHeading + QStringLiteral("\r\n"));
}

TEST_F(ImageIndexTest, unwritableProgramDirectoryIsReportedAndOpensNothing)
{
    const QString directory = environment.programDirectory.path();
    QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(directory).isWritable())
        GTEST_SKIP() << "running with rights that ignore permissions";
    ASSERT_TRUE(window->commands().trigger(Command::FileCreateImageIndex));
    QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.first().startsWith(QStringLiteral("Image Index: Could not create")));
    EXPECT_FALSE(window->isPageOpen());
}

} // namespace
