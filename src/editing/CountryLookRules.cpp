#include "editing/CountryLookRules.h"

#include <algorithm>
#include <iterator>

#include "editing/AssignChanged.h"
#include "model/Country.h"

namespace kw {

namespace {

// The factors of the game's conversion, taken as single-precision numbers.
constexpr float kFeetPerCentimetre = 0.0328084f;
constexpr float kCentimetresPerFoot = 30.48f;
constexpr float kInchesPerCentimetre = 0.3937008f;
constexpr float kStonesPerKilogram = 0.15752994f;
constexpr float kKilogramsPerStone = 6.348f;
constexpr float kPoundsPerKilogram = 2.2046227f;

bool IsSetValue(int value) {
    return value >= 0 && value < kLookSetValues;
}

}  // namespace

std::vector<SEditChoice> LookSetChoices(std::span<const SEditChoice> choices) {
    std::vector<SEditChoice> offered;
    std::copy_if(choices.begin(), choices.end(), std::back_inserter(offered),
                 [](const SEditChoice& choice) { return IsSetValue(choice.value); });
    return offered;
}

bool LookSetHas(std::uint32_t set, int value) {
    return IsSetValue(value) && ((set >> value) & 1u) != 0;
}

std::uint32_t LookSetOf(std::span<const int> values) {
    std::uint32_t set = 0;
    for (const int value : values) {
        if (IsSetValue(value)) {
            set |= 1u << value;
        }
    }
    return set;
}

SImperialHeight ImperialHeight(int centimetres) {
    const int feet = static_cast<int>(centimetres * static_cast<double>(kFeetPerCentimetre));
    const double rest = centimetres - feet * static_cast<double>(kCentimetresPerFoot);
    return {feet, static_cast<int>(rest * static_cast<double>(kInchesPerCentimetre))};
}

SImperialWeight ImperialWeight(int kilograms) {
    const int stones = static_cast<int>(kilograms * static_cast<double>(kStonesPerKilogram));
    const double rest = kilograms - stones * static_cast<double>(kKilogramsPerStone);
    return {stones, static_cast<int>(rest * static_cast<double>(kPoundsPerKilogram))};
}

SCountryLookValues ReadLookValues(const CCountry& country) {
    const SCountrySettings& s = country.Settings();
    return {s.faces, s.haircuts, s.hairColours, s.beards, s.averageHeight, s.averageWeight};
}

bool StoreChangedLookValues(CCountry& country, const SCountryLookValues& loaded,
                            const SCountryLookValues& edited) {
    SCountrySettings& s = country.Settings();
    bool changed = false;
    if (edited.faces != loaded.faces) {
        changed |= AssignChanged(s.faces, edited.faces);
    }
    if (edited.haircuts != loaded.haircuts) {
        changed |= AssignChanged(s.haircuts, edited.haircuts);
    }
    if (edited.hairColours != loaded.hairColours) {
        changed |= AssignChanged(s.hairColours, edited.hairColours);
    }
    if (edited.beards != loaded.beards) {
        changed |= AssignChanged(s.beards, edited.beards);
    }
    if (edited.averageHeight != loaded.averageHeight) {
        const auto height = std::clamp(edited.averageHeight, kMinAverageHeight, kMaxAverageHeight);
        changed |= AssignChanged(s.averageHeight, static_cast<std::uint8_t>(height));
    }
    if (edited.averageWeight != loaded.averageWeight) {
        const auto weight = std::clamp(edited.averageWeight, kMinAverageWeight, kMaxAverageWeight);
        changed |= AssignChanged(s.averageWeight, static_cast<std::uint8_t>(weight));
    }
    return changed;
}

}  // namespace kw
