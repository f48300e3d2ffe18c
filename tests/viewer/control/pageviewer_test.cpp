#include "viewer/control/pageviewer.h"
#include "viewer/model/form.h"
#include "viewer/model/formcontrol.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using tessera::viewer::HistoryEntry;
using tessera::viewer::isRemoteLink;
using tessera::viewer::resolveLocalName;
using tessera::viewer::TPageViewer;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray longPage(int paragraphs, const QByteArray& extra = QByteArray())
{
    QByteArray html = "<html><head><title>Long</title></head><body>";
    for (int i = 0; i < paragraphs; ++i)
        html += "<p>Paragraph " + QByteArray::number(i) + " with some words to fill a line.</p>";
    return html + extra + "</body></html>";
}

class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        viewer.resize(500, 300);
        viewer.show();
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    TPageViewer viewer;
};

TEST(ResolveLocalName, KeepsCaseAndReadsUrlsAndBackslashes)
{
    struct Case {
        const char* name;
        const char* base;
        const char* current;
        const char* expected;
    } cases[] = {
        {"Images/Logo.GIF", "", "/pages/Site/index.htm", "/pages/Site/Images/Logo.GIF"},
        {"/abs/Page.HTM", "", "/pages/index.htm", "/abs/Page.HTM"},
        {"file:///abs/Page.HTM", "", "", "/abs/Page.HTM"},
        {"file:///abs/My%20Page.htm", "", "", "/abs/My Page.htm"},
        {"sub\\Other.html", "", "/pages/index.htm", "/pages/sub/Other.html"},
        {"a.htm", "/base/dir/", "/pages/index.htm", "/base/dir/a.htm"},
        {"a.htm", "file:///base/dir/doc.htm", "/pages/index.htm", "/base/dir/a.htm"},
        {"../up.htm", "", "/pages/x/index.htm", "/pages/up.htm"},
        {"http://example.com/a.htm", "", "/pages/index.htm", ""},
        {"mailto:someone@example.com", "", "", ""},
        {"  ", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resolveLocalName(QString::fromUtf8(c.name), QString::fromUtf8(c.base), QString::fromUtf8(c.current)),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
    // No base and no current file: the working directory.
    EXPECT_EQ(resolveLocalName("x.htm", "", ""), QDir::current().filePath("x.htm"));
    EXPECT_EQ(resolveLocalName("x.htm", "DOSPATH", "/pages/index.htm"), QDir::current().filePath("x.htm"));
    EXPECT_TRUE(isRemoteLink("ftp://host/x"));
    EXPECT_FALSE(isRemoteLink("file:///x.htm"));
    EXPECT_FALSE(isRemoteLink("c:/x.htm"));
}

TEST_F(ViewerTest, LoadsTextWithTitleAndNoFile)
{
    QSignalSpy processing(&viewer, &TPageViewer::processingChanged);
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<title>Hello</title><p>Some text</p>")));
    EXPECT_EQ(viewer.TitleText(), "Hello");
    EXPECT_TRUE(viewer.ShownFileName().isEmpty());
    EXPECT_FALSE(viewer.processing());
    ASSERT_GE(processing.count(), 2);
    EXPECT_TRUE(processing.first().at(0).toBool());
    EXPECT_FALSE(processing.last().at(0).toBool());
    EXPECT_GT(viewer.documentHeight(), 0);
}

TEST_F(ViewerTest, OpenCommentIsReportedAndClearsTheBusyFlag)
{
    QSignalSpy errors(&viewer, &TPageViewer::loadError);
    EXPECT_FALSE(viewer.LoadTextBlock(QByteArray("<p>text <!-- never closed")));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(viewer.lastError(), "Open Comment at End of HTML File");
    EXPECT_FALSE(viewer.processing());
    EXPECT_TRUE(viewer.LoadTextBlock(QByteArray("<p>fine</p>")));
}

TEST_F(ViewerTest, MissingFileGivesTheMessageAndKeepsThePage)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<title>Kept</title><p>text</p>")));
    QString missing = path("nowhere.htm");
    EXPECT_FALSE(viewer.LoadDocFile(missing));
    EXPECT_EQ(viewer.lastError(), "Can't locate file: " + missing);
    EXPECT_EQ(viewer.TitleText(), "Kept");
    EXPECT_FALSE(viewer.processing());
    // A directory is no page either.
    EXPECT_FALSE(viewer.LoadDocFile(dir.path()));
    EXPECT_FALSE(viewer.LoadDocFile(QString()));
}

TEST_F(ViewerTest, PositionSurvivesAnEditAndIgnoresSectionsBeyondTheEnd)
{
    ASSERT_TRUE(viewer.LoadTextBlock(longPage(80)));
    viewer.setPosition((10u << 16) | 5u);
    std::uint32_t position = viewer.Position();
    EXPECT_EQ(position >> 16, 10u);
    EXPECT_EQ(position & 0xFFFF, 5u);
    // An edit inside an earlier paragraph does not move the reader's place.
    QByteArray edited = longPage(80);
    edited.replace("Paragraph 2 with", "Paragraph 2 now with a much longer text that wraps over lines and lines and lines and more and more words with");
    ASSERT_TRUE(viewer.LoadTextBlock(edited));
    viewer.setPosition(position);
    EXPECT_EQ(viewer.Position(), position);
    viewer.setPosition(0xFFFFu << 16);
    EXPECT_EQ(viewer.Position(), position);
    // Resizing lays out again at the new width and keeps the place.
    viewer.resize(350, 300);
    EXPECT_EQ(viewer.Position() >> 16, 10u);
}

TEST_F(ViewerTest, PositionOffsetSaturatesInsideAVeryTallSection)
{
    // A table is one section however tall it grows.
    QByteArray html = "<table><tr><td>";
    for (int i = 0; i < 6000; ++i)
        html += "line<br>";
    html += "</td></tr></table><p>after</p>";
    ASSERT_TRUE(viewer.LoadTextBlock(html));
    ASSERT_GT(viewer.documentHeight(), 70000);
    viewer.setVerticalPosition(70000);
    std::uint32_t position = viewer.Position();
    EXPECT_EQ(position & 0xFFFF, 0xFFFFu) << position;
    EXPECT_LT(position >> 16, 3u);
    // The saturated value still leads back into that section.
    viewer.setVerticalPosition(0);
    viewer.setPosition(position);
    EXPECT_EQ(viewer.Position(), position);
}

TEST_F(ViewerTest, KeysScrollWithinTheDocument)
{
    ASSERT_TRUE(viewer.LoadTextBlock(longPage(80)));
    struct Step {
        Qt::Key key;
        int expected; // -1: the scroll maximum
    } steps[] = {{Qt::Key_Down, 16}, {Qt::Key_Down, 32}, {Qt::Key_Up, 16}, {Qt::Key_Up, 0},
                 {Qt::Key_Up, 0},    {Qt::Key_End, -1}, {Qt::Key_Down, -1}, {Qt::Key_Home, 0}};
    for (const Step& step : steps) {
        QTest::keyClick(&viewer, step.key);
        EXPECT_EQ(viewer.verticalPosition(), step.expected < 0 ? viewer.scrollRange() : step.expected) << step.key;
    }
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    EXPECT_EQ(viewer.verticalPosition(), viewer.verticalScrollBar()->pageStep());
    viewer.setVerticalPosition(1 << 30);
    EXPECT_EQ(viewer.verticalPosition(), viewer.scrollRange());
}

TEST_F(ViewerTest, HistoryKeepsTenEntriesNewestFirst)
{
    viewer.setHistoryMaxCount(10);
    for (int i = 0; i < 12; ++i)
        writeFile(path(QString("p%1.htm").arg(i)), "<title>T" + QByteArray::number(i) + "</title><p>page</p>");
    QSignalSpy changes(&viewer, &TPageViewer::historyChange);
    for (int i = 0; i < 11; ++i)
        ASSERT_TRUE(viewer.LoadDocFile(path(QString("p%1.htm").arg(i))));
    ASSERT_EQ(viewer.History().size(), 10);
    EXPECT_EQ(viewer.History().first().file, path("p10.htm"));
    EXPECT_EQ(viewer.History().last().file, path("p1.htm"));
    EXPECT_EQ(changes.count(), 11);

    viewer.setHistoryPos(3);
    EXPECT_EQ(viewer.ShownFileName(), path("p7.htm"));
    EXPECT_EQ(viewer.TitleText(), "T7");
    EXPECT_EQ(viewer.History().size(), 10);
    viewer.setHistoryPos(2);
    EXPECT_EQ(viewer.ShownFileName(), path("p8.htm"));
    // Out of range: ignored.
    viewer.setHistoryPos(10);
    viewer.setHistoryPos(-1);
    EXPECT_EQ(viewer.HistoryPos(), 2);
    // A new visit from the middle drops the newer entries.
    ASSERT_TRUE(viewer.LoadDocFile(path("p11.htm")));
    EXPECT_EQ(viewer.HistoryPos(), 0);
    EXPECT_EQ(viewer.History().first().file, path("p11.htm"));
    EXPECT_EQ(viewer.History().at(1).file, path("p8.htm"));
    viewer.setHistoryMaxCount(3);
    EXPECT_EQ(viewer.History().size(), 3);
    viewer.setHistoryMaxCount(-4);
    EXPECT_EQ(viewer.HistoryMaxCount(), 3);
}

TEST_F(ViewerTest, NoHistoryByDefault)
{
    writeFile(path("a.htm"), "<p>a</p>");
    writeFile(path("b.htm"), "<p>b</p>");
    viewer.LoadDocFile(path("a.htm"));
    viewer.LoadDocFile(path("b.htm"));
    EXPECT_TRUE(viewer.History().isEmpty());
}

TEST_F(ViewerTest, FollowsLocalLinksAndAnchors)
{
    viewer.setHistoryMaxCount(10);
    writeFile(path("Site/Index.htm"), longPage(60, "<a name=\"end\">End</a><p><a href=\"Sub/Other.HTML#Part\">x</a>"));
    writeFile(path("Site/Sub/Other.HTML"), longPage(60, "<a name=\"PART\">part</a>"));
    ASSERT_TRUE(viewer.LoadDocFile(path("Site/Index.htm")));
    EXPECT_EQ(viewer.verticalPosition(), 0);

    viewer.followLink("#End");
    int anchored = viewer.verticalPosition();
    EXPECT_GT(anchored, 0);
    EXPECT_EQ(viewer.History().size(), 2);
    // The same anchor again: same file and position, no new entry.
    viewer.followLink("#end");
    EXPECT_EQ(viewer.History().size(), 2);

    viewer.followLink("Sub/Other.HTML#Part");
    EXPECT_EQ(viewer.ShownFileName(), path("Site/Sub/Other.HTML"));
    EXPECT_GT(viewer.verticalPosition(), 0);
    EXPECT_EQ(viewer.History().size(), 3);

    // A file: URL with forward slashes to an upper-case .HTM name.
    writeFile(path("Site/UPPER.HTM"), "<p>upper</p>");
    viewer.followLink("file://" + path("Site/UPPER.HTM"));
    EXPECT_EQ(viewer.ShownFileName(), path("Site/UPPER.HTM"));

    // Web, mail and picture links load nothing.
    QString shown = viewer.ShownFileName();
    for (const char* link : {"http://example.com/index.htm", "mailto:a@b.c", "pic.gif", "missing-anchor.txt"})
        viewer.followLink(link);
    EXPECT_EQ(viewer.ShownFileName(), shown);

    // Back to the first page restores where the reader had been.
    viewer.setHistoryPos(viewer.History().size() - 1);
    EXPECT_EQ(viewer.ShownFileName(), path("Site/Index.htm"));
}

TEST_F(ViewerTest, HandledClickIsNotFollowed)
{
    writeFile(path("a.htm"), "<p>a</p>");
    QObject::connect(&viewer, &TPageViewer::hotSpotClick, [](const QString&, bool* handled) { *handled = true; });
    viewer.followLink(path("a.htm"));
    EXPECT_TRUE(viewer.ShownFileName().isEmpty());
}

TEST_F(ViewerTest, ClickingALinkFollowsItButDraggingDoesNot)
{
    writeFile(path("target.htm"), "<title>Target</title><p>here</p>");
    writeFile(path("start.htm"), "<p><a href=\"target.htm\">a long link text to click on</a> and more plain text after</p>");
    ASSERT_TRUE(viewer.LoadDocFile(path("start.htm")));
    QPoint onLink(TPageViewer::kMargin + 20, TPageViewer::kMargin + 22);
    QSignalSpy covered(&viewer, &TPageViewer::hotSpotCovered);
    QTest::mouseMove(viewer.viewport(), onLink);
    QMouseEvent move(QEvent::MouseMove, onLink, viewer.viewport()->mapToGlobal(onLink), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewer.viewport(), &move);
    ASSERT_GE(covered.count(), 1);
    EXPECT_EQ(covered.last().at(0).toString(), "target.htm");

    // A drag from plain text that ends on the link selects and stays.
    QPoint plain(TPageViewer::kMargin + 300, TPageViewer::kMargin + 22);
    QTest::mousePress(viewer.viewport(), Qt::LeftButton, Qt::NoModifier, plain);
    QMouseEvent drag(QEvent::MouseMove, onLink, viewer.viewport()->mapToGlobal(onLink), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewer.viewport(), &drag);
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, Qt::NoModifier, onLink);
    EXPECT_EQ(viewer.ShownFileName(), path("start.htm"));
    EXPECT_GT(viewer.SelectionLength(), 1);
    EXPECT_FALSE(viewer.selectedText().isEmpty());

    QTest::mouseClick(viewer.viewport(), Qt::LeftButton, Qt::NoModifier, onLink);
    EXPECT_EQ(viewer.ShownFileName(), path("target.htm"));
}

