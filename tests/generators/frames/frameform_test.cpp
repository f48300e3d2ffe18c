#include "generators/frames/frameform.h"
#include "generators/frames/framewizardscript.h"

#include "generators/builders/framefiles.h"
#include "viewer/control/pageviewer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace tessera::generators;

using namespace framewizardtest;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class FrameFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TFrameForm::Host host;
        host.replacePage = [this](const QStringList& lines) { inserted = lines; };
        host.pageDirectory = dir.path();
        form = std::make_unique<TFrameForm>(host, std::make_unique<ScriptedPrompts>(&script));
        // The six-pixel rule is about real sizes: the dialog's is fixed.
        form->resize(900, 560);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    template<typename T>
    T* child(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QScrollBar* bar(int splitter, int which) const { return child<QScrollBar>(QStringLiteral("Bar%1_%2").arg(splitter).arg(which)); }
    void check(const QString& caption) const
    {
        for (QRadioButton* button : form->findChildren<QRadioButton*>()) {
            if (button->text() == caption && button->isVisibleTo(form.get()))
                button->click();
        }
    }
    // Fills the current frame's boxes as a user types, without leaving them.
    void fill(const QString& source, const QString& name) const
    {
        child<QLineEdit>(QStringLiteral("SrcName"))->setText(source);
        child<QLineEdit>(QStringLiteral("FrameName"))->setText(name);
    }
    // The banner, menu and main layout: a top row, and a second row of two frames.
    void shapeBannerLayout() const
    {
        bar(0, 2)->setValue(100);
        bar(0, 1)->setValue(20);
        bar(1, 2)->setValue(100);
        bar(1, 1)->setValue(99);
        bar(2, 2)->setValue(100);
        bar(2, 1)->setValue(25);
    }

    QTemporaryDir dir;
    Script script;
    QStringList inserted;
    std::unique_ptr<TFrameForm> form;
};

TEST_F(FrameFormTest, defaultsStepThroughNineFramesAndInsertTheDocument)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Frame Creation"));
    EXPECT_EQ(form->cell(4)->documentText().trimmed(), QStringLiteral("Frame:4"));
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("Prev"))->isEnabled());
    EXPECT_TRUE(form->splitter(1)->handle(1)->isEnabled());

    form->NextClick();
    EXPECT_EQ(form->page(), TFrameForm::Page::FrameSettings);
    EXPECT_EQ(form->currentFrame(), 1);
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("FrameName"))->text(), QStringLiteral("Frame: 1"));
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("Prev"))->isEnabled());
    EXPECT_FALSE(form->splitter(0)->handle(2)->isEnabled());
    EXPECT_FALSE(bar(2, 1)->isEnabled());
    for (int k = 2; k <= 9; ++k)
        form->NextClick();
    EXPECT_EQ(form->currentFrame(), 9);
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("Finished"))->isHidden());

    child<QPushButton>(QStringLiteral("Finished"))->click();
    ASSERT_EQ(inserted.size(), 5 + 15 + 1 + 8 + 1);
    EXPECT_EQ(inserted[4], QStringLiteral(R"(<FRAMESET ROWS="33%,*,33%">)"));
    EXPECT_EQ(inserted[5], QStringLiteral(R"(<FRAMESET COLS="33%,*,33%">)"));
    EXPECT_EQ(inserted[18], QStringLiteral(R"(<FRAME SRC="" NAME="Frame: 9">)"));
    EXPECT_EQ(inserted[21], QStringLiteral("<NOFRAMES>"));
}

