#include "workspace/pages/recentfiles.h"

#include <gtest/gtest.h>

namespace {

struct RecentCase {
    const char* name;
    QStringList before;
    QString added;
    QStringList after;
    bool changed;
};

TEST(RecentFiles, addMovesTheNameToTheTop)
{
    const QStringList abcd = {"/a", "/b", "/c", "/d"};
    const RecentCase cases[] = {
        {"already first", abcd, "/a", abcd, false},
        {"second", abcd, "/b", {"/b", "/a", "/c", "/d"}, true},
        {"third keeps the others in order", abcd, "/c", {"/c", "/a", "/b", "/d"}, true},
        {"fourth", abcd, "/d", {"/d", "/a", "/b", "/c"}, true},
        {"new drops the last", abcd, "/e", {"/e", "/a", "/b", "/c"}, true},
        {"into an empty list", {}, "/a", {"/a", "", "", ""}, true},
        {"empty name", abcd, "", abcd, false},
    };
    for (const RecentCase& c : cases) {
        RecentFiles recent;
        recent.setEntries(c.before);
        EXPECT_EQ(recent.add(c.added), c.changed) << c.name;
        EXPECT_EQ(recent.entries(), c.after) << c.name;
        EXPECT_EQ(recent.entries().size(), RecentFiles::Count) << c.name;
    }
}

TEST(RecentFiles, longPathsAreKeptWhole)
{
    const QString deep = "/home/user/" + QString(300, QLatin1Char('d')) + "/page.htm";
    RecentFiles recent;
    recent.add(deep);
    EXPECT_EQ(recent.entries().first(), deep);
}

} // namespace
