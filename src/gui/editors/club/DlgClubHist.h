#pragma once

#include <QString>

#include <array>

#include "editing/ClubHistoryRules.h"
#include "gui/editors/club/ClubPage.h"
#include "model/Club.h"

class QGroupBox;
class QLineEdit;

namespace kw {

// Page "Historische Daten": the top-division statistics, the seasons of the successes and the
// record results. Only what the user changed is written back.
class CDlgClubHist : public CClubPage {
    Q_OBJECT

public:
    CDlgClubHist(SClubEditContext& context, QWidget* parent);

    void Load() override;

protected:
    void StoreInto(CClub& club) const override;

private:
    struct SRecordRow {
        std::array<QLineEdit*, 3> edits{};  // result, opponent, season
        SRecordTexts loaded;
    };

    QGroupBox* CreateStatisticsGroup();
    QGroupBox* CreateSuccessGroup();
    QGroupBox* CreateRecordGroup();
    SRecordTexts TypedTexts(const SRecordRow& row) const;

    std::array<QLineEdit*, CClub::kStatisticCount> m_statistics{};
    std::array<QString, CClub::kStatisticCount> m_loadedStatistics;
    std::array<QLineEdit*, CClub::kSuccessCount> m_successes{};
    std::array<QString, CClub::kSuccessCount> m_loadedSuccesses;
    std::array<SRecordRow, CClub::kRecordCount> m_records;
};

}  // namespace kw
