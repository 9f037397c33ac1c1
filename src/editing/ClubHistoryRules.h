#pragma once

#include <string>

namespace kw {

class CRecordResult;

// What the history page of the club editor shows of one record result and how it writes back:
// the result (the score, or the attendance of the attendance record), the opponent and the
// season, as the three fields of its row show them. Texts are Windows-1252.
struct SRecordTexts {
    std::string result;
    std::string opponent;
    std::string season;

    friend bool operator==(const SRecordTexts&, const SRecordTexts&) = default;
};

SRecordTexts RecordTexts(const CRecordResult& record, bool attendance);

// Writes into the record only the parts whose text differs from the one loaded, so a score the
// field cannot show the same way (negative goals), an opponent longer than the field and a
// season left alone stay exactly as they were.
void ApplyRecordTexts(CRecordResult& record, bool attendance, const SRecordTexts& loaded,
                      const SRecordTexts& typed);

}  // namespace kw
