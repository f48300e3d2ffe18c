// Reading a large project outline and adding pages in order, each beside the plainest work that
// does the same job: splitting the text into lines, and sorting the finished list once.
#include "projects/model/outlinefile.h"
#include "projects/model/projectoutline.h"

#include <QStringList>

#include <algorithm>
#include <random>

#include <benchmark/benchmark.h>

namespace {

QByteArray outlineBytes(int projects, int pagesPerProject)
{
    QByteArray bytes;
    for (int p = 0; p < projects; ++p) {
        bytes += "Project number " + QByteArray::number(p) + " - sites\\project" + QByteArray::number(p) + "\r\n";
        bytes += "\t#Default Project Settings - PROJECT.INI\r\n";
        for (int i = 0; i < pagesPerProject; ++i)
            bytes += "\tPage about caf\xC3\xA9 " + QByteArray::number(i) + " - page" + QByteArray::number(i) + ".htm\r\n";
    }
    return bytes;
}

QStringList shuffledPages(int count)
{
    QStringList pages;
    for (int i = 0; i < count; ++i)
        pages << QStringLiteral("Page %1 - page%1.htm").arg(i);
    std::shuffle(pages.begin(), pages.end(), std::mt19937(7));
    return pages;
}

void parseOutline(benchmark::State& state)
{
    const QByteArray bytes = outlineBytes(int(state.range(0)), 50);
    for (auto _ : state)
        benchmark::DoNotOptimize(OutlineFile::parse(bytes, nullptr));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void splitLinesReference(benchmark::State& state)
{
    const QByteArray bytes = outlineBytes(int(state.range(0)), 50);
    for (auto _ : state)
        benchmark::DoNotOptimize(QString::fromUtf8(bytes).split(QLatin1Char('\n')));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void insertPagesInOrder(benchmark::State& state)
{
    const QStringList pages = shuffledPages(int(state.range(0)));
    for (auto _ : state) {
        ProjectOutline outline;
        outline.appendProject(QStringLiteral("Site - site"));
        for (const QString& page : pages)
            outline.insertPage(0, page);
        benchmark::DoNotOptimize(outline);
    }
}

void sortOnceReference(benchmark::State& state)
{
    const QStringList pages = shuffledPages(int(state.range(0)));
    for (auto _ : state) {
        QStringList sorted = pages;
        std::sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted);
    }
}

} // namespace

BENCHMARK(parseOutline)->Arg(20)->Arg(200);
BENCHMARK(splitLinesReference)->Arg(20)->Arg(200);
BENCHMARK(insertPagesInOrder)->Arg(100)->Arg(1000);
BENCHMARK(sortOnceReference)->Arg(100)->Arg(1000);

BENCHMARK_MAIN();
