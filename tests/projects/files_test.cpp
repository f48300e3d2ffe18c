#include "projects/model/outlineentry.h"
#include "projects/model/outlinefile.h"
#include "projects/model/projectini.h"
#include "projects/model/projectpaths.h"
#include "projects/model/themes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/testfiles.h"

#include <gtest/gtest.h>

namespace {



const QByteArray twoProjects = "Home site - home\r\n"
                               "\t#Default Project Settings - PROJECT.INI\r\n"
                               "\tWelcome - index.htm\r\n"
                               "Shop \xc3\xa9t\xc3\xa9 - /srv/shop\r\n"
                               "\tPrices - my-prices.htm\r\n";

TEST(OutlineFile, ReadsWhatItWritesByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("project.dat"));
    writeFile(path, twoProjects);
    OutlineFile file(path);
    ProjectOutline outline;
    ASSERT_TRUE(file.load(outline)) << file.errorString().toStdString();
    ASSERT_EQ(outline.projectCount(), 2);
    EXPECT_EQ(outline.project(1).text, QStringLiteral("Shop \u00e9t\u00e9 - /srv/shop"));
    EXPECT_EQ(outline.project(0).pages.size(), 2);
    ASSERT_TRUE(file.save(outline)) << file.errorString().toStdString();
    EXPECT_EQ(readFile(path), twoProjects);
    EXPECT_FALSE(QFile::exists(file.backupPath()));
}

TEST(OutlineFile, ReadsLineFeedsAndWindows1252AndWritesUtf8WithCrLf)
{
    struct Case {
        QByteArray stored;
        QByteArray written;
    };
    const Case cases[] = {
        {"A - a\n\tP - p.htm\n", "A - a\r\n\tP - p.htm\r\n"},
        {"Caf\xe9 - cafe\r\n\tMen\xfc - menu.htm", "Caf\xc3\xa9 - cafe\r\n\tMen\xc3\xbc - menu.htm\r\n"},
        {"", ""},
    };
    for (const Case& c : cases) {
        const ProjectOutline outline = OutlineFile::parse(c.stored, nullptr);
        EXPECT_EQ(OutlineFile::serialize(outline), c.written) << c.stored.toStdString();
    }
}

TEST(OutlineFile, KeepsWhatItCanPlaceAndNamesTheLinesItCannot)
{
    struct Case {
        QByteArray stored;
        QList<int> unplaced;
        QByteArray kept;
    };
    const Case cases[] = {
        {"\tOrphan - o.htm\r\nA - a\r\n\tP - p.htm\r\n", {1}, "A - a\r\n\tP - p.htm\r\n"},
        {"A - a\r\n\t\tDeep - d.htm\r\n\tP - p.htm\r\n", {2}, "A - a\r\n\tP - p.htm\r\n"},
        {"\tX - x\n\t\tY - y\n", {1, 2}, ""},
    };
    for (const Case& c : cases) {
        QList<int> unplaced;
        const ProjectOutline outline = OutlineFile::parse(c.stored, &unplaced);
        EXPECT_EQ(unplaced, c.unplaced) << c.stored.toStdString();
        EXPECT_EQ(OutlineFile::serialize(outline), c.kept) << c.stored.toStdString();
    }
}

TEST(OutlineFile, DamagedFileIsKeptAsBackupOrNotReplacedAtAll)
{
    enum class Obstacle { None, BackupBlocked, Unreadable };
    struct Case {
        Obstacle obstacle;
        bool saved;
    };
    const QByteArray damaged = "\tOrphan - o.htm\r\nA - a\r\n";
    for (const Case& c : {Case{Obstacle::None, true}, Case{Obstacle::BackupBlocked, false},
                          Case{Obstacle::Unreadable, false}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("project.dat"));
        OutlineFile file(path);
        // A directory by a file's name can be neither read nor replaced, even by root.
        if (c.obstacle == Obstacle::Unreadable)
            QDir().mkpath(path);
        else
            writeFile(path, damaged);
        if (c.obstacle == Obstacle::BackupBlocked)
            QDir().mkpath(file.backupPath());
        ProjectOutline outline;
        EXPECT_FALSE(file.load(outline));
        EXPECT_TRUE(file.errorString().contains(path)) << file.errorString().toStdString();
        EXPECT_EQ(file.save(outline), c.saved) << file.errorString().toStdString();
        if (c.obstacle == Obstacle::None) {
            EXPECT_TRUE(file.errorString().isEmpty());
            EXPECT_EQ(readFile(file.backupPath()), damaged);
            EXPECT_EQ(readFile(path), QByteArray("A - a\r\n"));
        } else if (c.obstacle == Obstacle::BackupBlocked) {
            EXPECT_TRUE(file.errorString().contains(QStringLiteral("was not replaced")));
            EXPECT_EQ(readFile(path), damaged);
        } else {
            EXPECT_TRUE(QFileInfo(path).isDir());
        }
    }
}

TEST(OutlineFile, MissingFileIsAnEmptyOutline)
{
    QTemporaryDir dir;
    OutlineFile file(dir.filePath(QStringLiteral("project.dat")));
    ProjectOutline outline;
    outline.appendProject(QStringLiteral("Old - old"));
    EXPECT_TRUE(file.load(outline));
    EXPECT_TRUE(outline.isEmpty());
    EXPECT_TRUE(file.errorString().isEmpty());
}

