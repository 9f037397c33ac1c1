#pragma once

#include <QString>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "gui/editors/club/ClubPage.h"
#include "model/ClubNames.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kw {

class CShowBitmap;

// Page "Stadion/Umgebung" of the club editor: the stadium (name in the edited language, capacity,
// options, type, venue from the country's stadium list), the seven surroundings, the youth and
// preferred-transfer countries, the location and the city picture. The picture is the city
// folder's "<city name>.bmp" (editing/CityPicture.h); choosing one makes its name the club's city
// in the edited language, written with the page's other changes.
class CDlgClubStadium : public CClubPage {
    Q_OBJECT

public:
    CDlgClubStadium(SClubEditContext& context, QWidget* parent);

    void Load() override;

protected:
    void StoreInto(CClub& club) const override;

private:
    // What the controls show, compared at storing with what they showed after loading.
    struct SControls {
        QString name;
        QString capacity;
        bool bigMainStand = false;
        bool nationalStadium = false;
        int type = -1;
        int venue = -1;
        std::array<int, kSurroundingCount> surroundings{};
        int youthCountry = -1;
        std::array<int, 2> preferredCountries{};
        int latitudeHalf = 0;
        QString latitudeDegrees;
        QString latitudeMinutes;
        int longitudeHalf = 0;
        QString longitudeDegrees;
        QString longitudeMinutes;

        friend bool operator==(const SControls&, const SControls&) = default;
    };

    QWidget* MakeStadiumGroup();
    QWidget* MakeSurroundingsGroup();
    QWidget* MakeTransfersGroup();
    QWidget* MakeLocationGroup();
    QWidget* MakeCityPictureGroup();
    SControls Shown() const;
    void StoreStadium(const SControls& now, CClub& club) const;
    void StoreLocation(const SControls& now, CClub& club) const;
    void ChooseCityPicture();
    void ShowCityPicture(const std::optional<std::filesystem::path>& picture);

    QLineEdit* m_name;
    QLineEdit* m_capacity;
    QCheckBox* m_bigMainStand;
    QCheckBox* m_nationalStadium;
    QComboBox* m_type;
    QComboBox* m_venue;
    std::array<QComboBox*, kSurroundingCount> m_surroundings{};
    QComboBox* m_youthCountry;
    std::array<QComboBox*, 2> m_preferredCountries{};
    QComboBox* m_latitudeHalf;
    QLineEdit* m_latitudeDegrees;
    QLineEdit* m_latitudeMinutes;
    QComboBox* m_longitudeHalf;
    QLineEdit* m_longitudeDegrees;
    QLineEdit* m_longitudeMinutes;
    CShowBitmap* m_cityPicture;
    QLabel* m_cityPictureFile;
    QPushButton* m_chooseCityPicture;

    SControls m_loaded;
    // The city name a chosen picture gives, until the page is stored.
    std::optional<std::string> m_chosenCity;
};

}  // namespace kw
