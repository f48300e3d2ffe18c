#include "generators/builders/newpage.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessera::generators {
namespace {

const std::string themes = "/home/ann/Tessera/themes/";

NewPageSpec fixedSpec()
{
    NewPageSpec spec;
    spec.themesDirectory = themes;
    spec.date = "12/9/26";
    spec.time = "9:05:07 AM";
    return spec;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

const std::string defaultHead = R"(<HTML>
<HEAD>
<TITLE>Web Page Title Here</TITLE>
<META NAME="Keywords" CONTENT="">
<META NAME="Description" CONTENT="">
<META NAME="Generator" CONTENT="Tessera! 2.0">
<META NAME="Author" CONTENT="">
</HEAD>
)";

const std::string defaultBody = R"(<BODY TEXT="#000000" LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGCOLOR="#C0C0C0">
<!-- Comments go here -- Created: 12/9/26  9:05:07 AM -->

<BASEFONT SIZE=3>

)";

TEST(NewPage, allDefaults)
{
    EXPECT_EQ(joined(buildNewPage(fixedSpec())), defaultHead + defaultBody + R"(<CENTER>
</CENTER>
<P>
<CENTER>
<BR>
</CENTER>
</BODY>
</HTML>
)");
}

TEST(NewPage, themedPageWithEveryPart)
{
    NewPageSpec spec = fixedSpec();
    spec.theme = "blue";
    spec.upArrow = true;
    spec.questionMark = true;
    spec.logo = "/pics/logo.png";
    spec.heading = "Welcome";
    spec.headingSize = 2;
    spec.greeting = "Ann's Bakery";
    spec.otherInformation = {"Open daily", "", "Since 1990"};
    spec.email = "Ann@Example.COM";
    spec.emailCaption = "Write to us";
    EXPECT_EQ(joined(buildNewPage(spec)), defaultHead + R"(<BODY BACKGROUND="/home/ann/Tessera/themes/t_blue.gif"  TEXT="#000000" LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGCOLOR="#C0C0C0">
<!-- Comments go here -- Created: 12/9/26  9:05:07 AM -->

<BASEFONT SIZE=3>

<CENTER>
<IMG SRC="/home/ann/Tessera/themes/l_blue.gif">
<BR>
<IMG SRC="/pics/logo.png">
<BR>
<H2>Welcome</H2>
<IMG SRC="/home/ann/Tessera/themes/l_blue.gif">
<BR>
</CENTER>
Ann's Bakery
<P>
Open daily

Since 1990
<P>
<CENTER>
<IMG SRC="/home/ann/Tessera/themes/l_blue.gif">
<BR>
<a href="mailto:ann@example.com">Write to us</a><p>
<BR>
<IMG SRC="/home/ann/Tessera/themes/n_blue.gif">
<IMG SRC="/home/ann/Tessera/themes/q_blue.gif">
<BR>
</CENTER>
</BODY>
</HTML>
)");
}

