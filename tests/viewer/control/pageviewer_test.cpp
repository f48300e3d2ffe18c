#include "viewer/control/pageviewer.h"
#include "viewer/model/form.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/section.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <map>

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

// The faces the viewer's default fonts stand for, loaded from the test data, so that text is
// measured alike whatever fonts the machine has.
class PinnedFonts : public ::testing::Environment {
public:
    void SetUp() override
    {
        for (const char* file : {"LiberationSerif-Regular.ttf", "LiberationMono-Regular.ttf"})
            ASSERT_GE(QFontDatabase::addApplicationFont(QStringLiteral(TESSERA_TEST_FONTS "/") + QLatin1String(file)), 0) << file;
    }
};
const auto* const pinnedFonts = ::testing::AddGlobalTestEnvironment(new PinnedFonts);

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

TEST_F(ViewerTest, AHistoryEntryWhoseFileIsGoneKeepsTheHistoryAndItsPlace)
{
    viewer.setHistoryMaxCount(10);
    writeFile(path("a.htm"), "<title>A</title>a");
    writeFile(path("b.htm"), "<title>B</title>b");
    ASSERT_TRUE(viewer.LoadDocFile(path("a.htm")));
    ASSERT_TRUE(viewer.LoadDocFile(path("b.htm")));
    QFile::remove(path("a.htm"));
    viewer.setHistoryPos(1);
    EXPECT_EQ(viewer.HistoryPos(), 0);
    EXPECT_EQ(viewer.ShownFileName(), path("b.htm"));
    ASSERT_EQ(viewer.History().size(), 2);
    EXPECT_EQ(viewer.History().at(0).file, path("b.htm"));
    EXPECT_EQ(viewer.History().at(1).file, path("a.htm"));
}

TEST_F(ViewerTest, ThePageGivenAsTextStandsBehindTheOldestEntry)
{
    viewer.setHistoryMaxCount(10);
    writeFile(path("b.htm"), "<title>B</title>b");
    ASSERT_TRUE(viewer.LoadTextBlock("<title>Editor</title>page"));
    viewer.followLink(path("b.htm"));
    ASSERT_EQ(viewer.History().size(), 1);
    // Back: the page given as text is shown again, behind the oldest entry.
    ASSERT_TRUE(viewer.LoadTextBlock("<title>Editor</title>page"));
    viewer.setHistoryPos(1);
    EXPECT_EQ(viewer.HistoryPos(), 1);
    // Forward leads into the history again.
    viewer.setHistoryPos(0);
    EXPECT_EQ(viewer.TitleText(), "B");
    EXPECT_EQ(viewer.HistoryPos(), 0);
    // While a file is shown there is no place behind the oldest entry.
    viewer.setHistoryPos(1);
    EXPECT_EQ(viewer.HistoryPos(), 0);
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
    viewer.setNoSelect(false);
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("abc")));
    viewer.SelectAll();
    EXPECT_EQ(viewer.SelectionLength(), 3);
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
    ASSERT_TRUE(viewer.verticalScrollBar()->isVisible());
    viewer.Clear();
    EXPECT_EQ(viewer.documentHeight(), 0);
    EXPECT_EQ(viewer.scrollRange(), 0);
    EXPECT_FALSE(viewer.verticalScrollBar()->isVisible());
    EXPECT_TRUE(viewer.TitleText().isEmpty());
}

TEST_F(ViewerTest, NewDefaultsKeepThePagesOwnColours)
{
    using tessera::viewer::Color;
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<body bgcolor=yellow link=red>text")));
    viewer.setDefBackground(Qt::gray);
    viewer.setDefHotSpotColor(Qt::green);
    viewer.setDefFontSize(14);
    EXPECT_EQ(viewer.document().background(), Color::fromRgb(0xFFFF00));
    EXPECT_EQ(viewer.document().linkColor(), Color::fromRgb(0xFF0000));
    // A page without colours of its own takes the new defaults, at once and on the next load.
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("plain")));
    viewer.setDefBackground(Qt::white);
    EXPECT_EQ(viewer.document().background(), Color::fromRgb(0xFFFFFF));
    EXPECT_EQ(viewer.document().linkColor(), Color::fromRgb(0x00FF00));
}

