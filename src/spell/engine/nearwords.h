#pragma once

// The words of a dictionary file within a few edits of a word: letters inserted, deleted or
// replaced, or two neighbours swapped. Found by walking the letter graph once and dropping every
// branch whose prefix is already too far from the word, so the first letter may differ too.

#include <string>
#include <string_view>
#include <vector>

namespace tessera::spell {

class TDCTFile;

struct NearWord {
    std::string word; // lower-case, code page 437
    int edits = 0;
};

// `oemWord` is lower-case, in code page 437; the word itself is not returned.
std::vector<NearWord> nearWords(TDCTFile& file, std::string_view oemWord, int maximumEdits);

} // namespace tessera::spell
