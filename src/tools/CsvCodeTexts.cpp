#include "tools/CsvCodeTexts.h"

#include <array>

#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// Windows-1252; a hex escape is closed before a following hex letter.
constexpr std::array<std::string_view, 18> kPositions = {
    "",
    "Torwart",
    "Rechter Verteidiger",
    "Linker Verteidiger",
    "Innenverteidiger",
    "Libero",
    "Rechter Au\xDF"
    "enverteidiger",
    "Linker Au\xDF"
    "enverteidiger",
    "Abr\xE4umer",
    "Defensives Mittelfeld",
    "Rechtes Mittelfeld",
    "Linkes Mittelfeld",
    "Zentrales Mittelfeld",
    "Rechtsau\xDF"
    "en",
    "Linksau\xDF"
    "en",
    "Offensives Mittelfeld",
    "H\xE4ngende Spitze",
    "St\xFCrmer",
};
constexpr std::array<std::string_view, 3> kFeet = {"beide", "rechts", "links"};
constexpr std::array<std::string_view, 19> kStaffKinds = {
    "Spieler",
    "Trainer",
    "Manager",
    "Pr\xE4sident",
    "Co-Trainer",
    "Torwarttrainer",
    "Amateurtrainer",
    "Jugendtrainer",
    "Chefscout",
    "Doktor",
    "Spezialist Knie",
    "Spezialist Kn\xF6"
    "chel",
    "Spezialist Muskel",
    "Masseur",
    "Psychologe",
    "Gesch\xE4"
    "ftsf\xFChrer",
    "Marketingmanager",
    "Stadionmanager",
    "Fanbeauftragter",
};
constexpr std::array<std::string_view, 3> kStadiumTypes = {"Oval", "Runde Ecken",
                                                           "Fu\xDF"
                                                           "ballstadion"};
constexpr std::array<int, 5> kArticleCounts = {4, 2, 5, 5, 8};
constexpr std::array<int, 5> kSentenceCounts = {4, 2, 6, 7, 7};

template <std::size_t N>
std::string_view At(const std::array<std::string_view, N>& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? table[static_cast<std::size_t>(index)]
               : std::string_view();
}

}  // namespace

std::string CsvCountryText(const CWorld& world, int country) {
    return country >= 1 && country <= kCountryCount ? world.Country(country).Name(0)
                                                    : std::string();
}

std::string_view CsvPositionText(int code) {
    return At(kPositions, code);
}

std::string_view CsvFootText(int foot) {
    return At(kFeet, foot);
}

std::string_view CsvStaffKindText(int kind) {
    return At(kStaffKinds, kind);
}

std::string_view CsvStadiumTypeText(int type) {
    return At(kStadiumTypes, type);
}

int CsvArticleCount(int language) {
    return kArticleCounts.at(static_cast<std::size_t>(language));
}

int CsvSentenceCount(int language) {
    return kSentenceCounts.at(static_cast<std::size_t>(language));
}

}  // namespace kw
