#include "DemoDocument.h"

#include "demo/DemoGenerator.h"
#include "platform/Progress.h"

namespace kw::test {

bool CSmallDemoInstallation::Generate() {
    CSilentProgress progress;
    if (!m_folder.isValid() ||
        !demo::GenerateDemoInstallation(Path().string(), demo::EDemoScale::kSmall, 1, progress)
             .ok) {
        return false;
    }
    SetUpDirectories(m_context, Path());
    m_installation.Load(m_context);
    return true;
}

COpenDemo::COpenDemo(const std::filesystem::path& installation) : m_slots(installation) {
    CDatabaseDocument* document = m_slots.AddSlot();
    CSilentProgress progress;
    if (document != nullptr && OpenDatabase(*document, installation / "database", progress, m_ui)) {
        m_document = document;
    }
}

}  // namespace kw::test
