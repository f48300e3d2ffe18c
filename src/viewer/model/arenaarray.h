#pragma once

#include "viewer/model/arena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <span>
#include <stdexcept>
#include <type_traits>

namespace tessera::viewer {

// A growable array of plain values in a document's arena, or on the heap for elements outside
// any document (arena null). A section holds several, so each is two words wide where a
// std::pmr::vector takes four: the owner keeps the arena once and names it for every change.
// Growing leaves the old values in the arena, which drops them with the document.
template <typename T>
class ArenaArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    ArenaArray() = default;
    ArenaArray(const ArenaArray&) = delete;
    ArenaArray& operator=(const ArenaArray&) = delete;

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](std::size_t index) { return m_data[index]; }
    const T& operator[](std::size_t index) const { return m_data[index]; }
    T& back() { return m_data[m_size - 1]; }
    const T& back() const { return m_data[m_size - 1]; }
    std::span<T> items() { return {m_data, m_size}; }
    std::span<const T> items() const { return {m_data, m_size}; }

    void push_back(DocumentArena* arena, const T& value)
    {
        T copy = value; // it may be one of ours, which growing moves
        if (m_size == m_capacity)
            grow(arena, 1);
        m_data[m_size++] = copy;
    }
    // `values` must not lie in this array.
    void append(DocumentArena* arena, const T* values, std::size_t count)
    {
        if (count == 0)
            return;
        if (count > m_capacity - m_size)
            grow(arena, count);
        std::memcpy(m_data + m_size, values, count * sizeof(T));
        m_size += static_cast<std::uint32_t>(count);
    }
    // Empties it and keeps the memory for what comes next.
    void clear() { m_size = 0; }
    // Gives the memory back (to the heap; an arena keeps it until the document goes).
    void release(DocumentArena* arena)
    {
        if (!arena)
            ::operator delete(m_data);
        m_data = nullptr;
        m_size = m_capacity = 0;
    }

private:
    void grow(DocumentArena* arena, std::size_t more)
    {
        constexpr std::size_t limit = std::numeric_limits<std::uint32_t>::max() / sizeof(T);
        if (more > limit - m_size)
            throw std::length_error("ArenaArray too long");
        std::size_t capacity = std::min(limit, std::max(std::size_t(m_capacity) * 2, m_size + more));
        void* memory = arena ? arena->take(capacity * sizeof(T), alignof(T)) : ::operator new(capacity * sizeof(T));
        T* data = static_cast<T*>(memory);
        if (m_size)
            std::memcpy(data, m_data, m_size * sizeof(T));
        if (!arena)
            ::operator delete(m_data);
        m_data = data;
        m_capacity = static_cast<std::uint32_t>(capacity);
    }

    T* m_data = nullptr;
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;
};

} // namespace tessera::viewer
