#include "spell/engine/closestsuggestions.h"

#include "spell/engine/dctfile.h"
#include "spell/engine/nearwords.h"
#include "spell/engine/similarity.h"
#include "spell/engine/suggestlist.h"
#include "spell/engine/typingcost.h"

#include <algorithm>
#include <unordered_set>

namespace tessera::spell {

namespace {

// Two edits away from a short word lies half the dictionary: short words get one.
constexpr int kMaximumEdits = 2;
constexpr std::size_t kShortWord = 3;
// How many candidates each sound-code walk adds.
constexpr int kSoundCandidates = 20;
constexpr double kSameSound = 0.4;
constexpr double kLessCommon = 0.3;
// A split inserts one space; a single word as close as that still comes first.
constexpr double kSplit = 1.05;
constexpr std::size_t kShortestPart = 2;
// Entries past the list's length whose order among equals is still worked out.
constexpr std::size_t kTieMargin = 5;

// First letters that often stand for one another at the start of a word.
std::string_view alikeFirstLetters(char first)
{
    static constexpr std::string_view groups[] = {"aeiouy", "ckqs", "fp", "gj", "sz", "wr"};
    for (std::string_view group : groups) {
        if (group.find(first) != std::string_view::npos)
            return group;
    }
    return {};
}

struct Ranked {
    std::string word;
    double cost = 0;
    bool common = false;
    int similarity = 0;
};

class Ranking {
public:
    Ranking(const SuggestionSources& sources, std::string_view typed)
        : m_sources(sources), m_typed(typed), m_typedWord(typed), m_soundKey(soundKey(typed))
    {
    }

    void addWord(const std::string& word)
    {
        if (!m_seen.insert(word).second)
            return;
        const bool common = isCommon(word);
        double cost = m_typedWord.costTo(word);
        if (soundKey(word) == m_soundKey)
            cost -= kSameSound;
        if (!common)
            cost += kLessCommon;
        m_ranked.push_back(Ranked{word, cost, common});
    }

    void addSplit(std::string_view left, std::string_view right)
    {
        std::string word = std::string(left) + ' ' + std::string(right);
        if (!m_seen.insert(word).second)
            return;
        const bool common = isCommon(left) && isCommon(right);
        m_ranked.push_back(Ranked{std::move(word), kSplit + (common ? 0 : kLessCommon), common});
    }

    std::vector<std::string> best(int maximum)
    {
        // Among equally likely words the more common and then the more similar come first;
        // the similarity is worked out only near the top of the list, where it can matter.
        const auto byCost = [](const Ranked& a, const Ranked& b) {
            if (a.cost != b.cost)
                return a.cost < b.cost;
            if (a.common != b.common)
                return a.common;
            if (a.similarity != b.similarity)
                return a.similarity > b.similarity;
            return a.word < b.word;
        };
        const std::size_t top = std::min(m_ranked.size(), std::size_t(maximum) * 2 + kTieMargin);
        std::partial_sort(m_ranked.begin(), m_ranked.begin() + static_cast<std::ptrdiff_t>(top), m_ranked.end(), byCost);
        for (std::size_t i = 0; i < top; ++i)
            m_ranked[i].similarity = similarityScore(m_ranked[i].word, m_typed);
        std::sort(m_ranked.begin(), m_ranked.begin() + static_cast<std::ptrdiff_t>(top), byCost);
        std::vector<std::string> out;
        for (std::size_t i = 0; i < top && out.size() < static_cast<std::size_t>(maximum); ++i)
            out.push_back(m_ranked[i].word);
        return out;
    }

private:
    bool isCommon(std::string_view word) const
    {
        for (const auto& file : m_sources.commonWords) {
            if (file->contains(word))
                return true;
        }
        return false;
    }

    const SuggestionSources& m_sources;
    std::string_view m_typed;
    TypedWord m_typedWord;
    std::string m_soundKey;
    std::unordered_set<std::string> m_seen;
    std::vector<Ranked> m_ranked;
};

} // namespace

std::vector<std::string> closestSuggestions(const SuggestionSources& sources, std::string_view oemWord, int maximum)
{
    if (oemWord.empty() || maximum < 1)
        return {};
    Ranking ranking(sources, oemWord);
    for (const auto& file : sources.dictionaries) {
        const int edits = oemWord.size() <= kShortWord ? 1 : kMaximumEdits;
        for (const NearWord& near : nearWords(*file, oemWord, edits)) {
            if (near.word.size() > 1)
                ranking.addWord(near.word);
        }
        std::string starts(alikeFirstLetters(oemWord[0]));
        if (starts.empty())
            starts.push_back(oemWord[0]);
        for (char first : starts) {
            TSuggestList list(kSoundCandidates);
            buildSuggestions(*file, oemWord, list, static_cast<unsigned char>(first));
            for (const TSuggestion& entry : list.entries())
                ranking.addWord(entry.word);
        }
    }
    for (std::size_t i = kShortestPart; i + kShortestPart <= oemWord.size(); ++i) {
        const std::string_view left = oemWord.substr(0, i);
        const std::string_view right = oemWord.substr(i);
        if (sources.known(left) && sources.known(right))
            ranking.addSplit(left, right);
    }
    return ranking.best(maximum);
}

} // namespace tessera::spell
