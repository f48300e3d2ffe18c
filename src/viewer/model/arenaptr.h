#pragma once

#include "viewer/model/arena.h"

#include <memory>
#include <new>
#include <utility>

namespace tessera::viewer {

// Ownership of a model element that may live in its document's arena. An element from the
// arena is never destroyed: everything it holds lives in the same arena or was made with
// DocumentArena::makeOwned, so the arena takes it all back at once. Any other element (outside
// a document, or made by a test) came from new and is deleted.
struct ArenaDeleter {
    bool fromArena = false;

    template <typename T>
    void operator()(T* element) const
    {
        if (!fromArena)
            delete element;
    }
};

template <typename T>
using ArenaPtr = std::unique_ptr<T, ArenaDeleter>;

// Makes an element in `arena`, or with new when there is none.
template <typename T, typename... Args>
ArenaPtr<T> makeInArena(DocumentArena* arena, Args&&... args)
{
    if (!arena)
        return ArenaPtr<T>(new T(std::forward<Args>(args)...));
    // Should the constructor throw, its memory stays with the arena like every other piece.
    return ArenaPtr<T>(new (arena->take(sizeof(T), alignof(T))) T(std::forward<Args>(args)...), ArenaDeleter{true});
}

} // namespace tessera::viewer
