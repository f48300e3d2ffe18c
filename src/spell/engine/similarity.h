#pragma once

#include <string_view>

namespace tessera::spell {

// Ratcliff/Obershelp pattern matching: twice the characters of the common runs, as a percentage
// of both lengths (0-100). The longest-run scan is not symmetric, so the order of s1 and s2
// matters: the suggestion search scores score(candidate, misspelled word).
int similarityScore(std::string_view s1, std::string_view s2);

} // namespace tessera::spell
