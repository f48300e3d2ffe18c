#include "viewer/model/arena.h"

#include <memory>
#include <new>

namespace tessera::viewer {

void* DocumentArena::allocateInNewBlock(std::size_t bytes, std::size_t alignment)
{
    // The slot first, so that a failure leaves no block behind unrecorded.
    m_blocks.push_back(nullptr);
    std::size_t size = bytes + alignment > kBlockSize ? bytes + alignment : kBlockSize;
    m_blocks.back() = static_cast<std::byte*>(::operator new(size));
    void* place = m_blocks.back();
    std::size_t left = size;
    std::align(alignment, bytes, place, left);
    // A request larger than a block gets a block of its own; the current block stays in use.
    if (size == kBlockSize) {
        m_next = static_cast<std::byte*>(place) + bytes;
        m_left = left - bytes;
    }
    return place;
}

void DocumentArena::release()
{
    for (std::byte* block : m_blocks)
        ::operator delete(block);
    m_blocks.clear();
    m_next = nullptr;
    m_left = 0;
}

} // namespace tessera::viewer
