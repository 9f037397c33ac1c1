#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The main window on the demo database.
std::unique_ptr<CShownScene> ShowDlgMainMenu(CSceneContext& context);
// The main window on the full-size demo database, Germany selected.
std::unique_ptr<CShownScene> ShowDlgMainMenuFull(CSceneContext& context);
// The full demo, started with "lang".
std::unique_ptr<CShownScene> ShowDlgMainMenuLang(CSceneContext& context);
// The splash screen of the editor's start.
std::unique_ptr<CShownScene> ShowSplashScene(CSceneContext& context);
// The progress dialog during a world export, held in mid-run.
std::unique_ptr<CShownScene> ShowLongtimeOperation(CSceneContext& context);
// The renderer's preview on a kit page and on a look page, with a demo club and player.
std::unique_ptr<CShownScene> ShowRenderPreviewKits(CSceneContext& context);
std::unique_ptr<CShownScene> ShowRenderPreviewLook(CSceneContext& context);

// The synchronisation dialog on the demo database open twice, and its two copy dialogs.
std::unique_ptr<CShownScene> ShowDlgDatabaseCopy(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgClubCopy(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryCopy(CSceneContext& context);

}  // namespace kw::screens
