#include "workspace/settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <map>

namespace {

// Every stored key with its value, as text, for comparing whole stores.
std::map<QString, QString> dump(QSettings& settings)
{
    std::map<QString, QString> values;
    for (const QString& key : settings.allKeys())
        values[key] = settings.value(key).toString();
    return values;
}

class SettingsStore : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("tessera.ini")) const { return m_dir.filePath(name); }

    TesseraSettings readFrom(const QString& file)
    {
        QSettings settings(file, QSettings::IniFormat);
        TesseraSettings record;
        record.ReadIni(settings);
        return record;
    }

    std::map<QString, QString> savedDump(const TesseraSettings& record, const QString& name)
    {
        QSettings settings(path(name), QSettings::IniFormat);
        QString error;
        EXPECT_TRUE(record.SaveIni(settings, &error)) << error.toStdString();
        return dump(settings);
    }

    QTemporaryDir m_dir;
};

// A first start writes every key with its first-start value; the table is the whole store.
TEST_F(SettingsStore, firstStartWritesEveryKeyWithItsDefault)
{
    const std::map<QString, QString> expected = {
        {"LastFiles/File1", ""}, {"LastFiles/File2", ""}, {"LastFiles/File3", ""}, {"LastFiles/File4", ""},
        {"LastFiles/AutoLoad", "0"},
        {"Helpers/ExpandingChars", "1"}, {"Helpers/fullscreen", "1"}, {"Helpers/NewFile", "1"},
        {"Helpers/BrowserRefresh", "1"}, {"Helpers/SimpleTable", "1"}, {"Helpers/ImageDisplaying", "1"},
        {"Helpers/Wordwrap", "1"}, {"Helpers/DefaultExtension", "1"}, {"Helpers/InternalClipboard", "1"},
        {"Helpers/SavingToDefault", "1"}, {"Helpers/ShowTipOfTheDay", "1"}, {"Helpers/TipNumber", "10"},
        {"Spelling/AutoAdd", "0"}, {"Spelling/SkipHTML", "1"}, {"Spelling/SuggestCount", "10"},
        {"Spelling/Language", "0"}, {"Spelling/DialogStyle", "0"}, {"Spelling/Classic suggestions", "0"},
        {"Spelling/DictionaryName", ""},
        {"Defaults/ExpandCharstoHTML", "1"}, {"Defaults/TabSize", "0"}, {"Defaults/ShowHints", "0"},
        {"Defaults/ShowProjectPanel", "1"}, {"Defaults/AutoUpdate", "0"}, {"Defaults/Wordwrap", "0"},
        {"Defaults/BackgroundColor", ""}, {"Defaults/ShowImages", "1"},
        {"Defaults/FollowCaret", "0"},
        {"Defaults/Browser1", ""}, {"Defaults/Browser2", ""},
        {"Defaults/Browser1Prefix", "0"}, {"Defaults/Browser2Prefix", "0"}, {"Defaults/UseBR", "0"},
        {"Defaults/FontName", ""}, {"Defaults/FontSize", ""}, {"Defaults/FontColor", ""}, {"Defaults/FontStyle", ""},
        {"Defaults/HTMLFontName", ""}, {"Defaults/HTMLFontSize", ""}, {"Defaults/HTMLFontColor", ""},
        {"Defaults/HTMLBackgroundColor", ""},
        {"Defaults/SyntaxBGColor", ""}, {"Defaults/SyntaxFGColor", ""},
        {"Defaults/HighlightBGColor", ""}, {"Defaults/HighlightFGColor", ""},
        {"Defaults/Extension", "html,htm,shtm,shtml"}, {"Defaults/GraphicExtension", "gif,jpg"},
        {"Defaults/UseClosingP", "0"}, {"Defaults/FileFormat", "0"}, {"Defaults/AutoIndent", "0"},
        {"Defaults/FontSizeChange", "2"},
        {"Defaults/ShowCustom1", "0"}, {"Defaults/ShowCustom2", "0"}, {"Defaults/ShowCustom3", "0"},
        {"Defaults/ShowCustom4", "0"},
        {"Defaults/Custom1caption", ""}, {"Defaults/Custom2caption", ""}, {"Defaults/Custom3caption", ""},
        {"Defaults/Custom4caption", ""}, {"Defaults/AuthorName", ""},
        {"WindowAttributes/Maximized", "0"}, {"WindowAttributes/Top", "0"}, {"WindowAttributes/Left", "0"},
        {"WindowAttributes/Width", "0"}, {"WindowAttributes/Height", "0"},
        {"WindowAttributes/SplitPosition", "0"}, {"WindowAttributes/SplitShare", "0"},
        {"WindowAttributes/SplitDirection", "0"},
    };
    const TesseraSettings firstStart = readFrom(path(QStringLiteral("missing.ini")));
    EXPECT_EQ(firstStart, TesseraSettings());
    EXPECT_EQ(savedDump(firstStart, QStringLiteral("saved.ini")), expected);
}

