#include <QImage>

#include <cstdlib>
#include <fstream>
#include <utility>

#include "GuiTest.h"
#include "gui/controls/RenderManager.h"
#include "gui/controls/RenderPreview.h"
#include "gui/controls/RenderValues.h"
#include "model/ClubKit.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

namespace {

constexpr QRgb kRed = 0xFFD01010;
constexpr QRgb kBlue = 0xFF1030D0;
constexpr QRgb kWhite = 0xFFFAFAFA;

render::SRgb Rgb(QRgb colour) {
    return {static_cast<std::uint8_t>(qRed(colour)), static_cast<std::uint8_t>(qGreen(colour)),
            static_cast<std::uint8_t>(qBlue(colour))};
}

// Designs 0: the whole shirt in its colour.
render::SKit PlainKit(QRgb shirt, QRgb other) {
    return {0, 0, 0, {Rgb(shirt), Rgb(other), Rgb(other), Rgb(other)}};
}

// Home in red, away in blue, both with white shorts, socks and trim.
render::SClubKits RedAndBlueKits() {
    return {PlainKit(kRed, kWhite), PlainKit(kBlue, kWhite), 0};
}

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A page with a label above and below the placeholder, as a kit or look page would hold it.
struct SPage {
    explicit SPage(bool show = false) : widget(std::make_unique<QWidget>()) {
        auto* layout = new QVBoxLayout(widget.get());
        layout->addWidget(new QLabel(QStringLiteral("oben"), widget.get()));
        placeholder = new QLabel(QStringLiteral("keine Vorschau"), widget.get());
        placeholder->setMinimumSize(240, 180);
        layout->addWidget(placeholder);
        layout->addWidget(new QLabel(QStringLiteral("unten"), widget.get()));
        if (show) {
            widget->show();
        }
    }

    std::unique_ptr<QWidget> widget;
    QLabel* placeholder;
};

}  // namespace

class RenderManagerTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void pluginComesFromTheFirstFolderThatHoldsItOrIsReported();
    void installedEditorFindsThePackagedPluginAfterItsOwnFolders();
    void renderWidgetDrawsTheKitsTheViewAndTheLook();
    void attachTakesThePlaceholdersPlaceAndPreviewsFollowTheirPage();
    void valuesAreCopiedFromTheRecords();

private:
    fs::path Folder(const char* name) const;
    // Copies `library` into `folder` as "Renderer.so".
    static void Install(const fs::path& library, const fs::path& folder);

    std::unique_ptr<QTemporaryDir> m_dir;
    CScriptedUserInterface m_ui;
};

void RenderManagerTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_ui = CScriptedUserInterface{};
}

fs::path RenderManagerTest::Folder(const char* name) const {
    const fs::path folder = fs::path(m_dir->path().toStdString()) / name;
    fs::create_directories(folder);
    return folder;
}

void RenderManagerTest::Install(const fs::path& library, const fs::path& folder) {
    fs::copy_file(library, folder / "Renderer.so", fs::copy_options::overwrite_existing);
}

