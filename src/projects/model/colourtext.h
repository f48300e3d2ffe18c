#pragma once

#include <QString>

#include <optional>

// A stored colour text as the platform colour value R + 256·G + 65536·B: six hexadecimal digits
// RRGGBB after an optional "#"; an empty text is black. A text that is not such a number has no
// colour, so its swatch stays uncoloured.
std::optional<unsigned> hexToColour(const QString& text);
