#include "viewer/model/bitmapcache.h"

#include <algorithm>
#include <cctype>

namespace tessera::viewer {

std::string TStringBitmapList::keyFor(const std::string& src)
{
    std::size_t begin = 0;
    std::size_t end = src.size();
    while (begin < end && static_cast<unsigned char>(src[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(src[end - 1]) <= ' ')
        --end;
    std::string key = src.substr(begin, end - begin);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

const TBitmapItem* TStringBitmapList::GetImage(const std::string& key)
{
    auto found = m_items.find(key);
    if (found == m_items.end())
        return nullptr;
    found->second.accessCount = 0;
    return &found->second;
}

void TStringBitmapList::AddObject(const std::string& key, std::shared_ptr<const Bitmap> image)
{
    m_items[key] = TBitmapItem{std::move(image), 0};
}

void TStringBitmapList::BumpAndCheck()
{
    for (auto& entry : m_items)
        ++entry.second.accessCount;
    purge();
}

void TStringBitmapList::SetCacheCount(int count)
{
    m_cacheCount = std::clamp(count, 0, kMaxCacheSize);
    purge();
}

void TStringBitmapList::purge()
{
    std::erase_if(m_items, [this](const auto& entry) { return entry.second.accessCount > m_cacheCount; });
}

} // namespace tessera::viewer