TEST_F(ViewerTest, NoSelectDisablesSelection)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<p>Some text to select</p>")));
    viewer.SelectAll();
    EXPECT_GT(viewer.SelectionLength(), 0);
    EXPECT_EQ(viewer.CopyToClipboard().trimmed(), "Some text to select");
    viewer.setNoSelect(true);
    viewer.SelectAll();
    EXPECT_EQ(viewer.SelectionLength(), 0);
    EXPECT_TRUE(viewer.selectedText().isEmpty());
}

TEST_F(ViewerTest, FormSubmissionArrivesAfterTheClick)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray(
        "<form action=\"/cgi/go\" method=\"post\"><input name=\"who\" value=\"me\">"
        "<input type=checkbox name=\"c\" value=\"on\" checked><input type=submit name=\"s\" value=\"Send\"></form>")));
    QSignalSpy submitted(&viewer, &TPageViewer::formSubmit);
    auto& forms = viewer.document().forms();
    ASSERT_EQ(forms.size(), 1u);
    forms[0]->SubmitTheForm("s=Send");
    EXPECT_EQ(submitted.count(), 0); // not inside the click
    QCoreApplication::processEvents();
    ASSERT_EQ(submitted.count(), 1);
    EXPECT_EQ(submitted[0].at(0).toString(), "/cgi/go");
    EXPECT_EQ(submitted[0].at(1).toString().toLower(), "post");
    QStringList lines = submitted[0].at(2).toStringList();
    EXPECT_TRUE(lines.contains("who=me")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains("c=on"));
    EXPECT_TRUE(lines.contains("s=Send"));
}

