#include "spell/engine/similarity.h"

namespace tessera::spell {

namespace {

struct Run {
    int start1 = 0;
    int start2 = 0;
    int length = 0;
};

// The longest run of equal characters between s1[a1..e1] and s2[a2..e2], ends inclusive.
// After a new best of length K the scan limits shrink to e1 - K - 1 and e2 - K - 1 and i jumps
// K places at once; after any run j moves past it.
Run longestRun(std::string_view s1, int a1, int e1, std::string_view s2, int a2, int e2)
{
    Run best;
    int limit1 = e1;
    int limit2 = e2;
    int i = a1;
    while (i <= limit1) {
        int j = a2;
        // i can step past the end of its range inside this loop; nothing there is compared.
        while (j <= limit2 && i <= e1) {
            if (s1[i] == s2[j]) {
                int k = 1;
                while (i + k <= e1 && j + k <= e2 && s1[i + k] == s2[j + k])
                    ++k;
                if (k > best.length) {
                    best = Run{i, j, k};
                    limit1 = e1 - k - 1;
                    limit2 = e2 - k - 1;
                    i += k;
                }
                j += k;
            } else {
                ++j;
            }
        }
        ++i;
    }
    return best;
}

int matchedCharacters(std::string_view s1, int a1, int e1, std::string_view s2, int a2, int e2)
{
    if (a1 > e1 || a2 > e2)
        return 0;
    const Run run = longestRun(s1, a1, e1, s2, a2, e2);
    if (run.length < 1)
        return 0;
    return 2 * run.length + matchedCharacters(s1, a1, run.start1 - 1, s2, a2, run.start2 - 1)
        + matchedCharacters(s1, run.start1 + run.length, e1, s2, run.start2 + run.length, e2);
}

} // namespace

int similarityScore(std::string_view s1, std::string_view s2)
{
    const int total = static_cast<int>(s1.size() + s2.size());
    if (total == 0)
        return 0;
    const int matched = matchedCharacters(s1, 0, static_cast<int>(s1.size()) - 1, s2, 0, static_cast<int>(s2.size()) - 1);
    return matched * 100 / total;
}

} // namespace tessera::spell
