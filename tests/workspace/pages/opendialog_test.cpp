#include "viewer/control/pageviewer.h"
#include "workspace/pages/opendialog.h"
#include "workspace/pages/pagefilters.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(OpenDialog, filterIsBuiltFromTheExtensionSettings)
{
    struct Case {
        QString web, graphic, expected;
    };
    const Case cases[] = {
        {"html,htm,shtm,shtml", "gif,jpg",
         "Web Documents|*.html;*.htm;*.shtm;*.shtml;|HTMLFiles|*.html|Graphics|*.gif;*.jpg;|Executable|*.exe|"
         "FrameSettings|*.set|"},
        {"", "", "Web Documents|*.htm;*.html|HTMLFiles|*.html|Graphics|*.gif;*.jpg|Executable|*.exe|FrameSettings|*.set|"},
        {"htm", "png, bmp", "Web Documents|*.htm;|HTMLFiles|*.html|Graphics|*.png;*.bmp;|Executable|*.exe|FrameSettings|*.set|"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openPageFilter(c.web, c.graphic), c.expected);
    EXPECT_EQ(qtFileDialogFilter("HTML Documents|*.htm;*.html|Frame Settings|*.set"),
              "HTML Documents (*.htm *.html);;Frame Settings (*.set)");
    EXPECT_EQ(filterPatterns(openPageFilter("", ""), 3), (QStringList{"*.gif", "*.jpg"}));
    EXPECT_EQ(filterPatterns("a|*.x", 2), QStringList{});
}

TEST(OpenDialog, imagesArePreviewedNotOpened)
{
    struct Case {
        QString name;
        bool image;
    };
    const Case cases[] = {{"photo.JPG", true}, {"anim.gif", true}, {"logo.bmp", true}, {"x.jpg.htm", true},
                          {"page.htm", false}, {"picture.png", false}, {"jpg", false}};
    for (const Case& c : cases)
        EXPECT_EQ(isImageFileName(c.name), c.image) << c.name.toStdString();
    EXPECT_EQ(imagePreviewHtml("a.gif"), "<IMG SRC=\"a.gif\">");
    EXPECT_EQ(joinDirectoryAndFile("/", "a.htm"), "/a.htm");
    EXPECT_EQ(joinDirectoryAndFile("/site", "a.htm"), "/site/a.htm");
}

TEST(OpenDialog, clickingAFileFillsTheNameAndOkChoosesIt)
{
    QTemporaryDir dir;
    for (const char* name : {"page one.htm", "pic.gif"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (QLatin1String(name).endsWith(QLatin1String(".htm")))
            file.write("<TITLE>First page</TITLE><IMG SRC=\"pic.gif\">text");
    }
    TOpenHTMLForm dialog;
    dialog.setFilter(openPageFilter("", ""));
    dialog.setDirectory(dir.path());
    EXPECT_EQ(dialog.windowTitle(), "Open HTML Page");

    dialog.FileListBox1Change("pic.gif");
    EXPECT_EQ(dialog.previewHtml(), "<IMG SRC=\"pic.gif\">");
    EXPECT_TRUE(dialog.previewViewer()->ViewImages()) << "pictures are previewed with images on";
    dialog.OKClick();
    EXPECT_EQ(dialog.pageToOpen(), "");

    dialog.FileListBox1Change("page one.htm");
    EXPECT_EQ(dialog.fileToLoadText(), dir.filePath("page one.htm"));
    EXPECT_EQ(dialog.previewHtml(), "");
    EXPECT_EQ(dialog.previewViewer()->TitleText(), "First page") << "the page itself is previewed";
    EXPECT_FALSE(dialog.previewViewer()->ViewImages()) << "pages are previewed without their images";
    dialog.OKClick();
    EXPECT_EQ(dialog.pageToOpen(), dir.filePath("page one.htm"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