TEST_F(ViewerTest, TextFieldsCanBeTypedInWithoutALengthLimit)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<form action=a><p>Name: <input name=who> <input name=short maxlength=3></form>")));
    viewer.viewport()->repaint();
    const auto& controls = viewer.document().forms()[0]->controls();
    ASSERT_EQ(controls.size(), 2u);
    struct Case {
        int control;
        int typed;
        std::size_t kept;
    } cases[] = {{0, 40000, 40000}, {1, 10, 3}};
    for (const Case& c : cases) {
        auto& edit = static_cast<tessera::viewer::TEditFormControlObj&>(*controls[static_cast<std::size_t>(c.control)]);
        QPoint at(edit.x + TPageViewer::kMargin + 3, edit.y + TPageViewer::kMargin + 3);
        QTest::mouseClick(viewer.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QLineEdit* editor = nullptr;
        for (QLineEdit* candidate : viewer.viewport()->findChildren<QLineEdit*>()) {
            if (candidate->isVisible())
                editor = candidate;
        }
        ASSERT_NE(editor, nullptr);
        QString text(c.typed, QLatin1Char('x'));
        editor->insert(text);
        EXPECT_EQ(edit.text().size(), c.kept);
    }
}

TEST_F(ViewerTest, SubmissionOfAReplacedDocumentIsDropped)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<form action=a><input name=x value=1></form>")));
    QSignalSpy submitted(&viewer, &TPageViewer::formSubmit);
    viewer.document().forms()[0]->SubmitTheForm("");
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<p>new</p>")));
    QCoreApplication::processEvents();
    EXPECT_EQ(submitted.count(), 0);
}

