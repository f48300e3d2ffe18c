#include "spell/engine/typingcost.h"

#include "spell/engine/dctformat.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace tessera::spell {

namespace {

// The weights were tuned on bench/spell's typing-error set and real misspellings.
constexpr double kCheapSlip = 0.5; // a vowel for a vowel, a sound-alike letter, a doubled letter
constexpr double kSwap = 0.45;
// A neighbouring key is a likely slip, but less telling than a vowel or a sound.
constexpr double kNeighbourKey = 0.65;
constexpr double kApostrophe = 0.3;
// A vowel typed too many or left out, as in "fourty" or "probly".
constexpr double kVowelInOrOut = 0.6;
// Few slips touch the first letter.
constexpr double kFirstLetterChanged = 0.4;

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

// Where each letter sits on a QWERTY keyboard: row, and column in half keys (each row sits half
// a key further right than the one above). Other characters have no place.
struct KeyPlaces {
    std::array<signed char, 256> row{};
    std::array<signed char, 256> column{};
    constexpr KeyPlaces()
    {
        constexpr std::string_view rows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
        for (auto& r : row)
            r = -1;
        for (int r = 0; r < 3; ++r) {
            for (std::size_t i = 0; i < rows[r].size(); ++i) {
                const auto c = static_cast<unsigned char>(rows[r][i]);
                row[c] = static_cast<signed char>(r);
                column[c] = static_cast<signed char>(int(i) * 2 + r);
            }
        }
    }
};

constexpr KeyPlaces kKeys;

bool neighbouringKeys(char a, char b)
{
    const auto ua = static_cast<unsigned char>(a);
    const auto ub = static_cast<unsigned char>(b);
    if (kKeys.row[ua] < 0 || kKeys.row[ub] < 0)
        return false;
    return std::abs(kKeys.row[ua] - kKeys.row[ub]) <= 1 && std::abs(kKeys.column[ua] - kKeys.column[ub]) <= 2;
}

bool soundAlike(char a, char b)
{
    static constexpr std::string_view pairs[] = {"cs", "ck", "sz", "gj", "iy", "fv", "mn", "dt"};
    for (std::string_view pair : pairs) {
        if ((pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a))
            return true;
    }
    return false;
}

// Spellings of one sound, either way round; each side at most two letters.
struct SoundSpelling {
    std::string_view one;
    std::string_view other;
};
constexpr SoundSpelling kSoundSpellings[] = {{"f", "ph"}, {"k", "ch"}, {"s", "sc"}, {"j", "dg"}, {"sh", "ti"},
                                             {"w", "wh"}, {"n", "kn"}, {"r", "wr"}, {"f", "gh"}};

bool endsWith(std::string_view text, std::size_t end, std::string_view part)
{
    if (end < part.size())
        return false;
    for (std::size_t k = 0; k < part.size(); ++k) {
        if (text[end - part.size() + k] != part[k])
            return false;
    }
    return true;
}

// What typing one letter for another costs, worked out once for every pair of bytes.
class SubstitutionCosts {
public:
    SubstitutionCosts()
    {
        for (int typed = 0; typed < 256; ++typed) {
            for (int meant = 0; meant < 256; ++meant) {
                const auto a = static_cast<char>(typed);
                const auto b = static_cast<char>(meant);
                double cost = 1;
                if (neighbouringKeys(a, b))
                    cost = kNeighbourKey;
                if ((isVowel(a) && isVowel(b)) || soundAlike(a, b))
                    cost = kCheapSlip;
                m_cost[std::size_t(typed) * 256 + std::size_t(meant)] = static_cast<float>(cost);
            }
        }
    }
    double operator()(char typed, char meant) const
    {
        if (typed == meant)
            return 0;
        return m_cost[std::size_t(static_cast<unsigned char>(typed)) * 256 + static_cast<unsigned char>(meant)];
    }

private:
    std::array<float, 256 * 256> m_cost{};
};

const SubstitutionCosts& substitutionCost()
{
    static const SubstitutionCosts costs;
    return costs;
}

// A letter typed that the word does not have: cheap when it doubles a neighbour.
double extraLetterCost(std::string_view typed, std::size_t i)
{
    const char c = typed[i];
    if ((i > 0 && typed[i - 1] == c) || (i + 1 < typed.size() && typed[i + 1] == c))
        return kCheapSlip;
    if (c == '\'')
        return kApostrophe;
    return isVowel(c) ? kVowelInOrOut : 1;
}

// A letter of the word left out: cheap for one of a double letter, an apostrophe or a vowel.
double missingLetterCost(std::string_view word, std::size_t j)
{
    const char c = word[j];
    if (c == '\'')
        return kApostrophe;
    if ((j > 0 && word[j - 1] == c) || (j + 1 < word.size() && word[j + 1] == c))
        return kCheapSlip;
    return isVowel(c) ? kVowelInOrOut : 1;
}

} // namespace

