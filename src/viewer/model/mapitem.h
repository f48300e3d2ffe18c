#pragma once

#include <string>
#include <vector>

namespace tessera::viewer {

class TAttributeList;

enum class AreaShape { Rect, Circle, Poly };

// One AREA of an image map: a region and the link it leads to (empty with NOHREF).
struct TMapArea {
    std::string href;
    AreaShape shape = AreaShape::Rect;
    std::vector<int> coords;

    bool contains(int x, int y) const;
};

class TMapItem {
public:
    static constexpr int kMaxCoords = 51;

    explicit TMapItem(std::string name) : m_name(std::move(name)) {}

    // Adds an area from AREA's attributes; one with too few coordinates is dropped.
    void AddArea(const TAttributeList& attributes);
    // The link of the first area containing the point; false when none does.
    bool GetURL(int x, int y, std::string& url) const;

    const std::string& name() const { return m_name; }
    const std::vector<TMapArea>& areas() const { return m_areas; }

private:
    std::string m_name;
    std::vector<TMapArea> m_areas;
};

} // namespace tessera::viewer