TEST(ProjectIni, ReadsWithEachReadersDefaults)
{
    struct Case {
        const char* text;
        ProjectSettings defaults;
        ProjectSettings expected;
    };
    const ProjectSettings dialog = ProjectSettings::projectDialogDefaults();
    const ProjectSettings initial = ProjectSettings::initialValuesDefaults();
    ProjectSettings odd = dialog;
    odd.mailto = QStringLiteral("me@example.org");
    odd.linkColor = QStringLiteral("00FF00");
    odd.themeStyle = QStringLiteral("Blue = Sky");
    ProjectSettings blanks = initial;
    blanks.textColor = QString();
    blanks.webUrl = QStringLiteral("http://example.org/");
    const Case cases[] = {
        {"", dialog, dialog},
        {"", initial, initial},
        {"[Other]\r\nmailto=x@y\r\n", initial, initial},
        {"[project]\r\nMAILTO = me@example.org \r\nlinkcolor=00FF00\nLinkColor=123456\r\nthemestyle= Blue = Sky\r\n",
         dialog, odd},
        {" [ PROJECT ] \r\n\r\nTextColor=\r\n; WebURL=commented\r\nweburl=http://example.org/\r\n", initial, blanks},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectIni::parse(QString::fromUtf8(c.text), c.defaults), c.expected) << c.text;
    EXPECT_EQ(initial.linkColor, QStringLiteral("FF0000"));
    EXPECT_EQ(initial.vLinkColor, QStringLiteral("800080"));
    EXPECT_EQ(initial.bgColor, QStringLiteral("C0C0C0"));
    EXPECT_EQ(dialog.bgColor, QStringLiteral("000000"));
}

ProjectSettings sample()
{
    return {QStringLiteral("me@example.org"), QStringLiteral("http://example.org"), QStringLiteral("000000"),
            QStringLiteral("FF0000"), QStringLiteral("00FF00"), QStringLiteral("800080"), QStringLiteral("FFFFFF"),
            QStringLiteral("Sky")};
}

TEST(ProjectIni, WritesTheEightKeysAndKeepsEveryOtherLine)
{
    struct Case {
        const char* existing;
        const char* written;
    };
    const Case cases[] = {
        {"",
         "[PROJECT]\r\nmailto=me@example.org\r\nWebURL=http://example.org\r\nTextColor=000000\r\nLinkColor=FF0000\r\n"
         "aLinkColor=00FF00\r\nvLinkColor=800080\r\nbgColor=FFFFFF\r\nThemeStyle=Sky\r\n"},
        {"; mine\n[Project]\nbgcolor=000000\nExtra=1\n\n[Other]\nmailto=keep\n",
         "; mine\r\n[Project]\r\nbgColor=FFFFFF\r\nExtra=1\r\nmailto=me@example.org\r\nWebURL=http://example.org\r\n"
         "TextColor=000000\r\nLinkColor=FF0000\r\naLinkColor=00FF00\r\nvLinkColor=800080\r\nThemeStyle=Sky\r\n\r\n"
         "[Other]\r\nmailto=keep\r\n"},
        {"[Other]\r\nx=1\r\n",
         "[Other]\r\nx=1\r\n[PROJECT]\r\nmailto=me@example.org\r\nWebURL=http://example.org\r\nTextColor=000000\r\n"
         "LinkColor=FF0000\r\naLinkColor=00FF00\r\nvLinkColor=800080\r\nbgColor=FFFFFF\r\nThemeStyle=Sky\r\n"},
    };
    for (const Case& c : cases) {
        const QString written = ProjectIni::update(QString::fromUtf8(c.existing), sample());
        EXPECT_EQ(written, QString::fromUtf8(c.written)) << c.existing;
        EXPECT_EQ(ProjectIni::parse(written, ProjectSettings::initialValuesDefaults()), sample()) << c.existing;
    }
}

TEST(ProjectIni, FindsTheFileInAnyCaseAndRewritesItInPlace)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("project.ini")), "[PROJECT]\r\nmailto=old@example.org\r\n");
    EXPECT_EQ(ProjectIni::read(dir.path(), ProjectSettings::projectDialogDefaults()).mailto,
              QStringLiteral("old@example.org"));
    QString error;
    ASSERT_TRUE(ProjectIni::write(dir.path(), sample(), &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("PROJECT.INI"))));
    EXPECT_EQ(ProjectIni::read(dir.path(), ProjectSettings::projectDialogDefaults()), sample());
}

TEST(ProjectPaths, PageFilesAreFoundIgnoringCaseWhenOneMatches)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Index.HTM")), "x");
    writeFile(dir.filePath(QStringLiteral("twin.htm")), "x");
    writeFile(dir.filePath(QStringLiteral("TWIN.htm")), "x");
    const ProjectLocation project{dir.path(), false};
    struct Case {
        const char* name;
        const char* found;
    };
    const Case cases[] = {
        {"index.htm", "Index.HTM"},
        {"Index.HTM", "Index.HTM"},
        {"Twin.htm", "Twin.htm"}, // two candidates: none is taken
        {"new.htm", "new.htm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileInProject(project, QString::fromUtf8(c.name)).path, dir.filePath(QString::fromUtf8(c.found)))
            << c.name;
    const ProjectLocation windows = fileInProject(projectDirectory(QStringLiteral("C:\\web"), dir.path()),
                                                  QStringLiteral("a.htm"));
    EXPECT_FALSE(windows.isReachable());
}

TEST(Themes, ListsGifThemesByNameIgnoringCase)
{
    QTemporaryDir dir;
    for (const char* name : {"t_zebra.gif", "T_Apple.GIF", "t_mid.dot.gif", "x_other.gif", "t_notgif.png"})
        writeFile(dir.filePath(QStringLiteral("themes/") + QString::fromLatin1(name)), "GIF89a");
    EXPECT_EQ(themeNames(dir.path()), (QStringList{QStringLiteral("Apple"), QStringLiteral("mid.dot"),
                                                   QStringLiteral("zebra")}));
    EXPECT_TRUE(themeNames(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

} // namespace
