#include "PlayerPagesBScenes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/player/PlayerPage.h"
#include "gui/editors/player/PlayerPages.h"
#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Progress.h"

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

// The demo database in a document of its own in the season 2005, the three pages in tabs on the
// demo club's first player with two career stations, and a picture of him below a folder of the
// scene's own.
class CPlayerPagesScene : public CShownScene {
public:
    explicit CPlayerPagesScene(CSceneContext& context) : m_slots(context.Installation()) {
        SAppContext& app = context.NewAppContext();
        SetUpDirectories(app, context.Installation());
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, context.Installation() / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        const std::uint32_t player = PlayerWithCareer(*document, context.DemoClub().Id());
        if (!m_pictures.isValid() ||
            !QDir(m_pictures.path()).mkpath(QStringLiteral("art/picture"))) {
            throw std::runtime_error("picture folder not made");
        }
        WritePicture(m_pictures.filePath(QStringLiteral("art/picture/emp-%1.tga").arg(player)));
        m_context = std::make_unique<SPlayerEditContext>(SPlayerEditContext{
            *document, m_installation, &context.Renderer(), m_pictures.path().toStdString()});
        m_window = std::make_unique<QWidget>();
        m_window->setWindowTitle(QStringLiteral("Spieler"));
        auto* tabs = new CMyTabCtrl(m_window.get());
        for (const SPlayerPageTab& tab : MakePlayerPages(*m_context, tabs)) {
            tab.page->SetPlayer(player);
            tabs->AddPage(tab.page, QString::fromUtf8(tab.title));
        }
        auto* layout = new QVBoxLayout(m_window.get());
        layout->addWidget(tabs);
        m_window->show();
    }

    QWidget& Widget() override { return *m_window; }

private:
    static std::uint32_t PlayerWithCareer(const CDatabaseDocument& document, std::uint32_t club) {
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

    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    QTemporaryDir m_pictures;
    std::unique_ptr<SPlayerEditContext> m_context;
    std::unique_ptr<QWidget> m_window;
};

}  // namespace

std::unique_ptr<CShownScene> ShowPlayerPagesB(CSceneContext& context) {
    return std::make_unique<CPlayerPagesScene>(context);
}

}  // namespace kw::screens
