// The sound code, the similarity score and the order of suggestions, with values worked out by
// hand.

#include "spell_test_support.h"

#include "spell/engine/similarity.h"
#include "spell/engine/soundcode.h"
#include "spell/engine/suggestlist.h"
#include "spell/engine/nearwords.h"
#include "spell/engine/typingcost.h"
#include "spell/engine/dctfile.h"

namespace tessera::spell::test {
namespace {

using namespace std::string_literals;

TEST(SoundCode, HandWorkedCodes)
{
    struct Case {
        std::string word; // code page 437
        std::string full;
        std::string prefix;
    };
    const Case cases[] = {
        {"robert", "R163", "R163"},
        {"rupert", "R163", "R163"},
        {"ashcraft", "A261", "A261"}, // H takes 2, so s-h-c make one code
        // Codes repeat the last kept code, not the last letter's: vowels do not separate them.
        {"tymczak", "T520", "T52"},
        {"lloyd", "L430", "L43"},       // the first letter's own digit is not compared
        {"pfister", "P123", "P123"},
        {"o'neil", "O\0"s "54", "O\0"s "54"}, // the apostrophe keeps its NUL
        {"h22h", "H\0"s "20", "H\0"s "2"},    // a digit keeps NUL, the second NUL repeats it
        {"caf\x82", "C100", "C1"},            // é is a vowel
        {"ni\xA4o", "N500", "N5"},            // ñ takes 5
        {"\x87" "a", "\xE7" "000", "\xE7"},   // ç first: kept as the Windows letter, not upper-cased
        {"\x9E" "b", "P100", "P1"},            // ₧ is written P, and P is not b's code 1
        {"a", "A000", "A"},
        {"", "0000", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(soundCode(c.word, SoundCodeKind::Full), c.full) << c.word;
        EXPECT_EQ(soundCode(c.word, SoundCodeKind::Prefix), c.prefix) << c.word;
    }
}

TEST(Similarity, HandWorkedScores)
{
    struct Case {
        std::string s1;
        std::string s2;
        int score;
    };
    const Case cases[] = {
        {"abcd", "abcd", 100},
        {"ab", "ba", 50},
        {"abc", "xyz", 0},
        {"", "", 0},
        {"abc", "", 0},
        // "ab" is found first; the right parts "xbcd" and "bcd" then give "bcd": 2*(2+3)*100/11.
        {"abxbcd", "abbcd", 90},
        // "ac" is one run: 4*100/6.
        {"acb", "bac", 66},
        // The other way round "b" is found first at (0, 2); the limits drop to e - 1 - 1 = 0, so
        // i = 1 (the "ac") is never scanned: 2*100/6. The scan is not symmetric.
        {"bac", "acb", 33},
        {"bait", "bta", 57},
        {"bat", "bta", 66},
        {"be", "bta", 40},
        {"butt", "bta", 57},
    };
    for (const Case& c : cases)
        EXPECT_EQ(similarityScore(c.s1, c.s2), c.score) << c.s1 << " / " << c.s2;
}

TEST(SuggestList, InsertsBeforeTheFirstLowerScoreAndDropsTheLast)
{
    struct Step {
        std::string word;
        int score;
        std::string expected; // the list after the step
    };
    const Step steps[] = {
        {"a", 50, "a"},
        {"b", 60, "b a"},
        {"c", 50, "b a c"},   // equal scores keep the order found
        {"d", 10, "b a c"},   // full, and nothing lower: not appended
        {"e", 55, "b e a"},   // inserted, the last one dropped
        {"f", 70, "f b e"},
    };
    TSuggestList list(3);
    for (const Step& step : steps) {
        list.add(step.word, step.score);
        std::string text;
        for (const TSuggestion& entry : list.entries())
            text += (text.empty() ? "" : " ") + entry.word;
        EXPECT_EQ(text, step.expected) << "after " << step.word;
    }
}

class Suggest : public SpellTest {};

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text;
}

TEST_F(Suggest, ClassicOrderAndCasePattern)
{
    // For "bta" (code B300) the walk meets bait 57, bat 66, be 40, bet 66, bit 66, butt 57;
    // "b" is a one-letter word and never offered.
    const std::string file = buildDictionary({"b", "bat", "bet", "bit", "bait", "butt", "be", "cat"});
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    engine->setRanking(SuggestionRanking::Classic);
    struct Case {
        std::string word;
        int maximum;
        std::string expected;
    };
    const Case cases[] = {
        {"bta", 10, "bat, bet, bit, bait, butt, be"},
        {"bta", 3, "bat, bet, bit"},
        {"Bta", 2, "Bat, Bet"},
        {"BTA", 2, "BAT, BET"},
        {"bTa", 1, "BAT"},            // the second letter decides: upper-case
        {"B", 10, "BE"},              // range 0-3, code B000: only "be" keeps the code
        {"xta", 10, ""},              // no top-level x
        {"", 10, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(joined(engine->suggest(c.word, c.maximum)), c.expected) << c.word << " " << c.maximum;
}

TEST(CasePattern, LettersDecideNotPunctuation)
{
    struct Case {
        std::u32string pattern;
        std::string word;
        std::string expected;
    };
    const Case cases[] = {
        {U"o'clokc", "o'clock", "o'clock"},
        {U"O'clokc", "o'clock", "O'clock"},
        {U"O'CLOKC", "o'clock", "O'CLOCK"},
        {U"'tis", "'tis", "'tis"},
        {U"x", "ex", "ex"},
        {U"X", "ex", "EX"},
        {U"''", "it's", "it's"},     // no letters: left as found
        {U"CAF\u00C9", "café", "CAFÉ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(applyCasePattern(c.word, c.pattern), c.expected) << c.word;
}

TEST_F(Suggest, ClassicSplitsComeFirstAndTheListKeepsItsLength)
{
    // "thecat" (code T230): splits give "the cat"; the walk finds that, theta and thicket, all
    // within two letters; the list still holds no more than asked for.
    const std::string file = buildDictionary({"the", "cat", "that", "theta", "thicket", "then"});
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    engine->setRanking(SuggestionRanking::Classic);
    const auto suggestions = engine->suggest("thecat", 2);
    ASSERT_EQ(suggestions.size(), 2u);
    EXPECT_EQ(suggestions[0], "the cat");
    EXPECT_EQ(joined(engine->suggest("Thecat", 1)), "The cat");
    EXPECT_EQ(joined(engine->suggest("THECAT", 1)), "THE CAT");
}

TEST_F(Suggest, AccentsSurviveConversionAndUpperCasing)
{
    const std::string file = buildDictionary({"crème", "cream", "café", "cafe"});
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    const auto upper = engine->suggest("CREME", 10);
    EXPECT_NE(std::find(upper.begin(), upper.end(), "CRÈME"), upper.end()) << joined(upper);
    const auto lower = engine->suggest("crme", 10);
    EXPECT_NE(std::find(lower.begin(), lower.end(), "crème"), lower.end()) << joined(lower);
    EXPECT_TRUE(engine->isKnownWord("Café"));
    EXPECT_TRUE(engine->isKnownWord("CAFÉ"));
}

TEST_F(Suggest, CompleteWalksDepthFirstWithThePrefixCase)
{
    const std::string file = buildDictionary({"car", "card", "cards", "care", "cat", "dog"});
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    struct Case {
        std::string prefix;
        int maximum;
        std::string expected;
    };
    const Case cases[] = {
        {"ca", 10, "car, card, cards, care, cat"},
        {"car", 10, "card, cards, care"}, // the prefix itself is not offered
        {"ca", 2, "car, card"},
        {"Ca", 1, "Car"},
        {"CA", 1, "CAR"},
        {"x", 10, ""},
        {"cats", 10, ""},
        {"dog", 10, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(joined(engine->complete(c.prefix, c.maximum)), c.expected) << c.prefix;
}

TEST_F(Suggest, KnownWordRules)
{
    const std::string file = buildDictionary({"dog", "s"});
    auto engine = TDictionary::create();
    ASSERT_TRUE(engine->openDictionary(file));
    struct Case {
        std::string word;
        bool known;
    };
    const Case cases[] = {
        {"dog", true}, {"DOG", true}, {"Dog's", true}, {"DOG'S", true}, {"dogs", false},
        {"'s", false}, // nothing is left after the suffix
        {"", false},  {"s", true},    {"do", false},   {"dog\xFF", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine->isKnownWord(c.word), c.known) << c.word;
}

} // namespace
} // namespace tessera::spell::test

namespace tessera::spell::test {
namespace {

class ClosestWords : public Suggest {
protected:
    // The dictionary, and a common-word file beside it holding `common`.
    std::unique_ptr<TDictionary> open(const std::vector<std::string>& words, const std::vector<std::string>& common)
    {
        const std::string file = buildDictionary(words, "WORDS.DCT");
        buildDictionary(common, "words.frq");
        auto engine = TDictionary::create();
        EXPECT_TRUE(engine->openDictionary(file));
        return engine;
    }
};

TEST_F(ClosestWords, TheLikeliestSlipComesFirst)
{
    auto engine = open({"the", "tea", "ten", "eh", "t", "un", "till", "until", "don't", "dont's", "phone", "fine",
                        "bone", "separate", "desperate", "cat", "at", "receive", "relieve", "ah", "b"},
                       {"the", "until", "don't", "phone", "separate", "receive"});
    ASSERT_EQ(engine->commonWordFiles().size(), 1u);
    struct Case {
        std::string word;
        std::string first;
        std::string notAhead; // a suggestion that must come later, if at all
    };
    const Case cases[] = {
        {"Teh", "The", "T eh"},            // no one-letter part
        {"untill", "until", "un till"},    // a closer single word before a split
        {"dont", "don't", ""},             // the left-out apostrophe
        {"fone", "phone", ""},             // another first letter, same sound
        {"seperate", "separate", "desperate"},
        {"recieve", "receive", "relieve"},
        {"CATAH", "CAT AH", ""},           // a split of two-letter parts is offered, in the word's case
    };
    for (const Case& c : cases) {
        const auto suggestions = engine->suggest(c.word, 10);
        ASSERT_FALSE(suggestions.empty()) << c.word;
        EXPECT_EQ(suggestions.front(), c.first) << c.word << ": " << joined(suggestions);
        const auto later = std::find(suggestions.begin(), suggestions.end(), c.notAhead);
        EXPECT_TRUE(c.notAhead.empty() || later != suggestions.begin()) << joined(suggestions);
    }
}

TEST_F(ClosestWords, CommonWordsWinTiesAndTheListKeepsItsLength)
{
    // "bta": bat, bet, bit and but each one slip away; the common ones come first.
    auto engine = open({"bat", "bet", "bit", "but", "bot", "btu"}, {"but", "bit"});
    const auto three = engine->suggest("bxt", 3);
    EXPECT_EQ(three.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(three.begin(), three.begin() + 2), (std::vector<std::string>{"bit", "but"}))
        << joined(three);
    EXPECT_EQ(engine->suggest("bxt", 1).size(), 1u);
}

TEST_F(ClosestWords, ClassicRankingIsKeptSelectable)
{
    auto engine = open({"b", "bat", "bet", "bit", "bait", "butt", "be", "cat"}, {});
    engine->setRanking(SuggestionRanking::Classic);
    EXPECT_EQ(joined(engine->suggest("bta", 10)), "bat, bet, bit, bait, butt, be");
    engine->setRanking(SuggestionRanking::Closest);
    EXPECT_EQ(engine->suggest("bta", 10).front(), "bat");
}

TEST(TypedWord, CheapSlipsCostLess)
{
    struct Case {
        std::string typed;
        std::string cheaper;
        std::string dearer;
    };
    const Case cases[] = {
        {"teh", "the", "ten"},          // swap against a neighbouring key two letters on
        {"untill", "until", "untie"},   // a doubled letter
        {"hapy", "happy", "harpy"},     // one of a double left out
        {"dont", "don't", "done"},      // the apostrophe
        {"tge", "the", "tie"},          // g is next to h
        {"xat", "cat", "xi"},
    };
    for (const Case& c : cases)
        EXPECT_LT(TypedWord(c.typed).costTo(c.cheaper), TypedWord(c.typed).costTo(c.dearer)) << c.typed;
    EXPECT_EQ(TypedWord("word").costTo("word"), 0);
    EXPECT_EQ(TypedWord("fone").costTo("phone"), TypedWord("fone").costTo("fane"));
    EXPECT_EQ(soundKey("fonetic"), soundKey("phonetic"));
    EXPECT_EQ(soundKey("attendance"), soundKey("attendence"));
    EXPECT_NE(soundKey("cat"), soundKey("cot") + "t");
}

TEST_F(ClosestWords, NearWordsReachEveryFirstLetterWithinTwoEdits)
{
    // "a", "abcdefg" and "zzzz" are three or more edits away.
    const std::string file = buildDictionary({"abcd", "xbcd", "bcd", "abdc", "ab", "abcdef", "zzzz", "a", "abcdefg"});
    TDCTFile dct;
    ASSERT_TRUE(dct.open(file));
    std::string found;
    for (const NearWord& near : nearWords(dct, "abcd", 2))
        found += near.word + ":" + std::to_string(near.edits) + " ";
    EXPECT_EQ(found, "ab:2 abcdef:2 abdc:1 bcd:1 xbcd:1 ");
    EXPECT_TRUE(nearWords(dct, "", 2).empty());
}

} // namespace
} // namespace tessera::spell::test
