#include "demo/DemoTableData.h"

namespace kw::demo {

namespace {

constexpr STableEntry kShoes[] = {
    {1, "wei\337"}, {2, "schwarz"}, {3, "rot"}, {4, "blau"}, {5, "gelb"},
};

constexpr SColourEntry kTeamColours[] = {
    {0, "Wei\337", 0xFFFFFF},        {1, "Schwarz", 0x000000},        {2, "Rot", 0xE30613},
    {3, "Dunkelrot", 0x9B111E},      {4, "Weinrot", 0x722F37},        {5, "Orange", 0xF28C00},
    {6, "Gelb", 0xFFDD00},           {7, "Gold", 0xC9A227},           {8, "Hellgr\374n", 0x7CC242},
    {9, "Gr\374n", 0x009A44},        {10, "Dunkelgr\374n", 0x00563F}, {11, "T\374rkis", 0x00A3AD},
    {12, "Himmelblau", 0x6CABDD},    {13, "Hellblau", 0x4F9BD9},      {14, "Blau", 0x0055A4},
    {15, "K\366nigsblau", 0x1D3F9A}, {16, "Marineblau", 0x0B1F41},    {17, "Violett", 0x5B2C83},
    {18, "Rosa", 0xF4A6C0},          {19, "Braun", 0x6B3E26},         {20, "Beige", 0xE8DCC2},
    {21, "Silber", 0xC0C0C0},        {22, "Grau", 0x808080},          {23, "Anthrazit", 0x383E42},
};

constexpr SColourEntry kMerchandiseColours[] = {
    {0, "Wei\337", 0xFFFFFF}, {1, "Schwarz", 0x000000}, {2, "Gold", 0xC9A227},
    {3, "Silber", 0xC0C0C0},  {4, "Bronze", 0xCD7F32},
};

constexpr STableEntry kFormations[] = {
    {0, "4-4-2"},           {1, "4-4-2 Raute"}, {2, "4-3-3"},    {3, "4-2-3-1"},   {4, "4-1-4-1"},
    {5, "4-5-1"},           {6, "4-3-2-1"},     {7, "4-3-1-2"},  {8, "4-1-2-1-2"}, {9, "4-2-2-2"},
    {10, "3-5-2"},          {11, "3-4-3"},      {12, "3-4-1-2"}, {13, "3-4-2-1"},  {14, "3-6-1"},
    {15, "5-3-2"},          {16, "5-4-1"},      {17, "5-2-3"},   {18, "4-2-4"},    {19, "3-3-3-1"},
    {20, "Libero 1-3-4-2"},
};

constexpr STableEntry kHairStyles[] = {
    {0, "Glatze"},
    {1, "Stoppelschnitt"},
    {2, "Kurzhaar"},
    {3, "Kurzhaar gescheitelt"},
    {4, "B\374rstenschnitt"},
    {5, "Seitenscheitel"},
    {6, "Undercut"},
    {7, "Irokese"},
    {8, "Igelfrisur"},
    {9, "Locken kurz"},
    {10, "Locken lang"},
    {11, "Afro"},
    {12, "Rastalocken"},
    {13, "Cornrows"},
    {14, "Zopf"},
    {15, "Pferdeschwanz"},
    {16, "Schulterlang"},
    {17, "Lang offen"},
    {18, "Vokuhila"},
    {19, "Haarband"},
    {20, "Mittelscheitel"},
    {21, "Nach hinten gegelt"},
    {22, "Stirnfransen"},
    {23, "Wuschelkopf"},
};

constexpr const char* kSkinTones[] = {"hell",   "hell, Sommersprossen", "mittel", "oliv",
                                      "dunkel", "sehr dunkel"};

constexpr const char* kHairLooks[] = {
    "blond kurz",   "blond lang", "braun kurz",   "braun lockig", "schwarz kurz",
    "schwarz lang", "rot kurz",   "grau meliert", "Glatze",       "Glatze mit Bart",
    "Dreitagebart", "Vollbart",   "Rastalocken",  "Afro",         "Irokese",
    "Zopf",         "Stirnband",  "Brille",       "Undercut",     "Schnurrbart",
};

constexpr const char* kKitDesigns[] = {
    "einfarbig",           "L\344ngsstreifen", "Querstreifen", "Schr\344gstreifen", "Brustring",
    "abgesetzte \304rmel", "geteilt",          "Karo",         "Nadelstreifen",     "Sch\344rpe",
};

}  // namespace

std::span<const STableEntry> ShoeTable() {
    return kShoes;
}
std::span<const SColourEntry> TeamColourTable() {
    return kTeamColours;
}
std::span<const SColourEntry> MerchandiseColourTable() {
    return kMerchandiseColours;
}
std::span<const STableEntry> FormationTable() {
    return kFormations;
}
std::span<const STableEntry> HairStyleTable() {
    return kHairStyles;
}
std::span<const char* const> FaceSkinTones() {
    return kSkinTones;
}
std::span<const char* const> FaceHairLooks() {
    return kHairLooks;
}
std::span<const char* const> KitDesigns() {
    return kKitDesigns;
}

}  // namespace kw::demo
