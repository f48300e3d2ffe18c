// What the form wizard's Open and Build cost on a large form (some 1,000 fields of every kind, list
// boxes of 20 entries), beside the preview reload that follows each of them.
#include "generators/builders/formlines.h"
#include "viewer/control/pageviewer.h"

#include <QApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

using namespace tessera::generators;

namespace {

std::vector<FormField> largeForm()
{
    std::vector<FormField> fields;
    for (int i = 0; fields.size() < 1000; ++i) {
        const std::string name = "field" + std::to_string(i);
        ListBoxField box {name, "Choose:", true, false, 3, {}};
        for (int item = 0; item < 20; ++item)
            box.items.push_back("Choice " + std::to_string(item));
        fields.insert(fields.end(), {CheckBoxField {name, "yes", "Tick me", true}, RadioButtonField {"group", name, "Pick me", false},
                                     EntryField {name, "Name:", 30, false}, std::move(box), TextAreaField {name, "Note:", 40, 4},
                                     PageTextField {true, true, false, false, 3, "Some words"}, HiddenField {name, "value"}});
    }
    return fields;
}

void BM_ReadDefinition(benchmark::State& state)
{
    const std::string bytes = writeFormDefinition(largeForm());
    for (auto _ : state)
        benchmark::DoNotOptimize(readFormDefinition(bytes));
}
BENCHMARK(BM_ReadDefinition)->Unit(benchmark::kMillisecond);

void BM_BuildInTableFormat(benchmark::State& state)
{
    const std::vector<FormField> fields = largeForm();
    for (auto _ : state)
        benchmark::DoNotOptimize(buildFormLines(fields, {"Send", "Clear", "me@example.com"}, {true, true}));
}
BENCHMARK(BM_BuildInTableFormat)->Unit(benchmark::kMillisecond);

// The reference: the preview loads the whole form after every build.
void BM_PreviewReload(benchmark::State& state)
{
    QStringList lines;
    for (const std::string& line : buildFormLines(largeForm(), {"Send", "Clear", "me@example.com"}, {true, true}))
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
