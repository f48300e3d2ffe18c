#include "editor/tledit.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/usermenu.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

std::string captions(const QMenu& menu)
{
    QStringList list;
    for (QAction* action : menu.actions())
        list << action->text();
    return list.join('|').toStdString();
}

TEST(UserMenuTest, LinesAreSortedAndMalformedOnesSkipped)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "textattr.mnu",
                                   "TT - typewriter\r\n"
                                   "\r\n"
                                   "   \r\n"
                                   "<B>..</B> - bold\r\n"
                                   "bad\x01line\r\n"
                                   ".. - nothing around the dots\r\n"
                                   " leading blank\r\n"
                                   + QByteArray(300, 'x') + "\r\n"
                                   "&nbsp; - space\n"
                                   "a - lower case");
    QMenu menu;
    EXPECT_EQ(UserMenu::LoadMenu(&menu, path, nullptr), 4);
    EXPECT_EQ(captions(menu), "&&nbsp; - space|<B>..</B> - bold|a - lower case|TT - typewriter");
    EXPECT_EQ(menu.actions().at(0)->data().toString().toStdString(), "&nbsp; - space");
}

TEST(UserMenuTest, MissingOrBinaryFileGivesAnEmptyMenu)
{
    QTemporaryDir dir;
    QMenu menu;
    menu.addAction("stale");
    EXPECT_EQ(UserMenu::LoadMenu(&menu, dir.filePath("usercode.mnu"), nullptr), 0);
    EXPECT_TRUE(menu.actions().isEmpty());
    EXPECT_EQ(UserMenu::LoadMenu(&menu, writeFile(dir, "b.mnu", QByteArray("\0\0\x02\xff", 4)), nullptr), 0);
    EXPECT_EQ(UserMenu::LoadMenu(nullptr, dir.filePath("b.mnu"), nullptr), 0);
}

TEST(UserMenuTest, ItemsInsertTheirTags)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "usercode.mnu", "<!--..--> - comment\nTT typewriter\n<A NAME=\"\">..</A>\n");
    TLEdit editor;
    TagInserter inserter(&editor, {});
    QMenu menu;
    ASSERT_EQ(UserMenu::LoadMenu(&menu, path, &inserter), 3);
    const std::pair<int, std::string> cases[] = {
        {0, "<!--word-->"},
        {1, "<A NAME=\"\">word</A>"},
        {2, "<TT>word</TT>"},
    };
    for (const auto& [item, expected] : cases) {
        editor.setText("word");
        editor.SetSelection(1, 0, 1, 4);
        menu.actions().at(item)->trigger();
        EXPECT_EQ(editor.Text().toStdString(), expected);
    }
    UserMenu::ClearMenu(&menu);
    EXPECT_TRUE(menu.actions().isEmpty());
}

// The menus shipped with the program load completely.
TEST(UserMenuTest, ShippedMenusAreWellFormed)
{
    const QString source = qEnvironmentVariable("TESSERA_SOURCE_DIR");
    if (source.isEmpty())
        GTEST_SKIP() << "TESSERA_SOURCE_DIR is not set";
    for (const QString& name : {UserMenu::blockTagsFile, UserMenu::textAttributesFile, UserMenu::additionalTagsFile}) {
        QFile file(QDir(source).filePath("data/" + name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const int lines = int(file.readAll().count('\n'));
        EXPECT_GT(lines, 5);
        EXPECT_EQ(UserMenu::readMenuFile(file.fileName()).size(), lines) << name.toStdString();
    }
}

} // namespace
