#pragma once

// The generators tessera-gen runs. Each returns the whole output, or throws UsageError or
// InputError before anything is written.

#include "generators/tools/commandline.h"

#include <string>
#include <vector>

namespace tessera::gen {

std::string tableCommand(const std::vector<std::string>& words);
std::string formCommand(const std::vector<std::string>& words);
std::string framesCommand(const std::vector<std::string>& words);
std::string calendarCommand(const std::vector<std::string>& words);

} // namespace tessera::gen
