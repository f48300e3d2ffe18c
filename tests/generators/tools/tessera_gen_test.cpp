#include "generators/builders/framefiles.h"
#include "generators/calendar/calendarform.h"
#include "generators/form/formwizardscript.h"
#include "generators/form/formwizeform.h"
#include "generators/frames/frameform.h"
#include "generators/frames/framewizardscript.h"
#include "generators/table/tablewizardscript.h"
#include "generators/table/tblcreateform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace tablewizardtest;
using namespace tessera::generators;

struct ToolRun {
    int exitCode = -1;
    QByteArray output;
    QString error;
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(TESSERA_GEN), arguments);
    EXPECT_TRUE(tool.waitForFinished(10000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit) << "no crash on " << arguments.join(' ').toStdString();
    return {tool.exitCode(), tool.readAllStandardOutput(), QString::fromUtf8(tool.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray joined(const QStringList& lines, const char* lineEnd)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + lineEnd;
    return bytes;
}

// A table made in the wizard, saved with its own save command, then inserted.
struct WizardTable {
    QString file;
    QStringList inserted;
};

WizardTable makeTable(const QString& file, const std::function<void(TTblCreateForm&, Script&)>& edit)
{
    Script script;
    WizardTable made {file, {}};
    TTblCreateForm form {[&made](const QStringList& lines) { made.inserted = lines; }, std::make_unique<ScriptedPrompts>(&script)};
    edit(form, script);
    script.saveName = file;
    EXPECT_TRUE(form.SaveTableDefinitionClick());
    form.InsertAndReturnClick();
    EXPECT_TRUE(script.errors.isEmpty()) << script.errors.join('\n').toStdString();
    return made;
}

void build(TTblCreateForm& form, int rows, int columns)
{
    form.findChild<QSpinBox*>(QStringLiteral("TblRows"))->setValue(rows);
    form.findChild<QSpinBox*>(QStringLiteral("TblCols"))->setValue(columns);
    form.findChild<QPushButton*>(QStringLiteral("TblBuild"))->click();
}

void type(TTblCreateForm& form, const char* name, const QString& text)
{
    auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
    edit->setText(text);
    Q_EMIT edit->editingFinished();
}

TEST(TesseraGen, tableGivesWhatTheWizardInsertsForItsSavedDefinition)
{
    QTemporaryDir folder;
    const struct {
        const char* name;
        std::function<void(TTblCreateForm&, Script&)> edit;
    } cases[] = {
        {"plain.tbl", [](TTblCreateForm& form, Script&) { build(form, 2, 2); }},
        {"coloured.tbl", [](TTblCreateForm& form, Script& script) {
             script.colour = QColor(255, 255, 0);
             build(form, 1, 2);
             form.findChild<QPushButton*>(QStringLiteral("OriginalColorButton"))->click();
             type(form, "TblCaption", QStringLiteral("Café prices"));
         }},
        {"greek.tbl", [](TTblCreateForm& form, Script&) {
             build(form, 3, 1);
             type(form, "TblCaption", QStringLiteral("Ωmega"));
         }},
    };
    for (const auto& c : cases) {
        const WizardTable table = makeTable(folder.filePath(QLatin1String(c.name)), c.edit);
        ASSERT_FALSE(table.inserted.isEmpty()) << c.name;
        for (const auto& [extra, lineEnd] : {std::pair{QStringList(), "\r\n"}, std::pair{QStringList{QStringLiteral("--lf")}, "\n"}}) {
            const ToolRun run = runTool(QStringList{QStringLiteral("table"), table.file} + extra);
            EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.error.toStdString();
            EXPECT_EQ(run.output, joined(table.inserted, lineEnd)) << c.name;
            EXPECT_TRUE(run.error.isEmpty()) << c.name;
        }
    }
}

TEST(TesseraGen, formGivesWhatTheWizardBuildsForItsSavedFields)
{
    QTemporaryDir folder;
    const QString typed = folder.filePath(QStringLiteral("typed.frm"));
    writeFile(typed, "CB|news|yes|Send me news|1\nDE|email|E-mail:|30|0\nLB|colour|Colour:|1|0|2|Blue|Red|\n"
                     "PT|1|0|0|0|0|Caf\xE9 thanks!\nRG|size|S|Small|1\nTA|note|Note:|40|4\nHD|source|web\n");
    const struct {
        const char* name;
        bool preformat, table;
        QString mailTo;
    } cases[] = {
        {"plain.frm", false, false, {}},
        {"pre.frm", true, false, QStringLiteral("me@example.com")},
        {"table.frm", false, true, {}},
        {"both.frm", true, true, QStringLiteral("desk@example.org")},
    };
    for (const auto& c : cases) {
        formwizardtest::Script script;
        QStringList inserted;
        TFormWizeForm wizard([&inserted](const QStringList& lines) { inserted = lines; },
                             std::make_unique<formwizardtest::ScriptedPrompts>(&script));
        script.openName = typed;
        wizard.OpenFormDefinitionClick();
        script.saveName = folder.filePath(QLatin1String(c.name));
        ASSERT_TRUE(wizard.SaveFormDefinitionClick()) << c.name;
        wizard.findChild<QCheckBox*>(QStringLiteral("PreformatText"))->setChecked(c.preformat);
        wizard.findChild<QCheckBox*>(QStringLiteral("UseTable"))->setChecked(c.table);
        QStringList options;
        if (!c.mailTo.isEmpty()) {
            wizard.findChild<QLineEdit*>(QStringLiteral("MailToText"))->setText(c.mailTo);
            options << QStringLiteral("--mailto") << c.mailTo;
        }
        if (c.preformat)
            options << QStringLiteral("--preformat");
        if (c.table)
            options << QStringLiteral("--table");
        wizard.InsertAndReturnClick();
        ASSERT_GE(inserted.size(), 13) << c.name;

        const ToolRun run = runTool(QStringList{QStringLiteral("form"), script.saveName} + options);
        EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.error.toStdString();
        EXPECT_EQ(run.output, joined(inserted, "\r\n")) << c.name;
    }
}

TEST(TesseraGen, framesGiveTheDocumentTheWizardInsertsForItsSavedSettings)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("typed.set")), "0\r\n100\r\n20\r\n100\r\n99\r\n100\r\n25\r\n67\r\n33\r\n");
    FrameRecords frames;
    frames[0] = {"top.htm", 0, -1, "banner", FrameScrolling::No, false};
    frames[3] = {"menu.htm", -1, -1, "menu", FrameScrolling::Auto, true};
    frames[4] = {"main.htm", -1, -1, "main", FrameScrolling::Yes, true};
    writeFile(folder.filePath(QStringLiteral("typed.par")), QByteArray::fromStdString(*encodeFrameRecords(frames).value));

    const struct {
        const char* name;
        const char* opened;
        QString title;
        bool noFrames;
    } cases[] = {
        {"default.set", nullptr, {}, true},
        {"banner.set", "typed.set", QStringLiteral("Caf\u00e9 site"), false},
    };
    for (const auto& c : cases) {
        framewizardtest::Script script;
        QStringList inserted;
        TFrameForm::Host host;
        host.replacePage = [&inserted](const QStringList& lines) { inserted = lines; };
        host.pageDirectory = folder.path();
        TFrameForm wizard(host, std::make_unique<framewizardtest::ScriptedPrompts>(&script));
        wizard.resize(900, 560);
        wizard.show();
        if (c.opened) {
            script.openName = folder.filePath(QLatin1String(c.opened));
            wizard.OpenSettingsClick();
        }
        script.saveName = folder.filePath(QLatin1String(c.name));
        wizard.SaveSettingsClick();
        QStringList options;
        if (!c.title.isEmpty()) {
            wizard.findChild<QLineEdit*>(QStringLiteral("PageTitle"))->setText(c.title);
            options << QStringLiteral("--title") << c.title;
        }
        wizard.findChild<QCheckBox*>(QStringLiteral("NoFrame"))->setChecked(c.noFrames);
        if (!c.noFrames)
            options << QStringLiteral("--no-noframes");
        wizard.FinishedClick();
        ASSERT_FALSE(inserted.isEmpty()) << c.name;
        EXPECT_TRUE(script.said.isEmpty()) << script.said.join('|').toStdString();

        const ToolRun run = runTool(QStringList{QStringLiteral("frames"), script.saveName} + options);
        EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.error.toStdString();
        EXPECT_EQ(run.output, joined(inserted, "\r\n")) << c.name;
    }
    EXPECT_TRUE(QString::fromUtf8(runTool({QStringLiteral("frames"), folder.filePath(QStringLiteral("banner.set"))}).output)
                    .contains(QStringLiteral("<FRAME SRC=\"top.htm\" NAME=\"banner\" MARGINWIDTH=\"0\" NORESIZE SCROLLING=\"NO\">")));
}

