#pragma once

#include <functional>
#include <string>

#include "model/Date.h"

namespace kw {

class CDatabaseDocument;
class CManager;
class IManagerRecord;

// The national-coach page of the country window: the coach's personal values, kept as loaded
// until the user changes them, and the one edit that writes them with the manager panel's values.

// "Name", "Vorname" and "Spitzname" take this many characters as typed; the record keeps at most
// 19 of the surname and the nickname and 15 of the first name.
inline constexpr int kCoachNameTyping = 19;

// Texts are Windows-1252.
struct SCoachPersonalValues {
    std::string surname;
    std::string firstName;
    std::string nickname;
    int nationality = 0;
    CDate birthDate;

    friend bool operator==(const SCoachPersonalValues&, const SCoachPersonalValues&) = default;
};

SCoachPersonalValues ReadCoachPersonalValues(const CManager& coach);

// Writes each value that differs between `loaded` and `edited` (what the controls showed after
// loading and what they show now), texts cut to their fields, so a stored value the controls
// cannot show stays until the user edits it. True when the coach changed.
bool StoreChangedCoachPersonalValues(CManager& coach, const SCoachPersonalValues& loaded,
                                     const SCoachPersonalValues& edited);

// The changed personal values, then what `panel` writes through the manager adapter.
void WriteCoachEdits(CManager& coach, const SCoachPersonalValues& loaded,
                     const SCoachPersonalValues& edited,
                     const std::function<void(IManagerRecord&)>& panel);

// The country's national coach as one undoable edit of the document: WriteCoachEdits. False (and no
// edit) for a country outside 1..206 or when nothing changed.
bool EditNationalCoach(CDatabaseDocument& document, int country, const SCoachPersonalValues& loaded,
                       const SCoachPersonalValues& edited,
                       const std::function<void(IManagerRecord&)>& panel);

}  // namespace kw
