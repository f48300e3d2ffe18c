// Damaged and hostile dictionary files: each gives "Dictionary Corrupt." (or "Dictionary not
// found : ") when opened, or answers that stay correct for the sound part of the graph and
// finish in bounded time.

#include "spell_test_support.h"

#include "spell/engine/dctfile.h"

namespace tessera::spell::test {
namespace {

class Robustness : public SpellTest {};

TEST_F(Robustness, FilesThatDoNotOpen)
{
    const std::string valid = imageWithNodes({{0, true, true, 'a'}});
    std::string badSignature = valid;
    badSignature[5] ^= 0x20;
    std::string badPadding = valid;
    badPadding[dct::kSignatureSize] = 'x'; // the last of the 50 signature bytes
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"short header", valid.substr(0, 40)},
        {"header only", valid.substr(0, dct::kHeaderSize)},
        {"truncated block", valid.substr(0, dct::kHeaderSize + 300)},
        {"block and a half", valid + valid.substr(dct::kHeaderSize, 256)},
        {"wrong signature", badSignature},
        {"wrong signature padding", badPadding},
    };
    for (const Case& c : cases) {
        const std::string file = writeFile("BAD.DCT", c.bytes);
        for (auto access : {TDCTFile::Access::MemoryMap, TDCTFile::Access::BlockCache}) {
            TDCTFile dct;
            EXPECT_FALSE(dct.open(file, access)) << c.name;
            EXPECT_EQ(dct.error(), DictionaryError::DictionaryCorrupt) << c.name;
            EXPECT_EQ(dct.errorString(), "Dictionary Corrupt.") << c.name;
            EXPECT_FALSE(dct.isOpen());
        }
    }
    auto engine = TDictionary::create();
    EXPECT_FALSE(engine->openDictionary(path("MISSING.DCT")));
    EXPECT_EQ(engine->error(), DictionaryError::DictionaryNotFound);
    EXPECT_EQ(engine->errorString(), "Dictionary not found : " + path("MISSING.DCT"));
    EXPECT_FALSE(engine->filesOpen());
}

TEST_F(Robustness, BrokenOrLoopingLinksAreCorrupt)
{
    std::vector<dct::Node> noEnd;
    for (int i = 0; i < 128; ++i)
        noEnd.push_back({0, true, false, static_cast<unsigned char>('a' + i % 26)});
    std::vector<dct::Node> fan; // every node a word and a child link back to the top
    for (int i = 0; i < 128; ++i)
        fan.push_back({1, true, i == 127, static_cast<unsigned char>(i < 64 ? 'a' + i % 26 : 0x80 + i)});
    struct Case {
        const char* name;
        std::vector<dct::Node> nodes;
    };
    const Case cases[] = {
        {"child past the end", {{0, true, false, 'b'}, {5000, true, true, 'a'}}},
        {"largest child number", {{0x3FFFFF, false, true, 'a'}}},
        {"sibling list runs off the end", noEnd},
        {"child links loop to their own list", {{1, true, true, 'a'}}},
        {"fan of loops", fan},
        // b's child list starts inside the top list and reaches b again.
        {"loop through a list's tail", {{0, true, false, 'a'}, {2, true, true, 'b'}}},
        {"loop two levels down", {{2, false, true, 'a'}, {3, false, true, 'b'}, {2, true, true, 'c'}}},
    };
    for (const Case& c : cases) {
        const std::string file = writeFile("HOSTILE.DCT", imageWithNodes(c.nodes));
        for (auto access : {TDCTFile::Access::MemoryMap, TDCTFile::Access::BlockCache}) {
            auto engine = TDictionary::create();
            EXPECT_FALSE(engine->openDictionary(file, access)) << c.name;
            EXPECT_EQ(engine->error(), DictionaryError::DictionaryCorrupt) << c.name;
            EXPECT_EQ(engine->errorString(), "Dictionary Corrupt.") << c.name;
            EXPECT_FALSE(engine->isKnownWord("ab")) << c.name;
        }
    }
}

TEST_F(Robustness, SharedListsAreNotLoops)
{
    // "ab" and "cb" share the list holding b: two links to one list, no loop.
    const std::string file = writeFile(
        "SHARED.DCT", imageWithNodes({{3, false, false, 'a'}, {3, false, true, 'c'}, {0, true, true, 'b'}}));
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file)) << engine->errorString();
    EXPECT_TRUE(engine->isKnownWord("ab"));
    EXPECT_TRUE(engine->isKnownWord("cb"));
    EXPECT_FALSE(engine->isKnownWord("abb"));
}

} // namespace
} // namespace tessera::spell::test