TEST(TesseraGen, calendarGivesWhatTheDialogInsertsForTheSameChoices)
{
    const struct {
        CalendarMonth month;
        int firstDay;
        const char* tableAlign;
        const char* dateAlign;
        bool links;
        std::optional<QColor> colour;
        QStringList options;
    } cases[] = {
        {{2015, 2}, 0, "none", "none", false, {}, {"--month", "2", "--year", "2015"}},
        {{1997, 1}, 1, "center", "right", true, QColor(255, 0, 0),
         {"--month", "1", "--year", "1997", "--first-day", "Monday", "--table-align", "center", "--date-align", "right", "--links",
          "--heading-color", "FF0000", "--table-color", "ff0000", "--text-color", "#FF0000"}},
        {{9999, 12}, 6, "left", "center", false, {}, {"--month", "12", "--year", "9999", "--first-day", "sat", "--table-align",
                                                       "left", "--date-align", "center"}},
    };
    for (const auto& c : cases) {
        QStringList inserted;
        TCalendarForm::Host host;
        host.insertLines = [&inserted](const QStringList& lines) { inserted = lines; };
        host.chooseColour = [&c](const QColor&) { return c.colour; };
        TCalendarForm form(host, c.month);
        form.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(c.firstDay);
        form.findChild<QComboBox*>(QStringLiteral("tblalign"))->setCurrentText(QLatin1String(c.tableAlign));
        form.findChild<QComboBox*>(QStringLiteral("cellalign"))->setCurrentText(QLatin1String(c.dateAlign));
        form.findChild<QCheckBox*>(QStringLiteral("UseLinks"))->setChecked(c.links);
        if (c.colour) {
            for (QPushButton* button : form.findChildren<QPushButton*>())
                if (button->objectName().endsWith(QStringLiteral("ColorButton")))
                    button->click();
        }
        form.OkClick();
        ASSERT_FALSE(inserted.isEmpty());
        const ToolRun run = runTool(QStringList{QStringLiteral("calendar")} + c.options);
        EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
        EXPECT_EQ(run.output, joined(inserted, "\r\n")) << c.options.join(' ').toStdString();
    }
}

