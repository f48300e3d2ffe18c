// Our spelling engine side by side with Hunspell and Aspell, in one run:
//   - lookups per second over about 1 MB of English text (the licence texts every Debian system
//     ships, repeated),
//   - suggestion time per misspelled word over bench/spell/misspellings.txt,
//   - how often each engine offers the intended correction first, and among its first five, over
//     those real misspellings and over typing-errors.txt (slips made by typing-error models).
// Our engine is measured with both ways of reading the file (the memory map and the one-block
// cache) and with both rankings (the closest words, the default, and the classic sound-code walk).

#include "spell/engine/dictionary.h"

#include <aspell.h>
#include <benchmark/benchmark.h>
#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using tessera::spell::SuggestionRanking;
using tessera::spell::TDCTFile;
using tessera::spell::TDictionary;

constexpr int kSuggestions = 10;
const char* const kHunspellAff = "/usr/share/hunspell/en_US.aff";
const char* const kHunspellDic = "/usr/share/hunspell/en_US.dic";

struct Misspelling {
    std::string word;
    std::string correction;
};

const std::vector<std::string>& textWords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator("/usr/share/common-licenses")) {
            if (entry.is_regular_file() && !entry.is_symlink())
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        std::string corpus;
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            corpus.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        std::string text;
        while (!corpus.empty() && text.size() < (1u << 20))
            text += corpus;
        text.resize(std::min<std::size_t>(text.size(), 1u << 20));
        std::vector<std::string> out;
        std::string word;
        auto flush = [&] {
            while (!word.empty() && word.back() == '\'')
                word.pop_back();
            std::size_t start = word.find_first_not_of('\'');
            if (start != std::string::npos && word.size() - start >= 2)
                out.push_back(word.substr(start));
            word.clear();
        };
        for (char c : text) {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'')
                word.push_back(c);
            else
                flush();
        }
        flush();
        return out;
    }();
    return words;
}

std::vector<Misspelling> readMisspellings(const char* path)
{
    std::vector<Misspelling> out;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto blank = line.find(' ');
        if (blank != std::string::npos)
            out.push_back({line.substr(0, blank), line.substr(blank + 1)});
    }
    return out;
}

const std::vector<Misspelling>& misspellings()
{
    static const std::vector<Misspelling> list = readMisspellings(TESSERA_MISSPELLINGS);
    return list;
}

const std::vector<Misspelling>& typingErrors()
{
    static const std::vector<Misspelling> list = readMisspellings(TESSERA_TYPING_ERRORS);
    return list;
}

// Each engine behind the same two calls.
struct Engine {
    virtual ~Engine() = default;
    virtual bool check(const std::string& word) = 0;
    virtual std::vector<std::string> suggest(const std::string& word) = 0;
};

struct TesseraEngine : Engine {
    TesseraEngine(TDCTFile::Access access, SuggestionRanking ranking) : dictionary(TDictionary::create())
    {
        if (!dictionary || !dictionary->openDictionary(TESSERA_ENGLISH_DICTIONARY, access))
            throw std::runtime_error("cannot open " TESSERA_ENGLISH_DICTIONARY);
        dictionary->setRanking(ranking);
    }
    bool check(const std::string& word) override { return dictionary->isKnownWord(word); }
    std::vector<std::string> suggest(const std::string& word) override { return dictionary->suggest(word, kSuggestions); }
    std::unique_ptr<TDictionary> dictionary;
};

struct HunspellEngine : Engine {
    HunspellEngine() : hunspell(kHunspellAff, kHunspellDic) {}
    bool check(const std::string& word) override { return hunspell.spell(word); }
    std::vector<std::string> suggest(const std::string& word) override { return hunspell.suggest(word); }
    Hunspell hunspell;
};

struct AspellEngine : Engine {
    AspellEngine()
    {
        AspellConfig* config = new_aspell_config();
        aspell_config_replace(config, "lang", "en_US");
        aspell_config_replace(config, "encoding", "utf-8");
        AspellCanHaveError* result = new_aspell_speller(config);
        delete_aspell_config(config);
        if (aspell_error_number(result) != 0)
            throw std::runtime_error(aspell_error_message(result));
        speller = to_aspell_speller(result);
    }
    ~AspellEngine() override { delete_aspell_speller(speller); }
    bool check(const std::string& word) override
    {
        return aspell_speller_check(speller, word.data(), static_cast<int>(word.size())) == 1;
    }
    std::vector<std::string> suggest(const std::string& word) override
    {
        std::vector<std::string> out;
        const AspellWordList* list = aspell_speller_suggest(speller, word.data(), static_cast<int>(word.size()));
        AspellStringEnumeration* words = aspell_word_list_elements(list);
        while (const char* next = aspell_string_enumeration_next(words))
            out.emplace_back(next);
        delete_aspell_string_enumeration(words);
        return out;
    }
    AspellSpeller* speller = nullptr;
};

