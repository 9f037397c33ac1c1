#include "model/Referee.h"

#include "model/PersonNames.h"
#include "storage/KLFile.h"

namespace kw {

namespace {
constexpr char kRefereeTag[] = "REFEREE";
}

void CReferee::SetNames(std::string_view firstName, std::string_view surname) {
    m_firstName.Set(firstName);
    m_surname.Set(surname);
}

std::string CReferee::ShortName() const {
    return kw::ShortName(m_firstName.View(), m_surname.View());
}

bool CReferee::Write(CKLFile& file) const {
    return file.BeginSection(kRefereeTag) && file.WriteText(m_firstName.View()) &&
           file.WriteText(m_surname.View()) && file.WriteNumber(m_character) &&
           file.EndSection(kRefereeTag);
}

bool CReferee::Read(CKLFile& file) {
    if (!file.FindSection(kRefereeTag)) {
        return false;
    }
    file.ReadText(m_firstName.Data(), m_firstName.kCapacity);
    file.ReadText(m_surname.Data(), m_surname.kCapacity);
    file.ReadNumber(m_character);
    file.SkipToSectionEnd(kRefereeTag);
    return true;
}

}  // namespace kw
