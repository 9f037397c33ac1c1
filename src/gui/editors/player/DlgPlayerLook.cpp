#include "gui/editors/player/DlgPlayerLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <memory>

#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "editing/PlayerLookRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/RenderManager.h"
#include "gui/controls/RenderPreview.h"
#include "gui/controls/RenderValues.h"
#include "gui/controls/ShowBitmap.h"
#include "gui/controls/SpinEditCtrl.h"
#include "gui/editors/player/DateSpinFields.h"
#include "gui/editors/player/PageFields.h"
#include "gui/editors/player/PageTyping.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

constexpr int kPreviewWidth = 220;
constexpr int kPreviewHeight = 260;

// The record's look index of each generic combo.
constexpr std::array<int, 4> kGenericLooks = {look::kFace, look::kHairColour, look::kHairCut,
                                              look::kBeard};

void Fill(QComboBox* box, const std::vector<SEditChoice>& choices) {
    for (const SEditChoice& choice : choices) {
        box->addItem(Cp1252ToQString(choice.text), choice.value);
    }
}

void FillFromTable(QComboBox* box, const CBaseTextFile& table) {
    for (const auto& entry : table.Entries()) {
        box->addItem(Cp1252ToQString(entry.second), entry.first);
    }
}

int ItemOf(const QComboBox* box, int value) {
    return box->findData(value);
}

// The value of the chosen item when the user chose another than the loaded one.
bool ChangedChoice(const QComboBox* box, int loaded, int& value) {
    const int index = box->currentIndex();
    if (index < 0 || index == loaded) {
        return false;
    }
    value = box->itemData(index).toInt();
    return true;
}

}  // namespace

CDlgPlayerLook::CDlgPlayerLook(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent) {
    setObjectName(QStringLiteral("DlgPlayerLook"));
    auto* fields = new QVBoxLayout;
    fields->addWidget(MakeSpecialFaceBox());
    fields->addWidget(MakeGenericBox());
    fields->addWidget(MakeOtherBox());
    fields->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addWidget(MakePictureColumn());

    CRenderManager* renderer = Context().renderer;
    if (renderer != nullptr && renderer->IsAvailable()) {
        new CRenderPreview(*renderer, *m_placeholder, render::kLookPageBackground);
    }
    for (QComboBox* box :
         {m_specialFace, m_generic[0], m_generic[1], m_generic[2], m_generic[3], m_shoe}) {
        connect(box, &QComboBox::currentIndexChanged, this, &CDlgPlayerLook::UpdatePreview);
    }
    connect(m_height, &CSpinEditCtrl::SpinEditChanged, this, &CDlgPlayerLook::UpdateImperial);
    connect(m_weight, &CSpinEditCtrl::SpinEditChanged, this, &CDlgPlayerLook::UpdateImperial);
    connect(m_longSleeves, &QCheckBox::toggled, this, &CDlgPlayerLook::UpdatePreview);
}

