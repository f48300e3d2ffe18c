#pragma once

// Writes dictionary files from word lists. Words are lower-cased, stored in code page 437, and
// laid out as a letter graph in which identical sibling lists are stored once.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessera::spell {

struct DictionaryBuildOptions {
    // Forms ending in "'s" are found through their stem, so a dictionary need not hold them.
    bool skipPossessives = false;
};

struct DictionaryBuildReport {
    std::size_t words = 0;            // distinct words stored
    std::size_t notInCodePage = 0;    // skipped: a character code page 437 cannot hold
    std::size_t tooLong = 0;          // skipped: longer than the engine's word limit
    std::size_t possessives = 0;      // skipped with skipPossessives
    std::size_t nodes = 0;
};

// The node words of a graph holding `oemWords` (lower-case, code page 437, any order).
std::vector<std::uint32_t> buildDictionaryNodes(std::vector<std::string> oemWords);
// The whole file: header, signature and node blocks (the last block padded with zeros).
std::string dictionaryFileImage(const std::vector<std::uint32_t>& nodes);

// Builds from UTF-8 words and writes the file in one step (temporary file, then rename).
bool buildDictionaryFile(const std::vector<std::string>& utf8Words, const std::string& outputPath,
                         const DictionaryBuildOptions& options, DictionaryBuildReport& report, std::string& error);

} // namespace tessera::spell