TEST_F(ViewerTest, LoadAskedForDuringALoadRunsAfterIt)
{
    int loads = 0;
    QObject::connect(&viewer, &TPageViewer::processingChanged, [&](bool on) {
        if (on && loads++ == 0)
            viewer.LoadTextBlock(QByteArray("<title>Second</title><p>2</p>"));
    });
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<title>First</title><p>1</p>")));
    EXPECT_EQ(viewer.TitleText(), "Second");
    EXPECT_FALSE(viewer.processing());
}

class ImageTest : public ViewerTest {
protected:
    void picture(const QString& name, QColor color, int size = 8)
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(color);
        QDir().mkpath(QFileInfo(path(name)).path());
        ASSERT_TRUE(image.save(path(name), "PNG"));
    }
};

TEST_F(ImageTest, PicturesAreKeyedByPathAndDate)
{
    picture("one/logo.png", Qt::red);
    picture("two/logo.png", Qt::green);
    writeFile(path("one/page.htm"), "<img src=\"logo.png\">");
    writeFile(path("two/page.htm"), "<img src=\"logo.png\">");
    viewer.setImageCacheCount(5);
    ASSERT_TRUE(viewer.LoadDocFile(path("one/page.htm")));
    ASSERT_TRUE(viewer.LoadDocFile(path("two/page.htm")));
    EXPECT_EQ(viewer.pictures().decodeCount(), 2);
    ASSERT_TRUE(viewer.LoadDocFile(path("one/page.htm")));
    EXPECT_EQ(viewer.pictures().decodeCount(), 2); // served from the cache
    // Rewritten with a new date: read again.
    QTest::qWait(20);
    picture("one/logo.png", Qt::blue, 9);
    QFile file(path("one/logo.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    file.close();
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<p>x</p>")));
    ASSERT_TRUE(viewer.LoadDocFile(path("one/page.htm")));
    EXPECT_EQ(viewer.pictures().decodeCount(), 3);
}

TEST_F(ImageTest, ImagesOffShowsFramesAndKeepsThePlace)
{
    picture("pic.png", Qt::red, 40);
    QByteArray html = longPage(40, "<img src=\"pic.png\" alt=\"A picture\">");
    writeFile(path("page.htm"), html);
    viewer.setViewImages(false);
    ASSERT_TRUE(viewer.LoadDocFile(path("page.htm")));
    EXPECT_EQ(viewer.pictures().decodeCount(), 0);
    viewer.setPosition(5u << 16);
    viewer.setViewImages(true);
    EXPECT_TRUE(viewer.ViewImages());
    EXPECT_EQ(viewer.Position() >> 16, 5u);
    QImage shot = viewer.viewport()->grab().toImage();
    EXPECT_FALSE(shot.isNull());
}

TEST_F(ViewerTest, ClearEmptiesEverything)
{
    ASSERT_TRUE(viewer.LoadTextBlock(longPage(50)));
    viewer.setVerticalPosition(200);
    viewer.Clear();
    EXPECT_EQ(viewer.documentHeight(), 0);
    EXPECT_EQ(viewer.scrollRange(), 0);
    EXPECT_TRUE(viewer.TitleText().isEmpty());
}

TEST_F(ViewerTest, CtrlClickReportsTheSourceOffset)
{
    QByteArray html = "<p>First words</p><p>Second paragraph here</p>";
    ASSERT_TRUE(viewer.LoadTextBlock(html));
    QSignalSpy clicked(&viewer, &TPageViewer::sourceClicked);
    QTest::mouseClick(viewer.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(TPageViewer::kMargin + 1, TPageViewer::kMargin + 22));
    ASSERT_EQ(clicked.count(), 1);
    long long offset = clicked[0].at(0).toLongLong();
    EXPECT_EQ(offset, html.indexOf("First"));
    EXPECT_TRUE(viewer.showSourceOffset(static_cast<std::size_t>(html.indexOf("Second"))));
}

} // namespace
