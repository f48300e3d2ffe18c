#include "workspace/preview/previewcontroller.h"
#include "workspace/preview/submitresults.h"

#include <QTest>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

using namespace tessera::workspace;

namespace {

// A viewer stand-in that records what the preview asks of it.
class FakeViewer : public PreviewViewer {
public:
    bool isProcessing() const override { return busy; }
    std::uint32_t position() const override { return pos; }
    void setPosition(std::uint32_t value) override { pos = value; }
    bool loadText(const QByteArray& text, QString& error) override
    {
        ++loads;
        shown = text;
        pos = 0;
        error = failWith;
        return failWith.isEmpty();
    }
    void clear() override
    {
        ++clears;
        shown.clear();
    }
    int historyPos() const override { return index; }
    void setHistoryPos(int value) override
    {
        if (value >= 0 && value < files.size())
            index = value;
    }
    QStringList history() const override { return files; }
    QString title() const override { return titleText; }
    bool viewImages() const override { return images; }
    void setViewImages(bool on) override { images = on; }
    int selectionLength() const override { return selection.size(); }
    QString selectedText() const override { return selection; }
    QString documentText() const override { return QString::fromUtf8(shown).remove(QRegularExpression("<[^>]*>")); }
    void goToBottom() override { pos = 0xFFFFFFFF; }
    bool showSourceOffset(std::size_t offset) override
    {
        shownOffsets.push_back(offset);
        return true;
    }
    std::vector<std::size_t> shownOffsets;

    bool busy = false;
    std::uint32_t pos = 0;
    QByteArray shown;
    QString failWith;
    int loads = 0;
    int clears = 0;
    int index = 0;
    QStringList files;
    QString titleText;
    bool images = false;
    QString selection;
};

struct PreviewTest : ::testing::Test {
    PreviewTest()
    {
        host.editorText = [this] { return editorText; };
        host.editorEnabled = [] { return true; };
        host.setToolsEnabled = [this](bool on) { toolsEnabled = on; };
        host.setSplitShown = [this](bool on) { splitShown = on; };
        host.setFullScreenTexts = [this](const QString& hint, const QString& caption) { texts = hint + "|" + caption; };
        host.showMessage = [this](const QString& text) { messages << text; };
        host.showHelper = [this](int number) {
            helpers << number;
            return false;
        };
        host.editorGoToTop = [this] { wentToTop = true; };
        host.editorFind = [this](const QString& text) { found = text; };
        host.showHistory = [this](const HistoryState& state) { history = state; };
        controller = std::make_unique<PreviewController>(host);
        controller->setViewers(&split, &full);
    }

