#include "custom/newpage/initialvaluesform.h"

#include "support/testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Fixture {
    QTemporaryDir root;
    QString program = root.filePath(QStringLiteral("program"));
    QString site = root.filePath(QStringLiteral("site"));
    QStringList inserted;

    Fixture()
    {
        for (const char* theme : {"blue", "garden"})
            writeFile(program + QStringLiteral("/themes/t_%1.gif").arg(QLatin1String(theme)), "GIF89a");
        QDir().mkpath(site);
    }

    TInitialValuesForm::Host host()
    {
        TInitialValuesForm::Host host;
        host.pageFile = site + QStringLiteral("/page.htm");
        host.programDirectory = program;
        host.insertLines = [this](const QStringList& lines) { inserted = lines; };
        return host;
    }

    void projectIni(const QByteArray& text) { writeFile(site + QStringLiteral("/PROJECT.INI"), text); }
};

QString fieldText(const TInitialValuesForm& form, const char* name)
{
    auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
    return edit ? edit->text() : QStringLiteral("<missing>");
}

QString themeText(const TInitialValuesForm& form)
{
    return form.findChild<QComboBox*>(QStringLiteral("ThemeCombo"))->currentText();
}

TEST(InitialValuesForm, readsTheProjectsDefaults)
{
    struct Case {
        const char* name;
        QByteArray ini; // empty: no PROJECT.INI
        QStringList colours;
        QString mailto;
        QString theme;
    };
    const QStringList defaults = {"000000", "FF0000", "000000", "800080", "C0C0C0"};
    const Case cases[] = {
        {"no file", {}, defaults, {}, "[None]"},
        {"stored theme",
         "[PROJECT]\r\nmailto=Me@Example.com\r\nTextColor=112233\r\nbgColor=FFFFFF\r\nThemeStyle=garden\r\n",
         {"112233", "FF0000", "000000", "800080", "FFFFFF"}, "Me@Example.com", "garden"},
        {"theme no longer on disk", "[PROJECT]\r\nThemeStyle=purple\r\n", defaults, {}, "[None]"},
        {"other section only", "[OTHER]\r\nLinkColor=123456\r\n", defaults, {}, "[None]"},
    };
    for (const Case& c : cases) {
        Fixture f;
        if (!c.ini.isEmpty())
            f.projectIni(c.ini);
        TInitialValuesForm form(f.host());
        const QStringList colours = {fieldText(form, "TextColorText"), fieldText(form, "LinkColorText"),
                                     fieldText(form, "ALinkColorText"), fieldText(form, "vLinkColorText"),
                                     fieldText(form, "bgColorText")};
        EXPECT_EQ(colours, c.colours) << c.name;
        EXPECT_EQ(fieldText(form, "EmailText"), c.mailto) << c.name;
        EXPECT_EQ(themeText(form), c.theme) << c.name;
    }
}

TEST(InitialValuesForm, previewFollowsEveryField)
{
    Fixture f;
    TInitialValuesForm form(f.host());
    EXPECT_TRUE(form.generatedLines().contains(QStringLiteral("<TITLE>Web Page Title Here</TITLE>")));
    form.findChild<QLineEdit*>(QStringLiteral("PageTitle"))->setText(QStringLiteral("Home"));
    form.findChild<QSpinBox*>(QStringLiteral("LMargin"))->stepBy(1);
    EXPECT_TRUE(form.generatedLines().contains(QStringLiteral("<TITLE>Home</TITLE>")));
    EXPECT_TRUE(form.generatedLines().filter(QStringLiteral("<BODY")).value(0).endsWith(QStringLiteral(" LEFTMARGIN=\"0\">")));
}

TEST(InitialValuesForm, marginsStepByFive)
{
    Fixture f;
    TInitialValuesForm form(f.host());
    QSpinBox* margin = form.findChild<QSpinBox*>(QStringLiteral("RMargin"));
    QList<int> seen;
    for (int step = 0; step < 3; ++step) {
        margin->stepBy(1);
        seen << margin->value();
    }
    margin->setValue(100);
    margin->stepBy(1);
    seen << margin->value();
    margin->setValue(7);
    margin->stepBy(-1);
    seen << margin->value();
    margin->setValue(0);
    margin->stepBy(-1);
    seen << margin->value();
    EXPECT_EQ(seen, (QList<int> {0, 5, 10, 100, 5, -1}));
}

// Only a theme in use copies pictures, and only its own: "[None]" and names with wildcard
// characters are taken as they stand.
TEST(InitialValuesForm, copiesOnlyTheChosenThemesPictures)
{
    struct Case {
        const char* theme;
        QStringList copied;
    };
    const Case cases[] = {
        {"[None]", {}},
        {"blue", {"l_blue.gif", "t_blue.gif"}},
        {"b*", {"t_b*.gif"}},
    };
    for (const Case& c : cases) {
        Fixture f;
        for (const char* file : {"l_blue.gif", "t_N.gif", "x_o.gif", "ab.gif", "t_b*.gif"})
            writeFile(f.program + QStringLiteral("/themes/") + QLatin1String(file), "GIF89a");
        TInitialValuesForm form(f.host());
        form.findChild<QComboBox*>(QStringLiteral("ThemeCombo"))->setCurrentText(QLatin1String(c.theme));
        ASSERT_EQ(themeText(form), QLatin1String(c.theme));
        form.FinishBtnClick();
        EXPECT_FALSE(f.inserted.isEmpty());
        EXPECT_EQ(QDir(f.site).entryList(QDir::Files, QDir::Name), c.copied) << c.theme;
    }
}

} // namespace
