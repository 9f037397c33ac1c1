#pragma once

#include <cstdint>
#include <optional>

#include "editing/BadgeColours.h"
#include "gui/editors/club/ClubPage.h"

class QLabel;
class QPushButton;

namespace kw {

class CSelectColour;
class CShowBitmap;

// Page "Wappen": the club's badge with its file, the club colour and the merchandise colour, and
// "Wappen auswählen", which opens the badge selection.
class CDlgClubBadge : public CClubPage {
    Q_OBJECT

public:
    CDlgClubBadge(SClubEditContext& context, QWidget* parent);

    void Load() override;

protected:
    void StoreInto(CClub& club) const override;

private:
    struct SColourChoice {
        EBadgeColour which;
        CSelectColour* combo;
        int loadedEntry = -1;
    };

    void LoadColour(SColourChoice& choice);
    // The number a changed choice stores; nothing while it is unchanged.
    std::optional<std::uint8_t> ChosenNumber(const SColourChoice& choice) const;
    void StoreColour(const SColourChoice& choice, CClub& club) const;
    const CTeamColourTextFile& Table(EBadgeColour which) const;
    void ChooseBadge();

    CShowBitmap* m_badge;
    QLabel* m_file;
    SColourChoice m_clubColour;
    SColourChoice m_merchandiseColour;
    QPushButton* m_choose;
};

}  // namespace kw
