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

TEST_F(Robustness, BrokenLinksGiveBoundedAnswers)
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
        std::string known;   // a word the sound part of the graph holds ("" for none)
        std::string unknown; // a word that needs the broken part
        bool corrupt;        // the broken part is met and reported
    };
    const Case cases[] = {
        {"child past the end", {{0, true, false, 'b'}, {5000, true, true, 'a'}}, "a", "ab", true},
        {"child number zero slot", {{0x3FFFFF, false, true, 'a'}}, "", "ab", true},
        {"sibling list runs off the end", noEnd, "b", "é", true},
        {"child links loop", {{1, true, true, 'a'}}, std::string(50, 'a'), "ab", false},
        {"fan of loops", fan, "abc", "azé", false},
    };
    for (const Case& c : cases) {
        const std::string file = writeFile("HOSTILE.DCT", imageWithNodes(c.nodes));
        for (auto access : {TDCTFile::Access::MemoryMap, TDCTFile::Access::BlockCache}) {
            auto engine = TDictionary::create();
            ASSERT_TRUE(engine->openDictionary(file, access)) << c.name;
            if (!c.known.empty()) {
                EXPECT_TRUE(engine->isKnownWord(c.known)) << c.name;
            }
            EXPECT_FALSE(engine->isKnownWord(c.unknown)) << c.name;
            for (const char* word : {"a", "aaaaaaaa", "ab", "abcdefgh", "zzzz"}) {
                for (const std::string& suggestion : engine->suggest(word, 255))
                    EXPECT_LE(suggestion.size(), std::string(word).size() + 2 + 1) << c.name;
                EXPECT_LE(engine->complete(word, 255).size(), 255u) << c.name;
            }
            EXPECT_LE(engine->complete("", 255).size(), 255u);
            EXPECT_EQ(engine->files().front()->corruptionSeen(), c.corrupt) << c.name;
        }
    }
}

TEST_F(Robustness, LoopingGraphNeverGrowsPastTheWordLimit)
{
    const std::string file = writeFile("LOOP.DCT", imageWithNodes({{1, true, true, 'a'}}));
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    // "aa" up to fifty a's: 49 completions, then the walk stops at the word limit.
    const auto words = engine->complete("a", 255);
    ASSERT_EQ(words.size(), 49u);
    EXPECT_EQ(words.back(), std::string(50, 'a'));
    // For "aaaa": three splits ("a aaa", "aa aa", "aaa a"), then only words of 2 to 6 letters.
    EXPECT_EQ(engine->suggest("aaaa", 255).size(), 3u + 5u);
}

} // namespace
} // namespace tessera::spell::test
