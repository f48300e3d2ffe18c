#pragma once

// The small pieces every generator builds its HTML from and reads its own output back with.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

// The outcome of reading values back from text a generator wrote: the values, or the text of what
// did not convert. Nothing is changed when reading fails.
template<typename T>
struct ReadBack {
    std::optional<T> value;
    std::string error;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Six upper-case hexadecimal digits RRGGBB, without "#" (callers add it where HTML wants one).
std::string colourToHex(Rgb colour);
// "RRGGBB" with an optional leading "#"; an empty text is black. Anything else is not a colour.
std::optional<Rgb> hexToColour(std::string_view text);

// Field `index` of `line` split at `delimiter`, counted from 0 (the text before the first
// delimiter). Empty fields count; a field past the end is empty.
std::string fieldOf(std::string_view line, char delimiter, int index);

// A whole decimal integer, sign allowed; anything else (blanks included) is none.
std::optional<int> toInt(std::string_view text);

// "<" + tag + ">" + text + "</" + tag + ">".
std::string wrapInTag(std::string_view tag, std::string_view text);

// The lines joined with CR LF after each, the last one too: the form the clipboard and pages get.
std::string joinLines(const std::vector<std::string>& lines);

// ASCII case-insensitive search; npos when absent.
std::size_t findIgnoringCase(std::string_view text, std::string_view wanted, std::size_t from = 0);
bool containsIgnoringCase(std::string_view text, std::string_view wanted);

} // namespace tessera::generators