    PreviewHost host;
    QByteArray editorText = "<p>page</p>";
    bool toolsEnabled = true;
    bool splitShown = true;
    QString texts;
    QStringList messages;
    QList<int> helpers;
    bool wentToTop = false;
    QString found;
    HistoryState history;
    FakeViewer split;
    FakeViewer full;
    std::unique_ptr<PreviewController> controller;
};

TEST_F(PreviewTest, RefreshKeepsThePositionAndRestoresTheTools)
{
    split.pos = (7u << 16) | 12u;
    controller->UpdateWebView();
    EXPECT_EQ(split.shown, editorText);
    EXPECT_EQ(split.pos, (7u << 16) | 12u);
    EXPECT_TRUE(toolsEnabled);

    split.failWith = "Table has too many Columns";
    controller->UpdateWebView();
    EXPECT_TRUE(toolsEnabled);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Table has too many Columns");

    editorText.clear();
    controller->UpdateWebView();
    EXPECT_EQ(split.clears, 1);
}

TEST_F(PreviewTest, RefreshWhileTheViewerLoadsRunsAfterIt)
{
    split.busy = true;
    controller->UpdateWebView();
    controller->UpdateWebView();
    EXPECT_EQ(split.loads, 0);
    EXPECT_TRUE(controller->refreshPending());
    split.busy = false;
    QCoreApplication::processEvents();
    EXPECT_EQ(split.loads, 1); // both requests shown by one refresh
    EXPECT_FALSE(controller->refreshPending());
}

TEST_F(PreviewTest, FullScreenStartsAtTheTopAndLeavesTheSplitWhereItWas)
{
    split.pos = 5u << 16;
    full.pos = 9u << 16;
    controller->View1Click();
    EXPECT_TRUE(controller->fullScreen());
    EXPECT_FALSE(splitShown);
    EXPECT_EQ(full.loads, 1);
    EXPECT_EQ(full.pos, 0u);
    EXPECT_EQ(texts, "View HTML document in split screen|&View Split Screen");
    EXPECT_EQ(helpers, QList<int>{PreviewController::kFullScreenHelper});
    // In full screen a refresh still goes to the split preview.
    controller->UpdateWebView();
    EXPECT_EQ(split.pos, 5u << 16);
    controller->HideFullScreen();
    EXPECT_FALSE(controller->fullScreen());
    EXPECT_TRUE(splitShown);
    EXPECT_EQ(texts, "View HTML document in full screen|&View Full Screen");
    controller->HideFullScreen();
    EXPECT_FALSE(controller->fullScreen());
    // The helper said not to show it again.
    controller->View1Click();
    EXPECT_EQ(helpers.size(), 1);
}

TEST_F(PreviewTest, ImagesToggleBothViewers)
{
    EXPECT_TRUE(controller->Viewinlineimages1Click());
    EXPECT_TRUE(split.images);
    EXPECT_TRUE(full.images);
    EXPECT_FALSE(controller->Viewinlineimages1Click());
    EXPECT_FALSE(split.images);
    EXPECT_FALSE(full.images);
}

TEST(ImageNameOfLink, IsTheFilePartAfterTheLastSeparator)
{
    const std::pair<const char*, const char*> cases[] = {
        {"images/Logo.GIF", "Logo.GIF"},
        {"C:\\pics\\a.gif", "a.gif"},
        {"http://host/x.gif", "x.gif"},
        {"plain.gif", "plain.gif"},
    };
    for (const auto& [src, image] : cases)
        EXPECT_EQ(imageNameOfLink(QString::fromLatin1(src)), QString::fromLatin1(image)) << src;
}

TEST_F(PreviewTest, HistoryStateAndMenu)
{
    for (int i = 0; i < 10; ++i)
        split.files << QString("/p/%1.htm").arg(i);
    split.index = 2;
    split.titleText = "Title";
    controller->HTMLSplitHistoryChange(&split);
    EXPECT_TRUE(history.forwardEnabled);
    EXPECT_TRUE(history.backEnabled);
    EXPECT_TRUE(history.menuVisible);
    EXPECT_EQ(history.items.size(), 10);
    EXPECT_EQ(history.checked, 2);
    EXPECT_EQ(history.caption, "Title");

    QAction menu("His&tory");
    QList<QAction*> entries;
    std::vector<std::unique_ptr<QAction>> owned;
    for (int i = 0; i < 10; ++i) {
        owned.push_back(std::make_unique<QAction>());
        entries << owned.back().get();
    }
    split.files = {"/a&b.htm", "/c.htm"};
    split.index = 0;
    HistoryState state = historyStateOf(split);
    EXPECT_FALSE(state.forwardEnabled);
    applyHistoryState(state, &menu, entries);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(entries[0]->text(), "/a&&b.htm");
    EXPECT_TRUE(entries[0]->isChecked());
    EXPECT_TRUE(entries[1]->isVisible());
    EXPECT_FALSE(entries[2]->isVisible());
    split.files.clear();
    applyHistoryState(historyStateOf(split), &menu, entries);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(PreviewTest, BackFromTheOldestEntryShowsTheEditorPage)
{
    split.files = {"/new.htm", "/old.htm"};
    split.index = 0;
    controller->FwdBackClick(true);
    EXPECT_EQ(split.index, 1);
    EXPECT_EQ(split.loads, 0);
    controller->FwdBackClick(true); // at the oldest: the editor's page comes back
    EXPECT_EQ(split.loads, 1);
    EXPECT_EQ(split.index, 1);
    EXPECT_TRUE(historyStateOf(split).backEnabled);
    controller->FwdBackClick(false);
    EXPECT_EQ(split.index, 0);
    controller->HistoryClick(1);
    EXPECT_EQ(split.index, 1);
    controller->HistoryClick(7); // beyond this viewer's history
    EXPECT_EQ(split.index, 1);
}

TEST_F(PreviewTest, PopupAndSearchSource)
{
    EXPECT_TRUE(controller->HTMLPopupPopup().itemsEnabled);
    EXPECT_FALSE(controller->HTMLPopupPopup().searchSourceEnabled);
    split.selection = "selected words\r\n";
    EXPECT_TRUE(controller->HTMLPopupPopup().searchSourceEnabled);
    controller->SearchSourceClick();
    EXPECT_TRUE(wentToTop);
    EXPECT_EQ(found, "selected words");
    split.selection = "no line end";
    controller->SearchSourceClick();
    EXPECT_EQ(found, "no line end");
    // One line end goes, never the characters before it.
    split.selection = "two lines\n\n";
    controller->SearchSourceClick();
    EXPECT_EQ(found, "two lines\n");
    split.selection = "x\r";
    controller->SearchSourceClick();
    EXPECT_EQ(found, "x");
    controller->Gotobottom1Click();
    EXPECT_EQ(split.pos, 0xFFFFFFFFu);
    controller->Gototop1Click();
    EXPECT_EQ(split.pos, 0u);
}

// The text for stripping comes from a fresh render, and a failed render gives none.
TEST_F(PreviewTest, RenderedTextComesFromAFreshRender)
{
    editorText = "<b>bold</b> words";
    EXPECT_EQ(controller->renderedText(), QString("bold words"));
    split.failWith = "Table has too many Columns";
    EXPECT_EQ(controller->renderedText(), std::nullopt);
    EXPECT_EQ(messages.last(), "Table has too many Columns");
    split.failWith.clear();
    split.busy = true;
    EXPECT_EQ(controller->renderedText(), std::nullopt);
}

TEST_F(PreviewTest, FollowCaretOnlyWhenAsked)
{
    controller->caretMoved(40);
    controller->UpdateWebView();
    EXPECT_TRUE(split.shownOffsets.empty());
    controller->setFollowCaret(true);
    controller->caretMoved(55);
    controller->UpdateWebView(); // a refresh keeps the caret's part in view
    EXPECT_EQ(split.shownOffsets, (std::vector<std::size_t>{55, 55}));
    EXPECT_TRUE(full.shownOffsets.empty());

    // Typing with live preview on: the caret is shown once, in the refreshed text.
    split.shownOffsets.clear();
    controller->setLivePreview(true);
    controller->editorChanged();
    controller->caretMoved(56);
    EXPECT_TRUE(split.shownOffsets.empty());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !controller->refreshPending(); }));
    EXPECT_EQ(split.shownOffsets, (std::vector<std::size_t>{56}));
}

TEST(SubmitForm, EachSubmissionReplacesTheLast)
{
    TSubmitForm form;
    form.showSubmission("/cgi", "Post", {"a=1", "b=2"});
    form.showSubmission("/other", "Get", {"c=3"});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Submit Results");
    EXPECT_EQ(form.ActionText()->text(), "/other");
    EXPECT_EQ(form.MethodText()->text(), "Get");
    ASSERT_EQ(form.ResultBox()->count(), 1);
    EXPECT_EQ(form.ResultBox()->item(0)->text(), "c=3");
    EXPECT_TRUE(form.ActionText()->isReadOnly());
}

} // namespace
