#include "generators/table/tablewizardscript.h"
#include "generators/table/tblcreateform.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace tablewizardtest;

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

TEST(TesseraGen, badInputIsOneLineNamingTheFileAndExitOne)
{
    QTemporaryDir folder;
    const struct { const char* name; QByteArray bytes; const char* says; } damaged[] = {
        {"empty.tbl", "", "not a table definition"},
        {"truncated.tbl", "<TABLE BORDER=\"1\" WIDTH=\"0%\"  ALIGN=\"None\"  CELLPADDING=\"1\"  CELLSPAC", "not a table definition"},
        {"binary.tbl", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary"},
        {"form.tbl", "CB|news|yes|Send me news|1\r\nDE|email|E-mail:|30|0\r\n", "not a table definition"},
        {"badsize.tbl", "<TABLE BORDER=\"x\">\r\n<CAPTION><H1>c</H1></CAPTION>\r\n", "not a table definition"},
    };
    for (const auto& d : damaged) {
        const QString path = folder.filePath(QLatin1String(d.name));
        writeFile(path, d.bytes);
        const ToolRun run = runTool({QStringLiteral("table"), path});
        EXPECT_EQ(run.exitCode, 1) << d.name;
        EXPECT_TRUE(run.output.isEmpty()) << d.name;
        EXPECT_TRUE(run.error.contains(path)) << run.error.toStdString();
        EXPECT_TRUE(run.error.contains(QLatin1String(d.says))) << run.error.toStdString();
        EXPECT_EQ(run.error.count('\n'), 1) << run.error.toStdString();
    }
    const ToolRun missing = runTool({QStringLiteral("table"), folder.filePath(QStringLiteral("missing.tbl"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("missing.tbl: cannot be read"))) << missing.error.toStdString();
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
    };
    for (const QStringList& arguments : lines) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.error.contains(QStringLiteral("usage: tessera-gen"))) << run.error.toStdString();
        EXPECT_TRUE(run.output.isEmpty());
    }
}

} // namespace
