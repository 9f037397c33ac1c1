#pragma once

#include <array>

#include "gui/editors/player/PlayerPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace kw {

class CShowBitmap;
class CSpinEditCtrl;

// Page "Aussehen": the special face, the generic face (skin, hair colour, haircut, beard), shoes,
// height and weight with their imperial forms, the sleeves, the player's picture and the
// renderer's preview of the look as edited.
class CDlgPlayerLook : public CPlayerPage {
    Q_OBJECT

public:
    CDlgPlayerLook(SPlayerEditContext& context, QWidget* parent);

    const CShowBitmap& Picture() const { return *m_picture; }

protected:
    void LoadPage(const CPlayer* player) override;
    void StoreInto(CPlayer& copy) const override;

private:
    // The four generic combos in the order of the record's looks (hair colour, face, haircut,
    // beard).
    static constexpr std::size_t kGenericCount = 4;

    QGroupBox* MakeSpecialFaceBox();
    QGroupBox* MakeGenericBox();
    QGroupBox* MakeOtherBox();
    QWidget* MakePictureColumn();
    // Writes what the user changed since the load into `copy`.
    void ApplyEdits(CPlayer& copy) const;
    void ShowPicture(const CPlayer* player);
    void UpdateImperial();
    void UpdatePreview();

    QComboBox* m_specialFace;
    std::array<QComboBox*, kGenericCount> m_generic{};
    QComboBox* m_shoe;
    CSpinEditCtrl* m_height;
    QLabel* m_heightImperial;
    CSpinEditCtrl* m_weight;
    QLabel* m_weightImperial;
    QCheckBox* m_longSleeves;
    CShowBitmap* m_picture;
    QLabel* m_pictureWarning;
    QLabel* m_placeholder;

    // What the controls showed after loading.
    int m_loadedSpecialFace = -1;
    std::array<int, kGenericCount> m_loadedGeneric{};
    int m_loadedShoe = -1;
    int m_loadedHeight = 0;
    int m_loadedWeight = 0;
    bool m_loadedSleeves = false;
};

}  // namespace kw
