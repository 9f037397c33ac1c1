#pragma once

#include "editing/SquadChoices.h"

namespace kw {

// Comparison of Windows-1252 texts by the user's collation, case ignored, for the core's sorts.
TextLess UserCollationLess();

}  // namespace kw