// Nothing found, or a library without the entry point, leaves the previews off silently; of two
// plug-ins the first folder's is loaded; a broken library found first is reported, and the good
// one after it is not tried.
void RenderManagerTest::pluginComesFromTheFirstFolderThatHoldsItOrIsReported() {
    const fs::path working = Folder("working");
    const fs::path first = Folder("program");
    {
        CRenderManager manager(m_ui, {working, first});
        QVERIFY(!manager.IsAvailable());
        QVERIFY(manager.PluginPath().isEmpty());
        SPage page(true);
        auto* preview = new CRenderPreview(manager, *page.placeholder, render::kLookPageBackground);
        manager.Attach(*page.placeholder);
        manager.SetKits(RedAndBlueKits());
        manager.ChangeLook({});
        manager.RenderFrame();
        QVERIFY(manager.AttachedTo() == nullptr);
        QVERIFY(!page.placeholder->isHidden());
        QVERIFY(!preview->IsRendering());
    }
    Install(KW_NO_ENTRY_LIBRARY, Folder("entryless"));
    QVERIFY(!CRenderManager(m_ui, {Folder("entryless")}).IsAvailable());
    QVERIFY(m_ui.Messages().empty());

    Install(KW_REFERENCE_RENDERER, first);
    Install(KW_REFERENCE_RENDERER, Folder("other"));
    {
        CRenderManager manager(m_ui, {working, first, Folder("other")});
        QVERIFY(manager.IsAvailable());
        QCOMPARE(manager.PluginPath(), QString::fromStdString((first / "Renderer.so").string()));
        QVERIFY(m_ui.Messages().empty());
        // Lent to no page yet: hidden and without a parent.
        QVERIFY(manager.AttachedTo() == nullptr);
        QVERIFY(manager.RenderWidget().parentWidget() == nullptr);
        QVERIFY(manager.RenderWidget().isHidden());
    }

    std::ofstream(working / "Renderer.so", std::ios::binary) << "MZ\x90 not a library at all";
    CRenderManager manager(m_ui, {working, first});
    QVERIFY(!manager.IsAvailable());
    const auto errors = m_ui.Texts(Kind::Error);
    QCOMPARE(errors.size(), std::size_t{1});
    QCOMPARE(m_ui.Messages().size(), std::size_t{1});
    const std::string& text = errors.front();
    const std::string head = "Error Loading DLL\n\nCould not load the DLL \"" +
                             (working / "Renderer.so").string() + "\".\nError Message \"";
    QVERIFY2(text.starts_with(head), text.c_str());
    QVERIFY2(text.size() > head.size() + 1 && text.back() == '"', text.c_str());
    // The loader's own reason is passed on.
    QVERIFY2(text.find("Renderer.so", head.size()) != std::string::npos, text.c_str());
    SPage page(true);
    manager.Attach(*page.placeholder);
    QVERIFY(manager.AttachedTo() == nullptr);
}

// scripts/check_package.sh names the program folder of the unpacked package; without it the test
// lays out a program folder and the plug-in where the lookup expects it beside the program.
void RenderManagerTest::installedEditorFindsThePackagedPluginAfterItsOwnFolders() {
    const fs::path working = Folder("working");
    fs::path program;
    if (const char* unpacked = std::getenv("KW_UNPACKED_PROGRAM_FOLDER")) {
        program = fs::canonical(unpacked);
    } else {
        program = Folder("usr/bin");
        const fs::path packaged = CRenderManager::FoldersFor(working, program).back();
        fs::create_directories(packaged);
        Install(KW_REFERENCE_RENDERER, packaged);
        Install(KW_REFERENCE_RENDERER, Folder("usr/bin"));
        // The program's own folder comes before the packaged one.
        QCOMPARE(CRenderManager(m_ui, CRenderManager::FoldersFor(working, program)).PluginPath(),
                 QString::fromStdString((program / "Renderer.so").string()));
        fs::remove(program / "Renderer.so");
    }

    const CRenderManager packaged(m_ui, CRenderManager::FoldersFor(working, program));
    QVERIFY(packaged.IsAvailable());
    const std::string path = packaged.PluginPath().toStdString();
    const std::string lib = (program.parent_path() / "lib").string() + "/";
    QVERIFY2(path.starts_with(lib) && path.ends_with("/kwedit/Renderer.so"), path.c_str());

    Install(KW_REFERENCE_RENDERER, working);
    QCOMPARE(CRenderManager(m_ui, CRenderManager::FoldersFor(working, program)).PluginPath(),
             QString::fromStdString((working / "Renderer.so").string()));
    QVERIFY(m_ui.Messages().empty());
}