std::string soundKey(std::string_view word)
{
    std::string spelled;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        const char next = i + 1 < word.size() ? word[i + 1] : '\0';
        if (c == '\'')
            continue;
        if (c == 'p' && next == 'h') {
            spelled.push_back('f');
            ++i;
        } else if (c == 'c' && (next == 'e' || next == 'i' || next == 'y')) {
            spelled.push_back('s');
        } else if (c == 'c' || c == 'q') {
            spelled.push_back('k');
        } else if (c == 'z') {
            spelled.push_back('s');
        } else if (c == 'w' && next == 'h') {
            spelled.push_back('w');
            ++i;
        } else if (isVowel(c)) {
            spelled.push_back('a'); // every vowel sounds alike here: -ance and -ence meet
        } else {
            spelled.push_back(c);
        }
    }
    std::string key;
    for (char c : spelled) {
        if (key.empty() || key.back() != c)
            key.push_back(c);
    }
    return key;
}

TypedWord::TypedWord(std::string_view typed)
    : m_typed(typed.substr(0, dct::kMaxWordLength)), m_firstSound(soundKey(m_typed.substr(0, 2)).substr(0, 1))
{
    for (std::size_t i = 1; i <= m_typed.size(); ++i) {
        for (const SoundSpelling& spelling : kSoundSpellings) {
            if (endsWith(m_typed, i, spelling.one))
                m_soundsEndingAt.push_back(Alternative{i, spelling.one.size(), spelling.other});
            if (endsWith(m_typed, i, spelling.other))
                m_soundsEndingAt.push_back(Alternative{i, spelling.other.size(), spelling.one});
        }
    }
}

double TypedWord::costTo(std::string_view word) const
{
    word = word.substr(0, dct::kMaxWordLength);
    const std::string_view typed = m_typed;
    const std::size_t n = typed.size();
    const std::size_t m = word.size();
    // Three rolling rows of the table: this one, the one before, and the one before that for swaps.
    using Row = std::array<double, dct::kMaxWordLength + 1>;
    const SubstitutionCosts& substitution = substitutionCost();
    Row missing;
    for (std::size_t j = 1; j <= m; ++j)
        missing[j] = missingLetterCost(word, j - 1);
    std::array<Row, 3> rows;
    rows[0][0] = 0;
    for (std::size_t j = 1; j <= m; ++j)
        rows[0][j] = rows[0][j - 1] + missing[j];
    auto alternative = m_soundsEndingAt.begin();
    for (std::size_t i = 1; i <= n; ++i) {
        const Row& before = rows[(i + 1) % 3];
        const Row& previous = rows[(i - 1) % 3];
        Row& row = rows[i % 3];
        const double extra = extraLetterCost(typed, i - 1);
        const auto firstAlternative = alternative;
        while (alternative != m_soundsEndingAt.end() && alternative->end == i)
            ++alternative;
        row[0] = previous[0] + extra;
        for (std::size_t j = 1; j <= m; ++j) {
            double value = previous[j - 1] + substitution(typed[i - 1], word[j - 1]);
            value = std::min(value, previous[j] + extra);
            value = std::min(value, row[j - 1] + missing[j]);
            if (i > 1 && j > 1 && typed[i - 1] == word[j - 2] && typed[i - 2] == word[j - 1])
                value = std::min(value, before[j - 2] + kSwap);
            for (auto other = firstAlternative; other != alternative; ++other) {
                if (endsWith(word, j, other->spelling)) {
                    const Row& from = other->typedLength == 1 ? previous : before;
                    value = std::min(value, from[j - other->spelling.size()] + kCheapSlip);
                }
            }
            row[j] = value;
        }
    }
    double cost = rows[n % 3][m];
    if (n > 0 && m > 0 && typed[0] != word[0] && soundKey(word.substr(0, 2)).substr(0, 1) != m_firstSound)
        cost += kFirstLetterChanged;
    return cost;
}

} // namespace tessera::spell
