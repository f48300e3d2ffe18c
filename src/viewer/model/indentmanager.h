#pragma once

#include <vector>

namespace tessera::viewer {

class TImageObj;

// A band of a cell in which a list level or a floating image pushes text in. X is an offset
// from the cell's edge: positive for left records, negative for right records.
struct IndentRec {
    int x = 0;
    int topY = 0;
    int bottomY = 0;
    int level = 0; // list level that opened it; 0 for a floating image
};

// The left and right indents in force at each height of one cell.
class IndentManager {
public:
    static constexpr int kListIndent = 35;
    static constexpr int kImageGap = 5;
    static constexpr int kOpenBottom = 9999999;

    void Clear();
    void Reset(int leftEdge, int rightEdge);
    int LeftIndent(int y) const;
    int RightSide(int y) const;
    void SetLevel(int level, int y);
    // Registers a floating image of the given size at `y`. Returns the X where it is drawn.
    int Update(int y, bool rightSide, int width, int height);
    int ImageBottom() const;
    // Returns the Y below the floating images on the left and right (0 when none).
    int GetClearY(bool left, bool right) const;
    int GetLevelClear() const;
    // Forgets records that end above `y`. Layout asks at ever lower positions, so such records
    // can no longer change an indent; dropping them keeps long documents linear. The image
    // bottoms and clearing positions they gave are kept.
    void dropAbove(int y);

    int leftEdge() const { return m_leftEdge; }
    int rightEdge() const { return m_rightEdge; }
    int level() const { return m_level; }
    const std::vector<IndentRec>& leftRecords() const { return m_left; }
    const std::vector<IndentRec>& rightRecords() const { return m_right; }

private:
    int m_leftEdge = 0;
    int m_rightEdge = 0;
    int m_level = 0;
    std::vector<IndentRec> m_left;
    std::vector<IndentRec> m_right;
    int m_imageBottom = 0;
    int m_leftClear = 0;
    int m_rightClear = 0;
};

} // namespace tessera::viewer
