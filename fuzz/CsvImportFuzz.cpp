// libFuzzer harness of the CSV import (files from spreadsheets): the input is a whole file, planned
// against the demo database, applied and undone.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzDemo.h"
#include "document/DatabaseDocument.h"
#include "tools/CsvImport.h"

// The demo is made before the first input, outside the time an input may take.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kw::fuzz::DemoDocument();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::CDatabaseDocument& document = kw::fuzz::DemoDocument();
    const kw::SCsvImportPlan plan =
        kw::PlanCsvImport(document.World(), {reinterpret_cast<const char*>(data), size});
    if (kw::ApplyCsvImport(document, plan)) {
        document.Undo();
    }
    return 0;
}
