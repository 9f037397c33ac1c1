#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editing/ManagerRules.h"

namespace kw {

class CDatabaseDocument;
class CManager;
class CPlayer;
class CStaffEntry;

// What a manager record keeps in its file. The pages enable a control only for a value its
// record keeps, so nothing typed is lost when the database is saved.
enum class EManagerValue { kAbilities, kLanguages, kExperience };

// The manager pages read and write a manager through this, whatever record holds it.
class IManagerRecord {
public:
    virtual ~IManagerRecord() = default;

    virtual bool Keeps(EManagerValue value) const = 0;
    virtual std::string FirstName() const = 0;
    virtual std::string Surname() const = 0;
    // The record's field sizes, without the terminating zero.
    virtual std::size_t FirstNameLimit() const = 0;
    virtual std::size_t SurnameLimit() const = 0;
    virtual void SetNames(std::string_view firstName, std::string_view surname) = 0;
    // Motivation, training, goalkeeper training, negotiation.
    virtual std::uint8_t Ability(int index) const = 0;
    virtual void SetAbility(int index, std::uint8_t value) = 0;
    virtual ManagerLanguages Languages() const = 0;
    virtual void SetLanguages(const ManagerLanguages& languages) = 0;
    virtual int NationalExperience() const = 0;
    virtual int InternationalExperience() const = 0;
    virtual void SetExperience(int national, int international) = 0;
};

// The level and experience grade of the other staff, whatever record holds them.
class IStaffGrades {
public:
    virtual ~IStaffGrades() = default;
    virtual int Level() const = 0;
    virtual int Experience() const = 0;
    virtual void SetLevel(int grade) = 0;
    virtual void SetExperience(int grade) = 0;
};

// A manager as the record that holds it keeps it (the records are below).
template <typename Record>
class CManagerAdapter final : public IManagerRecord {
public:
    explicit CManagerAdapter(Record& record) : m_record(record) {}

    bool Keeps(EManagerValue value) const override;
    std::string FirstName() const override;
    std::string Surname() const override;
    std::size_t FirstNameLimit() const override;
    std::size_t SurnameLimit() const override;
    void SetNames(std::string_view firstName, std::string_view surname) override;
    std::uint8_t Ability(int index) const override;
    void SetAbility(int index, std::uint8_t value) override;
    ManagerLanguages Languages() const override;
    void SetLanguages(const ManagerLanguages& languages) override;
    int NationalExperience() const override;
    int InternationalExperience() const override;
    void SetExperience(int national, int international) override;

private:
    Record& m_record;
};

// The grades as the record that holds them keeps them (the records are below), the high and low
// half of one byte in the game's file; grades are stored held to 0..4 so neither half spills into
// the other.
template <typename Record>
class CStaffGradesAdapter final : public IStaffGrades {
public:
    explicit CStaffGradesAdapter(Record& record) : m_record(record) {}
    int Level() const override;
    int Experience() const override;
    void SetLevel(int grade) override;
    void SetExperience(int grade) override;

private:
    Record& m_record;
};

// A club's staff member (a `CPlayer` of kind 1 and above). Its STAFF record keeps the names and
// the languages; abilities 0..3 and the experience live only in the person object (no field of
// the record or of the game's file), so they are not editable here.
using CClubStaffManager = CManagerAdapter<CPlayer>;
// A club's staff member of kinds 4 to 18: the level is staff byte 1 and the experience staff
// byte 2 (the game's file gets "staff byte 1 × 16 + staff byte 2").
using CClubStaffGrades = CStaffGradesAdapter<CPlayer>;

// A country's `MANAGER` record: the national coach in the country settings or one of the further
// managers (ADDMANAGER) in the world's manager registry. It keeps every value of the pages: the
// training values as the abilities, the languages and both experiences.
using CManagerRecordAdapter = CManagerAdapter<CManager>;

// An entry of a country's staff pool (STAFFS): the level is grade A and the experience grade B.
using CCountryStaffGrades = CStaffGradesAdapter<CStaffEntry>;

extern template class CManagerAdapter<CPlayer>;
extern template class CManagerAdapter<CManager>;
extern template class CStaffGradesAdapter<CPlayer>;
extern template class CStaffGradesAdapter<CStaffEntry>;

// Which `MANAGER` record of a country: its national coach, or the further manager with that id.
struct SManagerRef {
    int country = 0;
    std::optional<std::uint32_t> managerId;
};

// Writes into the manager record itself as one undoable edit of the document, for the values the
// pages have no adapter for; false (and no edit) when the record is missing or `write` left it
// unchanged.
bool EditManagerRecord(CDatabaseDocument& document, const SManagerRef& ref,
                       const std::function<void(CManager&)>& write);

// Writes into the manager as one undoable edit of the document; false (and no edit) when the
// record is missing or `write` left it unchanged.
bool EditManager(CDatabaseDocument& document, const SManagerRef& ref,
                 const std::function<void(IManagerRecord&)>& write);

}  // namespace kw
