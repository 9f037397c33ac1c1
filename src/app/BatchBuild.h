#pragma once

#include <cstdio>

#include "app/AppContext.h"

namespace kw {

// The windowless run started with "-master": prints the language and path lines on `out`, enters
// the batch working folder if one was given (a missing one is reported on `err` and the current
// folder is kept), loads the database below it with the build language and prints "Ready".
// Nothing here may need a display.
//
// Still to join this run together with the Master build: limiting country 14 to 100 clubs when
// the option word carries option::kKillData, and the build of Master.dat with the option word.
void RunBatchBuild(SAppContext& context, std::FILE* out, std::FILE* err);

}  // namespace kw
