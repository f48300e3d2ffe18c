#include "viewer/model/indentmanager.h"

#include <algorithm>

namespace tessera::viewer {

void IndentManager::Clear()
{
    m_left.clear();
    m_right.clear();
    m_imageBottom = 0;
    m_leftClear = 0;
    m_rightClear = 0;
}

void IndentManager::dropAbove(int y)
{
    auto gone = [y](const IndentRec& record) { return record.bottomY < y; };
    auto keepStats = [this](const std::vector<IndentRec>& records, int& clear) {
        for (const IndentRec& record : records) {
            if (record.level == 0) {
                m_imageBottom = std::max(m_imageBottom, record.bottomY);
                clear = std::max(clear, record.bottomY + 1);
            }
        }
    };
    if (std::any_of(m_left.begin(), m_left.end(), gone)) {
        keepStats(m_left, m_leftClear);
        std::erase_if(m_left, gone);
    }
    if (std::any_of(m_right.begin(), m_right.end(), gone)) {
        keepStats(m_right, m_rightClear);
        std::erase_if(m_right, gone);
    }
}

void IndentManager::Reset(int leftEdge, int rightEdge)
{
    m_leftEdge = leftEdge;
    m_rightEdge = rightEdge;
    m_level = 0;
}

int IndentManager::LeftIndent(int y) const
{
    int x = 0;
    for (const IndentRec& record : m_left) {
        if (record.topY <= y && y <= record.bottomY)
            x = std::max(x, record.x);
    }
    return m_leftEdge + x;
}

int IndentManager::RightSide(int y) const
{
    int x = 0;
    for (const IndentRec& record : m_right) {
        if (record.topY <= y && y <= record.bottomY)
            x = std::min(x, record.x);
    }
    return m_rightEdge + x;
}

void IndentManager::SetLevel(int level, int y)
{
    if (level > m_level) {
        for (int l = m_level + 1; l <= level; ++l)
            m_left.push_back(IndentRec{LeftIndent(y) - m_leftEdge + kListIndent, y, kOpenBottom, l});
    } else if (level < m_level) {
        for (IndentRec& record : m_left) {
            if (record.level > level) {
                record.level = 0;
                record.bottomY = y - 1;
            }
        }
    }
    m_level = level;
}

int IndentManager::Update(int y, bool rightSide, int width, int height)
{
    if (!rightSide) {
        int offset = LeftIndent(y) - m_leftEdge;
        m_left.push_back(IndentRec{offset + width + kImageGap, y, y + height, 0});
        return m_leftEdge + offset;
    }
    int x = RightSide(y) - m_rightEdge - (width + kImageGap);
    m_right.push_back(IndentRec{x, y, y + height, 0});
    return x + m_rightEdge + kImageGap;
}

int IndentManager::ImageBottom() const
{
    int bottom = m_imageBottom;
    for (const IndentRec& record : m_left) {
        if (record.level == 0)
            bottom = std::max(bottom, record.bottomY);
    }
    for (const IndentRec& record : m_right) {
        if (record.level == 0)
            bottom = std::max(bottom, record.bottomY);
    }
    return bottom;
}

int IndentManager::GetClearY(bool left, bool right) const
{
    int y = 0;
    if (left)
        y = std::max(y, m_leftClear);
    if (right)
        y = std::max(y, m_rightClear);
    auto scan = [&y](const std::vector<IndentRec>& records) {
        for (const IndentRec& record : records) {
            if (record.level == 0)
                y = std::max(y, record.bottomY + 1);
        }
    };
    if (left)
        scan(m_left);
    if (right)
        scan(m_right);
    return y;
}

int IndentManager::GetLevelClear() const
{
    // Records lying further in than the current level's own record: those opened after it.
    int levelX = 0;
    for (const IndentRec& record : m_left) {
        if (record.level == m_level && m_level > 0)
            levelX = record.x;
    }
    int y = 0;
    for (const IndentRec& record : m_left) {
        if (record.x > levelX && record.bottomY != kOpenBottom)
            y = std::max(y, record.bottomY + 1);
    }
    return y;
}

} // namespace tessera::viewer
