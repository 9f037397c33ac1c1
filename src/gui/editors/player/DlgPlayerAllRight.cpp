#include "gui/editors/player/DlgPlayerAllRight.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "app/InstallationData.h"
#include "document/DatabaseDocument.h"
#include "editing/BoardStability.h"
#include "editing/ClubGeneralRules.h"
#include "editing/ManagerRecord.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "editing/SquadRules.h"
#include "editing/StaffKinds.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/DlgChairman.h"
#include "gui/editors/DlgManagerAbilities.h"
#include "gui/editors/DlgManagerAllRight.h"
#include "gui/editors/DlgStaffAtClub.h"
#include "gui/editors/player/DateFields.h"
#include "gui/editors/player/DlgPlayerAllRightSmall.h"
#include "gui/editors/player/PageFields.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

// What the page lets the user type, never more than the record's field holds.
constexpr int kSurnameLimit = 19;
constexpr int kFirstNameLimit = 15;
constexpr int kStageNameLimit = 19;
constexpr int kNicknameLimit = 19;

enum ENameField { kSurname, kFirstName, kStageName, kNickname };
enum EFlag { kHomeGrown, kBasque, kYouth };

QLabel* Buddy(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

// Shown for an unset birth date; counts as unchanged until the user edits the date.
CDate DefaultBirthDate() {
    return CDate::FromYmd(1980, 1, 1);
}

}  // namespace

CDlgPlayerAllRight::CDlgPlayerAllRight(SPlayerEditContext& context, QWidget* parent)
    : CPlayerPage(context, parent),
      m_today(GameToday()),
      m_nationality(new QComboBox(this)),
      m_secondNationality(new QComboBox(this)),
      m_birthDate(new CDateFields(kBirthYearMinimum, m_today.Year(), this)),
      m_age(new QLabel(this)),
      m_playerPanel(new CDlgPlayerAllRightSmall(this)),
      m_chairman(new CDlgChairman(this)),
      m_managerAbilities(new CDlgManagerAbilities(this)),
      m_managerPreferences(
          new CDlgManagerAllRight(context.installation.TextTables().Formations(), this)),
      m_staffPanel(new CDlgStaffAtClub(this)) {
    setObjectName(QStringLiteral("DlgPlayerAllRight"));

    auto* nameGroup = new QGroupBox(tr("Name"), this);
    auto* names = new QGridLayout(nameGroup);
    struct SNameSpec {
        const char* label;
        const char* objectName;
        int limit;
        std::size_t capacity;
    };
    const std::array<SNameSpec, 4> specs = {
        SNameSpec{QT_TR_NOOP("&Nachname"), "surname", kSurnameLimit, CFixedText<20>::kCapacity},
        SNameSpec{QT_TR_NOOP("&Vorname"), "firstName", kFirstNameLimit, CFixedText<16>::kCapacity},
        SNameSpec{QT_TR_NOOP("&Künstlername"), "stageName", kStageNameLimit,
                  CFixedText<20>::kCapacity},
        SNameSpec{QT_TR_NOOP("&Spitzname"), "nickname", kNicknameLimit, CFixedText<20>::kCapacity},
    };
    for (std::size_t field = 0; field < specs.size(); ++field) {
        auto* edit = new QLineEdit(nameGroup);
        edit->setObjectName(QString::fromLatin1(specs[field].objectName));
        edit->setMaxLength(TypingLimit(specs[field].limit, specs[field].capacity));
        m_names[field].edit = edit;
        const int row = static_cast<int>(field);
        names->addWidget(Buddy(tr(specs[field].label), edit, nameGroup), row, 0);
        names->addWidget(edit, row, 1);
    }
    m_nationality->setObjectName(QStringLiteral("nationality"));
    m_secondNationality->setObjectName(QStringLiteral("secondNationality"));
    for (QComboBox* combo : {m_nationality, m_secondNationality}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(18);
    }
    names->addWidget(Buddy(tr("Nat&ionalität"), m_nationality, nameGroup), 4, 0);
    names->addWidget(m_nationality, 4, 1);
    names->addWidget(Buddy(tr("&2. Nationalität"), m_secondNationality, nameGroup), 5, 0);
    names->addWidget(m_secondNationality, 5, 1);
    const std::array<const char*, 3> flagLabels = {
        QT_TR_NOOP("&Fußballinländer"), QT_TR_NOOP("&Baske"), QT_TR_NOOP("&Jugendspieler")};
    const std::array<const char*, 3> flagNames = {"homeGrown", "basque", "youth"};
    auto* flags = new QHBoxLayout;
    for (std::size_t flag = 0; flag < m_flags.size(); ++flag) {
        auto* box = new QCheckBox(tr(flagLabels[flag]), nameGroup);
        box->setObjectName(QString::fromLatin1(flagNames[flag]));
        m_flags[flag].box = box;
        flags->addWidget(box);
    }
    flags->addStretch(1);
    names->addLayout(flags, 6, 0, 1, 2);
    names->setColumnStretch(1, 1);

    auto* ageGroup = new QGroupBox(tr("Alter"), this);
    auto* age = new QGridLayout(ageGroup);
    m_birthDate->setObjectName(QStringLiteral("birthDate"));
    const QString birthDate = tr("&Geburtsdatum");
    age->addWidget(Buddy(birthDate, m_birthDate, ageGroup), 0, 0);
    NameTypingFields(*m_birthDate, birthDate);
    age->addWidget(m_birthDate, 0, 1);
    m_age->setObjectName(QStringLiteral("age"));
    age->addWidget(new QLabel(tr("Alter"), ageGroup), 1, 0);
    age->addWidget(m_age, 1, 1);
    age->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(nameGroup);
    left->addWidget(ageGroup);
    left->addStretch(1);
    auto* panels = new QVBoxLayout;
    for (QWidget* panel : std::initializer_list<QWidget*>{
             m_playerPanel, m_chairman, m_managerAbilities, m_managerPreferences, m_staffPanel}) {
        panels->addWidget(panel);
    }
    panels->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(panels, 1);

    connect(m_birthDate, &CDateFields::DateChanged, this, &CDlgPlayerAllRight::ShowAge);
    connect(m_playerPanel, &CDlgPlayerAllRightSmall::StoreNow, this,
            &CDlgPlayerAllRight::StoreAtOnce);
}