QGroupBox* CDlgPlayerLook::MakeSpecialFaceBox() {
    auto* box = new QGroupBox(tr("Spezielles Spielergesicht"), this);
    auto* grid = new QGridLayout(box);
    m_specialFace = new QComboBox(box);
    m_specialFace->setObjectName(QStringLiteral("specialFace"));
    FillFromTable(m_specialFace, Context().installation.TextTables().Faces());
    AddFieldRow(grid, tr("&Gesicht"), m_specialFace);
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CDlgPlayerLook::MakeGenericBox() {
    auto* box = new QGroupBox(tr("Generisches Gesicht"), this);
    auto* grid = new QGridLayout(box);
    const std::array<const char*, kGenericCount> labels = {
        QT_TR_NOOP("Gesichts-/ &Hauttyp"), QT_TR_NOOP("Haar&farbe"), QT_TR_NOOP("Haar&schnitt"),
        QT_TR_NOOP("&Bart")};
    const std::array<const char*, kGenericCount> names = {"face", "hairColour", "hairCut", "beard"};
    const std::array<std::vector<SEditChoice>, kGenericCount> choices = {
        FaceChoices(), HairColourChoices(), HairCutChoices(), BeardChoices()};
    for (std::size_t which = 0; which < kGenericCount; ++which) {
        m_generic[which] = new QComboBox(box);
        m_generic[which]->setObjectName(QString::fromLatin1(names[which]));
        Fill(m_generic[which], choices[which]);
        AddFieldRow(grid, tr(labels[which]), m_generic[which]);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* CDlgPlayerLook::MakeOtherBox() {
    auto* box = new QGroupBox(tr("Sonstiges Aussehen"), this);
    auto* grid = new QGridLayout(box);
    m_shoe = new QComboBox(box);
    m_shoe->setObjectName(QStringLiteral("shoe"));
    FillFromTable(m_shoe, Context().installation.TextTables().Shoes());
    AddFieldRow(grid, tr("Sch&uhtyp"), m_shoe);
    m_height = new CSpinEditCtrl(box);
    m_height->setObjectName(QStringLiteral("height"));
    m_height->SetRange(kMinHeight, kMaxHeight);
    FitSpinToDigits(*m_height, 3);
    m_heightImperial = new QLabel(box);
    m_heightImperial->setObjectName(QStringLiteral("heightImperial"));
    AddFieldRow(grid, tr("Gr&öße"), m_height, m_heightImperial);
    m_weight = new CSpinEditCtrl(box);
    m_weight->setObjectName(QStringLiteral("weight"));
    m_weight->SetRange(kMinWeight, kMaxWeight);
    FitSpinToDigits(*m_weight, 3);
    m_weightImperial = new QLabel(box);
    m_weightImperial->setObjectName(QStringLiteral("weightImperial"));
    AddFieldRow(grid, tr("Ge&wicht"), m_weight, m_weightImperial);
    m_longSleeves = new QCheckBox(tr("&Lange Ärmel"), box);
    m_longSleeves->setObjectName(QStringLiteral("longSleeves"));
    grid->addWidget(m_longSleeves, grid->rowCount(), 0, 1, 3);
    // The imperial forms stand right beside the numbers.
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* CDlgPlayerLook::MakePictureColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_picture = new CShowBitmap(column);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setFixedSize(kPictureSize, kPictureSize);
    m_pictureWarning = new QLabel(ResourceQString(ids::kPlayerPictureSize), column);
    m_pictureWarning->setObjectName(QStringLiteral("pictureWarning"));
    m_pictureWarning->setWordWrap(true);
    m_pictureWarning->setMaximumWidth(kPreviewWidth);
    m_pictureWarning->hide();
    m_placeholder = new QLabel(tr("Keine Vorschau"), column);
    m_placeholder->setObjectName(QStringLiteral("previewPlaceholder"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setFrameShape(QFrame::StyledPanel);
    m_placeholder->setFixedSize(kPreviewWidth, kPreviewHeight);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addWidget(m_pictureWarning);
    layout->addWidget(m_placeholder);
    layout->addStretch(1);
    return column;
}

void CDlgPlayerLook::LoadPage(const CPlayer* player) {
    const QSignalBlocker special(m_specialFace);
    const QSignalBlocker shoe(m_shoe);
    const QSignalBlocker height(m_height);
    const QSignalBlocker weight(m_weight);
    const QSignalBlocker sleeves(m_longSleeves);
    m_specialFace->setCurrentIndex(player != nullptr ? ItemOf(m_specialFace, player->SpecialFace())
                                                     : -1);
    m_loadedSpecialFace = m_specialFace->currentIndex();
    for (std::size_t which = 0; which < kGenericCount; ++which) {
        const QSignalBlocker blocker(m_generic[which]);
        const int value =
            player != nullptr ? player->Looks()[static_cast<std::size_t>(kGenericLooks[which])] : 0;
        m_generic[which]->setCurrentIndex(player != nullptr ? ItemOf(m_generic[which], value) : -1);
        m_loadedGeneric[which] = m_generic[which]->currentIndex();
    }
    m_shoe->setCurrentIndex(player != nullptr ? ItemOf(m_shoe, player->ShoeType()) : -1);
    m_loadedShoe = m_shoe->currentIndex();
    m_height->SetValue(player != nullptr ? player->Looks()[look::kHeight] : kMinHeight);
    m_loadedHeight = m_height->StoredValue();
    m_weight->SetValue(player != nullptr ? player->Looks()[look::kWeight] : kMinWeight);
    m_loadedWeight = m_weight->StoredValue();
    m_longSleeves->setChecked(player != nullptr && (player->Sleeves() & 0x01) != 0);
    m_loadedSleeves = m_longSleeves->isChecked();
    UpdateImperial();
    ShowPicture(player);
}

void CDlgPlayerLook::StoreInto(CPlayer& copy) const {
    FinishTyping(*this);
    ApplyEdits(copy);
}

void CDlgPlayerLook::ApplyEdits(CPlayer& copy) const {
    for (std::size_t which = 0; which < kGenericCount; ++which) {
        int value = 0;
        if (ChangedChoice(m_generic[which], m_loadedGeneric[which], value)) {
            copy.SetLook(kGenericLooks[which], static_cast<std::uint8_t>(value));
        }
    }
    int value = 0;
    if (ChangedChoice(m_shoe, m_loadedShoe, value)) {
        copy.SetShoeType(static_cast<std::uint8_t>(value));
    }
    if (m_height->StoredValue() != m_loadedHeight) {
        copy.SetLook(look::kHeight, static_cast<std::uint8_t>(m_height->StoredValue()));
    }
    if (m_weight->StoredValue() != m_loadedWeight) {
        copy.SetLook(look::kWeight, static_cast<std::uint8_t>(m_weight->StoredValue()));
    }
    if (m_longSleeves->isChecked() != m_loadedSleeves) {
        copy.SetSleeves(static_cast<std::uint8_t>(
            m_longSleeves->isChecked() ? copy.Sleeves() | 0x01 : copy.Sleeves() & ~0x01));
    }
    if (ChangedChoice(m_specialFace, m_loadedSpecialFace, value)) {
        copy.SetSpecialFace(value);
    }
}

void CDlgPlayerLook::ShowPicture(const CPlayer* player) {
    const std::optional<SPlayerPicture> found =
        player != nullptr ? FindPlayerPicture(Context().installDirectory, *player) : std::nullopt;
    if (!found) {
        m_picture->Clear();
        m_pictureWarning->hide();
        return;
    }
    m_picture->SetDib(found->picture, true);
    m_pictureWarning->setVisible(!found->HasPictureSize());
}

void CDlgPlayerLook::UpdateImperial() {
    m_heightImperial->setText(Cp1252ToQString(FormatHeightImperial(m_height->StoredValue())));
    m_weightImperial->setText(Cp1252ToQString(FormatWeightImperial(m_weight->StoredValue())));
    UpdatePreview();
}

void CDlgPlayerLook::UpdatePreview() {
    CRenderManager* renderer = Context().renderer;
    const CPlayer* player = Player();
    if (renderer == nullptr || player == nullptr) {
        return;
    }
    std::unique_ptr<CPlayer> edited = player->Clone();
    ApplyEdits(*edited);
    renderer->ChangeLook(RenderLookOf(*edited));
}

}  // namespace kw
