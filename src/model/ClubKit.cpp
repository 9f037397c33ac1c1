#include "model/ClubKit.h"

#include <algorithm>

#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kKitTag[] = "KIT";

using ConversionTable = std::array<std::uint8_t, 256>;

// Kits of records older than major 8196 predate the current design, style and colour sets, and
// no description of their older numbering survives. The tables therefore take an old value to
// the same current value, limited to what the current set offers; a known mapping only has to
// replace a table here.
constexpr ConversionTable IdentityUpTo(std::uint8_t last) {
    ConversionTable table{};
    for (std::size_t old = 0; old < table.size(); ++old) {
        table[old] = static_cast<std::uint8_t>(std::min<std::size_t>(old, last));
    }
    return table;
}

constexpr ConversionTable kOldDesigns = IdentityUpTo(CClubKit::kMaxDesign);
constexpr ConversionTable kOldSecondStyles = IdentityUpTo(CClubKit::kMaxSecondStyle);
constexpr ConversionTable kOldThirdStyles = IdentityUpTo(CClubKit::kMaxThirdStyle);
// Colour bytes are colour components and keep their whole range.
constexpr ConversionTable kOldColours = IdentityUpTo(255);

}  // namespace

CClubKit::CClubKit() {
    m_kits[0].colours[0] = 1;
}

void CClubKit::ClampStyles() {
    for (SKit& kit : m_kits) {
        kit.design = std::min(kit.design, kMaxDesign);
        kit.secondStyle = std::min(kit.secondStyle, kMaxSecondStyle);
        kit.thirdStyle = std::min(kit.thirdStyle, kMaxThirdStyle);
    }
}

void CClubKit::ConvertFromOldNumbering() {
    for (SKit& kit : m_kits) {
        kit.design = kOldDesigns[kit.design];
        kit.secondStyle = kOldSecondStyles[kit.secondStyle];
        kit.thirdStyle = kOldThirdStyles[kit.thirdStyle];
        for (std::uint8_t& colour : kit.colours) {
            colour = kOldColours[colour];
        }
    }
}

bool CClubKit::Write(CKLFile& file) const {
    bool ok = file.BeginSection(kKitTag);
    for (const SKit& kit : m_kits) {
        ok &= file.WriteNumber(kit.design) && file.WriteNumber(kit.secondStyle) &&
              file.WriteNumber(kit.thirdStyle);
        ok &= file.WriteByteLines(kit.colours.data(), kColourBytes);
    }
    ok &= file.WriteNumber(m_shared);
    ok &= file.EndSection(kKitTag);
    return ok;
}

bool CClubKit::Read(CKLFile& file) {
    if (!file.FindSection(kKitTag)) {
        m_kits = {SKit{0, 0, 0, {}}, SKit{0, 0, 0, {}}};
        m_shared = 0;
        return false;
    }
    for (SKit& kit : m_kits) {
        file.ReadNumber(kit.design);
        file.ReadNumber(kit.secondStyle);
        file.ReadNumber(kit.thirdStyle);
        file.ReadByteLines(kit.colours.data(), kColourBytes);
    }
    file.ReadNumber(m_shared);
    file.SkipToSectionEnd(kKitTag);
    return true;
}

}  // namespace kw
