// Feeds arbitrary bytes to the dictionary reader as a dictionary file, then looks words up,
// asks for suggestions and completions. Any crash, hang or undefined behaviour found here
// becomes a regression test in the spelling tests.
//
// The first input byte picks how the rest is used: bit 0 set puts a valid header in front and
// pads to whole blocks (so the node graph itself gets explored), bit 1 picks the block cache
// instead of the memory map. The last bytes, split at NUL, are extra words to query.

#include "spell/engine/dctformat.h"
#include "spell/engine/dictionary.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t mode = data[0];
    std::string body(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string file;
    if (mode & 1) {
        file.assign(tessera::spell::dct::kHeaderSize, '\0');
        const auto signature = tessera::spell::dct::signature();
        file.replace(tessera::spell::dct::kSignatureOffset, signature.size(), signature.data(), signature.size());
        file += body;
        const std::size_t blocks = file.size() - tessera::spell::dct::kHeaderSize;
        const std::size_t padded = (blocks + tessera::spell::dct::kBlockSize - 1) / tessera::spell::dct::kBlockSize
            * tessera::spell::dct::kBlockSize;
        file.resize(tessera::spell::dct::kHeaderSize + padded, '\0');
    } else {
        file = body;
    }

    static const std::string path = "/tmp/fuzz_dictionary_" + std::to_string(::getpid()) + ".DCT";
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
    } else {
        return 0;
    }

    auto engine = tessera::spell::TDictionary::create();
    if (!engine)
        return 0;
    const auto access = (mode & 2) ? tessera::spell::TDCTFile::Access::BlockCache : tessera::spell::TDCTFile::Access::MemoryMap;
    if (engine->openDictionary(path, access)) {
        static const char* const words[] = {"the", "recieve", "Café's", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", ""};
        for (const char* word : words) {
            engine->isKnownWord(word);
            engine->suggest(word, 10);
            engine->complete(word, 10);
        }
        // Words taken from the input itself reach letters the fixed list does not.
        std::size_t tail = body.size() > 24 ? body.size() - 24 : 0;
        std::string extra = body.substr(tail);
        std::size_t start = 0;
        while (start <= extra.size()) {
            std::size_t end = extra.find('\0', start);
            if (end == std::string::npos)
                end = extra.size();
            const std::string word = extra.substr(start, end - start);
            engine->isKnownWord(word);
            engine->suggest(word, 5);
            engine->complete(word, 5);
            start = end + 1;
        }
    }
    engine.reset();
    return 0;
}
