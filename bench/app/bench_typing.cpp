// Typing into a 100 KB page in the real main window with live preview on: how long each
// keystroke holds up the editor, and how long until the preview shows it, repainted.
// Reported as median and worst case over 200 keystrokes.
#include "support/benchpage.h"

#include "app/appstrings.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "viewer/control/pageviewer.h"
#include "workspace/pages/pagemanager.h"

#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

double milliseconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

void report(benchmark::State& state, const char* name, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    state.counters[std::string(name) + "_median_ms"] = values[values.size() / 2];
    state.counters[std::string(name) + "_worst_ms"] = values.back();
}

void BM_TypingWithLivePreview(benchmark::State& state)
{
    QTemporaryDir root;
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), false);
    settings.setValue(QStringLiteral("Defaults/AutoUpdate"), true);
    settings.sync();
    TForm1Environment environment;
    environment.programDirectory = ProgramDirectory(root.filePath(QStringLiteral("user")), root.filePath(QStringLiteral("share")));
    TForm1 window(environment);
    window.resize(1100, 750);
    window.show();
    const QString path = root.filePath(QStringLiteral("page.htm"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(benchmarkPage(static_cast<int>(state.range(0)), "\r\n"));
    }
    window.workspace().pages().LoadFile(path, false);
    TLEdit* editor = window.webPage();
    editor->SetSelection(200, 0, 200, 0);
    tessera::viewer::TPageViewer& split = window.workspace().preview().split();
    const tessera::workspace::PreviewController& controller = window.workspace().preview().controller();
    QWidget* keys = editor->scintilla();

    std::vector<double> blocked;
    std::vector<double> shown;
    for (auto _ : state) {
        for (int keystroke = 0; keystroke < 200; ++keystroke) {
            const int renders = controller.refreshCount();
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(keys, Qt::Key_X);
            double longest = milliseconds(clock.nsecsElapsed());
            while (controller.refreshCount() == renders) {
                QElapsedTimer turn;
                turn.start();
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                longest = std::max(longest, milliseconds(turn.nsecsElapsed()));
            }
            QElapsedTimer paint;
            paint.start();
            split.viewport()->repaint();
            longest = std::max(longest, milliseconds(paint.nsecsElapsed()));
            blocked.push_back(longest);
            shown.push_back(milliseconds(clock.nsecsElapsed()));
        }
    }
    report(state, "typing_blocked", blocked);
    report(state, "keystroke_shown", shown);
}
BENCHMARK(BM_TypingWithLivePreview)->Arg(100 * 1024)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Settings and the program directory go to a throw-away home, never the user's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(strings::organisationName);
    QCoreApplication::setApplicationName(strings::applicationName);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
