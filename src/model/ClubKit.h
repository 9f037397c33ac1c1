#pragma once

#include <array>
#include <cstdint>

namespace kw {

class CKLFile;

// The two kits of a club (0 home, 1 away): per kit a design with two further style choices and
// four colours of three bytes each, and one value shared by both kits.
class CClubKit {
public:
    static constexpr int kKitCount = 2;
    static constexpr int kColourCount = 4;
    static constexpr int kColourBytes = kColourCount * 3;
    static constexpr std::uint8_t kMaxDesign = 42;
    static constexpr std::uint8_t kMaxSecondStyle = 12;
    static constexpr std::uint8_t kMaxThirdStyle = 3;

    struct SKit {
        std::uint8_t design = 1;
        std::uint8_t secondStyle = 1;
        std::uint8_t thirdStyle = 1;
        std::array<std::uint8_t, kColourBytes> colours{};

        friend bool operator==(const SKit&, const SKit&) = default;
    };

    CClubKit();

    // A kit number outside 0..1 is a programming error: it throws std::out_of_range.
    const SKit& Kit(int kit) const { return m_kits.at(static_cast<std::size_t>(kit)); }
    SKit& Kit(int kit) { return m_kits.at(static_cast<std::size_t>(kit)); }
    std::int32_t SharedValue() const { return m_shared; }
    void SetSharedValue(std::int32_t value) { m_shared = value; }

    // The style choices within design 0..42, second style 0..12, third style 0..3.
    void ClampStyles();
    // Kits of records older than major 8196 use the older numbering of designs, styles and
    // colours; this moves every byte through its conversion table.
    void ConvertFromOldNumbering();

    // KIT section: for kit 0 then kit 1 its three style bytes and its twelve colour bytes, one
    // line each; then the shared value.
    bool Write(CKLFile& file) const;
    // Missing values read as 0; a missing section leaves every byte 0. False without the section.
    bool Read(CKLFile& file);

    friend bool operator==(const CClubKit&, const CClubKit&) = default;

private:
    std::array<SKit, kKitCount> m_kits;
    std::int32_t m_shared = 0;
};

}  // namespace kw
