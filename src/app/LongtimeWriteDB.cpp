#include "app/LongtimeWriteDB.h"

namespace kw {

CLongtimeWriteDB::CLongtimeWriteDB(CWorld& world, IUserInterface& ui, SMasterRequest request)
    : m_world(world), m_ui(ui), m_request(std::move(request)) {}

EMasterResult CLongtimeWriteDB::RunHere() {
    ExecuteHere(Progress());
    return m_result;
}

void CLongtimeWriteDB::Execute(IProgress& progress) {
    m_result = BuildMasterFile(m_world, m_request, progress, m_ui);
}

}  // namespace kw
