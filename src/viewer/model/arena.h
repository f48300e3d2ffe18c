#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <vector>

namespace tessera::viewer {

// Memory for the many small parts of one document, handed out from blocks of a fixed size and
// given back only all at once. Unlike std::pmr::monotonic_buffer_resource, whose blocks grow
// without bound, it wastes at most one block, and its blocks are small enough for the heap to
// reuse them for the next document instead of mapping fresh pages each time.
class DocumentArena : public std::pmr::memory_resource {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    DocumentArena() = default;
    DocumentArena(const DocumentArena&) = delete;
    DocumentArena& operator=(const DocumentArena&) = delete;
    ~DocumentArena() override { release(); }

    // Frees every block; whatever was allocated from them is gone.
    void release();

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override
    {
        // Alignments are powers of two; the padding brings the next free byte to one.
        std::size_t padding = (alignment - reinterpret_cast<std::uintptr_t>(m_next) % alignment) % alignment;
        if (m_next && padding + bytes <= m_left) {
            std::byte* place = m_next + padding;
            m_next = place + bytes;
            m_left -= padding + bytes;
            return place;
        }
        return allocateInNewBlock(bytes, alignment);
    }
    void* allocateInNewBlock(std::size_t bytes, std::size_t alignment);
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

    std::vector<std::byte*> m_blocks;
    std::byte* m_next = nullptr;
    std::size_t m_left = 0;
};

} // namespace tessera::viewer