TEST_F(SettingsStore, everyValueSurvivesARoundTrip)
{
    TesseraSettings record;
    for (int i = 0; i < TesseraSettings::recentFileCount; ++i)
        record.lastFiles.files[i] = QStringLiteral("/home/user/pages with spaces/página %1.html").arg(i);
    record.lastFiles.autoLoad = true;
    for (int i = 0; i < TesseraSettings::helperFlagCount; ++i)
        record.helpers.flags[i] = i % 3 == 0;
    record.helpers.showTipOfTheDay = false;
    record.helpers.tipNumber = 37;
    record.spelling = {true, false, 25, 3, 2, true, QStringLiteral("GERMAN.DCT")};
    auto& d = record.defaults;
    d.expandCharsToHtml = false;
    d.tabSize = 8;
    d.showHints = true;
    d.showProjectPanel = false;
    d.autoUpdate = true;
    d.wordwrap = true;
    d.backgroundColor = QStringLiteral("16777215");
    d.showImages = false;
    d.followCaret = true;
    d.browser1 = QStringLiteral("/usr/bin/firefox-esr");
    d.browser2 = QStringLiteral("/opt/Other Browser/bin/browser, with comma");
    d.browser1Prefix = true;
    d.browser2Prefix = true;
    d.useBr = true;
    d.fontName = QStringLiteral("DejaVu Sans Mono");
    d.fontSize = QStringLiteral("11");
    d.fontColor = QStringLiteral("255");
    d.fontStyle = QStringLiteral("Bold");
    d.htmlFontName = QStringLiteral("Liberation Serif");
    d.htmlFontSize = QStringLiteral("14");
    d.htmlFontColor = QStringLiteral("0");
    d.htmlBackgroundColor = QStringLiteral("15790320");
    d.syntaxBgColor = QStringLiteral("65280");
    d.syntaxFgColor = QStringLiteral("128");
    d.highlightBgColor = QStringLiteral("8388608");
    d.highlightFgColor = QStringLiteral("16777215");
    d.extension = QStringLiteral("html,php");
    d.graphicExtension = QStringLiteral("png,gif,jpg,svg");
    d.useClosingP = true;
    d.fileFormat = 2;
    d.autoIndent = true;
    d.fontSizeChange = 5;
    for (int i = 0; i < TesseraSettings::customTabCount; ++i) {
        d.showCustom[i] = i != 2;
        d.customCaption[i] = QStringLiteral("Mine %1").arg(i);
    }
    d.authorName = QStringLiteral("Ann Lee");
    record.windowAttributes = {true, -20, 1300, 1024, 700, 350, 412345, 1};

    QSettings settings(path(), QSettings::IniFormat);
    QString error;
    ASSERT_TRUE(record.SaveIni(settings, &error)) << error.toStdString();
    EXPECT_EQ(readFrom(path()), record);
}