void RenderManagerTest::renderWidgetDrawsTheKitsTheViewAndTheLook() {
    Install(KW_REFERENCE_RENDERER, Folder("program"));
    CRenderManager manager(m_ui, {Folder("program")});
    QVERIFY(manager.IsAvailable());
    SPage page(true);
    QVERIFY(QTest::qWaitForWindowExposed(page.widget.get()));
    manager.Attach(*page.placeholder);

    manager.SetBackground(render::kKitPageBackground);
    manager.SetKits(RedAndBlueKits());
    manager.RenderFrame();
    QImage image = manager.RenderWidget().grab().toImage();
    QCOMPARE(image.pixel(1, 1), QColor(0xC0, 0xC0, 0xC0).rgb());
    const int area = image.width() * image.height();
    // Opening the kit page shows both kits side by side.
    const int red = CountPixels(image, kRed);
    const int blue = CountPixels(image, kBlue);
    QVERIFY2(red > area / 40, qPrintable(QString::number(red)));
    QVERIFY2(blue > area / 40, qPrintable(QString::number(blue)));
    QVERIFY(CountPixels(image, kWhite) > 0);

    // The away views show the away kit alone; the edited colours follow.
    manager.ChangeKit(RedAndBlueKits(), render::EKitView::kAway);
    image = manager.RenderWidget().grab().toImage();
    QCOMPARE(CountPixels(image, kRed), 0);
    QVERIFY(CountPixels(image, kBlue) > blue);
    render::SClubKits edited = RedAndBlueKits();
    edited.away = PlainKit(kWhite, kRed);
    manager.ChangeKit(edited, render::EKitView::kOriginalAway);
    image = manager.RenderWidget().grab().toImage();
    QCOMPARE(CountPixels(image, kBlue), 0);
    QVERIFY(CountPixels(image, kRed) > 0);
    manager.ChangeKit(edited, render::EKitView::kOriginalHome);
    QVERIFY(CountPixels(manager.RenderWidget().grab().toImage(), kRed) > red);

    // The look page: its own background, the player in the home kit's shirt.
    manager.SetBackground(render::kLookPageBackground);
    const render::SPlayerLook look{.face = 14,
                                   .hairColour = 4,
                                   .hairCut = 2,
                                   .beard = 6,
                                   .height = 190,
                                   .weight = 85,
                                   .shoeType = 3};
    manager.ChangeLook(look);
    image = manager.RenderWidget().grab().toImage();
    QCOMPARE(image.pixel(1, 1), QColor(0x20, 0x20, 0xC0).rgb());
    QVERIFY(CountPixels(image, kRed) > 0);
    const int background = CountPixels(image, QColor(0x20, 0x20, 0xC0).rgb());
    QVERIFY(background < area * 95 / 100);
    // Every edit of the look shows.
    const auto changes = [&](auto edit) {
        render::SPlayerLook edited = look;
        edit(edited);
        manager.ChangeLook(edited);
        return manager.RenderWidget().grab().toImage() != image;
    };
    QVERIFY(changes([](render::SPlayerLook& l) { l.face = 1; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.hairColour = 1; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.hairCut = 1; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.beard = 1; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.height = 160; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.weight = 60; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.shoeType = 2; }));
    QVERIFY(changes([](render::SPlayerLook& l) { l.longSleeves = true; }));
}

void RenderManagerTest::attachTakesThePlaceholdersPlaceAndPreviewsFollowTheirPage() {
    Install(KW_REFERENCE_RENDERER, Folder("program"));
    CRenderManager manager(m_ui, {Folder("program")});
    SPage kits(true);
    SPage looks(true);
    QVERIFY(QTest::qWaitForWindowExposed(kits.widget.get()));
    const QWidget& render = std::as_const(manager).RenderWidget();
    QLayout& layout = *kits.widget->layout();
    QCOMPARE(layout.indexOf(kits.placeholder), 1);

    manager.Attach(*kits.placeholder);
    QCOMPARE(manager.AttachedTo(), kits.placeholder);
    QCOMPARE(render.parentWidget(), kits.widget.get());
    QCOMPARE(layout.indexOf(&render), 1);
    QCOMPARE(layout.indexOf(kits.placeholder), -1);
    QVERIFY(kits.placeholder->isHidden());
    QVERIFY(render.isVisible());
    QApplication::processEvents();
    QVERIFY(render.width() >= 240 && render.height() >= 180);

    // Lending it to the other page gives the first page its placeholder back.
    manager.Attach(*looks.placeholder);
    QCOMPARE(render.parentWidget(), looks.widget.get());
    QCOMPARE(layout.indexOf(kits.placeholder), 1);
    QVERIFY(!kits.placeholder->isHidden());
    QVERIFY(looks.placeholder->isHidden());

    manager.Detach();
    QVERIFY(manager.AttachedTo() == nullptr);
    QVERIFY(render.parentWidget() == nullptr);
    QVERIFY(render.isHidden());
    QCOMPARE(looks.widget->layout()->indexOf(looks.placeholder), 1);
    QVERIFY(!looks.placeholder->isHidden());
    manager.Detach();  // twice is harmless
    QVERIFY(render.parentWidget() == nullptr);

    // A placeholder outside any layout lends its geometry.
    QWidget bare;
    auto* spot = new QWidget(&bare);
    spot->setGeometry(20, 30, 200, 150);
    bare.show();
    manager.Attach(*spot);
    QCOMPARE(render.parentWidget(), &bare);
    QCOMPARE(render.geometry(), QRect(20, 30, 200, 150));
    manager.Detach();
    QVERIFY(!spot->isHidden());

    // A page destroyed while it holds the render widget gives it back; it renders on the next.
    auto page = std::make_unique<SPage>(true);
    manager.Attach(*page->placeholder);
    page.reset();
    QVERIFY(manager.AttachedTo() == nullptr);
    QVERIFY(render.parentWidget() == nullptr);
    manager.Attach(*kits.placeholder);
    manager.SetKits(RedAndBlueKits());
    QVERIFY(CountPixels(manager.RenderWidget().grab().toImage(), kRed) > 0);
    manager.Detach();

    // A preview lends it to its page only while the page is shown.
    QTabWidget tabs;
    SPage tabbed;
    auto* other = new QLabel(QStringLiteral("Allgemein"));
    QWidget* kitPage = tabbed.widget.release();
    tabs.addTab(other, QStringLiteral("Allgemein"));
    tabs.addTab(kitPage, QStringLiteral("Trikots"));
    auto* preview = new CRenderPreview(manager, *tabbed.placeholder, render::kKitPageBackground);
    QCOMPARE(preview->parent(), kitPage);
    ShowActive(tabs);
    // The kit page is not the current tab: nothing is lent and nothing renders.
    QVERIFY(manager.AttachedTo() == nullptr);
    QVERIFY(!preview->IsRendering());

    tabs.setCurrentWidget(kitPage);
    QCOMPARE(manager.AttachedTo(), tabbed.placeholder);
    QVERIFY(preview->IsRendering());
    manager.SetKits(RedAndBlueKits());
    const QImage image = manager.RenderWidget().grab().toImage();
    QCOMPARE(image.pixel(1, 1), QColor(0xC0, 0xC0, 0xC0).rgb());

    tabs.setCurrentWidget(other);
    QVERIFY(manager.AttachedTo() == nullptr);
    QVERIFY(!preview->IsRendering());
    QVERIFY(!tabbed.placeholder->isHidden());

    tabs.setCurrentWidget(kitPage);
    QVERIFY(preview->IsRendering());
    tabs.hide();  // the dialog closes
    QVERIFY(manager.AttachedTo() == nullptr);
    QVERIFY(!preview->IsRendering());
}

