// libFuzzer harness of the change package reader (packages come from strangers): a package that
// reads is written again and must read back to the same text, then it is classified against the
// demo database and applied with every conflict taken that can be, and undone.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzDemo.h"
#include "document/DatabaseDocument.h"
#include "tools/ChangePackageApply.h"

// The demo is made before the first input, outside the time an input may take.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kw::fuzz::DemoDocument();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kw::SPackageRead read =
        kw::ReadChangePackage({reinterpret_cast<const char*>(data), size});
    if (!read.package) {
        return 0;
    }
    const std::string text = kw::ChangePackageText(*read.package);
    const kw::SPackageRead again = kw::ReadChangePackage(text);
    if (!again.package || kw::ChangePackageText(*again.package) != text) {
        std::abort();
    }
    kw::CDatabaseDocument& document = kw::fuzz::DemoDocument();
    kw::SPackagePlan plan = kw::PlanChangePackage(document.World(), *read.package);
    for (std::size_t i = 0; i < plan.outcomes.size(); ++i) {
        plan.outcomes[i].take = plan.outcomes[i].take || plan.outcomes[i].canTake;
        (void)kw::ChangeLine(read.package->changes[i]);
    }
    if (kw::ApplyChangePackage(document, *read.package, plan)) {
        document.Undo();
    }
    return 0;
}
