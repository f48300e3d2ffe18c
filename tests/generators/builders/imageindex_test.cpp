#include "generators/builders/imageindex.h"

#include <gtest/gtest.h>

using namespace tessera::generators;

namespace {

struct AppendixCase {
    const char* name;
    std::string pageText;
    ImageIndexFolder folder;
    std::string expected;
};

TEST(ImageIndex, AppendixIsExactText)
{
    const std::string heading = "<CENTER><H2>Image Index</H2></CENTER>";
    const std::vector<AppendixCase> cases = {
        {"empty list adds one line break", heading + "\r\n", {"/home/u/pics", {}}, "\r\n"},
        {"one file", heading + "\r\n", {"/home/u/pics", {"a.gif"}},
         "File location: /home/u/pics/a.gif><br>\r\n<img src=\"/home/u/pics/a.gif\"><br>\r\n\r\n"},
        {"two files in list order", "x\r\n", {"/p", {"b.jpg", "A.GIF"}},
         "File location: /p/b.jpg><br>\r\n<img src=\"/p/b.jpg\"><br>\r\n"
         "File location: /p/A.GIF><br>\r\n<img src=\"/p/A.GIF\"><br>\r\n\r\n"},
        {"root folder takes no second separator", "x\r\n", {"/", {"a.gif"}},
         "File location: /a.gif><br>\r\n<img src=\"/a.gif\"><br>\r\n\r\n"},
        {"drive root", "x\r\n", {"C:\\", {"a.gif"}, '\\'},
         "File location: C:\\a.gif><br>\r\n<img src=\"C:\\a.gif\"><br>\r\n\r\n"},
        {"drive folder", "x\r\n", {"C:\\pics", {"a.gif"}, '\\'},
         "File location: C:\\pics\\a.gif><br>\r\n<img src=\"C:\\pics\\a.gif\"><br>\r\n\r\n"},
        {"page with LF line ends", "x\ny\n", {"/p", {"a.gif"}},
         "File location: /p/a.gif><br>\n<img src=\"/p/a.gif\"><br>\n\n"},
        {"page not ending in a break gets one first", "x\r\ny", {"/p", {}}, "\r\n\r\n"},
        {"empty page", "", {"/p", {}}, "\r\n"},
        {"markup in file names is escaped", "x\n", {"/p&q", {"x\" onerror=\"alert(1)<b>.gif"}},
         "File location: /p&amp;q/x&quot; onerror=&quot;alert(1)&lt;b&gt;.gif><br>\n"
         "<img src=\"/p&amp;q/x&quot; onerror=&quot;alert(1)&lt;b&gt;.gif\"><br>\n\n"},
    };
    for (const AppendixCase& c : cases)
        EXPECT_EQ(imageIndexAppendix(c.pageText, c.folder), c.expected) << c.name;
}

TEST(ImageIndex, LineEndOfText)
{
    EXPECT_EQ(lineEndOf("a\r\nb\n"), "\r\n");
    EXPECT_EQ(lineEndOf("a\nb\r\n"), "\n");
    EXPECT_EQ(lineEndOf("a\rb"), "\r");
    EXPECT_EQ(lineEndOf("a\r"), "\r");
    EXPECT_EQ(lineEndOf("abc"), "\r\n");
}

} // namespace
