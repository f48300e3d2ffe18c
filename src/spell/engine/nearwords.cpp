#include "spell/engine/nearwords.h"

#include "spell/engine/dctfile.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tessera::spell {

namespace {

constexpr std::size_t kMaxRow = dct::kMaxWordLength + 1;
using Row = std::array<unsigned char, kMaxRow>;

// One row of the edit-distance table per candidate letter; only the band of cells within
// `maximumEdits` of the diagonal is worked out, the rest hold `tooFar`.
struct NearWalk {
    TDCTFile& file;
    std::string_view target;
    int maximumEdits;
    unsigned char tooFar;
    std::vector<Row> rows;
    std::string candidate;
    std::vector<NearWord> found;
    std::int64_t budget;

    void walk(std::uint32_t first)
    {
        const std::size_t depth = candidate.size() + 1; // the row this list's letters fill
        const std::size_t m = target.size();
        std::uint32_t n = first;
        for (int count = 0; count < TDCTFile::kMaxSiblings; ++count, ++n) {
            dct::Node node;
            if (--budget < 0 || !file.node(n, node))
                return;
            const unsigned char letter = node.letter;
            const Row& previous = rows[depth - 1];
            Row& row = rows[depth];
            const std::size_t low = depth > std::size_t(maximumEdits) ? depth - std::size_t(maximumEdits) : 0;
            const std::size_t high = std::min(m, depth + std::size_t(maximumEdits));
            unsigned char best = tooFar;
            // The next rows read one cell either side of this row's band.
            if (low > 0)
                row[low - 1] = tooFar;
            if (high < m)
                row[high + 1] = tooFar;
            for (std::size_t j = low; j <= high; ++j) {
                int value = j == 0 ? int(depth) : int(previous[j - 1]) + (target[j - 1] == letter ? 0 : 1);
                value = std::min(value, int(previous[j]) + 1);
                if (j > low)
                    value = std::min(value, int(row[j - 1]) + 1);
                if (depth > 1 && j > 1 && letter == static_cast<unsigned char>(target[j - 2])
                    && static_cast<unsigned char>(candidate.back()) == static_cast<unsigned char>(target[j - 1]))
                    value = std::min(value, int(rows[depth - 2][j - 2]) + 1);
                row[j] = static_cast<unsigned char>(std::min(value, int(tooFar)));
                best = std::min(best, row[j]);
            }
            if (best < tooFar) {
                candidate.push_back(static_cast<char>(letter));
                // Beyond the band the word is too far away; the row holds nothing there.
                if (node.wordEnd && m <= high && m >= low && row[m] < tooFar && candidate != target)
                    found.push_back(NearWord{candidate, row[m]});
                if (node.child != 0 && depth < std::min(m + std::size_t(maximumEdits), dct::kMaxWordLength))
                    walk(node.child);
                candidate.pop_back();
            }
            if (node.lastSibling)
                return;
        }
    }
};

} // namespace

std::vector<NearWord> nearWords(TDCTFile& file, std::string_view oemWord, int maximumEdits)
{
    if (oemWord.empty() || oemWord.size() > dct::kMaxWordLength || !file.isOpen() || maximumEdits < 1)
        return {};
    const auto tooFar = static_cast<unsigned char>(maximumEdits + 1);
    NearWalk walk{file, oemWord, maximumEdits, tooFar, std::vector<Row>(kMaxRow + 1), {}, {},
                  std::int64_t(file.nodeCount()) * 16 + 1024};
    for (std::size_t j = 0; j < kMaxRow; ++j)
        walk.rows[0][j] = static_cast<unsigned char>(std::min<std::size_t>(j, tooFar));
    walk.walk(1);
    return std::move(walk.found);
}

} // namespace tessera::spell
