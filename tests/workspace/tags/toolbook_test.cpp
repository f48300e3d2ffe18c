#include "editor/tledit.h"
#include "workspace/tags/alignpopup.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const powerBookTabs[] = {"Font", "Special", "Format", "Lists", "Tables", "Images", "Links",
                                     "Forms", "Templates", "Custom 1", "Custom 2", "Custom 3", "Custom 4"};

struct Book {
    TLEdit editor;
    TagInserter inserter {&editor, {}};
    ToolBook toolBook {&inserter};
    QTabWidget tabs;
    int filled = 0;

    Book()
    {
        for (const char* name : powerBookTabs)
            tabs.addTab(new QWidget, QString::fromLatin1(name));
        filled = toolBook.fillPowerBook(&tabs);
    }
    template<typename W = QAbstractButton>
    W* find(const char* name)
    {
        W* widget = tabs.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string click(const char* button, const QString& text = QStringLiteral("word"))
    {
        editor.setText(text);
        editor.SetSelection(1, 0, 1, int(text.size()));
        if (QAbstractButton* b = find(button))
            b->click();
        return editor.Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString();
    }
};

TEST(ToolBookTest, FillsTheTagTabsOnly)
{
    Book book;
    EXPECT_EQ(book.filled, 8);
    EXPECT_EQ(book.tabs.widget(1)->layout(), nullptr); // Special belongs to the special characters
    EXPECT_EQ(ToolBook::tabNames().size(), 8);
    EXPECT_FALSE(book.toolBook.fillPage(book.tabs.widget(0), "Font")); // already filled
    EXPECT_EQ(book.toolBook.buildPage("Custom 1"), nullptr);
    for (ToolBookGenerator g : {ToolBookGenerator::TableRiviRoz, ToolBookGenerator::DataFormRiviRoz,
                                ToolBookGenerator::TemplateRiviRoz}) {
        ASSERT_NE(book.toolBook.generatorButton(g), nullptr);
        EXPECT_FALSE(book.toolBook.generatorButton(g)->isEnabled());
    }
}

TEST(ToolBookTest, ButtonsInsertTheirTags)
{
    Book book;
    const std::pair<const char*, std::string> cases[] = {
        {"BoldButton", "<B>word</B>"},
        {"CenterButton", "<CENTER>word</CENTER>"},
        {"SubscriptButton", "<SUB>word</SUB>"},
        {"FontPlus", "<FONT SIZE=+2>word</FONT>"},
        {"CommentButton", "<!--word-->"},
        {"H4Button", "<H4>word</H4>"},
        {"PButton", "<P>"},
        {"DIVButton", "<DIV>word</DIV>"},
        {"BRButton", "<BR>"},
        {"SpeedButton10", "<HR>"},
        {"SpeedButton69", "<UL><LI>word</UL>"},
        {"CheckBoxButton", "<INPUT TYPE=\"checkbox\" NAME=\"cb1\" VALUE=\"value1\">word<BR>"},
        {"OptionButton", "<OPTION>"},
        {"TemplateHeading", "\n<!--##Heading-->\n"},
    };
    for (const auto& [button, expected] : cases)
        EXPECT_EQ(book.click(button), expected) << button;
}

TEST(ToolBookTest, TableListAndLinkTabsUseTheirBoxes)
{
    Book book;
    book.find<QSpinBox>("TableRows")->setValue(1);
    book.find<QSpinBox>("TableColumns")->setValue(1);
    book.find<QSpinBox>("TableWidth")->setValue(80);
    EXPECT_EQ(book.click("SpeedButton7", ""), "<TABLE BORDER WIDTH=\"80%\">\n<TR>\n<TD>Cell:1,1</TD>\n</TR>\n</TABLE>\n");

    auto* type = book.find<QComboBox>("ListType");
    auto* ordered = book.find<QComboBox>("OrderedStyle");
    auto* unordered = book.find<QComboBox>("UnorderedStyle");
    book.tabs.show();
    book.tabs.setCurrentIndex(3);
    EXPECT_FALSE(ordered->isVisible());
    EXPECT_FALSE(unordered->isVisible());
    type->setCurrentIndex(0);
    EXPECT_TRUE(ordered->isVisible());
    EXPECT_FALSE(unordered->isVisible());
    ordered->setCurrentIndex(4);
    book.find<QSpinBox>("ListCount")->setValue(1);
    EXPECT_EQ(book.click("AddListSB", ""), "<OL TYPE=\"i\" >\n<LI> Line:1\n</OL>\n");
    type->setCurrentIndex(1);
    EXPECT_TRUE(unordered->isVisible());
    EXPECT_FALSE(ordered->isVisible());

    book.find<QComboBox>("LinkPrefix")->setCurrentIndex(5); // mailto:
    book.find<QComboBox>("URLLink")->setEditText("me@example.com");
    book.tabs.findChild<QWidget*>("LinkText")->setProperty("text", "Mail me");
    EXPECT_EQ(book.click("BitBtn1", ""), "<A HREF=\"mailto:me@example.com\">Mail me</A>");
}

TEST(ToolBookTest, ArrowsCarryTheirTagAndOpenThePopUp)
{
    Book book;
    book.tabs.show();
    const std::pair<const char*, const char*> arrows[] = {
        {"H1Arrow", "H1"}, {"PArrow", "P"}, {"DIVArrow", "DIV"}, {"SpeedButton24", "BR"}, {"SpeedButton25", "HR"}};
    for (const auto& [name, tag] : arrows) {
        QAbstractButton* arrow = book.find(name);
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->toolTip().toStdString(), tag);
        arrow->click();
        QMenu* menu = book.toolBook.alignmentPopup()->menu();
        ASSERT_EQ(menu->actions().size(), 4);
        EXPECT_TRUE(menu->actions().at(0)->text().startsWith(QStringLiteral("<%1").arg(tag))) << name;
        menu->hide();
    }
}

// With TESSERA_SCREENSHOT_DIR set, saves a picture of each tag tab for checking by eye.
TEST(ToolBookTest, Screenshots)
{
    const QString directory = qEnvironmentVariable("TESSERA_SCREENSHOT_DIR");
    if (directory.isEmpty())
        GTEST_SKIP() << "TESSERA_SCREENSHOT_DIR is not set";
    QWidget window; // outlives the book, whose tab widget it holds
    Book book;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&book.tabs);
    book.tabs.setDocumentMode(true);
    book.tabs.setUsesScrollButtons(true);
    window.setFixedSize(1060, 68);
    window.move(0, 0);
    window.show();
    for (int i = 0; i < book.tabs.count(); ++i) {
        const QString name = book.tabs.tabText(i);
        if (!ToolBook::tabNames().contains(name))
            continue;
        book.tabs.setCurrentIndex(i);
        for (int n = 0; n < 10; ++n) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
        window.grab().save(QDir(directory).filePath("toolbook-" + name.toLower() + ".png"));
    }
}

} // namespace
