#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <vector>

namespace tessera::viewer {

// Memory for the many small parts of one document, handed out from blocks of a fixed size and
// given back only all at once. Unlike std::pmr::monotonic_buffer_resource, whose blocks grow
// without bound, it wastes at most one block. Released blocks of the fixed size wait in a
// shared pool for the next document: the preview parses the page again after every edit, and
// taking blocks from the pool spares it the heap's work and faulting fresh pages in each time.
class DocumentArena final : public std::pmr::memory_resource {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    // What the pool keeps at most, in blocks; more goes back to the heap.
    static constexpr std::size_t kPooledBlocks = 512;

    DocumentArena() = default;
    DocumentArena(const DocumentArena&) = delete;
    DocumentArena& operator=(const DocumentArena&) = delete;
    ~DocumentArena() override { release(); }

    // The same as allocate(), without the call through the memory resource's table.
    void* take(std::size_t bytes, std::size_t alignment)
    {
        // Alignments are powers of two; the padding brings the next free byte to one.
        std::size_t padding = (0 - reinterpret_cast<std::uintptr_t>(m_next)) & (alignment - 1);
        if (m_next && padding + bytes <= m_left) {
            std::byte* place = m_next + padding;
            m_next = place + bytes;
            m_left -= padding + bytes;
            return place;
        }
        return allocateInNewBlock(bytes, alignment);
    }
    // Gives every block back; whatever was allocated from them is gone.
    void release();
    // Returns the pool's blocks to the heap.
    static void freePooledBlocks();

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override { return take(bytes, alignment); }
    void* allocateInNewBlock(std::size_t bytes, std::size_t alignment);
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

    std::vector<std::byte*> m_blocks;      // of kBlockSize
    std::vector<std::byte*> m_largeBlocks; // one request larger than a block each
    std::byte* m_next = nullptr;
    std::size_t m_left = 0;
};

} // namespace tessera::viewer
