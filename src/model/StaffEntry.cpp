#include "model/StaffEntry.h"

#include "model/PersonNames.h"
#include "storage/KLFile.h"

namespace kw {

namespace {
constexpr char kStaffTag[] = "STAFF";
}

void CStaffEntry::SetFurtherByte(int index, std::uint8_t value) {
    if (index >= 0 && index < 2) {
        m_further[static_cast<std::size_t>(index)] = value;
    }
}

std::string CStaffEntry::ShortName() const {
    return kw::ShortName(m_firstName.View(), m_surname.View());
}

bool CStaffEntry::Write(CKLFile& file) const {
    return file.BeginSection(kStaffTag) && file.WriteText(m_firstName.View()) &&
           file.WriteText(m_surname.View()) && file.WriteNumber(m_job) &&
           file.WriteNumber(m_gradeB) && file.WriteNumber(m_gradeA) &&
           file.WriteNumber(m_further[0]) && file.WriteNumber(m_further[1]) &&
           file.EndSection(kStaffTag);
}

bool CStaffEntry::Read(CKLFile& file) {
    if (!file.FindSection(kStaffTag)) {
        return false;
    }
    std::string line;
    if (file.ReadLine(line)) {
        m_firstName.Set(TrimName(line));
    }
    if (file.ReadLine(line)) {
        m_surname.Set(TrimName(line));
    }
    file.ReadNumber(m_job);
    file.ReadNumber(m_gradeB);
    file.ReadNumber(m_gradeA);
    file.ReadNumber(m_further[0]);
    file.ReadNumber(m_further[1]);
    file.SkipToSectionEnd(kStaffTag);
    return true;
}

}  // namespace kw
