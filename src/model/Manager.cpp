#include "model/Manager.h"

#include "model/PersonNames.h"
#include "storage/KLFile.h"

namespace kw {

namespace {
constexpr char kManagerTag[] = "MANAGER";
}

void CManager::SetTrainingValue(int index, std::uint8_t value) {
    if (index >= 0 && index < 4) {
        m_training[static_cast<std::size_t>(index)] = value;
    }
}

void CManager::SetLanguage(int index, std::uint8_t code) {
    if (index >= 0 && index < 4) {
        m_languages[static_cast<std::size_t>(index)] = code;
    }
}

std::string CManager::ShortName() const {
    return kw::ShortName(m_firstName.View(), m_surname.View());
}

bool CManager::Write(CKLFile& file) const {
    bool ok = file.BeginSection(kManagerTag) && file.WriteText(m_firstName.View()) &&
              file.WriteText(m_surname.View()) && file.WriteText(m_nickname.View()) &&
              file.WriteNumber(m_nationality) && m_birthDate.Write(file);
    for (const std::uint8_t value : m_training) {
        ok = ok && file.WriteNumber(value);
    }
    for (const std::uint8_t code : m_languages) {
        ok = ok && file.WriteNumber(code);
    }
    return ok && file.WriteNumber(m_nationalExperience) &&
           file.WriteNumber(m_internationalExperience) && file.EndSection(kManagerTag);
}

bool CManager::Read(CKLFile& file) {
    if (!file.FindSection(kManagerTag)) {
        return false;
    }
    file.ReadText(m_firstName.Data(), m_firstName.kCapacity);
    file.ReadText(m_surname.Data(), m_surname.kCapacity);
    file.ReadText(m_nickname.Data(), m_nickname.kCapacity);
    file.ReadNumber(m_nationality);
    m_birthDate = CDate::Read(file);
    for (std::uint8_t& value : m_training) {
        file.ReadNumber(value);
    }
    for (std::uint8_t& code : m_languages) {
        file.ReadNumber(code);
    }
    file.ReadNumber(m_nationalExperience);
    file.ReadNumber(m_internationalExperience);
    file.SkipToSectionEnd(kManagerTag);
    return true;
}

}  // namespace kw
