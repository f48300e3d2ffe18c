#pragma once

// The generators tessera-gen runs. Each returns the whole output, or throws UsageError or
// InputError before anything is written.

#include "generators/tools/commandline.h"

#include <string>
#include <vector>

namespace tessera::gen {

std::string tableCommand(const std::vector<std::string>& words);

} // namespace tessera::gen
