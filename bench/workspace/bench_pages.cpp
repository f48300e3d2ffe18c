// Opening a large page and switching between two large pages, through the same page manager,
// editor and tab strip that the main window uses.
#include "editor/tledit.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/pages/pageprompts.h"
#include "workspace/settings/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentPrompts : public PagePrompts
{
public:
    void information(const QString&) override {}
    void error(const QString& text) override { qWarning("%s", qPrintable(text)); }
    bool warning(const QString&) override { return true; }
    bool confirmation(const QString&) override { return true; }
    QList<RecoveryAnswer> recover(const QList<OrphanSwapFile>&) override { return {}; }
    OutsideChangeAnswer outsideChange(const QString&) override { return OutsideChangeAnswer::Cancel; }
};

class NoDialogs : public PageFileDialogs
{
public:
    QString saveFileName(const QString&, const QString&, const QString&, int) override { return {}; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString openPage(const QString&, const QString&) override { return {}; }
};

// A page of plausible HTML lines, CR LF ended, with some non-ASCII text.
QString writePage(const QTemporaryDir& dir, const QString& name, qint64 bytes)
{
    const QByteArray line = "<P CLASS=\"body\">Some <B>bold</B> text, caf\xC3\xA9 and <A HREF=\"x.htm\">a link</A>.</P>\r\n";
    QByteArray text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

struct Harness {
    QTemporaryDir dir;
    QTabBar tabs;
    TLEdit editor;
    TLEdit spare;
    TesseraSettings settings;
    SilentPrompts prompts;
    NoDialogs dialogs;
    PageManager pages{&tabs, &editor, &spare, &settings, dir.path(), &prompts, &dialogs};
};

void openTenMegabytePage(benchmark::State& state)
{
    Harness h;
    const QString page = writePage(h.dir, "big.htm", 10 * 1024 * 1024);
    for (auto _ : state) {
        if (!h.pages.LoadFile(page, false))
            state.SkipWithError("LoadFile failed");
        state.PauseTiming();
        h.pages.CloseActivePage();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * 10 * 1024 * 1024);
}
BENCHMARK(openTenMegabytePage)->Unit(benchmark::kMillisecond)->Iterations(5);

void switchBetweenTwoFiveMegabytePages(benchmark::State& state)
{
    Harness h;
    h.pages.LoadFile(writePage(h.dir, "first.htm", 5 * 1024 * 1024), false);
    h.pages.LoadFile(writePage(h.dir, "second.htm", 5 * 1024 * 1024), false);
    int next = 0;
    for (auto _ : state) {
        h.tabs.setCurrentIndex(next);
        next = 1 - next;
    }
    if (h.editor.textBlock().size() < 5 * 1024 * 1024)
        state.SkipWithError("page text lost");
}
BENCHMARK(switchBetweenTwoFiveMegabytePages)->Unit(benchmark::kMillisecond)->Iterations(10);

// The backup the editor makes of the active page when typing pauses: what it costs the editor
// (the write itself runs on a worker thread), beside the whole write, and the plain copy of the
// same text out of the editor, which no backup can avoid.
void backUpFiveMegabyteActivePage(benchmark::State& state)
{
    Harness h;
    h.pages.LoadFile(writePage(h.dir, "active.htm", 5 * 1024 * 1024), false);
    h.editor.InsertText(QStringLiteral("typed "));
    for (auto _ : state) {
        h.pages.backupActivePage();
        state.PauseTiming();
        h.pages.finishBackup();
        state.ResumeTiming();
    }
    if (QFileInfo(h.dir.filePath("active.htm_")).size() < 5 * 1024 * 1024)
        state.SkipWithError("backup not written");
    state.SetBytesProcessed(state.iterations() * 5 * 1024 * 1024);
}
BENCHMARK(backUpFiveMegabyteActivePage)->Unit(benchmark::kMillisecond)->Iterations(20);

void backUpFiveMegabyteActivePageToDisk(benchmark::State& state)
{
    Harness h;
    h.pages.LoadFile(writePage(h.dir, "active.htm", 5 * 1024 * 1024), false);
    h.editor.InsertText(QStringLiteral("typed "));
    for (auto _ : state) {
        h.pages.backupActivePage();
        h.pages.finishBackup();
    }
    state.SetBytesProcessed(state.iterations() * 5 * 1024 * 1024);
}
BENCHMARK(backUpFiveMegabyteActivePageToDisk)->Unit(benchmark::kMillisecond)->Iterations(20);

void copyFiveMegabytesOutOfTheEditor(benchmark::State& state)
{
    Harness h;
    h.pages.LoadFile(writePage(h.dir, "active.htm", 5 * 1024 * 1024), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(h.editor.textBlock());
    state.SetBytesProcessed(state.iterations() * 5 * 1024 * 1024);
}
BENCHMARK(copyFiveMegabytesOutOfTheEditor)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
