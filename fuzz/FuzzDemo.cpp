#include "FuzzDemo.h"

#include <cstdlib>
#include <memory>

#include "FuzzFile.h"
#include "demo/DemoGenerator.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::fuzz {

CDatabaseDocument& DemoDocument() {
    static const std::unique_ptr<CDatabaseDocument> document = [] {
        const std::filesystem::path installation = FuzzDirectory() / "demo";
        CSilentProgress progress;
        auto world = std::make_unique<CWorld>(installation);
        if (!demo::GenerateDemoInstallation(installation, demo::EDemoScale::kSmall, 1, progress)
                 .ok ||
            !world->InitialiseCountries() || !world->Load(installation / "database", progress)) {
            std::abort();
        }
        return std::make_unique<CDatabaseDocument>(std::move(world));
    }();
    return *document;
}

}  // namespace kw::fuzz
