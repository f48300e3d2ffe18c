#include "viewer/model/arena.h"

#include <memory>
#include <mutex>
#include <new>

namespace tessera::viewer {

namespace {

// Blocks of DocumentArena::kBlockSize that no document uses now.
class BlockPool {
public:
    std::byte* take()
    {
        std::lock_guard lock(m_mutex);
        if (m_free.empty())
            return nullptr;
        std::byte* block = m_free.back();
        m_free.pop_back();
        return block;
    }

    // Keeps the blocks it has room for and frees the rest.
    void give(const std::vector<std::byte*>& blocks)
    {
        std::lock_guard lock(m_mutex);
        for (std::byte* block : blocks) {
            if (m_free.size() < DocumentArena::kPooledBlocks)
                m_free.push_back(block);
            else
                ::operator delete(block);
        }
    }

    void freeAll()
    {
        std::lock_guard lock(m_mutex);
        for (std::byte* block : m_free)
            ::operator delete(block);
        m_free.clear();
    }

private:
    std::mutex m_mutex;
    std::vector<std::byte*> m_free;
};

BlockPool& blockPool()
{
    // Never destroyed, so that documents released during program exit still have it.
    static BlockPool* pool = new BlockPool;
    return *pool;
}

} // namespace

void* DocumentArena::allocateInNewBlock(std::size_t bytes, std::size_t alignment)
{
    // A request larger than a block gets a block of its own; the current block stays in use.
    if (bytes + alignment > kBlockSize) {
        // The slot first, so that a failure leaves no block behind unrecorded.
        m_largeBlocks.push_back(nullptr);
        m_largeBlocks.back() = static_cast<std::byte*>(::operator new(bytes + alignment));
        void* place = m_largeBlocks.back();
        std::size_t left = bytes + alignment;
        return std::align(alignment, bytes, place, left);
    }
    m_blocks.push_back(nullptr);
    std::byte* block = blockPool().take();
    m_blocks.back() = block ? block : static_cast<std::byte*>(::operator new(kBlockSize));
    void* place = m_blocks.back();
    std::size_t left = kBlockSize;
    std::align(alignment, bytes, place, left);
    m_next = static_cast<std::byte*>(place) + bytes;
    m_left = left - bytes;
    return place;
}

void DocumentArena::release()
{
    while (!m_owned.empty()) {
        Owned last = m_owned.back();
        m_owned.pop_back();
        last.destroy(last.object);
    }
    blockPool().give(m_blocks);
    for (std::byte* block : m_largeBlocks)
        ::operator delete(block);
    m_blocks.clear();
    m_largeBlocks.clear();
    m_next = nullptr;
    m_left = 0;
}

void DocumentArena::freePooledBlocks()
{
    blockPool().freeAll();
}

} // namespace tessera::viewer
