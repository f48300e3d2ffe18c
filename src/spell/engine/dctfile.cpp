#include "spell/engine/dctfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessera::spell {

namespace {

std::uint32_t readLittleEndian(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

bool readFully(int fd, unsigned char* buffer, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

} // namespace

TDCTFile::~TDCTFile()
{
    close();
}

bool TDCTFile::fail(DictionaryError error, std::string text)
{
    close();
    m_error = error;
    m_errorString = std::move(text);
    return false;
}

void TDCTFile::markCorrupt()
{
    if (!m_corruptionSeen) {
        m_corruptionSeen = true;
        m_error = DictionaryError::DictionaryCorrupt;
        m_errorString = std::string(kDictionaryCorrupt);
    }
}

bool TDCTFile::open(const std::string& path, Access access)
{
    close();
    m_error = DictionaryError::None;
    m_errorString.clear();
    m_corruptionSeen = false;
    m_path = path;

    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return fail(DictionaryError::DictionaryNotFound, std::string(kDictionaryNotFound) + path);
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return fail(DictionaryError::FileError, "Cannot open dictionary " + path + ": " + std::strerror(errno));
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        return fail(DictionaryError::FileError, "Cannot open dictionary " + path);
    m_length = static_cast<std::uint64_t>(info.st_size);

    // The header and at least one whole block must be there, and nothing but whole blocks after it.
    // A file cut short inside a block is reported as corrupt rather than read in part.
    if (m_length < dct::kHeaderSize + dct::kBlockSize || (m_length - dct::kHeaderSize) % dct::kBlockSize != 0
        || !readFully(m_fd, m_header.data(), m_header.size(), 0))
        return fail(DictionaryError::DictionaryCorrupt, std::string(kDictionaryCorrupt));
    const auto expected = dct::signature();
    if (std::memcmp(m_header.data() + dct::kSignatureOffset, expected.data(), dct::kSignatureSize) != 0)
        return fail(DictionaryError::DictionaryCorrupt, std::string(kDictionaryCorrupt));

    const std::uint64_t nodes = (m_length - dct::kHeaderSize) / 4;
    m_nodeCount = static_cast<std::uint32_t>(nodes > dct::kMaxNode ? dct::kMaxNode : nodes);

    if (access == Access::MemoryMap) {
        void* map = ::mmap(nullptr, m_length, PROT_READ, MAP_PRIVATE, m_fd, 0);
        if (map != MAP_FAILED) {
            m_map = static_cast<const unsigned char*>(map);
            ::madvise(map, m_length, MADV_RANDOM);
        }
        // Without a map the block cache serves.
    }
    if (!m_map && !loadBlock(0))
        return fail(DictionaryError::DictionaryCorrupt, std::string(kDictionaryCorrupt));
    if (!graphIsSound())
        return fail(DictionaryError::DictionaryCorrupt, std::string(kDictionaryCorrupt));
    return true;
}

bool TDCTFile::graphIsSound()
{
    // A child link that leads back to a list on the current path would make every lookup of
    // that path's letters succeed, however long the word: such a file is as corrupt as a
    // truncated one. Each list is walked once, depth first, without recursion.
    enum : unsigned char { Unseen, OnPath, Done };
    std::vector<unsigned char> state(std::size_t(m_nodeCount) + 1, Unseen);
    struct Frame {
        std::uint32_t first;
        std::uint32_t next;
        bool ended = false;
    };
    std::vector<Frame> path{{1, 1}};
    state[1] = OnPath;
    while (!path.empty()) {
        Frame& frame = path.back();
        if (frame.ended) {
            state[frame.first] = Done;
            path.pop_back();
            continue;
        }
        dct::Node node;
        if (frame.next - frame.first >= kMaxSiblings || !this->node(frame.next, node))
            return false;
        ++frame.next;
        frame.ended = node.lastSibling;
        if (node.child == 0 || (node.child <= m_nodeCount && state[node.child] == Done))
            continue;
        if (node.child > m_nodeCount || state[node.child] == OnPath)
            return false;
        state[node.child] = OnPath;
        path.push_back(Frame{node.child, node.child});
    }
    return true;
}

void TDCTFile::close()
{
    if (m_map) {
        ::munmap(const_cast<unsigned char*>(m_map), m_length);
        m_map = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_cachedBlock = static_cast<std::size_t>(-1);
    m_nodeCount = 0;
}

bool TDCTFile::loadBlock(std::size_t block)
{
    if (block == m_cachedBlock)
        return true;
    const off_t offset = static_cast<off_t>(dct::kHeaderSize + block * dct::kBlockSize);
    if (!readFully(m_fd, m_block.data(), m_block.size(), offset)) {
        m_cachedBlock = static_cast<std::size_t>(-1);
        return false;
    }
    m_cachedBlock = block;
    return true;
}

bool TDCTFile::readNode(std::uint32_t n, dct::Node& out)
{
    if (n == 0 || n > m_nodeCount) {
        markCorrupt();
        return false;
    }
    if (m_map) {
        out = dct::unpackNode(readLittleEndian(m_map + dct::nodeOffset(n)));
        return true;
    }
    if (!loadBlock(dct::nodeBlock(n))) {
        // The file shrank under us or cannot be read any more.
        markCorrupt();
        return false;
    }
    out = dct::unpackNode(readLittleEndian(m_block.data() + dct::nodeSlot(n) * 4));
    return true;
}

std::uint32_t TDCTFile::findSibling(std::uint32_t first, unsigned char letter, dct::Node& found)
{
    std::uint32_t n = first;
    if (m_map) {
        // The lookup's inner loop: read the mapped words directly.
        for (int count = 0; count < kMaxSiblings; ++count, ++n) {
            if (n == 0 || n > m_nodeCount) {
                markCorrupt();
                return 0;
            }
            const std::uint32_t word = readLittleEndian(m_map + dct::nodeOffset(n));
            if ((word >> 24) == letter) {
                found = dct::unpackNode(word);
                return n;
            }
            if (word & dct::kLastSiblingBit)
                return 0;
        }
        markCorrupt();
        return 0;
    }
    for (int count = 0; count < kMaxSiblings; ++count, ++n) {
        if (!node(n, found))
            return 0;
        if (found.letter == letter)
            return n;
        if (found.lastSibling)
            return 0;
    }
    markCorrupt();
    return 0;
}

std::uint32_t TDCTFile::findPath(std::string_view oemPrefix, dct::Node& last)
{
    std::uint32_t index = 1;
    std::uint32_t found = 0;
    for (std::size_t i = 0; i < oemPrefix.size(); ++i) {
        if (i > 0) {
            index = last.child;
            if (index == 0)
                return 0;
        }
        found = findSibling(index, static_cast<unsigned char>(oemPrefix[i]), last);
        if (found == 0)
            return 0;
    }
    return found;
}

bool TDCTFile::contains(std::string_view oemWord)
{
    if (oemWord.empty() || !isOpen())
        return false;
    dct::Node last;
    return findPath(oemWord, last) != 0 && last.wordEnd;
}

} // namespace tessera::spell
