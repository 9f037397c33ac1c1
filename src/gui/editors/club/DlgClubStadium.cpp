#include "gui/editors/club/DlgClubStadium.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <span>

#include "assets/Dib.h"
#include "editing/CityPicture.h"
#include "editing/ClubStadiumRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/ShowBitmap.h"
#include "gui/controls/SmallControls.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kNameLength = 29;
constexpr int kLatitudeDigits = 3;
constexpr int kLongitudeDigits = 4;
// Where each surrounding's mnemonic sits in its name, so that the seven differ: Vereinszentrum,
// Fanartikel, Medizinische Abteilung, Jugendzentrum, tRainingsanlage, mEdien, forscHung.
constexpr std::array<int, kSurroundingCount> kSurroundingMnemonics = {0, 0, 0, 0, 1, 1, 5};

QLineEdit* DigitsEdit(int digits, const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(digits);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 3));
    return edit;
}

QComboBox* Combo(const QString& name) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    return combo;
}

void Fill(QComboBox& combo, std::span<const SEditChoice> choices, int value) {
    combo.clear();
    for (const SEditChoice& choice : choices) {
        combo.addItem(Cp1252ToQString(choice.text), choice.value);
    }
    combo.setCurrentIndex(ChoiceIndex(choices, value));
}

int Value(const QComboBox& combo) {
    return combo.currentData().toInt();
}

QString WithMnemonic(std::string_view name, int position) {
    QString text = Cp1252ToQString(name);
    text.insert(position, QLatin1Char('&'));
    return text;
}

}  // namespace

