#pragma once

#include <array>
#include <cstdint>

#include "editing/CountryLookRules.h"
#include "gui/editors/country/CountryPage.h"

class QLabel;
class QListWidget;

namespace kw {

class CDatabaseDocument;
class CSpinEditCtrl;

// "Spieler Aussehen" of the country window: the faces, haircuts, hair colours and beards a
// generated youth player may get (lists with several selections), and the average height and
// weight with their imperial values beside them.
class CCountryLookPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryLookPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    void Load() override;
    void Store() override;
    bool Differs() const override { return Shown() != m_loaded; }

    // The values as the controls show them now.
    SCountryLookValues Shown() const;

private:
    // Faces, haircuts, hair colours, beards.
    static constexpr int kListCount = 4;

    QListWidget* MakeList(int which, const QString& name);
    void ShowImperial();

    CDatabaseDocument& m_document;
    int m_country;
    SCountryLookValues m_loaded;
    std::array<QListWidget*, kListCount> m_lists{};
    CSpinEditCtrl* m_height = nullptr;
    CSpinEditCtrl* m_weight = nullptr;
    QLabel* m_heightImperial = nullptr;
    QLabel* m_weightImperial = nullptr;
};

}  // namespace kw
