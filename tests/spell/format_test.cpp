// The file layout: node words, block numbering, the header, and words read back from a
// dictionary the builder wrote.

#include "spell_test_support.h"

#include "spell/engine/dctfile.h"

#include <set>

namespace tessera::spell::test {
namespace {

TEST(NodeWord, PacksEveryFieldIntoItsBits)
{
    struct Case {
        dct::Node node;
        std::uint32_t word;
    };
    const Case cases[] = {
        {{0x3FFFFF, false, false, 0}, 0x003FFFFFu},
        {{0, true, false, 0}, 0x00400000u},
        {{0, false, true, 0}, 0x00800000u},
        {{0, false, false, 0xFF}, 0xFF000000u},
        {{1, true, true, 0x82}, 0x82C00001u}, // é in code page 437
        {{0x123456 & 0x3FFFFF, false, true, 'a'}, 0x61923456u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dct::packNode(c.node), c.word);
        EXPECT_EQ(dct::unpackNode(c.word), c.node);
    }
}

TEST(NodeWord, NodeNumbersMapToBlocksAndSlots)
{
    struct Case {
        std::uint32_t node;
        std::size_t block;
        std::size_t slot;
    };
    const Case cases[] = {{1, 0, 0}, {127, 0, 126}, {128, 0, 127}, {129, 1, 0}, {256, 1, 127}, {257, 2, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(dct::nodeBlock(c.node), c.block) << c.node;
        EXPECT_EQ(dct::nodeSlot(c.node), c.slot) << c.node;
    }
}

TEST(FileImage, HeaderSignatureAndLittleEndianNodes)
{
    const std::string image = dictionaryFileImage({0x82C00001u});
    ASSERT_EQ(image.size(), dct::kHeaderSize + dct::kBlockSize);
    EXPECT_EQ(image.compare(1, dct::kSignatureText.size(), dct::kSignatureText), 0);
    for (std::size_t i = 1 + dct::kSignatureText.size(); i < 1 + dct::kSignatureSize; ++i)
        EXPECT_EQ(image[i], '\0') << "signature padding at " << i;
    EXPECT_EQ(image.substr(dct::kHeaderSize, 4), std::string("\x01\x00\xC0\x82", 4));
}

class ReadBack : public SpellTest {};

TEST_F(ReadBack, EveryWordIsFoundAndNoOther)
{
    const std::vector<std::string> words = {"a", "an", "and", "ant", "ants", "Zoo", "zoom", "café", "cafés",
                                            "naïve", "ångström", "o'clock", "x-ray", "an", "AND"};
    DictionaryBuildReport report;
    const std::string file = buildDictionary(words, "TEST.DCT", &report);
    EXPECT_EQ(report.words, 13u); // "an" and "AND" repeat earlier words

    auto engine = TDictionary::create();
    for (auto access : {TDCTFile::Access::MemoryMap, TDCTFile::Access::BlockCache}) {
        engine->close();
        ASSERT_TRUE(engine->openDictionary(file, access)) << engine->errorString();
        std::set<std::string> known;
        for (const std::string& word : words)
            known.insert(lowerCaseUtf8(word));
        // Every prefix of a word and every word with one more letter is a probe.
        std::set<std::string> probes(known);
        for (const std::string& word : known) {
            for (std::size_t i = 1; i < word.size(); ++i)
                probes.insert(word.substr(0, i));
            for (const char* extra : {"a", "s", "z", "é"})
                probes.insert(word + extra);
        }
        probes.insert("b");
        probes.insert("zo");
        for (const std::string& probe : probes) {
            // Cutting UTF-8 inside a character gives malformed text, which is simply unknown.
            EXPECT_EQ(engine->isKnownWord(probe), known.count(probe) == 1) << probe;
        }
        EXPECT_TRUE(engine->isKnownWord("CAFÉ"));
        EXPECT_TRUE(engine->isKnownWord("Ångström"));
    }
}

TEST_F(ReadBack, SkipsWordsTheCodePageCannotHoldAndOverlongWords)
{
    DictionaryBuildReport report;
    const std::string fifty(50, 'q');
    const std::string file = buildDictionary({"Øresund", "łódź", fifty, fifty + "q", "plain"}, "TEST.DCT", &report);
    EXPECT_EQ(report.notInCodePage, 2u);
    EXPECT_EQ(report.tooLong, 1u);
    EXPECT_EQ(report.words, 2u);
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    EXPECT_TRUE(engine->isKnownWord(fifty));
    // A word of 51 characters is handled as its first 50.
    EXPECT_TRUE(engine->isKnownWord(fifty + "x"));
    EXPECT_FALSE(engine->isKnownWord("Øresund"));
}

TEST_F(ReadBack, EmptyListGivesAnEmptyDictionary)
{
    const std::string file = buildDictionary({});
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file)) << engine->errorString();
    EXPECT_FALSE(engine->isKnownWord("a"));
    EXPECT_TRUE(engine->suggest("ab", 10).empty());
    EXPECT_TRUE(engine->complete("", 10).empty());
}

TEST_F(ReadBack, NodeInTheLastSlotOfABlock)
{
    // One top-level list of 128 nodes: the 128th ("a") is slot 127 of block 0 and its child
    // "b" is the first node of block 1.
    std::vector<dct::Node> nodes;
    for (int i = 0; i < 127; ++i)
        nodes.push_back({0, true, false, static_cast<unsigned char>(0x80 + i)});
    nodes.push_back({129, true, true, 'a'});
    nodes.push_back({0, true, true, 'b'});
    const std::string file = writeFile("BLOCKS.DCT", imageWithNodes(nodes));
    for (auto access : {TDCTFile::Access::MemoryMap, TDCTFile::Access::BlockCache}) {
        TDCTFile dct;
        ASSERT_TRUE(dct.open(file, access));
        EXPECT_TRUE(dct.contains("a"));
        EXPECT_TRUE(dct.contains("ab"));
        EXPECT_TRUE(dct.contains("\x80"));
        EXPECT_FALSE(dct.contains("b"));
        EXPECT_FALSE(dct.contains("abb"));
        EXPECT_FALSE(dct.corruptionSeen());
    }
}

TEST_F(ReadBack, OpeningTheSameFileNameTwiceKeepsOneFile)
{
    const std::string file = buildDictionary({"word"});
    std::filesystem::create_directories(m_dir / "other");
    std::filesystem::copy_file(file, m_dir / "other" / "test.dct");
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    ASSERT_TRUE(engine->openDictionary((m_dir / "other" / "test.dct").string()));
    EXPECT_EQ(engine->files().size(), 1u);
}

} // namespace
} // namespace tessera::spell::test