CDlgClubStadium::CDlgClubStadium(SClubEditContext& context, QWidget* parent)
    : CClubPage(context, parent),
      m_name(new QLineEdit),
      m_capacity(DigitsEdit(kCapacityDigits, QStringLiteral("stadiumCapacity"))),
      m_bigMainStand(new QCheckBox(tr("&grosse Haupttribüne"))),
      m_nationalStadium(new QCheckBox(tr("Nationalteamstadium"))),
      m_type(Combo(QStringLiteral("stadiumType"))),
      m_venue(Combo(QStringLiteral("venue"))),
      m_youthCountry(Combo(QStringLiteral("youthCountry"))),
      m_latitudeHalf(Combo(QStringLiteral("latitudeHalf"))),
      m_latitudeDegrees(DigitsEdit(kLatitudeDigits, QStringLiteral("latitudeDegrees"))),
      m_latitudeMinutes(DigitsEdit(kLatitudeDigits, QStringLiteral("latitudeMinutes"))),
      m_longitudeHalf(Combo(QStringLiteral("longitudeHalf"))),
      m_longitudeDegrees(DigitsEdit(kLongitudeDigits, QStringLiteral("longitudeDegrees"))),
      m_longitudeMinutes(DigitsEdit(kLongitudeDigits, QStringLiteral("longitudeMinutes"))),
      m_cityPicture(new CShowBitmap),
      m_cityPictureFile(new QLabel),
      m_chooseCityPicture(new QPushButton(tr("&Wähle Datei"))) {
    setObjectName(QStringLiteral("DlgClubStadium"));
    m_name->setObjectName(QStringLiteral("stadiumName"));
    m_name->setMaxLength(kNameLength);
    m_bigMainStand->setObjectName(QStringLiteral("bigMainStand"));
    m_nationalStadium->setObjectName(QStringLiteral("nationalStadium"));
    m_nationalStadium->hide();
    for (std::size_t i = 0; i < m_preferredCountries.size(); ++i) {
        m_preferredCountries[i] = Combo(QStringLiteral("preferredCountry%1").arg(i + 1));
    }
    for (int area = 0; area < kSurroundingCount; ++area) {
        QComboBox* combo = Combo(QStringLiteral("surrounding%1").arg(area));
        // The level names are long; each is shown whole, also when space is short.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumContentsLength(0);
        Fill(*combo, SurroundingChoices(area), 0);
        m_surroundings[static_cast<std::size_t>(area)] = combo;
    }
    Fill(*m_type, StadiumTypeChoices(), 0);
    m_latitudeHalf->addItem(tr("Nord"), 0);
    m_latitudeHalf->addItem(tr("Süd"), 1);
    m_longitudeHalf->addItem(tr("Ost"), 0);
    m_longitudeHalf->addItem(tr("West"), 1);

    auto* left = new QVBoxLayout;
    left->addWidget(MakeStadiumGroup());
    left->addWidget(MakeSurroundingsGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeTransfersGroup());
    right->addWidget(MakeLocationGroup());
    right->addWidget(MakeCityPictureGroup(), 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    connect(m_chooseCityPicture, &QPushButton::clicked, this, &CDlgClubStadium::ChooseCityPicture);
}

QWidget* CDlgClubStadium::MakeStadiumGroup() {
    auto* group = new QGroupBox(tr("Stadion"));
    auto* form = new QFormLayout(group);
    form->addRow(MakeBuddy(tr("Stadion&name"), m_name), m_name);
    form->addRow(MakeBuddy(tr("Stadion&kapazität"), m_capacity), m_capacity);
    form->addRow(QString(), m_bigMainStand);
    form->addRow(MakeBuddy(tr("Stadion&typ"), m_type), m_type);
    form->addRow(MakeBuddy(tr("Spiel&ort"), m_venue), m_venue);
    form->addRow(QString(), m_nationalStadium);
    return group;
}

QWidget* CDlgClubStadium::MakeSurroundingsGroup() {
    auto* group = new QGroupBox(tr("Umgebung"));
    auto* form = new QFormLayout(group);
    for (int area = 0; area < kSurroundingCount; ++area) {
        QComboBox* combo = m_surroundings[static_cast<std::size_t>(area)];
        const QString label = WithMnemonic(SurroundingName(area),
                                           kSurroundingMnemonics[static_cast<std::size_t>(area)]);
        form->addRow(MakeBuddy(label, combo), combo);
    }
    return group;
}

QWidget* CDlgClubStadium::MakeTransfersGroup() {
    // Labels above their combos: the surroundings' long level names need the width.
    auto* group = new QGroupBox(tr("Transfers"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(MakeBuddy(tr("J&ugendspieler kommen aus..."), m_youthCountry));
    layout->addWidget(m_youthCountry);
    auto* preferred = new QLabel(
        tr("Dieser Verein verpflichtet besonders gerne Spieler aus den folgenden Ländern"));
    preferred->setWordWrap(true);
    layout->addWidget(preferred);
    auto* form = new QFormLayout;
    form->addRow(MakeBuddy(tr("&1."), m_preferredCountries[0]), m_preferredCountries[0]);
    form->addRow(MakeBuddy(tr("&2."), m_preferredCountries[1]), m_preferredCountries[1]);
    // "1." and "2." alone would tell a screen reader's user little.
    m_preferredCountries[0]->setAccessibleName(tr("Bevorzugtes Land 1"));
    m_preferredCountries[1]->setAccessibleName(tr("Bevorzugtes Land 2"));
    layout->addLayout(form);
    return group;
}

QWidget* CDlgClubStadium::MakeLocationGroup() {
    auto* group = new QGroupBox(tr("Breitengrade / Längengrade"));
    auto* grid = new QGridLayout(group);
    const auto addRow = [grid](int row, QLabel* label, QComboBox* half, QLineEdit* degrees,
                               QLineEdit* minutes) {
        grid->addWidget(label, row, 0);
        grid->addWidget(half, row, 1);
        grid->addWidget(degrees, row, 2);
        grid->addWidget(new QLabel(QStringLiteral("°")), row, 3);
        grid->addWidget(minutes, row, 4);
        grid->addWidget(new QLabel(QStringLiteral("'")), row, 5);
    };
    // Degrees and minutes stand beside their signs, without labels of their own.
    m_latitudeDegrees->setAccessibleName(tr("Breite: Grad"));
    m_latitudeMinutes->setAccessibleName(tr("Breite: Minuten"));
    m_longitudeDegrees->setAccessibleName(tr("Länge: Grad"));
    m_longitudeMinutes->setAccessibleName(tr("Länge: Minuten"));
    m_latitudeHalf->setMinimumContentsLength(5);
    m_longitudeHalf->setMinimumContentsLength(5);
    addRow(0, MakeBuddy(tr("&Breite"), m_latitudeHalf), m_latitudeHalf, m_latitudeDegrees,
           m_latitudeMinutes);
    addRow(1, MakeBuddy(tr("&Länge"), m_longitudeHalf), m_longitudeHalf, m_longitudeDegrees,
           m_longitudeMinutes);
    grid->setColumnStretch(6, 1);
    return group;
}

QWidget* CDlgClubStadium::MakeCityPictureGroup() {
    auto* group = new QGroupBox(tr("Stadtgrafik"));
    m_cityPicture->setObjectName(QStringLiteral("cityPicture"));
    m_cityPicture->setMinimumSize(200, 120);
    m_cityPictureFile->setObjectName(QStringLiteral("cityPictureFile"));
    m_chooseCityPicture->setObjectName(QStringLiteral("chooseCityPicture"));
    auto* row = new QHBoxLayout;
    row->addWidget(m_cityPictureFile, 1);
    row->addWidget(m_chooseCityPicture);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_cityPicture, 1);
    layout->addLayout(row);
    return group;
}

void CDlgClubStadium::Load() {
    const SClubEditContext& context = Context();
    const CClub& club = context.club;
    const int language = context.language;
    m_name->setText(Cp1252ToQString(club.StadiumNames()[language].View()));
    m_capacity->setText(QString::number(club.StadiumCapacity()));
    m_bigMainStand->setChecked((club.StadiumFlags() & kBigMainStandFlag) != 0);
    m_nationalStadium->setChecked((club.StadiumFlags() & kNationalStadiumFlag) != 0);
    m_type->setCurrentIndex(ChoiceIndex(StadiumTypeChoices(), club.StadiumType()));
    Fill(*m_venue, StadiumChoices(context.world.Country(club.Country())), club.StadiumNumber());
    for (int area = 0; area < kSurroundingCount; ++area) {
        QComboBox& combo = *m_surroundings[static_cast<std::size_t>(area)];
        combo.setCurrentIndex(
            combo.findData(static_cast<int>(club.Surroundings()[static_cast<std::size_t>(area)])));
    }
    const std::vector<SEditChoice> countries = CountryChoices(context.world, language);
    Fill(*m_youthCountry, countries, club.YouthCountry());
    for (std::size_t slot = 0; slot < m_preferredCountries.size(); ++slot) {
        Fill(*m_preferredCountries[slot], countries, club.PreferredCountry(static_cast<int>(slot)));
    }
    const SCoordinate latitude = SplitCoordinate(club.Latitude());
    m_latitudeHalf->setCurrentIndex(latitude.negative ? 1 : 0);
    m_latitudeDegrees->setText(QString::number(latitude.degrees));
    m_latitudeMinutes->setText(QString::number(latitude.minutes));
    const SCoordinate longitude = SplitCoordinate(club.Longitude());
    m_longitudeHalf->setCurrentIndex(longitude.negative ? 1 : 0);
    m_longitudeDegrees->setText(QString::number(longitude.degrees));
    m_longitudeMinutes->setText(QString::number(longitude.minutes));

    m_chosenCity.reset();
    ShowCityPicture(FindCityPicture(context.cityDirectory, club, language));
    m_loaded = Shown();
}

CDlgClubStadium::SControls CDlgClubStadium::Shown() const {
    SControls shown;
    shown.name = m_name->text();
    shown.capacity = m_capacity->text();
    shown.bigMainStand = m_bigMainStand->isChecked();
    shown.nationalStadium = m_nationalStadium->isChecked();
    shown.type = m_type->currentIndex();
    shown.venue = m_venue->currentIndex();
    for (std::size_t area = 0; area < m_surroundings.size(); ++area) {
        shown.surroundings[area] = m_surroundings[area]->currentIndex();
    }
    shown.youthCountry = m_youthCountry->currentIndex();
    for (std::size_t slot = 0; slot < m_preferredCountries.size(); ++slot) {
        shown.preferredCountries[slot] = m_preferredCountries[slot]->currentIndex();
    }
    shown.latitudeHalf = m_latitudeHalf->currentIndex();
    shown.latitudeDegrees = m_latitudeDegrees->text();
    shown.latitudeMinutes = m_latitudeMinutes->text();
    shown.longitudeHalf = m_longitudeHalf->currentIndex();
    shown.longitudeDegrees = m_longitudeDegrees->text();
    shown.longitudeMinutes = m_longitudeMinutes->text();
    return shown;
}

void CDlgClubStadium::StoreInto(CClub& club) const {
    const SControls now = Shown();
    StoreStadium(now, club);
    for (std::size_t area = 0; area < m_surroundings.size(); ++area) {
        if (now.surroundings[area] != m_loaded.surroundings[area]) {
            club.SetSurrounding(static_cast<int>(area),
                                static_cast<std::uint8_t>(Value(*m_surroundings[area])));
        }
    }
    if (now.youthCountry != m_loaded.youthCountry) {
        club.SetYouthCountry(static_cast<std::uint8_t>(Value(*m_youthCountry)));
    }
    for (std::size_t slot = 0; slot < m_preferredCountries.size(); ++slot) {
        if (now.preferredCountries[slot] != m_loaded.preferredCountries[slot]) {
            club.SetPreferredCountry(static_cast<int>(slot),
                                     static_cast<std::uint8_t>(Value(*m_preferredCountries[slot])));
        }
    }
    StoreLocation(now, club);
    if (m_chosenCity) {
        club.SetCity(Context().language, *m_chosenCity);
    }
}

void CDlgClubStadium::StoreStadium(const SControls& now, CClub& club) const {
    if (now.name != m_loaded.name) {
        club.SetStadiumName(Context().language, QStringToCp1252(now.name));
    }
    if (now.capacity != m_loaded.capacity) {
        club.SetStadiumCapacity(StadiumCapacityFromText(QStringToCp1252(now.capacity)));
    }
    if (now.bigMainStand != m_loaded.bigMainStand) {
        club.SetStadiumFlags(
            WithStadiumFlag(club.StadiumFlags(), kBigMainStandFlag, now.bigMainStand));
    }
    if (now.nationalStadium != m_loaded.nationalStadium) {
        club.SetStadiumFlags(
            WithStadiumFlag(club.StadiumFlags(), kNationalStadiumFlag, now.nationalStadium));
    }
    if (now.type != m_loaded.type) {
        club.SetStadiumType(static_cast<std::uint8_t>(Value(*m_type)));
    }
    if (now.venue != m_loaded.venue) {
        club.SetStadiumNumber(Value(*m_venue));
    }
}

void CDlgClubStadium::StoreLocation(const SControls& now, CClub& club) const {
    if (now.latitudeHalf != m_loaded.latitudeHalf ||
        now.latitudeDegrees != m_loaded.latitudeDegrees ||
        now.latitudeMinutes != m_loaded.latitudeMinutes) {
        club.SetLatitude(
            CoordinateFromTexts(now.latitudeHalf == 1, QStringToCp1252(now.latitudeDegrees),
                                QStringToCp1252(now.latitudeMinutes), kMaxLatitudeDegrees));
    }
    if (now.longitudeHalf != m_loaded.longitudeHalf ||
        now.longitudeDegrees != m_loaded.longitudeDegrees ||
        now.longitudeMinutes != m_loaded.longitudeMinutes) {
        club.SetLongitude(
            CoordinateFromTexts(now.longitudeHalf == 1, QStringToCp1252(now.longitudeDegrees),
                                QStringToCp1252(now.longitudeMinutes), kMaxLongitudeDegrees));
    }
}

void CDlgClubStadium::ChooseCityPicture() {
    const std::filesystem::path& cities = Context().cityDirectory;
    QFileDialog dialog(this, tr("Stadtgrafik"), QString::fromStdString(cities.string()),
                       QStringLiteral("Bitmaps (*.bmp)"));
    dialog.setObjectName(QStringLiteral("cityPictureDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const std::filesystem::path file = dialog.selectedFiles().front().toStdString();
    const SCityPictureChoice choice = kw::ChooseCityPicture(cities, file);
    if (!choice.accepted) {
        QMessageBox::warning(this, ResourceQString(ids::kApplicationTitle),
                             Cp1252ToQString(choice.message));
        return;
    }
    m_chosenCity = choice.city;
    ShowCityPicture(file);
}

void CDlgClubStadium::ShowCityPicture(const std::optional<std::filesystem::path>& picture) {
    CDib dib;
    if (picture && dib.LoadFromFile(*picture)) {
        m_cityPicture->SetDib(dib, true);
        m_cityPictureFile->setText(QString::fromStdString(picture->filename().string()));
        return;
    }
    m_cityPicture->Clear();
    m_cityPictureFile->setText(ResourceQString(ids::kNoFileChosen));
}

}  // namespace kw