enum class Kind { TesseraMap, TesseraBlockCache, TesseraClassic, Hunspell, Aspell };

std::unique_ptr<Engine> makeEngine(Kind kind)
{
    switch (kind) {
    case Kind::TesseraMap: return std::make_unique<TesseraEngine>(TDCTFile::Access::MemoryMap, SuggestionRanking::Closest);
    case Kind::TesseraBlockCache:
        return std::make_unique<TesseraEngine>(TDCTFile::Access::BlockCache, SuggestionRanking::Closest);
    case Kind::TesseraClassic:
        return std::make_unique<TesseraEngine>(TDCTFile::Access::MemoryMap, SuggestionRanking::Classic);
    case Kind::Hunspell: return std::make_unique<HunspellEngine>();
    case Kind::Aspell: return std::make_unique<AspellEngine>();
    }
    return nullptr;
}

void lookups(benchmark::State& state, Kind kind)
{
    auto engine = makeEngine(kind);
    const auto& words = textWords();
    std::size_t unknown = 0;
    for (auto _ : state) {
        unknown = 0;
        for (const std::string& word : words)
            unknown += !engine->check(word);
        benchmark::DoNotOptimize(unknown);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * words.size()));
    state.counters["unknown"] = static_cast<double>(unknown);
    state.counters["words"] = static_cast<double>(words.size());
}

void suggestions(benchmark::State& state, Kind kind)
{
    auto engine = makeEngine(kind);
    const auto& list = misspellings();
    for (auto _ : state) {
        for (const Misspelling& entry : list)
            benchmark::DoNotOptimize(engine->suggest(entry.word));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
    state.counters["per_word"] = benchmark::Counter(
        static_cast<double>(state.iterations() * list.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
        benchmark::Counter::OneK::kIs1000);
}

BENCHMARK_CAPTURE(lookups, tessera_map, Kind::TesseraMap);
BENCHMARK_CAPTURE(lookups, tessera_block_cache, Kind::TesseraBlockCache);
BENCHMARK_CAPTURE(lookups, hunspell, Kind::Hunspell);
BENCHMARK_CAPTURE(lookups, aspell, Kind::Aspell);
BENCHMARK_CAPTURE(suggestions, tessera_map, Kind::TesseraMap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suggestions, tessera_classic, Kind::TesseraClassic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suggestions, tessera_block_cache, Kind::TesseraBlockCache)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(suggestions, hunspell, Kind::Hunspell)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(suggestions, aspell, Kind::Aspell)->Unit(benchmark::kMillisecond);

std::string lowerAscii(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

void reportAccuracy(const char* title, const std::vector<Misspelling>& list)
{
    std::printf("\nCorrection ranking over %zu %s (at most %d suggestions from our engine):\n", list.size(), title,
                kSuggestions);
    std::printf("%-16s %8s %8s %8s\n", "engine", "first", "top 5", "missing");
    const std::pair<const char*, Kind> engines[] = {{"tessera", Kind::TesseraMap},
                                                    {"tessera classic", Kind::TesseraClassic},
                                                    {"hunspell", Kind::Hunspell},
                                                    {"aspell", Kind::Aspell}};
    for (const auto& [name, kind] : engines) {
        auto engine = makeEngine(kind);
        int first = 0, five = 0, missing = 0;
        for (const Misspelling& entry : list) {
            const auto suggestions = engine->suggest(entry.word);
            const auto it = std::find_if(suggestions.begin(), suggestions.end(),
                                         [&](const std::string& s) { return lowerAscii(s) == entry.correction; });
            const auto rank = it - suggestions.begin();
            first += it != suggestions.end() && rank == 0;
            five += it != suggestions.end() && rank < 5;
            missing += it == suggestions.end();
        }
        std::printf("%-16s %7.1f%% %7.1f%% %7.1f%%\n", name, 100.0 * first / list.size(), 100.0 * five / list.size(),
                    100.0 * missing / list.size());
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("text: %zu words; misspellings: %zu\n", textWords().size(), misspellings().size());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    reportAccuracy("real misspellings", misspellings());
    reportAccuracy("typing-error slips", typingErrors());
    return 0;
}
