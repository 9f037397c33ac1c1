#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Date.h"

namespace kw {

class CClub;
class CPlayer;

enum class ECsvValue {
    kNumber,
    kText,
    kDate,
    kReadOnly,  // a code's German text or a value the import does not write
};

// One exchanged field of a record of type R: its header name, what it holds and its limits, and
// how it is read from and written into the record. Texts are Windows-1252 as the model keeps them.
template <typename R>
struct SCsvColumn {
    std::string name;
    ECsvValue value = ECsvValue::kNumber;
    std::int64_t min = 0;
    std::int64_t max = 0;
    // Texts: the most characters the field keeps (its capacity without the terminating zero);
    // 0 for texts without a limit.
    std::size_t maxLength = 0;
    std::function<std::int64_t(const R&)> number;
    std::function<void(R&, std::int64_t)> setNumber;
    // Also the text of read-only columns.
    std::function<std::string(const R&)> text;
    std::function<void(R&, std::string_view)> setText;
    std::function<CDate(const R&)> date;
    std::function<void(R&, CDate)> setDate;
    // Numbers inside min..max that the field still does not take (points deduction 0, 3, 6).
    std::function<bool(std::int64_t)> allowed;

    bool Editable() const { return value != ECsvValue::kReadOnly; }
    bool IsText() const { return value == ECsvValue::kText || value == ECsvValue::kReadOnly; }
};

// The fields after the identity columns, in file order.
const std::vector<SCsvColumn<CPlayer>>& PlayerCsvColumns();
const std::vector<SCsvColumn<CPlayer>>& StaffCsvColumns();
const std::vector<SCsvColumn<CClub>>& ClubCsvColumns();

}  // namespace kw