TEST(TesseraGen, badInputIsOneLineNamingTheFileAndExitOne)
{
    QTemporaryDir folder;
    const struct { const char* name; QByteArray bytes; const char* says; } damaged[] = {
        {"empty.tbl", "", "not a table definition"},
        {"truncated.tbl", "<TABLE BORDER=\"1\" WIDTH=\"0%\"  ALIGN=\"None\"  CELLPADDING=\"1\"  CELLSPAC", "not a table definition"},
        {"binary.tbl", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary"},
        {"form.tbl", "CB|news|yes|Send me news|1\r\nDE|email|E-mail:|30|0\r\n", "not a table definition"},
        {"badsize.tbl", "<TABLE BORDER=\"x\">\r\n<CAPTION><H1>c</H1></CAPTION>\r\n", "not a table definition"},
        {"empty.frm", "", "holds no fields"},
        {"table.frm", "<TABLE BORDER=\"1\">\r\n<CAPTION><H1>c</H1></CAPTION>\r\n", "line 1 is no field"},
        {"damaged.frm", "CB|news|yes|Send me news|1\r\nXX|what\r\n", "line 2 is no field"},
        {"binary.frm", QByteArray("CB|a\0b", 6), "binary"},
        {"short.set", "0\r\n67\r\n33\r\n", "not frame settings"},
        {"words.set", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\n", "not frame settings"},
    };
    for (const auto& d : damaged) {
        const QString path = folder.filePath(QLatin1String(d.name));
        writeFile(path, d.bytes);
        const QString suffix = QFileInfo(path).suffix();
        const QString command = suffix == QLatin1String("tbl") ? QStringLiteral("table")
                              : suffix == QLatin1String("frm") ? QStringLiteral("form")
                                                               : QStringLiteral("frames");
        const ToolRun run = runTool({command, path});
        EXPECT_EQ(run.exitCode, 1) << d.name;
        EXPECT_TRUE(run.output.isEmpty()) << d.name;
        EXPECT_TRUE(run.error.contains(path)) << run.error.toStdString();
        EXPECT_TRUE(run.error.contains(QLatin1String(d.says))) << run.error.toStdString();
        EXPECT_EQ(run.error.count('\n'), 1) << run.error.toStdString();
    }
    const ToolRun missing = runTool({QStringLiteral("table"), folder.filePath(QStringLiteral("missing.tbl"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("missing.tbl: cannot be read"))) << missing.error.toStdString();

    // Frame settings whose records are missing or cut short.
    const QByteArray settings = "0\r\n67\r\n33\r\n67\r\n33\r\n67\r\n33\r\n67\r\n33\r\n";
    writeFile(folder.filePath(QStringLiteral("alone.set")), settings);
    writeFile(folder.filePath(QStringLiteral("cut.set")), settings);
    writeFile(folder.filePath(QStringLiteral("cut.par")), QByteArray(200, '\0'));
    for (const char* name : {"alone", "cut"}) {
        const ToolRun run = runTool({QStringLiteral("frames"), folder.filePath(QLatin1String(name) + QStringLiteral(".set"))});
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_TRUE(run.output.isEmpty()) << name;
        EXPECT_TRUE(run.error.contains(QLatin1String(name) + QStringLiteral(".par"))) << run.error.toStdString();
    }

    // Options out of range.
    const QStringList badOptions[] = {
        {"calendar", "--month", "13", "--year", "2015"},
        {"calendar", "--month", "1", "--year", "0"},
        {"calendar", "--month", "1", "--year", "2015x"},
        {"calendar", "--month", "1", "--year", "2015", "--first-day", "Moonday"},
        {"calendar", "--month", "1", "--year", "2015", "--table-align", "middle"},
        {"calendar", "--month", "1", "--year", "2015", "--text-color", "red"},
        {"calendar", "--month", "1", "--year", "2015", "--locale", "xx_NOWHERE"},
    };
    for (const QStringList& arguments : badOptions) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.output.isEmpty());
        EXPECT_EQ(run.error.count('\n'), 1) << run.error.toStdString();
    }
}

TEST(TesseraGen, aBadCommandLineExitsTwoWithTheUsage)
{
    const QStringList lines[] = {
        {},
        {QStringLiteral("chart")},
        {QStringLiteral("table")},
        {QStringLiteral("table"), QStringLiteral("a.tbl"), QStringLiteral("b.tbl")},
        {QStringLiteral("table"), QStringLiteral("a.tbl"), QStringLiteral("--colour")},
        {QStringLiteral("table"), QStringLiteral("a.tbl"), QStringLiteral("--lf=yes")},
        {QStringLiteral("calendar"), QStringLiteral("--month"), QStringLiteral("2")},
        {QStringLiteral("calendar"), QStringLiteral("--month"), QStringLiteral("2"), QStringLiteral("--year"), QStringLiteral("2015"), QStringLiteral("extra.txt")},
        {QStringLiteral("form"), QStringLiteral("a.frm"), QStringLiteral("--title"), QStringLiteral("x")},
    };
    for (const QStringList& arguments : lines) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.error.contains(QStringLiteral("usage: tessera-gen"))) << run.error.toStdString();
        EXPECT_TRUE(run.output.isEmpty());
    }
}

} // namespace
