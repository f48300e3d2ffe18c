#pragma once

// One open dictionary file: read-only, random access to its nodes.

#include "spell/engine/dctformat.h"
#include "spell/engine/messages.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::spell {

class TDCTFile {
public:
    // How nodes are fetched. Both keep at most one block's worth of the file in our own memory:
    // the block cache holds exactly one 512-byte block; the map lets the system page blocks in.
    enum class Access { MemoryMap, BlockCache };
    // The map measured several times faster on lookups and suggestions (see bench_spell).
    static constexpr Access kDefaultAccess = Access::MemoryMap;

    // Longest sibling list a sound file can hold: one node per letter value.
    static constexpr int kMaxSiblings = 256;

    TDCTFile() = default;
    ~TDCTFile();
    TDCTFile(const TDCTFile&) = delete;
    TDCTFile& operator=(const TDCTFile&) = delete;

    bool open(const std::string& path, Access access = kDefaultAccess);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    const std::string& path() const { return m_path; }
    std::uint64_t length() const { return m_length; }
    std::uint32_t nodeCount() const { return m_nodeCount; }
    Access access() const { return m_map ? Access::MemoryMap : Access::BlockCache; }

    DictionaryError error() const { return m_error; }
    const std::string& errorString() const { return m_errorString; }
    // Set once a node link pointed outside the file or a sibling list had no end; answers stay
    // bounded and only cover the part of the graph that is sound.
    bool corruptionSeen() const { return m_corruptionSeen; }

    // Reads node n (1-based). False for 0 or a number past the end, which marks the file corrupt.
    // Mapped files are read right here: the suggestion walks read millions of nodes.
    bool node(std::uint32_t n, dct::Node& out)
    {
        if (m_map && n != 0 && n <= m_nodeCount) {
            const unsigned char* p = m_map + dct::nodeOffset(n);
            out = dct::unpackNode(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
                                  | (std::uint32_t(p[3]) << 24));
            return true;
        }
        return readNode(n, out);
    }

    // Scans the sibling list that starts at `first` for `letter`. Returns the node number, or 0.
    std::uint32_t findSibling(std::uint32_t first, unsigned char letter, dct::Node& found);

    // The word is lower-case, in code page 437.
    bool contains(std::string_view oemWord);

    // Walks the path of `oemPrefix` from the top-level list. Returns the node number of its last
    // letter, or 0 when the prefix leaves the graph.
    std::uint32_t findPath(std::string_view oemPrefix, dct::Node& last);

private:
    bool fail(DictionaryError error, std::string text);
    void markCorrupt();
    bool loadBlock(std::size_t block);
    bool readNode(std::uint32_t n, dct::Node& out);
    // False when a sibling list has no end or a child link points outside the file or back
    // into a list it descends from.
    bool graphIsSound();

    int m_fd = -1;
    std::uint64_t m_length = 0;
    std::array<unsigned char, dct::kHeaderSize> m_header{};
    std::string m_path;
    std::size_t m_cachedBlock = static_cast<std::size_t>(-1);
    std::array<unsigned char, dct::kBlockSize> m_block{};
    const unsigned char* m_map = nullptr;
    std::uint32_t m_nodeCount = 0;
    DictionaryError m_error = DictionaryError::None;
    std::string m_errorString;
    bool m_corruptionSeen = false;
};

} // namespace tessera::spell
