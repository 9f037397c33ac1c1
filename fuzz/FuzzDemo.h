#pragma once

// For harnesses of readers whose input names records of a database (change packages, CSV files):
// the small demo database of seed 1, the one scripts/fuzz.sh makes its seeds from, generated once
// per process into the process's fuzz folder and open as a document. A harness that changes it
// undoes the change before it returns, so every input meets the same database.

namespace kw {
class CDatabaseDocument;
}

namespace kw::fuzz {

CDatabaseDocument& DemoDocument();

}  // namespace kw::fuzz