TEST_F(FrameFormTest, bannerMenuAndMainThroughTheControlsAndItsFiles)
{
    shapeBannerLayout();
    EXPECT_EQ(form->grid(), (FrameGrid {FrameOrientation::ByRows, {20, 100}, {{{99, 100}, {25, 100}, {33, 67}}}}));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Bar0_1Label"))->text(), QStringLiteral("20%"));
    EXPECT_LT(form->cell(2)->width(), 6);
    EXPECT_LT(form->cell(7)->height(), 6);

    child<QLineEdit>(QStringLiteral("PageTitle"))->setText(QStringLiteral("Site"));
    child<QCheckBox>(QStringLiteral("NoFrame"))->setChecked(false);
    form->NextClick();
    ASSERT_EQ(form->currentFrame(), 1);
    fill(QStringLiteral("top.htm"), QStringLiteral("banner"));
    child<QSpinBox>(QStringLiteral("MarginWidth"))->setValue(0);
    child<QCheckBox>(QStringLiteral("AllowResize"))->setChecked(false);
    check(QStringLiteral("No"));
    form->NextClick();
    ASSERT_EQ(form->currentFrame(), 4);
    fill(QStringLiteral("menu.htm"), QStringLiteral("menu"));
    form->NextClick();
    ASSERT_EQ(form->currentFrame(), 5);
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("Finished"))->isHidden());
    fill(QStringLiteral("main.htm"), QStringLiteral("main"));
    check(QStringLiteral("Yes"));

    // Saving takes the boxes as they are, without their being left first.
    script.saveName = dir.filePath(QStringLiteral("site.set"));
    form->SaveSettingsClick();
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("site.set"))),
              QByteArray("0\r\n100\r\n20\r\n100\r\n99\r\n100\r\n25\r\n67\r\n33\r\n"));
    const QByteArray records = readFile(dir.filePath(QStringLiteral("site.par")));
    ASSERT_EQ(records.size(), 9 * 192);
    EXPECT_EQ(records.mid(0, 8), QByteArray("\x07top.htm"));
    EXPECT_EQ(records.mid(92, 8), QByteArray("\x00\x00\x00\x00\xFF\xFF\xFF\xFF", 8));
    EXPECT_EQ(records.mid(102, 7), QByteArray("\x06" "banner"));
    EXPECT_EQ(records.mid(184, 5), QByteArray("\x02\x00\x00\x00\x00", 5));
    EXPECT_EQ(records.mid(4 * 192 + 184, 4), QByteArray("\x01\x00\x00\x00", 4));

    child<QPushButton>(QStringLiteral("Finished"))->click();
    EXPECT_EQ(inserted, (QStringList {
        "<HTML>", "<HEAD>", "<TITLE>Site</TITLE>", "</HEAD>",
        R"(<FRAMESET ROWS="20%,*">)",
        R"(<FRAME SRC="top.htm" NAME="banner" MARGINWIDTH="0" NORESIZE SCROLLING="NO">)",
        R"(<FRAMESET COLS="25%,*">)",
        R"(<FRAME SRC="menu.htm" NAME="menu">)",
        R"(<FRAME SRC="main.htm" NAME="main" SCROLLING="YES">)",
        "</FRAMESET>", "</FRAMESET>", "</HTML>"}));
    EXPECT_TRUE(script.said.isEmpty()) << script.said.join(QLatin1Char('|')).toStdString();
}

TEST_F(FrameFormTest, openingRestoresDividersExactlyAndRecordsFromBesideIt)
{
    // Each pair lies outside where the defaults would let its first divider go.
    writeFile(dir.filePath(QStringLiteral("wide.set")), "1\r\n90\r\n80\r\n100\r\n99\r\n12\r\n5\r\n67\r\n33\r\n");
    FrameRecords frames;
    frames[0] = {"top.htm", 3, 4, "banner", FrameScrolling::Yes, false};
    writeFile(dir.filePath(QStringLiteral("wide.par")), QByteArray::fromStdString(*encodeFrameRecords(frames).value));
    writeFile(dir.filePath(QStringLiteral("top.htm")), "<P>Top of the site</P>");
    script.openName = dir.filePath(QStringLiteral("wide.set"));
    form->OpenSettingsClick();

    EXPECT_EQ(form->grid(), (FrameGrid {FrameOrientation::ByColumns, {80, 90}, {{{99, 100}, {5, 12}, {33, 67}}}}));
    EXPECT_EQ(form->frames(), frames);
    EXPECT_EQ(bar(2, 1)->value(), 5);
    EXPECT_EQ(bar(0, 2)->value(), 90);
    EXPECT_EQ(form->splitter(0)->orientation(), Qt::Horizontal);
    EXPECT_TRUE(form->cell(1)->documentText().contains(QStringLiteral("Top of the site")));
    EXPECT_TRUE(script.said.isEmpty()) << script.said.join(QLatin1Char('|')).toStdString();

    form->NextClick();
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("SrcName"))->text(), QStringLiteral("top.htm"));
    EXPECT_EQ(child<QSpinBox>(QStringLiteral("MarginHeight"))->value(), 4);
    EXPECT_FALSE(child<QCheckBox>(QStringLiteral("AllowResize"))->isChecked());
}

