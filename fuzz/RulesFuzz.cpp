// libFuzzer harness of "Rules.sav": read, then completed against an empty world as a load does.

#include <cstddef>
#include <cstdint>

#include "model/Rules.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace {

const kw::CWorld& EmptyWorld() {
    static kw::CWorld world;
    static const bool initialised = world.InitialiseCountries() || true;
    (void)initialised;
    return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kw::CWorld& world = EmptyWorld();
    kw::CKLFile file;
    file.OpenForReadFromMemory({reinterpret_cast<const char*>(data), size});
    kw::CRules rules;
    if (rules.Read(file)) {
        rules.Complete(world);
    }
    return 0;
}
