#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;

// One referee of a country.
class CReferee {
public:
    // 0 "Weltklasse-Schiedsrichter" ... 6 "keine".
    static constexpr std::int8_t kNoCharacter = 6;

    // Texts empty, numbers 0.
    void Reset() { *this = CReferee(); }

    bool Write(CKLFile& file) const;
    // False when the REFEREE section is missing; missing numbers read as 0, missing texts keep
    // their value.
    bool Read(CKLFile& file);

    std::string ShortName() const;

    // At most 15 and 19 characters.
    void SetNames(std::string_view firstName, std::string_view surname);
    const CFixedText<16>& FirstName() const { return m_firstName; }
    const CFixedText<20>& Surname() const { return m_surname; }
    std::int8_t Character() const { return m_character; }
    void SetCharacter(std::int8_t character) { m_character = character; }

    friend bool operator==(const CReferee&, const CReferee&) = default;

private:
    CFixedText<16> m_firstName;
    CFixedText<20> m_surname;
    std::int8_t m_character = 0;
};

}  // namespace kw
