// tessera-dict: builds dictionary files and checks text against them.
//   tessera-dict build [--skip-possessives] WORDLIST OUT.DCT
//   tessera-dict check [--skip-html] DICT.DCT          < text
//   tessera-dict suggest [--max N] [--classic] DICT.DCT [WORD...]
//                                  (words from standard input when none given)
// A file of the most common words, built like a dictionary and named like it with the extension
// .FRQ, sharpens the order of suggestions when it lies beside the dictionary.

#include "spell/engine/dctbuilder.h"
#include "spell/engine/dictionary.h"
#include "spell/engine/wordscanner.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace tessera::spell;

int usage()
{
    std::cerr << "usage: tessera-dict build [--skip-possessives] WORDLIST OUT.DCT\n"
                 "       tessera-dict check [--skip-html] DICT.DCT < TEXT\n"
                 "       tessera-dict suggest [--max N] [--classic] DICT.DCT [WORD...]\n";
    return 2;
}

int build(const std::vector<std::string>& args)
{
    DictionaryBuildOptions options;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--skip-possessives")
            options.skipPossessives = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        return usage();
    std::ifstream in(files[0], std::ios::binary);
    if (!in) {
        std::cerr << "tessera-dict: cannot read " << files[0] << '\n';
        return 1;
    }
    std::vector<std::string> words;
    for (std::string line; std::getline(in, line);)
        words.push_back(line);
    DictionaryBuildReport report;
    std::string error;
    if (!buildDictionaryFile(words, files[1], options, report, error)) {
        std::cerr << "tessera-dict: " << error << '\n';
        return 1;
    }
    std::cout << files[1] << ": " << report.words << " words, " << report.nodes << " nodes; skipped "
              << report.notInCodePage << " not in code page 437, " << report.tooLong << " longer than 50 characters";
    if (options.skipPossessives)
        std::cout << ", " << report.possessives << " possessive forms";
    std::cout << '\n';
    return 0;
}

std::unique_ptr<TDictionary> openEngine(const std::string& path)
{
    std::string error;
    auto engine = TDictionary::create(&error);
    if (engine && !engine->openDictionary(path)) {
        std::cerr << "tessera-dict: " << engine->errorString() << '\n';
        return nullptr;
    }
    return engine;
}

int check(const std::vector<std::string>& args)
{
    bool skipHtml = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--skip-html")
            skipHtml = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 1)
        return usage();
    auto engine = openEngine(files[0]);
    if (!engine)
        return 1;
    const std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    WordScanner scanner(skipHtml);
    std::set<std::string> reported;
    std::size_t position = 0;
    WordSpan span;
    while (scanner.next(text, position, span)) {
        // As in the editor's check: single characters, numbers and overlong runs are passed over.
        if (span.characters < 2 || span.characters >= tessera::spell::dct::kMaxWordLength || span.allDigits)
            continue;
        if (!engine->isKnownWord(span.text) && reported.insert(span.text).second)
            std::cout << span.text << '\n';
    }
    return 0;
}

int suggest(const std::vector<std::string>& args)
{
    int maximum = 10;
    SuggestionRanking ranking = SuggestionRanking::Closest;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--max" && i + 1 < args.size())
            maximum = std::stoi(args[++i]);
        else if (args[i] == "--classic")
            ranking = SuggestionRanking::Classic;
        else
            rest.push_back(args[i]);
    }
    if (rest.empty() || maximum < 1)
        return usage();
    auto engine = openEngine(rest[0]);
    if (!engine)
        return 1;
    engine->setRanking(ranking);
    std::vector<std::string> words(rest.begin() + 1, rest.end());
    const bool fromInput = words.empty();
    auto answer = [&](const std::string& word) {
        std::cout << word << '\t';
        const auto suggestions = engine->suggest(word, maximum);
        for (std::size_t i = 0; i < suggestions.size(); ++i)
            std::cout << (i ? ", " : "") << suggestions[i];
        std::cout << '\n';
    };
    if (fromInput) {
        for (std::string line; std::getline(std::cin, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty())
                answer(line);
        }
    } else {
        for (const std::string& word : words)
            answer(word);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "build")
            return build(args);
        if (command == "check")
            return check(args);
        if (command == "suggest")
            return suggest(args);
    } catch (const std::exception& e) {
        std::cerr << "tessera-dict: " << e.what() << '\n';
        return 1;
    }
    return usage();
}