CDlgPlayerAllRight::~CDlgPlayerAllRight() = default;

void CDlgPlayerAllRight::FillCountries() {
    const CWorld& world = Context().document.World();
    const int language = Context().document.Language();
    if (language == m_countriesLanguage) {
        return;
    }
    m_countriesLanguage = language;
    struct SCountryItem {
        std::string name;  // Windows-1252
        int number = 0;
    };
    std::vector<SCountryItem> countries;
    if (world.IsLoaded()) {
        for (int number = 1; number <= kCountryCount; ++number) {
            countries.push_back({world.Country(number).Name(language), number});
        }
    }
    std::stable_sort(countries.begin(), countries.end(),
                     [](const SCountryItem& a, const SCountryItem& b) {
                         return CollateText(a.name, b.name) < 0;
                     });
    const QSignalBlocker quietFirst(m_nationality);
    const QSignalBlocker quietSecond(m_secondNationality);
    m_nationality->clear();
    m_secondNationality->clear();
    m_secondNationality->addItem(tr(" keine"), 0);
    for (const SCountryItem& country : countries) {
        const QString name = Cp1252ToQString(country.name);
        m_nationality->addItem(name, country.number);
        m_secondNationality->addItem(name, country.number);
    }
}

void CDlgPlayerAllRight::LoadPage(const CPlayer* player) {
    FillCountries();
    for (std::size_t field = 0; field < m_names.size(); ++field) {
        QString text;
        if (player != nullptr) {
            switch (field) {
                case kSurname:
                    text = Cp1252ToQString(player->Surname().View());
                    break;
                case kFirstName:
                    text = Cp1252ToQString(player->FirstName().View());
                    break;
                case kStageName:
                    text = Cp1252ToQString(player->StageName().View());
                    break;
                default:
                    text = Cp1252ToQString(player->Nickname().View());
                    break;
            }
        }
        m_names[field].edit->setText(text);
        // A longer stored name shows cut; what the field shows counts as unchanged.
        m_names[field].loaded = m_names[field].edit->text();
        m_names[field].edit->setCursorPosition(0);
    }
    m_nationality->setCurrentIndex(
        player != nullptr ? m_nationality->findData(static_cast<int>(player->Nationality())) : -1);
    m_loadedNationality = m_nationality->currentIndex();
    m_secondNationality->setCurrentIndex(
        player != nullptr
            ? m_secondNationality->findData(static_cast<int>(player->SecondNationality()))
            : -1);
    m_loadedSecondNationality = m_secondNationality->currentIndex();

    const std::array<bool, 3> flags = {
        player != nullptr && (player->OriginByte() & kHomeGrownBit) != 0,
        player != nullptr && (player->OriginByte() & kBasqueBit) != 0,
        player != nullptr && player->YouthFlag() != 0,
    };
    for (std::size_t flag = 0; flag < m_flags.size(); ++flag) {
        m_flags[flag].box->setChecked(flags[flag]);
        m_flags[flag].loaded = flags[flag];
    }

    if (player != nullptr) {
        m_birthDate->SetDate(player->BirthDate(), DefaultBirthDate());
        m_loadedBirthDate = m_birthDate->Date();
    } else {
        m_birthDate->Clear();
        m_loadedBirthDate = CDate();
    }
    ShowAge();

    ShowPanelsOf(player);
}

