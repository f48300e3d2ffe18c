#pragma once

// The settings record that page handling reads.
#include "workspace/settings.h"
