#include "custom/general/gensetform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

template <typename Control>
Control* control(const TGenSetForm& form, const char* name)
{
    auto* found = form.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Shows the record in the dialog, presses OK and stores what the dialog holds into a copy.
TesseraSettings throughDialog(const TesseraSettings& record, TGenSetForm::Host host = {})
{
    TGenSetForm form(std::move(host));
    form.FormShow(generalSettings(record));
    form.BitBtn2Click();
    TesseraSettings stored = record;
    storeGeneralSettings(form.values(), stored);
    return stored;
}

} // namespace

TEST(GenSetForm, everySettingRoundTripsThroughItsControl)
{
    const struct {
        const char* setting;
        std::function<void(TesseraSettings&)> change;
    } rows[] = {
        {"ShowCustom1", [](TesseraSettings& r) { r.defaults.showCustom[0] = true; }},
        {"ShowCustom4", [](TesseraSettings& r) { r.defaults.showCustom[3] = true; }},
        {"AutoUpdate", [](TesseraSettings& r) { r.defaults.autoUpdate = true; }},
        {"UseClosingP", [](TesseraSettings& r) { r.defaults.useClosingP = true; }},
        {"UseBR", [](TesseraSettings& r) { r.defaults.useBr = true; }},
        {"FontSizeChange", [](TesseraSettings& r) { r.defaults.fontSizeChange = 7; }},
        {"AutoLoad", [](TesseraSettings& r) { r.lastFiles.autoLoad = true; }},
        {"Extension", [](TesseraSettings& r) { r.defaults.extension = QStringLiteral("php,html"); }},
        {"GraphicExtension", [](TesseraSettings& r) { r.defaults.graphicExtension = QStringLiteral("png"); }},
        {"Browser1", [](TesseraSettings& r) { r.defaults.browser1 = QStringLiteral("/usr/bin/firefox"); }},
        {"Browser2", [](TesseraSettings& r) { r.defaults.browser2 = QStringLiteral("/opt/Web Browser/run"); }},
        {"Browser1Prefix", [](TesseraSettings& r) { r.defaults.browser1Prefix = true; }},
        {"Browser2Prefix", [](TesseraSettings& r) { r.defaults.browser2Prefix = true; }},
        {"DialogStyle", [](TesseraSettings& r) { r.spelling.dialogStyle = 2; }},
        {"SuggestCount", [](TesseraSettings& r) { r.spelling.suggestCount = 100; }},
        {"SkipHTML", [](TesseraSettings& r) { r.spelling.skipHtml = false; }},
        {"AutoAdd", [](TesseraSettings& r) { r.spelling.autoAdd = true; }},
    };
    for (const auto& row : rows) {
        TesseraSettings record;
        row.change(record);
        EXPECT_NE(record, TesseraSettings()) << row.setting;
        EXPECT_EQ(throughDialog(record), record) << row.setting;
    }
}

TEST(GenSetForm, pathsAreKeptWholeAndExtensionListsCut)
{
    TesseraSettings record;
    const QString longPath = QStringLiteral("/opt/") + QString(195, QLatin1Char('b'));
    record.defaults.browser1 = longPath;
    record.defaults.browser2 = longPath;
    record.defaults.extension = QString(120, QLatin1Char('h'));
    record.spelling.language = 3;

    const TesseraSettings stored = throughDialog(record);
    EXPECT_EQ(stored.defaults.browser1.size(), 200);
    EXPECT_EQ(stored.defaults.browser2, longPath);
    EXPECT_EQ(stored.defaults.extension, QString(99, QLatin1Char('h')));
    EXPECT_EQ(stored.spelling.language, 0);
}

TEST(GenSetForm, onlyTheUsersCheckOfAutoUpdateWarns)
{
    QStringList warnings;
    TGenSetForm::Host host;
    host.warn = [&warnings](const QString& text) { warnings << text; };
    TGenSetForm form(host);
    GeneralSettings values;
    values.autoUpdate = true;
    form.FormShow(values);
    EXPECT_TRUE(warnings.isEmpty());

    auto* box = control<QCheckBox>(form, "UseAutoUpdate");
    box->click();
    EXPECT_TRUE(warnings.isEmpty()) << "unchecking says nothing";
    box->click();
    EXPECT_EQ(warnings, QStringList {TGenSetForm::autoUpdateWarning});
}

TEST(GenSetForm, enteringTheExtensionListShowsItsHelper)
{
    int shown = 0;
    TGenSetForm::Host host;
    host.showExtensionHelper = [&shown] { ++shown; };
    TGenSetForm form(host);
    form.FormShow({});
    QFocusEvent enter(QEvent::FocusIn);
    QCoreApplication::sendEvent(control<QLineEdit>(form, "ValidGraphicExtensions"), &enter);
    EXPECT_EQ(shown, 0);
    QCoreApplication::sendEvent(control<QLineEdit>(form, "ValidExtensions"), &enter);
    EXPECT_EQ(shown, 1);
}

TEST(GenSetForm, browseButtonsFillTheirFieldOnlyWithAChoice)
{
    QString found = QStringLiteral("/usr/bin/chromium");
    TGenSetForm::Host host;
    host.chooseBrowser = [&found] { return found; };
    TGenSetForm form(host);
    GeneralSettings values;
    values.browser1 = QStringLiteral("old1");
    values.browser2 = QStringLiteral("old2");
    form.FormShow(values);

    control<QPushButton>(form, "OpenBrowser2")->click();
    found.clear();
    control<QPushButton>(form, "OpenBrowser1")->click();
    EXPECT_EQ(form.values().browser1, QStringLiteral("old1"));
    EXPECT_EQ(form.values().browser2, QStringLiteral("/usr/bin/chromium"));
}

TEST(GenSetForm, showStartsOnTheGeneralTabWithTheFirstLanguage)
{
    TGenSetForm form({});
    auto* tabs = control<QTabWidget>(form, "PageControl1");
    auto* language = control<QComboBox>(form, "LanguageChoice");
    tabs->setCurrentIndex(2);
    language->setCurrentIndex(4);
    form.FormShow({});
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(language->currentText(), QStringLiteral("English"));
    EXPECT_EQ(control<QComboBox>(form, "DialogStyle")->currentText(), QStringLiteral("MS Word"));
}
