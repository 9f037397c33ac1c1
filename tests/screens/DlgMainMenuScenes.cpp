#include "SceneList.h"

#include <QLabel>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "app/LongtimeOperation.h"
#include "gui/controls/GuiStrings.h"
#include "gui/mainwindow/DlgLongtimeOperation.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "gui/mainwindow/SplashScreen.h"
#include "model/Club.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw::screens {

namespace {

// A world export that reports like the real one and then holds in mid-run until it is
// cancelled, so that the dialog can be photographed at work.
class CHeldExport : public CLongtimeOperation {
public:
    static constexpr int kClubs = 400;
    static constexpr int kHoldAt = 150;

    CHeldExport(const std::filesystem::path& archive, std::string club) : m_club(std::move(club)) {
        const std::string description(GuiString(ids::kExportDescription));
        Progress().SetCaption(GuiString(ids::kExportCaption));
        Progress().SetDescription(FormatPrintf(description.c_str(), archive.c_str()));
        Progress().SetStatus(GuiString(ids::kExportStatus));
    }

    bool IsHolding() const { return m_holding; }

protected:
    void Execute(IProgress& progress) override {
        const std::string status(GuiString(ids::kExportClubStatus));
        progress.SetRange(0, kClubs);
        progress.EnableCancel(true);
        for (int club = 1; club <= kHoldAt && !progress.IsCancelled(); ++club) {
            progress.SetStatus(FormatPrintf(status.c_str(), m_club.c_str()));
            progress.SetPos(club);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        m_holding = true;
        while (!progress.IsCancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

private:
    std::string m_club;
    std::atomic<bool> m_holding{false};
};

class CLongtimeScene : public CShownScene {
public:
    CLongtimeScene(const std::filesystem::path& archive, std::string club)
        : m_operation(archive, std::move(club)),
          m_dialog(m_operation, nullptr, [this] { return NextTick(); }) {
        m_dialog.show();
    }
    ~CLongtimeScene() override {
        // The dialog waits for the worker when it is destroyed; cancelling lets the worker end.
        m_dialog.reject();
    }

    QWidget& Widget() override { return m_dialog; }
    bool IsReady() const override {
        const auto* timeLine = m_dialog.findChild<QLabel*>(QStringLiteral("timeLine"));
        return m_operation.IsHolding() && timeLine != nullptr && !timeLine->text().isEmpty();
    }

private:
    // Every update sees four seconds pass, so the time line shows at once.
    std::int64_t NextTick() { return m_now += 4000; }

    std::int64_t m_now = 0;
    CHeldExport m_operation;
    CDlgLongtimeOperation m_dialog;
};

// The splash screen closes itself; the scene closes it when it is done with it.
class CSplashScene : public CShownScene {
public:
    CSplashScene(std::unique_ptr<QWidget> anchor, QWidget& splash)
        : m_anchor(std::move(anchor)), m_splash(&splash) {}
    ~CSplashScene() override {
        if (m_splash) {
            m_splash->close();
        }
    }
    QWidget& Widget() override { return *m_splash; }

private:
    std::unique_ptr<QWidget> m_anchor;
    QPointer<QWidget> m_splash;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgMainMenu(CSceneContext& context) {
    return Shown(std::make_unique<DlgMainMenu>(context.NewAppContext(), context.Ui()));
}

std::unique_ptr<CShownScene> ShowDlgMainMenuFull(CSceneContext& context) {
    return Shown(std::make_unique<DlgMainMenu>(context.NewFullAppContext(), context.Ui()));
}

// Started with "lang": the language choice and "&Globale Einstellungen" beside it.
std::unique_ptr<CShownScene> ShowDlgMainMenuLang(CSceneContext& context) {
    SAppContext appContext = context.NewFullAppContext();
    appContext.languageSelection = true;
    return Shown(std::make_unique<DlgMainMenu>(appContext, context.Ui()));
}

std::unique_ptr<CShownScene> ShowSplashScene(CSceneContext&) {
    auto anchor = std::make_unique<QWidget>();
    ShowSplashScreen(*anchor, std::chrono::hours(1));
    QWidget* splash = ShowingSplashScreen();
    if (splash == nullptr) {
        throw std::runtime_error("no splash screen");
    }
    return std::make_unique<CSplashScene>(std::move(anchor), *splash);
}

std::unique_ptr<CShownScene> ShowLongtimeOperation(CSceneContext& context) {
    const std::string club(context.DemoClub().Name(kDefaultLanguage));
    return std::make_unique<CLongtimeScene>(context.Installation() / "database" / "default.tdb",
                                            club);
}

}  // namespace kw::screens
