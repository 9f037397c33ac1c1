#pragma once

#include <array>

#include "gui/controls/RendererPlugin.h"
#include "gui/editors/club/ClubPage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace kw {

class CClubKit;
class CKitColourButton;
class CKitDesignControl;

// Page "Trikots": the home and the away kit (shirt, shorts and socks designs with their colours),
// the original kit, and the renderer's preview of the kit the four radio buttons choose; without
// the renderer a placeholder stands in its place.
class CDlgClubShirts : public CClubPage {
    Q_OBJECT

public:
    CDlgClubShirts(SClubEditContext& context, QWidget* parent);

    void Load() override;

protected:
    void StoreInto(CClub& club) const override;

private:
    struct SKitControls {
        std::array<CKitDesignControl*, 3> designs{};  // shirt, shorts, socks
        std::array<CKitColourButton*, 4> colours{};   // in the record's order
    };

    QGroupBox* MakeKitBox(int kit, const QString& title);
    QGroupBox* MakePreviewBox();
    // Writes what the user changed into `kit`, and only that.
    void ApplyEdits(CClubKit& kit) const;
    void UpdatePreview();
    render::EKitView ChosenView() const;

    std::array<SKitControls, 2> m_kits;
    QComboBox* m_originalKit;
    int m_loadedOriginal = -1;
    std::array<QRadioButton*, 4> m_views{};
    QLabel* m_placeholder;
};

}  // namespace kw