void CDlgPlayerAllRight::StoreInto(CPlayer& copy) const {
    for (std::size_t field = 0; field < m_names.size(); ++field) {
        const QString& text = m_names[field].edit->text();
        if (text == m_names[field].loaded) {
            continue;
        }
        const std::string name = QStringToCp1252(text);
        switch (field) {
            case kSurname:
                copy.SetSurname(name);
                break;
            case kFirstName:
                copy.SetFirstName(name);
                break;
            case kStageName:
                copy.SetStageName(name);
                break;
            default:
                copy.SetNickname(name);
                break;
        }
    }

    const int nationalityIndex = m_nationality->currentIndex();
    const int secondIndex = m_secondNationality->currentIndex();
    if ((nationalityIndex != m_loadedNationality || secondIndex != m_loadedSecondNationality) &&
        nationalityIndex >= 0) {
        const auto first = static_cast<std::uint8_t>(m_nationality->currentData().toInt());
        const auto second =
            static_cast<std::uint8_t>(secondIndex >= 0 ? m_secondNationality->currentData().toInt()
                                                       : copy.SecondNationality());
        StoreNationalities(Context().document.World(), copy, first, second);
    }

    if (m_flags[kHomeGrown].box->isChecked() != m_flags[kHomeGrown].loaded) {
        copy.SetOriginByte(
            WithOriginBit(copy.OriginByte(), kHomeGrownBit, m_flags[kHomeGrown].box->isChecked()));
    }
    if (m_flags[kBasque].box->isChecked() != m_flags[kBasque].loaded) {
        copy.SetOriginByte(
            WithOriginBit(copy.OriginByte(), kBasqueBit, m_flags[kBasque].box->isChecked()));
    }
    if (m_flags[kYouth].box->isChecked() != m_flags[kYouth].loaded) {
        copy.SetYouthFlag(m_flags[kYouth].box->isChecked() ? 1 : 0);
    }

    const CDate birth = m_birthDate->Date();
    if (birth != m_loadedBirthDate) {
        StoreBirthDate(copy, birth, m_today);
    }

    const int kind = copy.Kind();
    if (copy.IsPlayer()) {
        m_playerPanel->StoreInto(copy);
        return;
    }
    if (kind == personkind::kPresident && m_staffCopy != nullptr &&
        BoardStability(*m_staffCopy) != m_loadedBoardStability) {
        SetBoardStability(copy, BoardStability(*m_staffCopy));
    }
    if (kind >= personkind::kTrainer && kind <= personkind::kPresident) {
        CClubStaffManager manager(copy);
        m_managerAbilities->StoreInto(manager);
    } else if (HasStaffGrades(kind)) {
        CClubStaffGrades grades(copy);
        m_staffPanel->StoreInto(grades);
    }
}

void CDlgPlayerAllRight::ShowPanelsOf(const CPlayer* person) {
    const int kind = person != nullptr ? person->Kind() : personkind::kPlayer;
    const bool player = person == nullptr || person->IsPlayer();
    const bool manager = kind == personkind::kTrainer || kind == personkind::kManager;
    const bool president = kind == personkind::kPresident;
    const bool otherStaff = HasStaffGrades(kind);

    m_chairman->SetPerson(nullptr);
    m_staffCopy = player ? nullptr : person->Clone();
    m_loadedBoardStability = -1;
    m_playerPanel->Load(player ? person : nullptr, m_today);
    if (president) {
        m_loadedBoardStability = BoardStability(*m_staffCopy);
        m_chairman->SetPerson(m_staffCopy.get());
    }
    if (manager || president) {
        const CClubStaffManager record(*m_staffCopy);
        m_managerAbilities->Load(&record, HasManagerExperience(kind));
    } else {
        m_managerAbilities->Load(nullptr, false);
    }
    if (otherStaff) {
        const CClubStaffGrades grades(*m_staffCopy);
        m_staffPanel->Load(&grades);
    } else {
        m_staffPanel->Load(nullptr);
    }

    m_playerPanel->setVisible(player);
    m_chairman->setVisible(president);
    m_managerAbilities->setVisible(manager || president);
    m_managerPreferences->setVisible(manager);
    m_staffPanel->setVisible(otherStaff);
}

void CDlgPlayerAllRight::ShowAge() {
    m_age->setText(Player() != nullptr ? QString::number(AgeOn(m_birthDate->Date(), m_today))
                                       : QString());
}

void CDlgPlayerAllRight::StoreAtOnce() {
    Store();
    LoadPage(Player());
}

}  // namespace kw
