#include "spell/engine/suggestlist.h"

#include "spell/engine/dctfile.h"
#include "spell/engine/similarity.h"
#include "spell/engine/soundcode.h"

#include <algorithm>

namespace tessera::spell {

namespace {

// A sound file's graph is a tree or a graph without cycles, whose walks visit each letter path
// once. A hostile file can link children back to their parents or fan out without end; the
// depth is bounded by the word length and this budget bounds the number of nodes read.
std::int64_t visitBudget(const TDCTFile& file)
{
    return std::int64_t(file.nodeCount()) * 16 + 1024;
}

struct SuggestWalk {
    TDCTFile& file;
    TSuggestList& list;
    std::string_view target;
    std::string targetCode;
    std::size_t minimumLength;
    std::size_t maximumLength;
    std::string candidate;
    std::int64_t budget;

    void walk(std::uint32_t first, const SoundCodeBuilder& code)
    {
        std::uint32_t n = first;
        for (int count = 0; count < TDCTFile::kMaxSiblings; ++count, ++n) {
            dct::Node node;
            if (--budget < 0 || !file.node(n, node))
                return;
            SoundCodeBuilder next = code;
            const bool grew = next.add(node.letter);
            if (!grew || next.back() == targetCode[next.size() - 1]) {
                candidate.push_back(static_cast<char>(node.letter));
                if (node.wordEnd && candidate.size() >= minimumLength && candidate.size() <= maximumLength)
                    list.add(candidate, similarityScore(candidate, target));
                // Nothing below the longest allowed candidate can be offered.
                if (node.child != 0 && candidate.size() < maximumLength)
                    walk(node.child, next);
                candidate.pop_back();
            }
            if (node.lastSibling)
                return;
        }
    }
};

struct CompleteWalk {
    TDCTFile& file;
    std::size_t maximum;
    std::string word;
    std::vector<std::string> results;
    std::int64_t budget;

    void walk(std::uint32_t first)
    {
        std::uint32_t n = first;
        for (int count = 0; count < TDCTFile::kMaxSiblings && results.size() < maximum; ++count, ++n) {
            dct::Node node;
            if (--budget < 0 || !file.node(n, node))
                return;
            word.push_back(static_cast<char>(node.letter));
            if (node.wordEnd)
                results.push_back(word);
            if (node.child != 0 && word.size() < dct::kMaxWordLength && results.size() < maximum)
                walk(node.child);
            word.pop_back();
            if (node.lastSibling)
                return;
        }
    }
};

} // namespace

void TSuggestList::add(std::string word, int score)
{
    if (m_maximum < 1)
        return;
    const auto value = static_cast<std::uint16_t>(score);
    if (m_entries.empty()) {
        m_entries.push_back(TSuggestion{std::move(word), value});
        return;
    }
    const auto lower = std::find_if(m_entries.begin(), m_entries.end(),
                                    [value](const TSuggestion& entry) { return entry.score < value; });
    if (lower != m_entries.end()) {
        m_entries.insert(lower, TSuggestion{std::move(word), value});
        if (m_entries.size() > static_cast<std::size_t>(m_maximum))
            m_entries.pop_back();
    } else if (m_entries.size() < static_cast<std::size_t>(m_maximum)) {
        m_entries.push_back(TSuggestion{std::move(word), value});
    }
}

void buildSuggestions(TDCTFile& file, std::string_view oemWord, TSuggestList& list)
{
    if (!oemWord.empty())
        buildSuggestions(file, oemWord, list, static_cast<unsigned char>(oemWord[0]));
}

void buildSuggestions(TDCTFile& file, std::string_view oemWord, TSuggestList& list, unsigned char firstLetter)
{
    if (oemWord.empty() || !file.isOpen())
        return;
    dct::Node top;
    if (file.findSibling(1, firstLetter, top) == 0 || top.child == 0)
        return;
    const std::size_t length = oemWord.size();
    SuggestWalk walk{file,
                     list,
                     oemWord,
                     soundCode(oemWord, SoundCodeKind::Full),
                     length > 2 ? length - 2 : 0,
                     std::min(length + 2, dct::kMaxWordLength),
                     std::string(1, static_cast<char>(firstLetter)),
                     visitBudget(file)};
    walk.walk(top.child, SoundCodeBuilder(firstLetter));
}

std::vector<std::string> completions(TDCTFile& file, std::string_view oemPrefix, int maximum)
{
    if (maximum < 1 || !file.isOpen() || oemPrefix.size() >= dct::kMaxWordLength)
        return {};
    CompleteWalk walk{file, static_cast<std::size_t>(maximum), std::string(oemPrefix), {}, visitBudget(file)};
    if (oemPrefix.empty()) {
        walk.walk(1);
    } else {
        dct::Node last;
        if (file.findPath(oemPrefix, last) == 0 || last.child == 0)
            return {};
        walk.walk(last.child);
    }
    return walk.results;
}

} // namespace tessera::spell
