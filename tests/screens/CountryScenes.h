#pragma once

#include <memory>

#include "Scene.h"
#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "gui/editors/country/DlgCountry.h"

namespace kw {
struct SAppContext;
}

namespace kw::screens {

// The installation's database in a document of its own and the whole country window on country
// 14, showing one tab.
class CCountryWindowScene : public CShownScene {
public:
    CCountryWindowScene(CSceneContext& context, SAppContext& app, int tab);
    ~CCountryWindowScene() override;

    QWidget& Widget() override { return *m_dialog; }
    CDlgCountry& Window() const { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<CDlgCountry> m_dialog;
};

// "Land Einstellungen" on country 14 of the small demo, on its general page and on its look page,
// and on country 14 of the full-size demo.
std::unique_ptr<CShownScene> ShowDlgCountryGeneral(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryLook(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryGeneralFull(CSceneContext& context);

}  // namespace kw::screens
