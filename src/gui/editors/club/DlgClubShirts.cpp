#include "gui/editors/club/DlgClubShirts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/InstallationData.h"
#include "editing/KitColours.h"
#include "editing/KitDesignInput.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/RenderManager.h"
#include "gui/controls/RenderPreview.h"
#include "gui/controls/RenderValues.h"
#include "gui/editors/club/KitColourButton.h"
#include "gui/editors/club/KitDesignControl.h"
#include "model/Club.h"

namespace kw {

namespace {

constexpr int kPreviewWidth = 220;
constexpr int kPreviewHeight = 260;
constexpr std::array<SKitDesignRange, 3> kDesignRanges = {kShirtDesigns, kShortsDesigns,
                                                          kSocksDesigns};

// The labels of the design rows; the two kits use different mnemonics.
constexpr std::array<std::array<const char*, 3>, 2> kDesignLabels = {{
    {QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "&Trikot"),
     QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "&Hose"),
     QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "&Stutzen")},
    {QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "Tri&kot"),
     QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "Hos&e"),
     QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "Stut&zen")},
}};
// The parts as the accessible names of a kit's controls name them.
constexpr std::array<const char*, 3> kPartNames = {
    //: Part of a kit, within an accessible name such as "Home kit, shirt: colour"
    QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "Trikot"),
    //: Part of a kit, within an accessible name such as "Home kit, shorts: colour"
    QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "Hose"),
    //: Part of a kit, within an accessible name such as "Home kit, socks: colour"
    QT_TRANSLATE_NOOP("kw::CDlgClubShirts", "Stutzen"),
};
constexpr std::array<const char*, 3> kDesignNames = {"ShirtDesign", "ShortsDesign", "SocksDesign"};
constexpr std::array<const char*, 4> kColourNames = {"ShirtColour", "ShortsColour", "SocksColour",
                                                     "TrimColour"};
// Row of the design each colour belongs to, and its column there.
constexpr std::array<int, 4> kColourRows = {0, 1, 2, 0};
constexpr std::array<int, 4> kColourColumns = {2, 2, 2, 3};

}  // namespace

