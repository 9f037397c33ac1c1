#include "editing/NationalCoachRules.h"

#include "editing/ManagerRecord.h"
#include "model/Manager.h"

namespace kw {

SCoachPersonalValues ReadCoachPersonalValues(const CManager& coach) {
    SCoachPersonalValues values;
    values.surname = std::string(coach.Surname().View());
    values.firstName = std::string(coach.FirstName().View());
    values.nickname = std::string(coach.Nickname().View());
    values.nationality = coach.Nationality();
    values.birthDate = coach.BirthDate();
    return values;
}

bool StoreChangedCoachPersonalValues(CManager& coach, const SCoachPersonalValues& loaded,
                                     const SCoachPersonalValues& edited) {
    const CManager before = coach;
    if (edited.surname != loaded.surname) {
        coach.SetSurname(edited.surname);
    }
    if (edited.firstName != loaded.firstName) {
        coach.SetFirstName(edited.firstName);
    }
    if (edited.nickname != loaded.nickname) {
        coach.SetNickname(edited.nickname);
    }
    if (edited.nationality != loaded.nationality) {
        coach.SetNationality(edited.nationality);
    }
    if (edited.birthDate != loaded.birthDate) {
        coach.SetBirthDate(edited.birthDate);
    }
    return !(coach == before);
}

void WriteCoachEdits(CManager& coach, const SCoachPersonalValues& loaded,
                     const SCoachPersonalValues& edited,
                     const std::function<void(IManagerRecord&)>& panel) {
    StoreChangedCoachPersonalValues(coach, loaded, edited);
    CManagerRecordAdapter record(coach);
    panel(record);
}

bool EditNationalCoach(CDatabaseDocument& document, int country, const SCoachPersonalValues& loaded,
                       const SCoachPersonalValues& edited,
                       const std::function<void(IManagerRecord&)>& panel) {
    return EditManagerRecord(document, SManagerRef{country, std::nullopt},
                             [&loaded, &edited, &panel](CManager& coach) {
                                 WriteCoachEdits(coach, loaded, edited, panel);
                             });
}

}  // namespace kw
