#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Date.h"
#include "storage/FixedText.h"

namespace kw {

class CKLFile;

// A country's national coach or one of its further managers.
class CManager {
public:
    // Texts empty, numbers 0 (the birth date unset).
    void Reset() { *this = CManager(); }

    bool Write(CKLFile& file) const;
    // False when the MANAGER section is missing; missing numbers read as 0, missing texts keep
    // their value.
    bool Read(CKLFile& file);

    std::string ShortName() const;

    const CFixedText<16>& FirstName() const { return m_firstName; }
    void SetFirstName(std::string_view name) { m_firstName.Set(name); }
    const CFixedText<20>& Surname() const { return m_surname; }
    void SetSurname(std::string_view name) { m_surname.Set(name); }
    const CFixedText<20>& Nickname() const { return m_nickname; }
    void SetNickname(std::string_view name) { m_nickname.Set(name); }
    std::int32_t Nationality() const { return m_nationality; }
    void SetNationality(std::int32_t country) { m_nationality = country; }
    CDate BirthDate() const { return m_birthDate; }
    void SetBirthDate(CDate date) { m_birthDate = date; }
    // Motivation, training, goalkeeper training, negotiation.
    const std::array<std::uint8_t, 4>& TrainingValues() const { return m_training; }
    void SetTrainingValue(int index, std::uint8_t value);
    // Mother tongue, then three foreign languages.
    const std::array<std::uint8_t, 4>& Languages() const { return m_languages; }
    void SetLanguage(int index, std::uint8_t code);
    std::uint8_t NationalExperience() const { return m_nationalExperience; }
    void SetNationalExperience(std::uint8_t value) { m_nationalExperience = value; }
    std::uint8_t InternationalExperience() const { return m_internationalExperience; }
    void SetInternationalExperience(std::uint8_t value) { m_internationalExperience = value; }

    friend bool operator==(const CManager&, const CManager&) = default;

private:
    CFixedText<16> m_firstName;
    CFixedText<20> m_surname;
    CFixedText<20> m_nickname;
    std::int32_t m_nationality = 0;
    CDate m_birthDate;
    std::array<std::uint8_t, 4> m_training{};
    std::array<std::uint8_t, 4> m_languages{};
    std::uint8_t m_nationalExperience = 0;
    std::uint8_t m_internationalExperience = 0;
};

}  // namespace kw