TEST_F(ViewerTest, ControlsInDiscardedTextAreGone)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray(
        "<input name=ghost value=boo><input type=hidden name=h value=1><body>Real text <input name=real value=yes>")));
    QSignalSpy submitted(&viewer, &TPageViewer::formSubmit);
    // A click where the discarded field would have been opens nothing.
    QTest::mouseClick(viewer.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(TPageViewer::kMargin + 2, TPageViewer::kMargin + 2));
    EXPECT_EQ(viewer.viewport()->findChild<QLineEdit*>(), nullptr);
    viewer.document().forms().front()->SubmitTheForm("");
    QCoreApplication::processEvents();
    ASSERT_EQ(submitted.count(), 1);
    EXPECT_EQ(submitted[0].at(2).toStringList(), QStringList{"real=yes"});
}

TEST_F(ViewerTest, EmptyMethodIsGet)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray("<form method=\"\" action=x><input name=a value=b></form>")));
    EXPECT_EQ(viewer.document().forms().front()->method(), "Get");
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

// Nested tables far down a long page, with text that the reader reshapes: indentation and line
// ends collapsed, an entity, a list and a heading inside a cell.
QByteArray nestedTablesPage()
{
    QByteArray html = "<html><head><title>Nested</title></head><body>\n<p>Top line</p>\n";
    for (int i = 0; i < 40; ++i)
        html += "<p>Filler paragraph " + QByteArray::number(i) + " with words.</p>\n";
    html += "<table border=1><tr><td>Outer cell</td><td>\n"
            "  <table border=1 cellpadding=4><tr><td>Inner &amp; first\n"
            "          second <!-- a remark --> line of it</td></tr>\n"
            "  <tr><td>\n"
            "      <ul><li>Deep item in a list</li></ul>\n"
            "      <h2>Cell heading</h2>\n"
            "  </td></tr></table>\n"
            "</td></tr></table>\n";
    for (int i = 0; i < 40; ++i)
        html += "<p>More filler " + QByteArray::number(i) + ".</p>\n";
    return html + "</body></html>";
}

class SourceMapTest : public ViewerTest {
protected:
    // The viewport point over the left half of the first character of a document rectangle.
    QPoint onScreen(const QRect& rect) const
    {
        return QPoint(rect.left() + TPageViewer::kMargin - viewer.horizontalScrollBar()->value() + 1,
                      rect.top() + TPageViewer::kMargin - viewer.verticalPosition() + rect.height() / 2);
    }
    bool visible(const QRect& rect) const
    {
        int top = rect.top() + TPageViewer::kMargin - viewer.verticalPosition();
        return top >= 0 && top + rect.height() <= viewer.viewport()->height();
    }
    long long ctrlClick(const QPoint& at)
    {
        QSignalSpy clicked(&viewer, &TPageViewer::sourceClicked);
        QTest::mouseClick(viewer.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        return clicked.isEmpty() ? -1 : clicked[0].at(0).toLongLong();
    }
};

// Following the caret and Ctrl+click are each other's inverse for text anywhere in the page.
TEST_F(SourceMapTest, textInNestedCellsIsFoundAndClickedExactly)
{
  for (const QByteArray& html : {nestedTablesPage(), QByteArray(nestedTablesPage()).replace("\n", "\r\n")}) {
    ASSERT_TRUE(viewer.LoadTextBlock(html));
    for (const char* word : {"Top line", "Outer cell", "first", "second", "line of it", "item in", "Deep", "heading", "More filler 39"}) {
        const auto offset = static_cast<std::size_t>(html.indexOf(word));
        viewer.setVerticalPosition(0);
        ASSERT_TRUE(viewer.showSourceOffset(offset)) << word;
        const QRect rect = viewer.sourceRect(offset);
        EXPECT_TRUE(visible(rect)) << word;
        EXPECT_EQ(ctrlClick(onScreen(rect)), static_cast<long long>(offset)) << word;
        // Already in view: the page keeps still.
        const int still = viewer.verticalPosition();
        viewer.showSourceOffset(offset + 1);
        EXPECT_EQ(viewer.verticalPosition(), still) << word;
    }
    // Each character of a reshaped run has its own place: "second" is one line below "first".
    const QRect first = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("first")));
    const QRect second = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("second")));
    EXPECT_EQ(second.top(), first.top());
    EXPECT_GT(second.left(), first.left());
    const QRect line = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("line of")));
    EXPECT_GT(line.left(), second.left());
    // Inside the comment: the one space that it and the white space around it became.
    const QRect remark = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("remark")));
    EXPECT_EQ(remark.top(), line.top());
    EXPECT_GT(remark.left(), second.left());
    EXPECT_LT(remark.left(), line.left());
  }
}

