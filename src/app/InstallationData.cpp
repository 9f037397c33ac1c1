#include "app/InstallationData.h"

#include "app/AppContext.h"

namespace kw {

void CInstallationData::Load(const SAppContext& context) {
    m_stadiums.Load(context.databaseDirectory, context.languageDirectory);
    m_textTables.LoadTextTables(context.databaseDirectory, context.languageDirectory);
    m_tools.Init(context.installDirectory);
}

}  // namespace kw