void RenderManagerTest::valuesAreCopiedFromTheRecords() {
    CClubKit kit;
    for (int which = 0; which < CClubKit::kKitCount; ++which) {
        CClubKit::SKit& record = kit.Kit(which);
        record.design = static_cast<std::uint8_t>(40 + which);
        record.secondStyle = static_cast<std::uint8_t>(10 + which);
        record.thirdStyle = static_cast<std::uint8_t>(2 + which);
        for (int byte = 0; byte < CClubKit::kColourBytes; ++byte) {
            record.colours[static_cast<std::size_t>(byte)] =
                static_cast<std::uint8_t>(100 * which + byte);
        }
    }
    kit.SetSharedValue(734);
    const render::SClubKits kits = RenderKitsOf(kit);
    QCOMPARE(kits.originalKit, 734);
    QCOMPARE(kits.home.shirtDesign, std::uint8_t{40});
    QCOMPARE(kits.away.shirtDesign, std::uint8_t{41});
    QCOMPARE(kits.home.shortsDesign, std::uint8_t{10});
    QCOMPARE(kits.away.socksDesign, std::uint8_t{3});
    // Colours in record order, three bytes each: the third colour of the away kit is bytes 6..8.
    QVERIFY((kits.home.colours[0] == render::SRgb{0, 1, 2}));
    QVERIFY((kits.home.colours[3] == render::SRgb{9, 10, 11}));
    QVERIFY((kits.away.colours[2] == render::SRgb{106, 107, 108}));

    CWorld world;
    CPlayer& player = world.CreatePerson(0, true);
    player.SetLook(look::kHairColour, 5);
    player.SetLook(look::kFace, 61);
    player.SetLook(look::kHairCut, 37);
    player.SetLook(look::kBeard, 4);
    player.SetLook(look::kHeight, 201);
    player.SetLook(look::kWeight, 93);
    player.SetShoeType(2);
    player.SetSleeves(1);
    player.SetSpecialFace(4711);
    QVERIFY((RenderLookOf(player) == render::SPlayerLook{61, 5, 37, 4, 201, 93, 2, true, 4711}));
    player.SetSleeves(0);
    QVERIFY(!RenderLookOf(player).longSleeves);
}

}  // namespace kw

KW_GUI_TEST(RenderManagerTest);
#include "RenderManagerTest.moc"