// A caret inside markup shows what is laid out next; past the end, the last thing.
TEST_F(SourceMapTest, offsetsInMarkupShowTheNextThing)
{
    const QByteArray html = nestedTablesPage();
    ASSERT_TRUE(viewer.LoadTextBlock(html));
    auto rectAt = [&](const char* text, int plus = 0) {
        return viewer.sourceRect(static_cast<std::size_t>(html.indexOf(text) + plus));
    };
    EXPECT_EQ(rectAt("<title>", 3), rectAt("Top line"));
    EXPECT_EQ(rectAt("<li>", 2), rectAt("Deep"));
    EXPECT_EQ(rectAt("<h2>", 1), rectAt("Cell heading"));
    EXPECT_EQ(rectAt("<td>Outer", 2), rectAt("Outer cell"));
    // Right after a word, before its closing tag: the end of that word, not the next cell.
    const QRect afterOuter = rectAt("</td><td>\n  <table");
    EXPECT_EQ(afterOuter.top(), rectAt("Outer cell").top());
    EXPECT_GT(afterOuter.left(), rectAt("Outer cell").left());
    EXPECT_EQ(viewer.sourceRect(static_cast<std::size_t>(html.size()) + 100), rectAt("More filler 39", 15));
    viewer.Clear();
    EXPECT_FALSE(viewer.showSourceOffset(10));
}

TEST_F(SourceMapTest, picturesControlsRulesAndEmptyCellSpaceMapToTheirSource)
{
    const QByteArray html = "<p>Before <img src=\"none.png\" width=40 height=30 alt=\"pic\"> after</p>\n<hr>\n"
                            "<form><textarea name=t rows=3 cols=12>a</textarea></form>\n"
                            "<table border=1><tr><td>short</td><td>a<br>b<br>c<br>d</td></tr></table>";
    ASSERT_TRUE(viewer.LoadTextBlock(html));
    const auto& control = *viewer.document().forms()[0]->controls()[0];
    const QRect area = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("<textarea") + 5));
    EXPECT_EQ(area, QRect(control.x, control.y, control.width, control.height));
    const QRect picture = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("<img") + 8));
    EXPECT_EQ(picture.size(), QSize(40, 30));
    const QRect rule = viewer.sourceRect(static_cast<std::size_t>(html.indexOf("<hr>") + 1));
    EXPECT_GT(rule.width(), 100);

    struct Click {
        const char* name;
        QPoint at;
        long long expected;
    } clicks[] = {
        {"picture", onScreen(picture) + QPoint(15, 0), html.indexOf("<img")},
        {"rule", onScreen(rule) + QPoint(50, 0), html.indexOf("<hr>")},
        {"text area", onScreen(area) + QPoint(10, 0), html.indexOf("<textarea")},
        // Beside the last line of the tall cell, below the short text (whatever the font's height).
        {"below the text of a tall cell", QPoint(onScreen(viewer.sourceRect(static_cast<std::size_t>(html.indexOf("short")))).x() + 4,
                                                 onScreen(viewer.sourceRect(static_cast<std::size_t>(html.indexOf("d</td>")))).y()),
         html.indexOf("short")},
    };
    for (const Click& click : clicks)
        EXPECT_EQ(ctrlClick(click.at), click.expected) << click.name;
    // Ctrl+click on a control does not start using it.
    EXPECT_EQ(viewer.viewport()->findChild<QPlainTextEdit*>(), nullptr);
}