CDlgClubShirts::CDlgClubShirts(SClubEditContext& context, QWidget* parent)
    : CClubPage(context, parent),
      m_originalKit(new QComboBox(this)),
      m_placeholder(new QLabel(tr("Keine Vorschau"), this)) {
    setObjectName(QStringLiteral("DlgClubShirts"));
    m_originalKit->setObjectName(QStringLiteral("originalKit"));
    m_placeholder->setObjectName(QStringLiteral("previewPlaceholder"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setFrameShape(QFrame::StyledPanel);
    m_placeholder->setFixedSize(kPreviewWidth, kPreviewHeight);

    auto* originalLabel = new QLabel(tr("&Originaltrikot"), this);
    originalLabel->setBuddy(m_originalKit);
    auto* originalRow = new QHBoxLayout;
    originalRow->addWidget(originalLabel);
    originalRow->addWidget(m_originalKit, 1);

    auto* kits = new QVBoxLayout;
    kits->addWidget(MakeKitBox(0, tr("Heimtrikot")));
    kits->addWidget(MakeKitBox(1, tr("Auswärtstrikot")));
    kits->addLayout(originalRow);
    kits->addStretch(1);

    auto* preview = new QVBoxLayout;
    preview->addWidget(m_placeholder);
    preview->addWidget(MakePreviewBox());
    preview->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(kits, 1);
    layout->addLayout(preview);

    CRenderManager* renderer = Context().renderer;
    if (renderer != nullptr && renderer->IsAvailable()) {
        new CRenderPreview(*renderer, *m_placeholder, render::kKitPageBackground);
    } else {
        for (QRadioButton* view : m_views) {
            view->setEnabled(false);
        }
    }
    connect(m_originalKit, &QComboBox::currentIndexChanged, this, &CDlgClubShirts::UpdatePreview);
}

QGroupBox* CDlgClubShirts::MakeKitBox(int kit, const QString& title) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    const QString prefix = kit == 0 ? QStringLiteral("home") : QStringLiteral("away");
    SKitControls& controls = m_kits[static_cast<std::size_t>(kit)];
    for (std::size_t part = 0; part < controls.designs.size(); ++part) {
        auto* design = new CKitDesignControl(kDesignRanges[part], box);
        design->setObjectName(prefix + QString::fromLatin1(kDesignNames[part]));
        auto* label = new QLabel(tr(kDesignLabels[static_cast<std::size_t>(kit)][part]), box);
        label->setBuddy(design);
        const QString partName = tr(kPartNames[part]);
        design->SetAccessibleNames(tr("%1, %2: Muster").arg(title, partName),
                                   tr("%1, %2: Musternummer").arg(title, partName));
        grid->addWidget(label, static_cast<int>(part), 0);
        grid->addWidget(design, static_cast<int>(part), 1);
        connect(design, &CKitDesignControl::DesignChanged, this, &CDlgClubShirts::UpdatePreview);
        controls.designs[part] = design;
    }
    const CTeamColourTextFile& table = Context().installation.TextTables().TeamColours();
    for (std::size_t colour = 0; colour < controls.colours.size(); ++colour) {
        const bool trim = static_cast<EKitColour>(colour) == EKitColour::kTrim;
        auto* button = new CKitColourButton(trim ? tr("Besatzfarbe") : tr("Farbe"), table, box);
        button->setObjectName(prefix + QString::fromLatin1(kColourNames[colour]));
        // Six buttons read "Farbe": the name tells kit and part.
        const QString partName = tr(kPartNames[static_cast<std::size_t>(kColourRows[colour])]);
        button->setAccessibleName(trim ? tr("%1, %2: Besatzfarbe").arg(title, partName)
                                       : tr("%1, %2: Farbe").arg(title, partName));
        grid->addWidget(button, kColourRows[colour], kColourColumns[colour]);
        connect(button, &CKitColourButton::ColourChanged, this, &CDlgClubShirts::UpdatePreview);
        controls.colours[colour] = button;
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CDlgClubShirts::MakePreviewBox() {
    auto* box = new QGroupBox(tr("Vorschau"), this);
    auto* column = new QVBoxLayout(box);
    const std::array<QString, 4> texts = {tr("Heim"), tr("Original Heim"), tr("Original Auswärts"),
                                          tr("Auswärts")};
    for (std::size_t view = 0; view < m_views.size(); ++view) {
        m_views[view] = new QRadioButton(texts[view], box);
        m_views[view]->setObjectName(QStringLiteral("view%1").arg(view));
        column->addWidget(m_views[view]);
        connect(m_views[view], &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                UpdatePreview();
            }
        });
    }
    m_views[0]->setChecked(true);
    return box;
}

void CDlgClubShirts::Load() {
    const CClubKit& kit = Context().club.Kit();
    for (int which = 0; which < CClubKit::kKitCount; ++which) {
        const CClubKit::SKit& stored = kit.Kit(which);
        const SKitControls& controls = m_kits[static_cast<std::size_t>(which)];
        const QSignalBlocker shirt(controls.designs[0]);
        const QSignalBlocker shorts(controls.designs[1]);
        const QSignalBlocker socks(controls.designs[2]);
        controls.designs[0]->Load(stored.design);
        controls.designs[1]->Load(stored.secondStyle);
        controls.designs[2]->Load(stored.thirdStyle);
        for (std::size_t colour = 0; colour < controls.colours.size(); ++colour) {
            controls.colours[colour]->Load(KitColour(stored, static_cast<EKitColour>(colour)));
        }
    }
    {
        const QSignalBlocker blocker(m_originalKit);
        m_originalKit->clear();
        const TextTableEntries entries = Context().installation.TextTables().ClubIds().Entries();
        for (const auto& entry : entries) {
            m_originalKit->addItem(Cp1252ToQString(entry.second), entry.first);
        }
        m_loadedOriginal = SelectedEntryIndex(entries, kit.SharedValue());
        m_originalKit->setCurrentIndex(m_loadedOriginal);
    }
    if (CRenderManager* renderer = Context().renderer) {
        renderer->SetKits(RenderKitsOf(kit));
    }
    UpdatePreview();
}

void CDlgClubShirts::StoreInto(CClub& club) const {
    ApplyEdits(club.Kit());
}

void CDlgClubShirts::ApplyEdits(CClubKit& kit) const {
    for (int which = 0; which < CClubKit::kKitCount; ++which) {
        CClubKit::SKit& target = kit.Kit(which);
        const SKitControls& controls = m_kits[static_cast<std::size_t>(which)];
        std::array<std::uint8_t*, 3> designs = {&target.design, &target.secondStyle,
                                                &target.thirdStyle};
        for (std::size_t part = 0; part < designs.size(); ++part) {
            if (controls.designs[part]->IsChanged()) {
                *designs[part] = static_cast<std::uint8_t>(controls.designs[part]->Value());
            }
        }
        for (std::size_t colour = 0; colour < controls.colours.size(); ++colour) {
            if (controls.colours[colour]->IsChanged()) {
                SetKitColour(target, static_cast<EKitColour>(colour),
                             controls.colours[colour]->Colour());
            }
        }
    }
    const int original = m_originalKit->currentIndex();
    if (original >= 0 && original != m_loadedOriginal) {
        kit.SetSharedValue(m_originalKit->itemData(original).toInt());
    }
}

void CDlgClubShirts::UpdatePreview() {
    CRenderManager* renderer = Context().renderer;
    if (renderer == nullptr) {
        return;
    }
    CClubKit kit = Context().club.Kit();
    ApplyEdits(kit);
    renderer->ChangeKit(RenderKitsOf(kit), ChosenView());
}

render::EKitView CDlgClubShirts::ChosenView() const {
    for (std::size_t view = 0; view < m_views.size(); ++view) {
        if (m_views[view]->isChecked()) {
            return static_cast<render::EKitView>(view);
        }
    }
    return render::EKitView::kHome;
}

}  // namespace kw
