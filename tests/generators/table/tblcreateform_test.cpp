#include "generators/table/tblcreateform.h"
#include "generators/table/tablewizardscript.h"

#include "viewer/control/pageviewer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace tablewizardtest;

const QString kDefaultTag = QStringLiteral(R"(<TABLE BORDER="1" WIDTH="0%"  ALIGN="None"  CELLPADDING="1"  CELLSPACING="2" >)");

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

class TableWizard : public ::testing::Test {
protected:
    Script script;
    QList<QStringList> inserted;
    QTemporaryDir folder;
    TTblCreateForm form {[this](const QStringList& lines) { inserted << lines; }, std::make_unique<ScriptedPrompts>(&script)};

    template<typename T>
    T* child(const char* name) const
    {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QStringList lines() const
    {
        QStringList out;
        for (const std::string& line : form.workingLines().lines())
            out << QString::fromStdString(line);
        return out;
    }
    QString line(int index) const { return lines().value(index); }
    void build(int rows, int columns)
    {
        child<QSpinBox>("TblRows")->setValue(rows);
        child<QSpinBox>("TblCols")->setValue(columns);
        child<QPushButton>("TblBuild")->click();
    }
    bool select(const QString& target)
    {
        bool handled = false;
        Q_EMIT form.preview()->hotSpotClick(target, &handled);
        return handled;
    }
    // Types into a text box and leaves it, as the user does.
    void type(const char* name, const QString& text)
    {
        auto* edit = child<QLineEdit>(name);
        edit->setText(text);
        Q_EMIT edit->editingFinished();
    }
    QAction* action(const QString& text) const
    {
        for (QAction* a : form.findChildren<QAction*>()) {
            if (a->text() == text)
                return a;
        }
        return nullptr;
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
};

TEST_F(TableWizard, selectingACellFillsItsControlsAndEditsIt)
{
    EXPECT_FALSE(child<QPushButton>("AddCell")->isEnabled());
    build(2, 2);
    EXPECT_TRUE(select(QStringLiteral("Cell:0.")));
    EXPECT_EQ(form.page(), TTblCreateForm::Page::CellsAttributes);
    EXPECT_TRUE(child<QPushButton>("AddCell")->isEnabled());
    EXPECT_EQ(child<QComboBox>("valign")->currentText(), QStringLiteral("top"));
    EXPECT_EQ(child<QLineEdit>("CellText")->text(), QStringLiteral("Cell:1"));

    child<QCheckBox>("CellHeader")->setChecked(true);
    type("CellText", QStringLiteral("Item"));
    EXPECT_EQ(line(3), QStringLiteral(R"(<TH ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" BGCOLOR=""><A HREF="Cell:0.">*</A>Item</TH>)"));
    EXPECT_TRUE(form.preview()->documentText().contains(QStringLiteral("Item")));

    // In insert form no star is left to click, and table changes still reach line 0.
    action(QStringLiteral("&View"))->trigger();
    EXPECT_EQ(line(3), QStringLiteral(R"(<TH ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" >Item</TH>)"));
    select(QStringLiteral("Cell:1."));
    EXPECT_EQ(form.workingLines().currentLine(), -1);
    child<QSpinBox>("TblBorder")->setValue(4);
    EXPECT_TRUE(line(0).startsWith(QStringLiteral(R"(<TABLE BORDER="4")")));
}

TEST_F(TableWizard, saveAndOpenRoundTripTheDefinition)
{
    auto* tableColour = child<QLineEdit>("OriginalColor");
    script.colour = QColor(255, 255, 0);
    build(1, 2);
    child<QPushButton>("OriginalColorButton")->click();
    EXPECT_EQ(tableColour->text(), QStringLiteral("FFFF00"));
    type("TblCaption", QStringLiteral("Café prices"));
    select(QStringLiteral("Cell:0."));
    child<QPushButton>("AddCell")->click();
    EXPECT_EQ(line(4), QStringLiteral(R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" BGCOLOR="#FFFF00"><A HREF="Cell:2.">*</A>Cell:3</TD>)"));
    action(QStringLiteral("&View"))->trigger();

    script.saveName = path("prices.txt");
    EXPECT_TRUE(form.SaveTableDefinitionClick());
    const QByteArray saved = readFile(path("prices.tbl"));
    EXPECT_TRUE(saved.contains("<H1>Caf\xE9 prices</H1>"));      // Windows-1252: every character fits
    EXPECT_TRUE(saved.contains("<A HREF=\"Cell:1.\">*</A>Cell:3</TD>\r\n"));  // edit form, renumbered
    EXPECT_NE(action(QStringLiteral("&View")), nullptr);
    EXPECT_FALSE(form.workingLines().isModified());

    Script other;
    other.openName = path("prices.tbl");
    TTblCreateForm second {[](const QStringList&) {}, std::make_unique<ScriptedPrompts>(&other)};
    second.OpenTableDefinitionClick();
    EXPECT_TRUE(other.errors.isEmpty());
    EXPECT_EQ(second.findChild<QLineEdit*>(QStringLiteral("TblCaption"))->text(), QStringLiteral("Café prices"));
    EXPECT_EQ(second.findChild<QLineEdit*>(QStringLiteral("OriginalColor"))->text(), QStringLiteral("FFFF00"));
    EXPECT_EQ(second.workingLines().lines(), form.workingLines().lines());
    EXPECT_EQ(second.workingLines().cellCounter(), 3);
    EXPECT_FALSE(second.workingLines().isModified());
}

TEST_F(TableWizard, tableMenuWaitsForATableAndCopyKeepsTheForm)
{
    EXPECT_FALSE(action(QStringLiteral("&View"))->isEnabled());
    EXPECT_FALSE(action(QStringLiteral("Copy HTML to Clipboard"))->isEnabled());
    child<QSpinBox>("TblBorder")->setValue(3);
    EXPECT_TRUE(lines().isEmpty());  // nothing updates before a table is built
    build(0, 1);
    EXPECT_EQ(lines(), (QStringList {kDefaultTag, QStringLiteral(R"(<CAPTION ALIGN="Top"><H1></H1></CAPTION>)"),
                                     QStringLiteral("</TABLE>")}));
    EXPECT_TRUE(action(QStringLiteral("&View"))->isEnabled());

    build(1, 1);
    action(QStringLiteral("&View"))->trigger();
    action(QStringLiteral("Copy HTML to Clipboard"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              kDefaultTag + "\r\n<CAPTION ALIGN=\"Top\"><H1></H1></CAPTION>\r\n<TR>\r\n"
                  + R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" >Cell:1</TD>)" + "\r\n</TR>\r\n</TABLE>\r\n");
    EXPECT_EQ(form.workingLines().form(), tessera::generators::LinesForm::Insert);

    // A rebuild asks first and always starts in edit form.
    script.asked.clear();
    script.confirm = false;
    build(3, 3);
    EXPECT_EQ(lines().size(), 6);
    EXPECT_EQ(script.asked, QStringList {QStringLiteral("rebuild")});
    script.confirm = true;
    build(1, 1);
    EXPECT_NE(action(QStringLiteral("&View")), nullptr);
    EXPECT_TRUE(line(3).contains(QStringLiteral("Cell:0.")));
}

TEST_F(TableWizard, openAsksFirstAndKeepsEverythingOnABadFile)
{
    build(1, 1);
    select(QStringLiteral("Cell:0."));
    script.save = SaveAnswer::Cancel;
    form.OpenTableDefinitionClick();
    EXPECT_EQ(script.asked, QStringList {QStringLiteral("save first")});

    const QStringList before = lines();
    script.save = SaveAnswer::No;
    const std::pair<const char*, QByteArray> damaged[] = {
        {"empty.tbl", ""},
        {"one.tbl", kDefaultTag.toUtf8()},
        {"truncated.tbl", kDefaultTag.toUtf8() + "\r\n<CAPTION ALIGN=\"To"},
        {"number.tbl", "<TABLE BORDER=\"wide\">\n<CAPTION ALIGN=\"Top\"><H1></H1></CAPTION>\n"},
        {"foreign.tbl", "\x89PNG\r\n\x1a\n\0\0\0"},
    };
    for (const auto& [name, bytes] : damaged) {
        writeFile(path(name), bytes);
        script.openName = path(name);
        script.errors.clear();
        form.OpenTableDefinitionClick();
        EXPECT_EQ(script.errors.size(), 1) << name;
        EXPECT_EQ(lines(), before) << name;
    }
    script.openName = path("number.tbl");
    script.errors.clear();
    form.OpenTableDefinitionClick();
    EXPECT_EQ(script.errors, QStringList {QStringLiteral("'wide' is not a valid integer value")});

    // A good file: no cell is current and the cell controls wait for a click.
    writeFile(path("good.tbl"),
              "<TABLE BORDER=\"2\" WIDTH=\"50%\"  ALIGN=\"Center\"  CELLPADDING=\"1\"  CELLSPACING=\"2\"  BORDERCOLOR=\"#00FF00\">\n"
              "<CAPTION ALIGN=\"Bottom\"><H2>Hi</H2></CAPTION>\n<TR>\n<TD>x</TD>\n</TR>\n</TABLE>\n");
    child<QLineEdit>("OriginalColor")->setText(QStringLiteral("123456"));
    script.openName = path("good.tbl");
    form.OpenTableDefinitionClick();
    EXPECT_EQ(form.workingLines().currentLine(), -1);
    EXPECT_FALSE(child<QPushButton>("AddCell")->isEnabled());
    EXPECT_EQ(child<QLineEdit>("OriginalColor")->text(), QString());
    EXPECT_EQ(child<QLineEdit>("BorderColor")->text(), QStringLiteral("00FF00"));
    EXPECT_EQ(line(3), QStringLiteral(R"(<TD><A HREF="Cell:0.">*</A>x</TD>)"));
    EXPECT_FALSE(form.workingLines().isModified());
}

TEST_F(TableWizard, leavingWithChanges)
{
    struct Case {
        SaveAnswer answer;
        QString saveName;
        bool closes;
        int insertions;
    };
    const Case cases[] = {
        {SaveAnswer::Cancel, {}, false, 0},
        {SaveAnswer::Ok, {}, false, 0},        // the save dialog was cancelled
        {SaveAnswer::Ok, QStringLiteral("/no/such/folder/t.tbl"), false, 0},  // the save failed
        {SaveAnswer::No, {}, true, 1},
    };
    for (const Case& c : cases) {
        Script answers;
        answers.save = c.answer;
        answers.saveName = c.saveName;
        int insertions = 0;
        TTblCreateForm wizard {[&](const QStringList&) { ++insertions; }, std::make_unique<ScriptedPrompts>(&answers)};
        wizard.setResult(-1);
        wizard.TblBuildClick();
        wizard.InsertAndReturnClick();
        EXPECT_EQ(wizard.result() == QDialog::Accepted, c.closes) << int(c.answer) << c.saveName.toStdString();
        EXPECT_EQ(insertions, c.insertions);
    }
    // With no table there is nothing to insert, and the page is left alone.
    form.InsertAndReturnClick();
    EXPECT_TRUE(inserted.isEmpty());

    // Escape and Abandon ask the same question; Cancel stays in the wizard.
    form.show();
    form.TblBuildClick();
    script.save = SaveAnswer::Cancel;
    form.AbandonAndReturnClick();
    EXPECT_TRUE(form.isVisible());
    script.save = SaveAnswer::No;
    form.reject();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(inserted.isEmpty());
}

TEST_F(TableWizard, savingToAnotherNameAsksBeforeReplacing)
{
    build(1, 1);
    writeFile(path("t.tbl"), "keep");
    script.saveName = path("t.htm");
    script.replace = false;
    EXPECT_FALSE(form.SaveTableDefinitionClick());
    EXPECT_EQ(readFile(path("t.tbl")), QByteArray("keep"));
    EXPECT_EQ(script.asked.last(), QStringLiteral("replace ") + path("t.tbl"));
    EXPECT_TRUE(form.workingLines().isModified());

    script.saveName = path("t.tbl");
    script.asked.clear();
    EXPECT_TRUE(form.SaveTableDefinitionClick());
    EXPECT_EQ(script.asked, QStringList {QStringLiteral("save as")});
    EXPECT_TRUE(readFile(path("t.tbl")).startsWith(kDefaultTag.toUtf8() + "\r\n"));
}

TEST_F(TableWizard, textBoxesKeepCutAndAreCommittedBeforeTheMenuActs)
{
    form.show();
    QApplication::setActiveWindow(&form);
    build(1, 1);
    select(QStringLiteral("Cell:0."));
    auto* text = child<QLineEdit>("CellText");
    text->setFocus();
    text->selectAll();
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Cell:1"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(script.asked.isEmpty());

    // F5 takes what the focused box holds before switching forms.
    text->setText(QStringLiteral("Typed"));
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(form.workingLines().form(), tessera::generators::LinesForm::Insert);
    EXPECT_EQ(line(3), QStringLiteral(R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" >Typed</TD>)"));
}

TEST_F(TableWizard, viewerErrorsAreShown)
{
    build(1, 2);
    select(QStringLiteral("Cell:0."));
    child<QSpinBox>("ColSpan")->setValue(30);
    EXPECT_TRUE(line(3).contains(QStringLiteral(R"(COLSPAN="30")")));
    EXPECT_EQ(script.errors.value(0), QStringLiteral("Table has too many Columns"));
}

TEST_F(TableWizard, pagesFollowTheTable)
{
    auto* next = child<QPushButton>("Next");
    auto* previous = child<QPushButton>("Previous");
    EXPECT_FALSE(previous->isEnabled());
    form.NextClick();
    EXPECT_EQ(form.page(), TTblCreateForm::Page::Main);
    build(1, 1);
    next->click();
    EXPECT_EQ(form.page(), TTblCreateForm::Page::TableAttributes);
    EXPECT_TRUE(previous->isEnabled());
    next->click();
    EXPECT_EQ(form.page(), TTblCreateForm::Page::CellsAttributes);
    EXPECT_FALSE(next->isEnabled());
    previous->click();
    previous->click();
    EXPECT_EQ(form.page(), TTblCreateForm::Page::Main);
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());

    // Opening a table on the last page leaves nothing further to go to.
    next->click();
    next->click();
    writeFile(path("t.tbl"), kDefaultTag.toUtf8() + "\n<CAPTION ALIGN=\"Top\"><H1></H1></CAPTION>\n</TABLE>\n");
    script.openName = path("t.tbl");
    form.OpenTableDefinitionClick();
    EXPECT_FALSE(next->isEnabled());
}

} // namespace
