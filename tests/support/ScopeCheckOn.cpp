#include "document/ScopeCheck.h"
#include "exports/WorldDump.h"

namespace {

// Every test program checks the scope of every operation its documents perform: a command that
// changes what it did not declare stops the test that runs it.
const bool installed = (kw::InstallScopeCheck(&kw::DumpOutsideScopeJson), true);

}  // namespace
