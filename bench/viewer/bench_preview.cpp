// Time from a keystroke in a 100 KB page to the repainted preview: the edited text is loaded
// into the viewer, the reader's place restored and the visible part painted.
#include "support/benchpage.h"
#include "viewer/control/pageviewer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <string>

namespace {

void BM_KeystrokeToRepaint(benchmark::State& state)
{
    tessera::viewer::TPageViewer viewer;
    viewer.resize(640, 600);
    viewer.show();
    QByteArray text = benchmarkPage(static_cast<int>(state.range(0)));
    viewer.LoadTextBlock(text);
    viewer.setPosition(40u << 16);
    QPixmap target(viewer.viewport()->size());
    qsizetype at = text.indexOf("Section 50") + 8;
    for (auto _ : state) {
        text.insert(at, 'x'); // the keystroke
        std::uint32_t position = viewer.Position();
        viewer.LoadTextBlock(text);
        viewer.setPosition(position);
        viewer.viewport()->render(&target);
        benchmark::DoNotOptimize(target);
    }
    state.SetLabel(std::to_string(text.size() / 1024) + " KB, " + std::to_string(viewer.document().sections().size()) + " sections, " + std::to_string(viewer.documentHeight()) + " px");
}
BENCHMARK(BM_KeystrokeToRepaint)->Arg(100 * 1024)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
