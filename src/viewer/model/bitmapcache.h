#pragma once

#include "viewer/model/image.h"

#include <map>
#include <memory>
#include <string>

namespace tessera::viewer {

struct TBitmapItem {
    std::shared_ptr<const Bitmap> image; // null: the picture could not be loaded
    int accessCount = 0;
};

// Pictures shared between documents, keyed by the trimmed, upper-cased SRC. Every document
// load ages all entries; an entry not used for more loads than the cache size is freed.
class TStringBitmapList {
public:
    static constexpr int kMaxCacheSize = 20;
    static constexpr int kDefaultCacheSize = 5;

    static std::string keyFor(const std::string& src);

    // The cached picture for a key, resetting its age; nullptr when not cached.
    const TBitmapItem* GetImage(const std::string& key);
    void AddObject(const std::string& key, std::shared_ptr<const Bitmap> image);
    // Start of a document load: every entry ages by one, and entries older than the size go.
    void BumpAndCheck();
    // 0-20; values outside are clamped. Lowering it frees old entries at once.
    void SetCacheCount(int count);
    int cacheCount() const { return m_cacheCount; }
    int count() const { return static_cast<int>(m_items.size()); }
    void Clear() { m_items.clear(); }

private:
    void purge();

    std::map<std::string, TBitmapItem> m_items;
    int m_cacheCount = kDefaultCacheSize;
};

} // namespace tessera::viewer
