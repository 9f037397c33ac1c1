#include "SceneList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

#include "assets/Image.h"
#include "assets/Tga.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/player/PlayerPage.h"
#include "gui/editors/player/PlayerPages.h"
#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw::screens {

namespace {

constexpr int kPictureSize = 160;

// A picture of the player's size: a blue-green gradient.
void WritePicture(const QString& file) {
    SImage image(kPictureSize, kPictureSize);
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            image.At(x, y) = Argb(40, static_cast<std::uint8_t>(80 + y / 2),
                                  static_cast<std::uint8_t>(120 + x / 2));
        }
    }
    const auto bytes = EncodeTga(image, 24, TgaCoding::Uncompressed);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("player picture not written");
    }
}

std::uint32_t PlayerWithCareer(const CDatabaseDocument& document, std::uint32_t club) {
    const CClub* found = document.World().Country(ClubCountry(club)).Club(club);
    if (found == nullptr) {
        throw std::runtime_error("demo club missing");
    }
    for (const CPlayer* person : found->FirstTeam()) {
        if (person->IsPlayer() && person->History().size() >= 2) {
            return person->Id();
        }
    }
    throw std::runtime_error("demo club without a player of two career stations");
}

}  // namespace

// The three pages in tabs on the demo club's first player with two career stations, and a
// picture of him below a folder of the scene's own.
std::unique_ptr<CShownScene> ShowPlayerPagesB(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    const std::uint32_t player = PlayerWithCareer(scene->Document(), context.DemoClub().Id());
    const QTemporaryDir& pictures = scene->Keep(std::make_unique<QTemporaryDir>());
    if (!pictures.isValid() || !QDir(pictures.path()).mkpath(QStringLiteral("art/picture"))) {
        throw std::runtime_error("picture folder not made");
    }
    WritePicture(pictures.filePath(QStringLiteral("art/picture/emp-%1.tga").arg(player)));
    SPlayerEditContext& edit = scene->Keep(std::make_unique<SPlayerEditContext>(
        SPlayerEditContext{scene->Document(), scene->Installation(), &context.Renderer(),
                           pictures.path().toStdString()}));
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QCoreApplication::translate("kw::CDlgClub", "Spieler"));
    auto* tabs = new CMyTabCtrl(window.get());
    for (const SPlayerPageTab& tab : MakePlayerPages(edit, tabs)) {
        tab.page->SetPlayer(player);
        tabs->AddPage(tab.page, QCoreApplication::translate("kw::CPersonPageTabs", tab.title));
    }
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(tabs);
    scene->Show(std::move(window));
    return scene;
}

}  // namespace kw::screens
