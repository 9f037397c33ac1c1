#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;

// One sponsor of a country.
class CSponsor {
public:
    // The lengths that reading keeps. The setters cut to them too, so that a text stored by an
    // editor is what the next load gives back.
    static constexpr std::size_t kNameLength = 28;
    static constexpr std::size_t kSecondTextLength = 31;
    static constexpr std::size_t kThirdTextLength = 31;

    // Texts empty, numbers 0.
    void Reset() { *this = CSponsor(); }

    bool Write(CKLFile& file) const;
    // False when the SPONSOR section is missing; missing numbers read as 0, missing texts keep
    // their value.
    bool Read(CKLFile& file);

    const CFixedText<32>& Name() const { return m_name; }
    void SetName(std::string_view name) { m_name.Set(name.substr(0, kNameLength)); }
    std::int32_t Amount() const { return m_amount; }
    void SetAmount(std::int32_t amount) { m_amount = amount; }
    const CFixedText<33>& SecondText() const { return m_secondText; }
    void SetSecondText(std::string_view text) {
        m_secondText.Set(text.substr(0, kSecondTextLength));
    }
    const CFixedText<32>& ThirdText() const { return m_thirdText; }
    void SetThirdText(std::string_view text) { m_thirdText.Set(text.substr(0, kThirdTextLength)); }

    friend bool operator==(const CSponsor&, const CSponsor&) = default;

private:
    CFixedText<32> m_name;
    std::int32_t m_amount = 0;
    CFixedText<33> m_secondText;
    CFixedText<32> m_thirdText;
};

}  // namespace kw
