#pragma once

#include <cstdio>

#include "app/AppContext.h"

namespace kw {

// The windowless run started with "-master": prints the language and path lines on `out`, enters
// the batch working folder if one was given (a missing one is reported on `err` and the current
// folder is kept), names on `err` the installation and database folder it reads and where the
// installation came from (the generated demo among them), loads the database below it into the
// first database slot, limits country 14 to 100 clubs when the option word carries
// option::kKillData, builds the master file with the build language and the option word on this
// thread and prints "Ready". The build's own messages go to `out`. Nothing here may need a
// display.
void RunBatchBuild(SAppContext& context, std::FILE* out, std::FILE* err);

}  // namespace kw