// A value of the wrong type, out of range or garbled keeps its first-start value; limited texts
// are cut to their length, paths never.
TEST_F(SettingsStore, garbledValuesFallBackToTheirDefaults)
{
    const QString longPath = QStringLiteral("/home/user/") + QString(300, QLatin1Char('d')) + QStringLiteral("/page.html");
    using Field = std::function<QString(const TesseraSettings&)>;
    const auto number = [](int value) { return QString::number(value); };
    const auto flag = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
    struct Case {
        const char* key;
        QVariant stored;
        Field field;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"Helpers/TipNumber", "12x", [&](auto& s) { return number(s.helpers.tipNumber); }, "10"},
        {"Helpers/TipNumber", "-3", [&](auto& s) { return number(s.helpers.tipNumber); }, "10"},
        {"Helpers/TipNumber", " 14 ", [&](auto& s) { return number(s.helpers.tipNumber); }, "14"},
        {"Helpers/NewFile", "2", [&](auto& s) { return flag(s.helpers.flags[0]); }, "true"},
        {"Helpers/NewFile", "0", [&](auto& s) { return flag(s.helpers.flags[0]); }, "false"},
        {"Helpers/NewFile", "false", [&](auto& s) { return flag(s.helpers.flags[0]); }, "false"},
        {"Defaults/ShowProjectPanel", "maybe", [&](auto& s) { return flag(s.defaults.showProjectPanel); }, "true"},
        {"Defaults/ShowImages", QByteArray("\x01\x02", 2), [&](auto& s) { return flag(s.defaults.showImages); }, "true"},
        {"Defaults/FollowCaret", "maybe", [&](auto& s) { return flag(s.defaults.followCaret); }, "false"},
        {"Defaults/FollowCaret", "1", [&](auto& s) { return flag(s.defaults.followCaret); }, "true"},
        {"Defaults/TabSize", "99", [&](auto& s) { return number(s.defaults.tabSize); }, "0"},
        {"Defaults/TabSize", "99999999999999", [&](auto& s) { return number(s.defaults.tabSize); }, "0"},
        {"Defaults/TabSize", "4", [&](auto& s) { return number(s.defaults.tabSize); }, "4"},
        {"Defaults/FileFormat", "7", [&](auto& s) { return number(s.defaults.fileFormat); }, "0"},
        {"Defaults/FontSizeChange", "0", [&](auto& s) { return number(s.defaults.fontSizeChange); }, "2"},
        {"Spelling/SuggestCount", "0", [&](auto& s) { return number(s.spelling.suggestCount); }, "10"},
        {"Spelling/DialogStyle", "3", [&](auto& s) { return number(s.spelling.dialogStyle); }, "0"},
        {"WindowAttributes/Width", "garbled", [&](auto& s) { return number(s.windowAttributes.width); }, "0"},
        {"WindowAttributes/Width", "-800", [&](auto& s) { return number(s.windowAttributes.width); }, "0"},
        {"WindowAttributes/Top", "-40", [&](auto& s) { return number(s.windowAttributes.top); }, "-40"},
        {"WindowAttributes/SplitDirection", "5", [&](auto& s) { return number(s.windowAttributes.splitDirection); }, "0"},
        {"Defaults/FontSize", "twelve", [](auto& s) { return s.defaults.fontSize; }, ""},
        {"Defaults/BackgroundColor", "clWindow", [](auto& s) { return s.defaults.backgroundColor; }, ""},
        {"Defaults/FontName", QString(30, QLatin1Char('f')), [](auto& s) { return s.defaults.fontName; }, QString(25, QLatin1Char('f'))},
        {"Defaults/AuthorName", QString(60, QLatin1Char('a')), [](auto& s) { return s.defaults.authorName; }, QString(50, QLatin1Char('a'))},
        {"Defaults/Custom1caption", "A caption far too long", [](auto& s) { return s.defaults.customCaption[0]; }, "A caption far t"},
        {"Defaults/Custom2caption", QStringLiteral("Fourteen chars") + QChar(0xD83D) + QChar(0xDE00),
         [](auto& s) { return s.defaults.customCaption[1]; }, "Fourteen chars"},
        {"Defaults/Extension", QString(150, QLatin1Char('e')), [](auto& s) { return s.defaults.extension; }, QString(100, QLatin1Char('e'))},
        {"Defaults/Extension", QStringList{"html", "htm"}, [](auto& s) { return s.defaults.extension; }, "html,htm"},
        {"LastFiles/File1", longPath, [](auto& s) { return s.lastFiles.files[0]; }, longPath},
        {"Defaults/Browser1", longPath, [](auto& s) { return s.defaults.browser1; }, longPath},
    };
    for (const Case& c : cases) {
        const QString file = path(QStringLiteral("case.ini"));
        QFile::remove(file);
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue(QLatin1String(c.key), c.stored);
        }
        EXPECT_EQ(c.field(readFrom(file)), c.expected) << c.key << " = " << c.stored.toString().toStdString();
    }
}

