#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;

// One member of a country's staff pool (the country file's STAFFS section).
class CStaffEntry {
public:
    // Texts empty, numbers 0.
    void Reset() { *this = CStaffEntry(); }

    bool Write(CKLFile& file) const;
    // False when the STAFF section is missing. Names are trimmed of blanks; missing numbers
    // read as 0 and missing names keep their value.
    bool Read(CKLFile& file);

    std::string ShortName() const;

    const CFixedText<16>& FirstName() const { return m_firstName; }
    void SetFirstName(std::string_view name) { m_firstName.Set(name); }
    const CFixedText<25>& Surname() const { return m_surname; }
    void SetSurname(std::string_view name) { m_surname.Set(name); }
    // The staff job, 0 "keine" to 16 "Fanbeauftragter" in the order of the editor's list.
    std::uint8_t Job() const { return m_job; }
    void SetJob(std::uint8_t job) { m_job = job; }
    std::uint8_t GradeA() const { return m_gradeA; }
    void SetGradeA(std::uint8_t grade) { m_gradeA = grade; }
    std::uint8_t GradeB() const { return m_gradeB; }
    void SetGradeB(std::uint8_t grade) { m_gradeB = grade; }
    const std::array<std::uint8_t, 2>& FurtherBytes() const { return m_further; }
    void SetFurtherByte(int index, std::uint8_t value);

    friend bool operator==(const CStaffEntry&, const CStaffEntry&) = default;

private:
    CFixedText<16> m_firstName;
    CFixedText<25> m_surname;
    std::uint8_t m_job = 0;
    std::uint8_t m_gradeA = 0;
    std::uint8_t m_gradeB = 0;
    std::array<std::uint8_t, 2> m_further{};
};

}  // namespace kw
