#pragma once

// A real main window on a temporary program directory and settings, with the page questions
// and file dialogs answered from the test, as the user would answer them.

#include "app/appstrings.h"
#include "app/quietsettings.h"
#include "app/tform1.h"
#include "support/whenmodal.h"
#include "workspace/pages/pageprompts.h"
#include "workspace/pages/pagetexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace windowtest {

// Answers page questions from a script and remembers what was asked.
struct ScriptedPrompts : PagePrompts {
    QStringList* asked;
    const bool* answer;
    ScriptedPrompts(QStringList* asked, const bool* answer) : asked(asked), answer(answer) {}
    void information(const QString& text) override { *asked << text; }
    void error(const QString& text) override { *asked << text; }
    bool warning(const QString& text) override { *asked << text; return *answer; }
    bool confirmation(const QString& text) override
    {
        // Building a new page opens a dialog that would wait for a user: only the tests of new
        // pages see the question, the others open empty pages as they are.
        if (text == QLatin1String(PageTexts::emptyFileQuestion) && !(buildNewPages && *buildNewPages))
            return false;
        *asked << text;
        return *answer;
    }
    QList<RecoveryAnswer> recover(const QList<OrphanSwapFile>& backups) override
    {
        for (const OrphanSwapFile& backup : backups)
            *asked << QStringLiteral("recover: ") + backup.pageFile;
        return recoveryAnswers ? *recoveryAnswers : QList<RecoveryAnswer>{};
    }
    OutsideChangeAnswer outsideChange(const QString& text) override
    {
        *asked << text;
        return outsideAnswer ? *outsideAnswer : OutsideChangeAnswer::Cancel;
    }
    const QList<RecoveryAnswer>* recoveryAnswers = nullptr;
    const OutsideChangeAnswer* outsideAnswer = nullptr;
    const bool* buildNewPages = nullptr;
};

// Picks the file a test names, as if the user had chosen it.
struct ChosenFile : PageFileDialogs {
    QString* chosen;
    explicit ChosenFile(QString* chosen) : chosen(chosen) {}
    QString saveFileName(const QString&, const QString&, const QString&, int) override { return *chosen; }
    QString openFileName(const QString&, const QString&) override { return *chosen; }
    QString openPage(const QString&, const QString&) override { return *chosen; }
};

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

class WiringFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        startQuietSettings([this](QSettings& settings) { adjustSettings(settings); });
        writeFile(m_root.filePath(QStringLiteral("share/tessera/blkhlght.mnu")), "<CITE>..</CITE> - citation\n");

        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share/tessera")));
        environment.reportFailure = [this](const QString& title, const QString& text) { asked << title + ": " + text; };
        environment.makePagePrompts = [this] {
            auto prompts = std::make_unique<ScriptedPrompts>(&asked, &answer);
            prompts->recoveryAnswers = &recoveryAnswers;
            prompts->outsideAnswer = &outsideAnswer;
            prompts->buildNewPages = &buildNewPages;
            return prompts;
        };
        if (!environment.makePageFileDialogs)
            environment.makePageFileDialogs = [this] { return std::make_unique<ChosenFile>(&chosen); };
        window = std::make_unique<TForm1>(environment);
        window->show();
    }

    // Settings a test starts with, written before the window reads them; a test may also give
    // its own file dialogs here.
    virtual void adjustSettings(QSettings&) {}

    QString page(const QString& name, const QByteArray& contents)
    {
        const QString path = m_root.filePath(QStringLiteral("site/") + name);
        writeFile(path, contents);
        return path;
    }

    void open(const QString& path)
    {
        chosen = path;
        ASSERT_TRUE(window->commands().trigger(Command::FileOpen));
    }

    QTemporaryDir m_root;
    TForm1Environment environment;
    QStringList asked;
    bool answer = true;
    QList<RecoveryAnswer> recoveryAnswers;
    OutsideChangeAnswer outsideAnswer = OutsideChangeAnswer::Cancel;
    bool buildNewPages = false;
    QString chosen;
    std::unique_ptr<TForm1> window;
};

} // namespace windowtest
