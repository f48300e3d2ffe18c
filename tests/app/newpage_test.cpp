#include "app/editingwiring.h"
#include "app/pagetabbar.h"
#include "app/windowfixture.h"
#include "app/workspacewiring.h"
#include "custom/newpage/initialvaluesform.h"
#include "editor/tledit.h"
#include "workspace/editing/pagetextcommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

namespace {

using namespace windowtest;

const char* const blueThemeFiles[] = {"t_blue.gif", "l_blue.gif", "w_blue.gif", "e_blue.gif",
                                      "n_blue.gif", "s_blue.gif", "q_blue.gif"};

class NewPageFixture : public WiringFixture {
protected:
    void SetUp() override
    {
        buildNewPages = true;
        WiringFixture::SetUp();
        themes = window->programDirectory().path() + QStringLiteral("themes/");
        for (const char* file : blueThemeFiles)
            writeFile(themes + QLatin1String(file), QByteArray("GIF89a ") + file);
        writeFile(themes + QStringLiteral("t_bluest.gif"), "GIF89a other theme");
        writeFile(themes + QStringLiteral("T_Green.GIF"), "GIF89a green");
    }

    // Opens an empty page, answers Yes to building it, and hands the dialog to `fill`.
    QString buildPage(const std::function<void(TInitialValuesForm&)>& fill)
    {
        const QString path = page(QStringLiteral("index.htm"), "");
        QTimer::singleShot(0, [fill] {
            auto* form = qobject_cast<TInitialValuesForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            fill(*form);
            if (form->isVisible())
                form->reject();
        });
        open(path);
        return QFileInfo(path).path();
    }

