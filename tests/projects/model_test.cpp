#include "projects/model/colourtext.h"
#include "projects/model/outlineentry.h"
#include "projects/model/projectmenurules.h"
#include "projects/model/projectoutline.h"
#include "projects/model/projectpaths.h"

#include <gtest/gtest.h>

namespace {

TEST(OutlineEntry, SplitsAtTheFirstDash)
{
    struct Case {
        const char* text;
        const char* description;
        const char* path;
    };
    const Case cases[] = {
        {"Home - my-page.htm", "Home", "my-page.htm"},
        {"Site - web\\a-b", "Site", "web\\a-b"},
        {"#Default Project Settings - PROJECT.INI", "#Default Project Settings", "PROJECT.INI"},
        {" - index.htm", "", "index.htm"},
        {"- index.htm", "", "index.htm"},
        {"-x", "", ""},
        {"no dash at all", "", "no dash at all"},
        {"Trailing -", "Trailing", ""},
        {"Tight-name.htm", "Tigh", "ame.htm"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const OutlineEntry entry = OutlineEntry::split(QString::fromUtf8(c.text));
        EXPECT_EQ(entry.description, QString::fromUtf8(c.description)) << c.text;
        EXPECT_EQ(entry.path, QString::fromUtf8(c.path)) << c.text;
    }
    EXPECT_EQ(OutlineEntry::join(QStringLiteral("Home"), QStringLiteral("my-page.htm")),
              QStringLiteral("Home - my-page.htm"));
}

QStringList pagesAfterInserting(const QStringList& texts)
{
    ProjectOutline outline;
    outline.appendProject(QStringLiteral("Site - site"));
    for (const QString& text : texts)
        outline.insertPage(0, text);
    return outline.project(0).pages;
}

TEST(ProjectOutline, InsertsPagesInByteOrder)
{
    const QString settings = ProjectTexts::settingsEntry;
    struct Case {
        QStringList inserted;
        QStringList expected;
    };
    const Case cases[] = {
        // The settings entry's "#" comes before letters, but after a blank and "!".
        {{settings, QStringLiteral("About - about.htm"), QStringLiteral(" Intro - intro.htm"),
          QStringLiteral("!News - news.htm")},
         {QStringLiteral(" Intro - intro.htm"), QStringLiteral("!News - news.htm"), settings,
          QStringLiteral("About - about.htm")}},
        // Upper case before lower case, whatever the locale says.
        {{QStringLiteral("b - b.htm"), QStringLiteral("B - b.htm"), QStringLiteral("a - a.htm")},
         {QStringLiteral("B - b.htm"), QStringLiteral("a - a.htm"), QStringLiteral("b - b.htm")}},
        {{QStringLiteral("Zeta - z.htm"), QStringLiteral("Alpha - a.htm")},
         {QStringLiteral("Alpha - a.htm"), QStringLiteral("Zeta - z.htm")}},
        // Byte order of UTF-8: a character beyond U+FFFF after a fullwidth letter, and a prefix first.
        {{QStringLiteral("\U0001F600 - smile.htm"), QStringLiteral("\uFF21 - a.htm"), QStringLiteral("\uFF21")},
         {QStringLiteral("\uFF21"), QStringLiteral("\uFF21 - a.htm"), QStringLiteral("\U0001F600 - smile.htm")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagesAfterInserting(c.inserted), c.expected) << c.inserted.join(QLatin1Char('|')).toStdString();
}

TEST(ProjectOutline, EqualTextGoesBeforeTheExistingEntry)
{
    ProjectOutline outline;
    outline.appendProject(QStringLiteral("Site - site"));
    outline.insertPage(0, QStringLiteral("A - a.htm"));
    outline.insertPage(0, QStringLiteral("B - b.htm"));
    EXPECT_EQ(outline.insertPage(0, QStringLiteral("B - b.htm")), (OutlinePosition{0, 1}));
    EXPECT_EQ(outline.appendPage(0, QStringLiteral("A - a.htm")), (OutlinePosition{0, 3}));
}

TEST(ProjectPaths, ResolvesStoredDirectories)
{
    struct Case {
        const char* stored;
        const char* expected;
        bool windowsDrive;
    };
    const Case cases[] = {
        {"site", "/home/u/data/site", false},
        {"web\\site", "/home/u/data/web/site", false},
        {"web/site/", "/home/u/data/web/site", false},
        {"/srv/www", "/srv/www", false},
        {"/srv\\www", "/srv/www", false},
        {"C:\\web\\site", "C:/web/site", true},
        {"d:", "d:", true},
        {"odd:name", "/home/u/data/odd:name", false},
    };
    for (const Case& c : cases) {
        const ProjectLocation location = projectDirectory(QString::fromUtf8(c.stored), QStringLiteral("/home/u/data/"));
        EXPECT_EQ(location.path, QString::fromUtf8(c.expected)) << c.stored;
        EXPECT_EQ(location.onWindowsDrive, c.windowsDrive) << c.stored;
    }
}

TEST(ColourText, HexToColourPutsRedInTheLowByte)
{
    struct Case {
        const char* text;
        std::optional<unsigned> colour;
    };
    const Case cases[] = {
        {"", 0u},
        {"FF0000", 0x0000FFu},
        {"#00FF00", 0x00FF00u},
        {"0000ff", 0xFF0000u},
        {"800080", 0x800080u},
        {"C0C0C0", 0xC0C0C0u},
        {"#", 0u},
        {"12", 0x120000u},
        {"red", std::nullopt},
        {"0x12", std::nullopt},
        {"-12", std::nullopt},
        {"1234567", std::nullopt},
        {"##123456", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hexToColour(QString::fromUtf8(c.text)), c.colour) << c.text;
}

QString enabledItems(bool empty, SelectedEntry selected)
{
    static const char* const names[] = {"ViewPage", "NewPage", "ImportPage", "DeletePage", "CopyMovePage",
                                        "EditPageDescription", "RenameFile", "EditProjectDescription",
                                        "DeleteProject", "NewProject", "Pages"};
    const ProjectItemStates states = projectItemStates(empty, selected);
    QStringList on;
    for (size_t i = 0; i < states.size(); ++i) {
        if (states[i])
            on << QString::fromLatin1(names[i]);
    }
    return on.join(QLatin1Char(' '));
}

TEST(ProjectMenuRules, FollowTheSelectedEntry)
{
    struct Case {
        bool empty;
        SelectedEntry selected;
        const char* enabled;
    };
    const Case cases[] = {
        {true, SelectedEntry::None, "NewProject"},
        {false, SelectedEntry::None, "NewProject Pages"},
        {false, SelectedEntry::Project, "NewPage ImportPage EditProjectDescription DeleteProject NewProject Pages"},
        // The settings entry is a page entry like any other here.
        {false, SelectedEntry::Page,
         "ViewPage NewPage ImportPage DeletePage CopyMovePage EditPageDescription RenameFile NewProject Pages"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(enabledItems(c.empty, c.selected), QString::fromLatin1(c.enabled)) << c.enabled;
}

} // namespace
