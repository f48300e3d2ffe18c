#include "spell/engine/dctbuilder.h"

#include "spell/engine/codepage.h"
#include "spell/engine/dctformat.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tessera::spell {

namespace {

struct TrieNode {
    std::vector<std::pair<unsigned char, std::uint32_t>> children; // letter, trie index; sorted
    bool wordEnd = false;
};

// One sibling entry of an interned list: letter, word end, child list id (0 = none).
using ListKey = std::vector<std::uint64_t>;

class GraphBuilder {
public:
    std::vector<std::uint32_t> build(std::vector<std::string> words)
    {
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
        m_trie.assign(1, TrieNode{});
        for (const std::string& word : words)
            insert(word);

        m_lists.assign(1, ListKey{}); // id 0: no list
        const std::uint32_t top = intern(0);
        m_start.assign(m_lists.size(), 0);
        if (top == 0) {
            // An empty dictionary still has node 1: a lone list end that ends no word.
            return {dct::packNode(dct::Node{0, false, true, 0})};
        }
        place(top);
        std::vector<std::uint32_t> nodes(m_nextNode - 1);
        for (std::uint32_t id = 1; id < m_lists.size(); ++id) {
            const ListKey& list = m_lists[id];
            for (std::size_t k = 0; k < list.size(); ++k) {
                const std::uint64_t entry = list[k];
                const auto child = static_cast<std::uint32_t>(entry >> 9);
                dct::Node node{child ? m_start[child] : 0, (entry & 0x100) != 0, k + 1 == list.size(),
                               static_cast<unsigned char>(entry & 0xFF)};
                nodes[m_start[id] - 1 + k] = dct::packNode(node);
            }
        }
        return nodes;
    }

private:
    void insert(const std::string& word)
    {
        std::uint32_t at = 0;
        for (char c : word) {
            const auto letter = static_cast<unsigned char>(c);
            auto& children = m_trie[at].children;
            auto it = std::lower_bound(children.begin(), children.end(), letter,
                                       [](const auto& child, unsigned char l) { return child.first < l; });
            if (it != children.end() && it->first == letter) {
                at = it->second;
            } else {
                const auto index = static_cast<std::uint32_t>(m_trie.size());
                children.insert(it, {letter, index});
                m_trie.emplace_back();
                at = index;
            }
        }
        m_trie[at].wordEnd = true;
    }

    // The list id of a trie node's children (0 when it has none).
    std::uint32_t intern(std::uint32_t at)
    {
        if (m_trie[at].children.empty())
            return 0;
        ListKey key;
        for (const auto& [letter, child] : m_trie[at].children) {
            const std::uint32_t childList = intern(child);
            key.push_back(std::uint64_t(letter) | (m_trie[child].wordEnd ? 0x100 : 0) | (std::uint64_t(childList) << 9));
        }
        auto [it, added] = m_ids.try_emplace(key, static_cast<std::uint32_t>(m_lists.size()));
        if (added)
            m_lists.push_back(key);
        return it->second;
    }

    // Lists go out depth first, so a word's letters tend to share blocks.
    void place(std::uint32_t id)
    {
        if (m_start[id] != 0)
            return;
        m_start[id] = m_nextNode;
        m_nextNode += static_cast<std::uint32_t>(m_lists[id].size());
        if (m_nextNode - 1 > dct::kMaxNode)
            throw std::length_error("the word list needs more nodes than a dictionary file can number");
        for (const std::uint64_t entry : m_lists[id]) {
            const auto child = static_cast<std::uint32_t>(entry >> 9);
            if (child)
                place(child);
        }
    }

    std::vector<TrieNode> m_trie;
    std::vector<ListKey> m_lists;
    std::map<ListKey, std::uint32_t> m_ids;
    std::vector<std::uint32_t> m_start;
    std::uint32_t m_nextNode = 1;
};

} // namespace

std::vector<std::uint32_t> buildDictionaryNodes(std::vector<std::string> oemWords)
{
    oemWords.erase(std::remove(oemWords.begin(), oemWords.end(), std::string()), oemWords.end());
    return GraphBuilder().build(std::move(oemWords));
}

std::string dictionaryFileImage(const std::vector<std::uint32_t>& nodes)
{
    std::string image(dct::kHeaderSize, '\0');
    // The header reads as a length-prefixed text: the signature and zeros.
    image[0] = static_cast<char>(dct::kHeaderSize - 1);
    const auto signature = dct::signature();
    std::copy(signature.begin(), signature.end(), image.begin() + dct::kSignatureOffset);
    const std::size_t blocks = std::max<std::size_t>(1, (nodes.size() + dct::kNodesPerBlock - 1) / dct::kNodesPerBlock);
    image.resize(dct::kHeaderSize + blocks * dct::kBlockSize, '\0');
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        char* p = image.data() + dct::kHeaderSize + i * 4;
        for (int b = 0; b < 4; ++b)
            p[b] = static_cast<char>((nodes[i] >> (8 * b)) & 0xFF);
    }
    return image;
}

bool buildDictionaryFile(const std::vector<std::string>& utf8Words, const std::string& outputPath,
                         const DictionaryBuildOptions& options, DictionaryBuildReport& report, std::string& error)
{
    report = DictionaryBuildReport{};
    std::vector<std::string> oemWords;
    oemWords.reserve(utf8Words.size());
    for (const std::string& line : utf8Words) {
        std::string_view text(line);
        while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        if (text.empty())
            continue;
        std::u32string decoded;
        bool usable = decodeUtf8(text, decoded);
        for (char32_t c : decoded)
            usable = usable && c >= 0x20;
        std::string oem;
        if (!usable || !utf8ToOem(encodeUtf8(lowerCase(decoded)), oem)) {
            ++report.notInCodePage;
            continue;
        }
        if (oem.size() > dct::kMaxWordLength) {
            ++report.tooLong;
            continue;
        }
        if (options.skipPossessives && oem.size() > 2 && oem.compare(oem.size() - 2, 2, "'s") == 0) {
            ++report.possessives;
            continue;
        }
        oemWords.push_back(std::move(oem));
    }
    std::sort(oemWords.begin(), oemWords.end());
    oemWords.erase(std::unique(oemWords.begin(), oemWords.end()), oemWords.end());
    report.words = oemWords.size();

    std::vector<std::uint32_t> nodes;
    try {
        nodes = buildDictionaryNodes(std::move(oemWords));
    } catch (const std::length_error& e) {
        error = e.what();
        return false;
    }
    report.nodes = nodes.size();
    const std::string image = dictionaryFileImage(nodes);

    std::string temporary = outputPath + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = "Cannot write " + outputPath + ": " + std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < image.size()) {
        const ssize_t written = ::write(fd, image.data() + done, image.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        if (ok)
            done += static_cast<std::size_t>(written);
    }
    int savedErrno = errno;
    ok = ok && ::fchmod(fd, 0644) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), outputPath.c_str()) != 0) {
        savedErrno = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        error = "Cannot write " + outputPath + ": " + std::strerror(savedErrno);
        return false;
    }
    return true;
}

} // namespace tessera::spell
