#include "model/Sponsor.h"

#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kSponsorTag[] = "SPONSOR";

// Reads a text line into a field, keeping at most `length` characters.
template <std::size_t N>
void ReadCut(CKLFile& file, CFixedText<N>& field, std::size_t length) {
    char buffer[N + 1] = {};
    if (file.ReadText(buffer, length + 1)) {
        field.Set(buffer);
    }
}

}  // namespace

bool CSponsor::Write(CKLFile& file) const {
    return file.BeginSection(kSponsorTag) && file.WriteText(m_name.View()) &&
           file.WriteNumber(m_amount) && file.WriteText(m_secondText.View()) &&
           file.WriteText(m_thirdText.View()) && file.EndSection(kSponsorTag);
}

bool CSponsor::Read(CKLFile& file) {
    if (!file.FindSection(kSponsorTag)) {
        return false;
    }
    ReadCut(file, m_name, kNameLength);
    file.ReadNumber(m_amount);
    ReadCut(file, m_secondText, kSecondTextLength);
    ReadCut(file, m_thirdText, kThirdTextLength);
    file.SkipToSectionEnd(kSponsorTag);
    return true;
}

}  // namespace kw
