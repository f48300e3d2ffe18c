// The user dictionary: adding, saving, merging with what another program wrote, and never
// saving over a file that could not be read.

#include "spell_test_support.h"

#include "spell/engine/codepage.h"

namespace tessera::spell::test {
namespace {

class UserWords : public SpellTest {
protected:
    void SetUp() override
    {
        SpellTest::SetUp();
        m_main = buildDictionary({"the", "cat"}, "ENGLISH.DCT");
    }
    std::unique_ptr<TDictionary> openEngine(const std::string& user = "USERDCT.TXT")
    {
        auto engine = TDictionary::create();
        EXPECT_TRUE(engine->openDictionary(m_main));
        engine->openUserDictionary(user);
        return engine;
    }
    std::string m_main;
};

TEST_F(UserWords, AddPersistAndReload)
{
    {
        auto engine = openEngine();
        EXPECT_EQ(engine->userDictionaryPath(), path("USERDCT.TXT")); // beside the main dictionary
        EXPECT_FALSE(engine->isKnownWord("Tessera"));
        EXPECT_TRUE(engine->addWord("Tessera"));
        EXPECT_FALSE(engine->addWord("TESSERA")); // known now
        EXPECT_FALSE(engine->addWord("cat"));     // in the main dictionary
        EXPECT_FALSE(engine->addWord(""));
        EXPECT_TRUE(engine->isKnownWord("tessera's"));
        EXPECT_TRUE(engine->addWord("Zoë"));
        // A possessive the user adds is known as added.
        EXPECT_TRUE(engine->addWord("O'Reilly's"));
        EXPECT_TRUE(engine->isKnownWord("o'reilly's"));
        EXPECT_FALSE(engine->addWord("O'Reilly's"));
        EXPECT_TRUE(engine->close()) << engine->errorString();
    }
    EXPECT_EQ(readFile("USERDCT.TXT"), "o'reilly's\ntessera\nzoë\n");
    auto engine = openEngine();
    EXPECT_TRUE(engine->isKnownWord("TESSERA"));
    EXPECT_TRUE(engine->isKnownWord("ZOË"));
    // Nothing added: the file is left alone.
    writeFile("USERDCT.TXT", "tessera\r\nzoë\r\n");
    EXPECT_TRUE(engine->close());
    EXPECT_EQ(readFile("USERDCT.TXT"), "tessera\r\nzoë\r\n");
}

TEST_F(UserWords, SavingMergesWordsWrittenMeanwhile)
{
    writeFile("USERDCT.TXT", "McDonald\nalpha\n");
    auto engine = openEngine();
    EXPECT_TRUE(engine->isKnownWord("mcdonald"));
    // Another program rewrites the file while the check runs (even within the same second).
    writeFile("USERDCT.TXT", "alpha\nbeta\n");
    EXPECT_TRUE(engine->addWord("gamma"));
    EXPECT_TRUE(engine->close()) << engine->errorString();
    EXPECT_EQ(readFile("USERDCT.TXT"), "alpha\nbeta\ngamma\nMcDonald\n");
    // The file was replaced in one step: no temporary file is left over.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir))
        files += entry.path().filename().string().rfind("USERDCT.TXT", 0) == 0;
    EXPECT_EQ(files, 1);
}

TEST_F(UserWords, WindowsCodePageListsAreRead)
{
    writeFile("USERDCT.TXT", "caf\xE9\nna\xEFve\n");
    auto engine = openEngine();
    EXPECT_TRUE(engine->isKnownWord("café"));
    EXPECT_TRUE(engine->isKnownWord("NAÏVE"));
}

TEST_F(UserWords, NeverSavesAfterAFailedLoad)
{
    // A directory in the way stands for a file that exists but cannot be read.
    std::filesystem::create_directories(m_dir / "USERDCT.TXT");
    auto engine = openEngine();
    EXPECT_EQ(engine->error(), DictionaryError::FileError);
    EXPECT_TRUE(engine->addWord("gamma"));
    EXPECT_FALSE(engine->close());
    EXPECT_FALSE(engine->errorString().empty());
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "USERDCT.TXT"));
}

TEST_F(UserWords, MissingDirectoryIsAnErrorNotACrash)
{
    auto engine = openEngine(path("no/such/dir/USERDCT.TXT"));
    EXPECT_TRUE(engine->addWord("gamma"));
    EXPECT_FALSE(engine->close());
    EXPECT_FALSE(engine->errorString().empty());
}

TEST(SingleEngine, SecondEngineIsRefused)
{
    auto first = TDictionary::create();
    ASSERT_TRUE(first);
    std::string error;
    EXPECT_EQ(TDictionary::create(&error), nullptr);
    EXPECT_EQ(error, "Multiple Dictionaries not supported.");
    first.reset();
    EXPECT_TRUE(TDictionary::create());
}

TEST(CodePage, RoundTripsAndCase)
{
    for (int byte = 0; byte < 256; ++byte) {
        unsigned char back = 0;
        ASSERT_TRUE(unicodeToCp437(cp437ToUnicode(static_cast<unsigned char>(byte)), back)) << byte;
        EXPECT_EQ(back, byte);
    }
    struct Case {
        std::string word;
        std::string upper;
        std::string lower;
    };
    const Case cases[] = {
        {"crème", "CRÈME", "crème"},
        {"CAFÉ", "CAFÉ", "café"},
        {"ÿ", "Ÿ", "ÿ"},
        {"straße", "STRAßE", "straße"},
        {"Ñandú", "ÑANDÚ", "ñandú"},
    };
    for (const Case& c : cases) {
        std::u32string decoded;
        ASSERT_TRUE(decodeUtf8(c.word, decoded));
        EXPECT_EQ(encodeUtf8(upperCase(decoded)), c.upper);
        EXPECT_EQ(encodeUtf8(lowerCase(decoded)), c.lower);
    }
    std::string oem;
    EXPECT_TRUE(utf8ToOem("é", oem));
    EXPECT_EQ(oem, "\x82");
    EXPECT_FALSE(utf8ToOem("Ø", oem));
    EXPECT_FALSE(utf8ToOem("\xC3", oem)); // cut inside a character
}

} // namespace
} // namespace tessera::spell::test
