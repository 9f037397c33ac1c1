#pragma once

#include "app/LongtimeOperation.h"
#include "exports/master/MasterExport.h"

namespace kw {

class CWorld;
class IUserInterface;

// The build of the game's master file as a long-running operation. The window starts it on the
// worker thread behind the progress dialog; the batch build runs it on the calling thread with
// its own progress, which nothing shows. Cancel stays disabled: the build runs to its end.
class CLongtimeWriteDB final : public CLongtimeOperation {
public:
    CLongtimeWriteDB(CWorld& world, IUserInterface& ui, SMasterRequest request);
    ~CLongtimeWriteDB() override { Wait(); }

    // The batch start: Execute on this thread, no worker, no dialog.
    EMasterResult RunHere();
    // How the last build ended.
    EMasterResult Result() const { return m_result; }

private:
    void Execute(IProgress& progress) override;

    CWorld& m_world;
    IUserInterface& m_ui;
    SMasterRequest m_request;
    EMasterResult m_result = EMasterResult::kNotConfirmed;
};

}  // namespace kw