// Every control of a form can be used, and a text area submits one line per typed line.
TEST_F(ViewerTest, formControlsCanBeUsedAndSubmitted)
{
    ASSERT_TRUE(viewer.LoadTextBlock(QByteArray(
        "<form action=\"/go\">"
        "<textarea name=t rows=4 cols=20>one\ntwo</textarea><br>"
        "<textarea name=small rows=2 cols=10></textarea><br>"
        "<select name=one size=3><option>A<option value=bee>B<option>C<option>D</select>"
        "<select name=many multiple size=4><option>W<option selected>X<option>Y<option>Z</select>"
        "<select name=drop><option>P<option>Q<option>R</select>"
        "</form>")));
    QSignalSpy submitted(&viewer, &TPageViewer::formSubmit);
    const auto& controls = viewer.document().forms()[0]->controls();
    ASSERT_EQ(controls.size(), 5u);
    auto open = [&](std::size_t index) {
        const auto& control = *controls[index];
        QPoint at(control.x + TPageViewer::kMargin + 4, control.y + TPageViewer::kMargin + 4);
        QTest::mouseClick(viewer.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QWidget* shown = nullptr;
        for (QWidget* child : viewer.viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible())
                shown = child;
        }
        EXPECT_NE(shown, nullptr);
        if (shown) {
            EXPECT_EQ(shown->geometry(), QRect(at - QPoint(4, 4), QSize(control.width, control.height)));
        }
        return shown;
    };
    // ROWS and COLS size the text area.
    EXPECT_GT(controls[0]->height, controls[1]->height);
    EXPECT_GT(controls[0]->width, controls[1]->width);

    auto* area = qobject_cast<QPlainTextEdit*>(open(0));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->toPlainText(), "one\ntwo");
    area->setPlainText("first line\nsecond\n\nfourth");

    auto* single = qobject_cast<QListWidget*>(open(2));
    ASSERT_NE(single, nullptr);
    EXPECT_TRUE(single->item(0)->isSelected()); // the click that opened it chose the row under it
    QTest::mouseClick(single->viewport(), Qt::LeftButton, Qt::NoModifier, single->visualItemRect(single->item(1)).center());

    auto* many = qobject_cast<QListWidget*>(open(3));
    ASSERT_NE(many, nullptr);
    EXPECT_TRUE(many->item(0)->isSelected());
    EXPECT_TRUE(many->item(1)->isSelected());
    QTest::mouseClick(many->viewport(), Qt::LeftButton, Qt::NoModifier, many->visualItemRect(many->item(3)).center());

    auto* drop = qobject_cast<QComboBox*>(open(4));
    ASSERT_NE(drop, nullptr);
    drop->hidePopup();
    drop->setCurrentIndex(2);
    emit drop->activated(2);

    viewer.document().forms()[0]->SubmitTheForm("");
    QCoreApplication::processEvents();
    ASSERT_EQ(submitted.count(), 1);
    EXPECT_EQ(submitted[0].at(2).toStringList(),
              (QStringList{"t=first line", "t=second", "t=", "t=fourth", "one=bee", "many=W", "many=X", "many=Z", "drop=R"}));
}

TEST_F(ImageTest, bitmapRequestSuppliesEveryPictureNotYetCached)
{
    std::map<QString, int> asked;
    viewer.setImageCacheCount(5);
    viewer.setOnBitmapRequest([&](const QString& src, QImage& bitmap, qint64& color) {
        ++asked[src];
        EXPECT_EQ(color, -1);
        if (src.contains("none"))
            return;
        bitmap = QImage(6, 4, QImage::Format_RGB32);
        bitmap.fill(Qt::red);
        bitmap.setPixel(0, 0, qRgb(255, 255, 255));
        if (src.contains("masked"))
            color = QColor(Qt::white).rgb(); // with its alpha byte, which is not part of the colour
    });
    picture("plain.gif", Qt::green); // never read: the handler stands in for the files
    const QByteArray page = "<p><img src=\"plain.gif\"><img src=\" PLAIN.GIF \"><img src=masked.gif><img src=none.gif alt=x>";
    ASSERT_TRUE(viewer.LoadTextBlock(page));
    EXPECT_EQ(asked, (std::map<QString, int>{{"plain.gif", 1}, {"masked.gif", 1}, {"none.gif", 1}}));
    EXPECT_EQ(viewer.pictures().decodeCount(), 0);
    auto* found = &viewer.document();
    tessera::viewer::TSection* text = nullptr;
    for (auto& item : found->sections()) {
        if (item->isTextSection())
            text = static_cast<tessera::viewer::TSection*>(item.get());
    }
    ASSERT_NE(text, nullptr);
    auto& section = *text;
    ASSERT_EQ(section.images().size(), 4u);
    const auto& plain = section.images()[0]->bitmap;
    const auto& masked = section.images()[2]->bitmap;
    ASSERT_TRUE(plain && masked);
    EXPECT_EQ(plain->width, 6);
    EXPECT_EQ(plain->pixel(0, 0) >> 24, 0xFFu);
    EXPECT_EQ(masked->pixel(0, 0) >> 24, 0u);
    EXPECT_EQ(masked->pixel(1, 0) >> 24, 0xFFu);
    EXPECT_FALSE(section.images()[3]->bitmap);

    // Cached pictures are not asked for again; the one that gave nothing is.
    ASSERT_TRUE(viewer.LoadTextBlock(page));
    EXPECT_EQ(asked, (std::map<QString, int>{{"plain.gif", 1}, {"masked.gif", 1}, {"none.gif", 2}}));
    viewer.setImageCacheCount(0);
    ASSERT_TRUE(viewer.LoadTextBlock(page));
    EXPECT_EQ(asked["plain.gif"], 2);

    // Without a handler the files are read again.
    viewer.setOnBitmapRequest(nullptr);
    writeFile(path("page.htm"), page);
    ASSERT_TRUE(viewer.LoadDocFile(path("page.htm")));
    EXPECT_EQ(viewer.pictures().decodeCount(), 1);
}

} // namespace