TEST_F(FrameFormTest, badSettingsChangeNothingAndMissingRecordsWarn)
{
    const QList<QByteArray> bad = {"", "0\r\n67\r\n33\r\n", "0\r\n67\r\n33\r\n67\r\n33\r\n67\r\n33\r\n67\r\nabc\r\n",
                                   "0\r\n30\r\n40\r\n67\r\n33\r\n67\r\n33\r\n67\r\n33\r\n"};
    for (const QByteArray& contents : bad) {
        writeFile(dir.filePath(QStringLiteral("bad.set")), contents);
        writeFile(dir.filePath(QStringLiteral("bad.par")), QByteArray(9 * 192, '\x05'));
        script.openName = dir.filePath(QStringLiteral("bad.set"));
        script.said.clear();
        form->OpenSettingsClick();
        EXPECT_EQ(script.said.size(), 1) << contents.toStdString();
        EXPECT_EQ(form->grid(), FrameGrid {});
        EXPECT_EQ(form->frames(), FrameRecords {});
    }

    writeFile(dir.filePath(QStringLiteral("lone.set")), "0\r\n100\r\n50\r\n67\r\n33\r\n67\r\n33\r\n67\r\n33\r\n");
    script.openName = dir.filePath(QStringLiteral("lone.set"));
    script.said.clear();
    form->OpenSettingsClick();
    EXPECT_EQ(form->grid().main, (DividerPair {50, 100}));
    ASSERT_EQ(script.said.size(), 1);
    EXPECT_TRUE(script.said[0].contains(QStringLiteral("lone.par")));

    FrameRecords frames;
    frames[0].name = "first";
    frames[1].name = "second";
    writeFile(dir.filePath(QStringLiteral("lone.par")),
              QByteArray::fromStdString(*encodeFrameRecords(frames).value).left(192 + 20));
    script.said.clear();
    form->OpenSettingsClick();
    EXPECT_EQ(form->frames()[0].name, "first");
    EXPECT_EQ(form->frames()[1].name, "");
    EXPECT_EQ(script.said.size(), 1);
}

TEST_F(FrameFormTest, aFrameTheDocumentLeavesOutIsNotVisitedThoughItShows)
{
    bar(1, 2)->setValue(100);
    bar(1, 1)->setValue(98);
    EXPECT_GE(form->cell(2)->width(), 6);
    form->NextClick();
    form->NextClick();
    EXPECT_EQ(form->currentFrame(), 4);
    EXPECT_EQ(form->frames()[1].name, "");

    // A click in the picture picks a frame that takes part, and only such a frame.
    QTest::mouseClick(form->cell(2)->viewport(), Qt::LeftButton);
    EXPECT_EQ(form->currentFrame(), 4);
    QTest::mouseClick(form->cell(9)->viewport(), Qt::LeftButton);
    EXPECT_EQ(form->currentFrame(), 9);
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("Finished"))->isHidden());
}