    QString themes;
};

template<typename Widget>
Widget* field(QWidget& form, const char* name)
{
    auto* widget = form.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(QWidget& form, const char* name)
{
    field<QPushButton>(form, name)->click();
}

TEST_F(NewPageFixture, FinishPutsAThemedPageBesideItsPictures)
{
    const QString logo = page(QStringLiteral("art/logo.png"), "PNG");
    QStringList themedPreview;
    const QString site = buildPage([&](TInitialValuesForm& form) {
        // The steps: Back is off on the first page, Finish shows only on the last.
        EXPECT_FALSE(field<QPushButton>(form, "BackBtn")->isEnabled());
        EXPECT_TRUE(field<QPushButton>(form, "FinishBtn")->isHidden());
        for (int step = 0; step < 4; ++step)
            click(form, "NextBtn");
        EXPECT_FALSE(field<QPushButton>(form, "NextBtn")->isEnabled());
        EXPECT_FALSE(field<QPushButton>(form, "FinishBtn")->isHidden());
        click(form, "BackBtn");
        EXPECT_TRUE(field<QPushButton>(form, "FinishBtn")->isHidden());
        EXPECT_TRUE(field<QPushButton>(form, "NextBtn")->isEnabled());

        auto* themeList = field<QComboBox>(form, "ThemeCombo");
        EXPECT_EQ(themeList->itemText(0), QStringLiteral("[None]"));
        themeList->setCurrentText(QStringLiteral("blue"));
        field<QCheckBox>(form, "UpArrow")->setChecked(true);
        field<QLineEdit>(form, "Logo")->setText(logo);
        field<QLineEdit>(form, "PageHeading")->setText(QStringLiteral("Welcome"));
        field<QLineEdit>(form, "AuthorName")->setText(QStringLiteral("Ann Lee"));
        themedPreview = form.generatedLines();
        click(form, "NextBtn");
        click(form, "FinishBtn");
    });

    // The preview names the pictures where they are; the page names them beside it.
    EXPECT_TRUE(themedPreview.contains(QStringLiteral("<IMG SRC=\"%1l_blue.gif\">").arg(themes)));
    const QString text = window->webPage()->Text();
    EXPECT_FALSE(text.contains(themes));
    EXPECT_TRUE(text.startsWith(QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Web Page Title Here</TITLE>\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n<META NAME=\"Author\" CONTENT=\"Ann Lee\">\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n<BODY BACKGROUND=\"t_blue.gif\"  TEXT=\"#000000\" LINK=\"#FF0000\" "
                                             "VLINK=\"#800080\" ALINK=\"#000000\" BGCOLOR=\"#C0C0C0\">\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n<IMG SRC=\"logo.png\">\r\n<BR>\r\n<H1>Welcome</H1>\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n<IMG SRC=\"n_blue.gif\">\r\n<BR>\r\n</CENTER>\r\n</BODY>\r\n</HTML>\r\n")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));

    // The theme's pictures and the logo lie beside the page; nothing else of the themes.
    QStringList expected;
    for (const char* file : blueThemeFiles)
        expected << QLatin1String(file);
    expected << QStringLiteral("index.htm") << QStringLiteral("logo.png");
    expected.sort();
    EXPECT_EQ(QDir(site).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(readFile(site + QStringLiteral("/t_blue.gif")), "GIF89a t_blue.gif");

    const BodyEditor::BodyAttributes& body = window->workspace().editing().pageText().bodySettings();
    EXPECT_EQ(body.link, QColor(0xFF, 0, 0));
    EXPECT_EQ(body.visited, QColor(0x80, 0, 0x80));
    EXPECT_EQ(body.background, QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(body.backgroundImage, QStringLiteral("t_blue.gif"));
    EXPECT_EQ(window->settings().defaults.authorName, QStringLiteral("Ann Lee"));
    EXPECT_EQ(QDir::currentPath(), site);

    // Saved into another folder, the page takes its pictures along; one already there stays.
    const QString other = m_root.filePath(QStringLiteral("other"));
    writeFile(other + QStringLiteral("/l_blue.gif"), "mine");
    chosen = other + QStringLiteral("/index.htm");
    ASSERT_TRUE(window->commands().trigger(Command::FileSaveAs));
    expected.removeOne(QStringLiteral("index.htm"));
    for (const QString& file : expected)
        EXPECT_TRUE(QFile::exists(other + QLatin1Char('/') + file)) << file.toStdString();
    EXPECT_EQ(readFile(other + QStringLiteral("/l_blue.gif")), "mine");
    EXPECT_EQ(readFile(other + QStringLiteral("/t_blue.gif")), "GIF89a t_blue.gif");
}

TEST_F(NewPageFixture, PicturesAlreadyBesideThePageAreKept)
{
    page(QStringLiteral("l_blue.gif"), "mine");
    const QString site = buildPage([&](TInitialValuesForm& form) {
        field<QComboBox>(form, "ThemeCombo")->setCurrentText(QStringLiteral("blue"));
        // A logo that is gone is named; the page is built all the same.
        field<QLineEdit>(form, "Logo")->setText(m_root.filePath(QStringLiteral("gone/logo.gif")));
        form.FinishBtnClick();
    });
    EXPECT_EQ(readFile(site + QStringLiteral("/l_blue.gif")), "mine");
    EXPECT_TRUE(QFileInfo::exists(site + QStringLiteral("/q_blue.gif")));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked.last().startsWith(QStringLiteral("Initial Values: Cannot find the picture")));
    EXPECT_TRUE(asked.last().contains(QStringLiteral("logo.gif")));
    EXPECT_TRUE(window->webPage()->Text().contains(QStringLiteral("<IMG SRC=\"logo.gif\">")));
}

TEST_F(NewPageFixture, CancelLeavesThePageEmptyAndCopiesNothing)
{
    const QString site = buildPage([](TInitialValuesForm& form) {
        field<QComboBox>(form, "ThemeCombo")->setCurrentText(QStringLiteral("blue"));
        click(form, "CancelBtn");
    });
    EXPECT_EQ(asked, QStringList {QStringLiteral("Empty file, start creation of new page?")});
    EXPECT_EQ(window->webPageTabs()->count(), 1);
    EXPECT_TRUE(window->webPage()->Text().isEmpty());
    EXPECT_EQ(QDir(site).entryList(QDir::Files), QStringList {QStringLiteral("index.htm")});
}

} // namespace