// Each case changes the defaults and names the one line to look at by its start.
TEST(NewPage, singleLines)
{
    struct Case {
        const char* name;
        std::function<void(NewPageSpec&)> change;
        std::string lineStart;
        std::string expected; // empty: no such line
    };
    const Case cases[] = {
        {"margin -1 writes none", [](NewPageSpec& s) { s.leftMargin = -1; s.rightMargin = -1; }, "<BODY",
         R"(<BODY TEXT="#000000" LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGCOLOR="#C0C0C0">)"},
        {"margin 0", [](NewPageSpec& s) { s.leftMargin = 0; }, "<BODY",
         R"(<BODY TEXT="#000000" LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGCOLOR="#C0C0C0" LEFTMARGIN="0">)"},
        {"margins 100", [](NewPageSpec& s) { s.leftMargin = 100; s.rightMargin = 100; }, "<BODY",
         R"(<BODY TEXT="#000000" LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGCOLOR="#C0C0C0" LEFTMARGIN="100" RIGHTMARGIN="100">)"},
        {"empty colours and fixed background",
         [](NewPageSpec& s) {
             s.textColour.clear();
             s.backgroundColour.clear();
             s.fixedBackground = true;
             s.background = "C:\\web\\bg.jpg";
         },
         "<BODY", R"(<BODY BACKGROUND="C:\web\bg.jpg"  LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGPROPERTIES="FIXED" >)"},
        {"a background given beats the theme's",
         [](NewPageSpec& s) { s.theme = "blue"; s.background = "/pics/sky.gif"; }, "<BODY BACKGROUND",
         R"(<BODY BACKGROUND="/pics/sky.gif"  TEXT="#000000" LINK="#FF0000" VLINK="#800080" ALINK="#000000" BGCOLOR="#C0C0C0">)"},
        {"heading without colour", [](NewPageSpec& s) { s.heading = "Hi"; s.headingSize = 6; }, "<H6", "<H6>Hi</H6>"},
        {"heading without colour has no FONT", [](NewPageSpec& s) { s.heading = "Hi"; }, "<FONT", ""},
        {"heading colour", [](NewPageSpec& s) { s.heading = "Hi"; s.headingColour = Rgb {255, 128, 1}; }, "<FONT",
         R"(<FONT COLOR="#FF8001">)"},
        {"black heading colour", [](NewPageSpec& s) { s.heading = "Hi"; s.headingColour = Rgb {}; }, "<FONT",
         R"(<FONT COLOR="#000000">)"},
        {"heading colour without heading", [](NewPageSpec& s) { s.headingColour = Rgb {}; }, "<FONT", ""},
        {"no e-mail, no mailto", [](NewPageSpec& s) { s.email.clear(); }, "<a href", ""},
        {"e-mail lower-cased, caption as typed", [](NewPageSpec& s) { s.email = "Me@Host.ORG"; s.emailCaption = "Mail &amp; more"; },
         "<a href", R"(<a href="mailto:me@host.org">Mail &amp; more</a><p>)"},
        {"document type 3.2",
         [](NewPageSpec& s) { s.documentType = R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//3.2">)"; }, "<!DOCTYPE",
         R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//3.2">)"},
        {"document type 2.0",
         [](NewPageSpec& s) { s.documentType = R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML 2.0//EN">)"; }, "<!DOCTYPE",
         R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML 2.0//EN">)"},
        {"document type level 1",
         [](NewPageSpec& s) { s.documentType = R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML Level 1//EN">)"; }, "<!DOCTYPE",
         R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML Level 1//EN">)"},
        {"no document type", [](NewPageSpec&) {}, "<!DOCTYPE", ""},
        {"values as typed", [](NewPageSpec& s) { s.keywords = "fish & \"chips\""; }, "<META NAME=\"Keywords\"",
         R"(<META NAME="Keywords" CONTENT="fish & "chips"">)"},
        {"author", [](NewPageSpec& s) { s.author = "Ann Lee"; }, "<META NAME=\"Author\"",
         R"(<META NAME="Author" CONTENT="Ann Lee">)"},
        {"font size", [](NewPageSpec& s) { s.baseFontSize = 7; }, "<BASEFONT", "<BASEFONT SIZE=7>"},
        {"centring off", [](NewPageSpec& s) { s.centre = false; }, "<CENTER>", ""},
        {"no theme, no line image", [](NewPageSpec&) {}, "<IMG", ""},
    };
    for (const Case& c : cases) {
        NewPageSpec spec = fixedSpec();
        c.change(spec);
        std::string found;
        for (const std::string& line : buildNewPage(spec)) {
            if (line.starts_with(c.lineStart)) {
                found = line;
                break;
            }
        }
        EXPECT_EQ(found, c.expected) << c.name;
    }
}

TEST(NewPage, backgroundRemembered)
{
    NewPageSpec spec = fixedSpec();
    EXPECT_EQ(newPageBackground(spec), "");
    spec.theme = "blue";
    EXPECT_EQ(newPageBackground(spec), themes + "t_blue.gif");
    spec.background = "/pics/sky.gif";
    EXPECT_EQ(newPageBackground(spec), "/pics/sky.gif");
}

TEST(NewPage, linesBesidePictures)
{
    const std::vector<std::string> lines = {
        R"(<BODY BACKGROUND="/pics/sky.gif"  TEXT="#000000">)",
        R"(<IMG SRC="/home/ann/Tessera/themes/l_blue.gif"><IMG SRC="/home/ann/Tessera/themes/w_blue.gif">)",
        R"(<IMG SRC="C:\art\logo.png">)",
        "plain text",
    };
    EXPECT_EQ(pageLinesBesidePictures(lines, themes, "/pics/sky.gif", "C:\\art\\logo.png"),
              (std::vector<std::string> {R"(<BODY BACKGROUND="sky.gif"  TEXT="#000000">)",
                                         R"(<IMG SRC="l_blue.gif"><IMG SRC="w_blue.gif">)", R"(<IMG SRC="logo.png">)",
                                         "plain text"}));
    EXPECT_EQ(pageLinesBesidePictures(lines, "", "", ""), lines);
}

TEST(NewPage, themeFiles)
{
    const std::tuple<std::string_view, std::string_view, bool> cases[] = {
        {"t_blue.gif", "blue", true},
        {"Q_BLUE.GIF", "blue", true},
        {"xxblue.gif", "blue", true},
        {"t_blue.gif.bak", "blue", false},
        {"t_bluest.gif", "blue", false},
        {"t_[None].gif", "[None]", true},
        {"t_N.gif", "[None]", false},
        {"ab.gif", "", false},
        {"t_a.gif", "?", false},
        {"t_?.gif", "?", true},
        {"t_x.gif", "*", false},
    };
    for (const auto& [file, theme, expected] : cases)
        EXPECT_EQ(isThemeFile(file, theme), expected) << file << " / " << theme;
}

} // namespace
} // namespace tessera::generators