TEST_F(FrameFormTest, namesMustBeGivenAndFitTheirRecord)
{
    form->NextClick();
    auto* name = child<QLineEdit>(QStringLiteral("FrameName"));
    name->clear();
    form->NextClick();
    EXPECT_EQ(script.said, QStringList {QStringLiteral("Frame name cannot be blank.")});
    EXPECT_EQ(form->currentFrame(), 1);
    EXPECT_EQ(form->frames()[0].name, "Frame: 1");

    script.said.clear();
    name->setText(QString(81, QLatin1Char('n')));
    form->NextClick();
    EXPECT_EQ(script.said.size(), 1);
    EXPECT_EQ(form->currentFrame(), 1);
    EXPECT_EQ(form->frames()[0].name, "Frame: 1");

    // Eighty accented letters are eighty bytes in the file, and fit.
    script.said.clear();
    name->setText(QString(80, QChar(0xE9)));
    child<QLineEdit>(QStringLiteral("SrcName"))->setText(QString(81, QLatin1Char('s')));
    form->PrevClick();
    EXPECT_EQ(script.said.size(), 1);
    EXPECT_EQ(form->frames()[0].source, "");
    child<QLineEdit>(QStringLiteral("SrcName"))->setText(QStringLiteral("page.htm"));
    form->PrevClick();
    EXPECT_EQ(form->page(), TFrameForm::Page::Start);
    EXPECT_EQ(form->frames()[0].name, QString(80, QChar(0xE9)).toStdString());
    EXPECT_TRUE(form->splitter(1)->handle(2)->isEnabled());
}

TEST_F(FrameFormTest, settingsNamedLikeTheRecordsAreSavedAsSettings)
{
    script.saveName = dir.filePath(QStringLiteral("layout.par"));
    form->SaveSettingsClick();
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("layout.set"))).count('\n'), 9);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("layout.par"))).size(), 9 * 192);

    // A different name than the one chosen is not written over unasked.
    writeFile(dir.filePath(QStringLiteral("keep.set")), "mine");
    script.saveName = dir.filePath(QStringLiteral("keep.PAR"));
    form->SaveSettingsClick();
    EXPECT_EQ(script.said, QStringList {QStringLiteral("replace ") + dir.filePath(QStringLiteral("keep.set"))});
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("keep.set"))), QByteArray("mine"));
}

TEST_F(FrameFormTest, draggingABarShutHidesTheFrameAndBrowsingGivesARelativeName)
{
    QSplitter* row = form->splitter(1);
    QSplitterHandle* handle = row->handle(2);
    const QPoint start = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    QTest::mouseMove(handle, start + QPoint(row->width(), 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(row->width(), 0));
    EXPECT_EQ(form->grid().rows[0].second, 100);
    EXPECT_EQ(bar(1, 2)->value(), 100);
    // A second bar dragged to the start pushes the first along; the two keep their order.
    QSplitterHandle* last = form->splitter(3)->handle(2);
    QTest::mousePress(last, Qt::LeftButton, {}, last->rect().center());
    QTest::mouseMove(last, last->rect().center() - QPoint(row->width(), 0));
    QTest::mouseRelease(last, Qt::LeftButton, {}, last->rect().center() - QPoint(row->width(), 0));
    EXPECT_EQ(form->grid().rows[2], (DividerPair {0, 1}));

    check(QStringLiteral("By Columns"));
    EXPECT_EQ(form->splitter(0)->orientation(), Qt::Horizontal);
    form->NextClick();
    form->NextClick();
    EXPECT_EQ(form->currentFrame(), 2);
    form->NextClick();
    EXPECT_EQ(form->currentFrame(), 4);

    QDir(dir.path()).mkpath(QStringLiteral("pages"));
    writeFile(dir.filePath(QStringLiteral("pages/menu.htm")), "<P>The menu</P>");
    script.htmlName = dir.filePath(QStringLiteral("pages/menu.htm"));
    child<QPushButton>(QStringLiteral("Browse"))->click();
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("SrcName"))->text(), QStringLiteral("pages/menu.htm"));
    EXPECT_TRUE(form->cell(4)->documentText().contains(QStringLiteral("The menu")));

    form->FinishedClick();
    EXPECT_EQ(inserted[4], QStringLiteral(R"(<FRAMESET COLS="33%,*,33%">)"));
    EXPECT_EQ(inserted[5], QStringLiteral(R"(<FRAMESET ROWS="33%,*">)"));
    EXPECT_EQ(inserted[9], QStringLiteral(R"(<FRAMESET ROWS="33%,*,33%">)"));
    EXPECT_EQ(inserted[10], QStringLiteral(R"(<FRAME SRC="pages/menu.htm" NAME="Frame: 4">)"));
}

} // namespace
