#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <new>
#include <utility>
#include <vector>

namespace tessera::viewer {

// Memory for the many small parts of one document, handed out from blocks of a fixed size and
// given back only all at once. Unlike std::pmr::monotonic_buffer_resource, whose blocks grow
// without bound, it wastes at most one block. Released blocks of the fixed size wait in a
// shared pool for the next document: the preview parses the page again after every edit, and
// taking blocks from the pool spares it the heap's work and faulting fresh pages in each time.
//
// Objects made in it are never destroyed one by one: a page of hundreds of thousands of them
// would otherwise be walked once more just to be dropped. The few that hold memory of their own
// are made with makeOwned, and the arena destroys them when it is released.
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
    // Makes an object that holds memory outside the arena; its destructor runs at release().
    template <typename T, typename... Args>
    T* makeOwned(Args&&... args)
    {
        // Room first, so that recording the object cannot fail once it is made.
        if (m_owned.size() == m_owned.capacity())
            m_owned.reserve(2 * m_owned.size() + 8);
        T* object = new (take(sizeof(T), alignof(T))) T(std::forward<Args>(args)...);
        m_owned.push_back({object, [](void* owned) { static_cast<T*>(owned)->~T(); }});
        return object;
    }
    // Destroys the objects made with makeOwned, newest first, and gives every block back;
    // whatever was allocated from them is gone.
    void release();
    // Returns the pool's blocks to the heap.
    static void freePooledBlocks();

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override { return take(bytes, alignment); }
    void* allocateInNewBlock(std::size_t bytes, std::size_t alignment);
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

    struct Owned {
        void* object;
        void (*destroy)(void*);
    };

    std::vector<Owned> m_owned;
    std::vector<std::byte*> m_blocks;      // of kBlockSize
    std::vector<std::byte*> m_largeBlocks; // one request larger than a block each
    std::byte* m_next = nullptr;
    std::size_t m_left = 0;
};

} // namespace tessera::viewer