// Each stored helper key switches exactly its own hint's flag.
TEST_F(SettingsStore, helperKeysMapToTheirHints)
{
    const char* const keysInHintOrder[TesseraSettings::helperFlagCount] = {
        "NewFile", "fullscreen", "BrowserRefresh", "SimpleTable", "ImageDisplaying",
        "Wordwrap", "DefaultExtension", "InternalClipboard", "SavingToDefault", "ExpandingChars"};
    for (int hint = 0; hint < TesseraSettings::helperFlagCount; ++hint) {
        const QString file = path(QStringLiteral("helper%1.ini").arg(hint));
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.setValue(QStringLiteral("Helpers/") + QLatin1String(keysInHintOrder[hint]), 0);
        }
        const TesseraSettings record = readFrom(file);
        for (int i = 0; i < TesseraSettings::helperFlagCount; ++i)
            EXPECT_EQ(record.helpers.flags[i], i != hint) << keysInHintOrder[hint] << " flag " << i;
    }
}

TEST_F(SettingsStore, damagedFileReadsAsFirstStartAndIsWrittenAnew)
{
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    static const char damaged[] = "\0\xff[Defaults\nTabSize==\x80\x81\n[[]]\n=\n";
    file.write(damaged, sizeof damaged - 1);
    file.close();
    TesseraSettings record = readFrom(path());
    EXPECT_EQ(record.defaults.tabSize, 0);
    EXPECT_EQ(record.defaults.extension, QStringLiteral("html,htm,shtm,shtml"));

    // The next save replaces the damage instead of failing on every exit.
    record.defaults.tabSize = 4;
    {
        QSettings settings(path(), QSettings::IniFormat);
        QString error;
        EXPECT_TRUE(record.SaveIni(settings, &error)) << error.toStdString();
    }
    EXPECT_EQ(readFrom(path()), record);
    QFile kept(path() + QStringLiteral(".damaged"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(damaged, sizeof damaged - 1));
}

// A store that cannot be written says so instead of reporting success.
TEST_F(SettingsStore, unwritableStoreIsReported)
{
    // Root may write into read-only files, so the cases use places nobody can write to.
    QFile blocker(path(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("a file where a folder should be");
    blocker.close();
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("a-folder.ini")));

    for (const QString& file : {path(QStringLiteral("not-a-folder/tessera.ini")), path(QStringLiteral("a-folder.ini"))}) {
        QSettings settings(file, QSettings::IniFormat);
        QString error;
        EXPECT_FALSE(TesseraSettings().SaveIni(settings, &error)) << file.toStdString();
        EXPECT_TRUE(error.contains(file)) << error.toStdString();
    }
    QFile kept(path(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("a file where a folder should be"));
}

TEST(SettingsColours, storedTextsAndColours)
{
    struct Case {
        QString text;
        std::optional<QColor> colour;
    };
    const std::vector<Case> cases = {
        {"255", QColor(255, 0, 0)},
        {"65280", QColor(0, 255, 0)},
        {"16711680", QColor(0, 0, 255)},
        {"0", QColor(0, 0, 0)},
        {"16777215", QColor(255, 255, 255)},
        {"16777216", std::nullopt},
        {"-2147483643", std::nullopt}, // a system colour: the control keeps its own
        {"", std::nullopt},
        {"blue", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text.toStdString();
        if (c.colour) {
            EXPECT_EQ(colourToText(*c.colour), c.text);
        }
    }
    EXPECT_EQ(colourToText(QColor()), QString());
}

TEST(SettingsSpelling, dialogStyleCodesSwapFirstTwoTypes)
{
    const int typeOfStyle[] = {1, 0, 2};
    for (int style = 0; style < 3; ++style) {
        EXPECT_EQ(dialogTypeFromStyle(style), typeOfStyle[style]);
        EXPECT_EQ(dialogStyleFromType(dialogTypeFromStyle(style)), style);
    }
}

} // namespace
