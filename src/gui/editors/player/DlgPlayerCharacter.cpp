#include "gui/editors/player/DlgPlayerCharacter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "editing/PlayerCharacterRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/NotStoredValue.h"
#include "model/Player.h"

namespace kw {

namespace {

constexpr std::array<const char*, CDlgPlayerCharacter::kCharacterFlagCount> kFlagLabels = {
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Einstellung"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Gelassen"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Nervenstark"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Fairness"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Schwache Nerven"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Härte"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Introvertiert"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Vereinstreu"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Legionär"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Sprachgenie"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Mediengewandt"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Skandalträchtigkeit"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Flexibilität"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Positionsgebundenheit"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Ehrgeizig"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Trainingsfleißig"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Trainiert ungern"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Temperament"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Publikumsliebling"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Anpassungsfähigkeit"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Professionell"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Weite Einwürfe"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerCharacter", "Direkte Freistöße"),
};
constexpr int kFlagRows = 8;

}  // namespace

CDlgPlayerCharacter::CDlgPlayerCharacter(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent),
      m_type(new QComboBox(this)),
      m_comment(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("DlgPlayerCharacter"));

    m_type->setObjectName(QStringLiteral("playerType"));
    for (int code = 0; code < kPlayerTypeCount; ++code) {
        m_type->addItem(Cp1252ToQString(PlayerTypeText(code)), code);
    }
    // Types the game's file cannot keep are shown for records that hold them, never offered.
    if (auto* model = qobject_cast<QStandardItemModel*>(m_type->model())) {
        for (int code = kStorablePlayerTypes; code < kPlayerTypeCount; ++code) {
            model->item(code)->setEnabled(false);
        }
    }
    auto* typeGroup = new QGroupBox(tr("Spielertyp"), this);
    auto* typeLayout = new QHBoxLayout(typeGroup);
    auto* typeLabel = new QLabel(tr("&Typ"), typeGroup);
    typeLabel->setBuddy(m_type);
    typeLayout->addWidget(typeLabel);
    typeLayout->addWidget(m_type, 1);

    auto* flagGroup = new QGroupBox(tr("Charakter"), this);
    auto* flags = new QGridLayout(flagGroup);
    for (std::size_t flag = 0; flag < m_flags.size(); ++flag) {
        auto* box = new QCheckBox(tr(kFlagLabels[flag]), flagGroup);
        box->setObjectName(QStringLiteral("character%1").arg(flag));
        ShowNotStored(*box);
        m_flags[flag] = box;
        const int index = static_cast<int>(flag);
        flags->addWidget(box, index % kFlagRows, index / kFlagRows);
    }

    m_comment->setObjectName(QStringLiteral("comment"));
    m_comment->setTabChangesFocus(true);
    auto* commentLabel = new QLabel(tr("&Kommentar:"), this);
    commentLabel->setBuddy(m_comment);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typeGroup);
    layout->addWidget(flagGroup);
    layout->addWidget(commentLabel);
    layout->addWidget(m_comment, 1);
}

void CDlgPlayerCharacter::LoadPage(const CPlayer* player) {
    m_type->setCurrentIndex(
        player != nullptr ? m_type->findData(static_cast<int>(player->RoleCode())) : -1);
    m_loadedType = m_type->currentIndex();
    m_comment->setPlainText(player != nullptr ? Cp1252ToQString(NoteForEditor(player->Note()))
                                              : QString());
    m_loadedComment = m_comment->toPlainText();
}

void CDlgPlayerCharacter::StoreInto(CPlayer& copy) const {
    const int type = m_type->currentIndex();
    if (type != m_loadedType && type >= 0 && IsStorablePlayerType(m_type->currentData().toInt())) {
        copy.SetRoleCode(static_cast<std::uint8_t>(m_type->currentData().toInt()));
    }
    const QString comment = m_comment->toPlainText();
    if (comment != m_loadedComment) {
        copy.SetNote(NoteFromEditor(QStringToCp1252(comment)));
    }
}

}  // namespace kw
