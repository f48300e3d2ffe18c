// What one click in the table wizard costs on the largest table it builds (1,000 rows of 30
// cells): the working-line operations beside the preview reload that follows each of them.
#include "generators/builders/tablelines.h"
#include "viewer/control/pageviewer.h"

#include <QApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

using namespace tessera::generators;

namespace {

TableLines largestTable()
{
    TableLines table;
    table.build(maxTableRows, maxTableColumns, {});
    return table;
}

void BM_Build(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(largestTable());
}
BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);

void BM_SelectAndUpdateLastCell(benchmark::State& state)
{
    TableLines table = largestTable();
    const std::string last = "Cell:" + std::to_string(table.cellCounter() - 1) + ".";
    for (auto _ : state) {
        ReadBack<TableCell> cell = table.selectCell(last);
        cell.value->text = "changed";
        table.updateCell(*cell.value);
    }
}
BENCHMARK(BM_SelectAndUpdateLastCell)->Unit(benchmark::kMillisecond);

void BM_ToggleBothWays(benchmark::State& state)
{
    TableLines table = largestTable();
    for (auto _ : state) {
        table.toInsertForm();
        table.toEditForm();
    }
}
BENCHMARK(BM_ToggleBothWays)->Unit(benchmark::kMillisecond);

// The reference: the preview loads the whole table after every change.
void BM_PreviewReload(benchmark::State& state)
{
    const TableLines table = largestTable();
    QStringList lines;
    for (const std::string& line : table.lines())
        lines << QString::fromStdString(line);
    tessera::viewer::TPageViewer viewer;
    viewer.setViewImages(false);
    viewer.resize(400, 400);
    for (auto _ : state)
        viewer.LoadStrings(lines);
}
BENCHMARK(BM_PreviewReload)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
