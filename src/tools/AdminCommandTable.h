#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kw {

class CDatabaseDocument;
class CWorld;
struct SStaffNameLists;

// The administrator's bulk commands as the "AdminTools" menu lists them and kwtool runs them:
// each command's caption, what it acts on, its question and its result text. The menu and the
// command line only ask, call and report.

enum class EAdminGroup { kClub, kCountry, kDatabase, kMisc };

enum class EAdminKind {
    kBulk,         // a bulk command of this table
    kMapping,      // an identifier mapping run, carried out elsewhere
    kMasterBuild,  // the master build with kPs2MasterOptions
};

// What a command acts on besides the current database.
enum class EAdminTarget { kDatabase, kClub, kCountry, kOtherDatabase };

// What a run acts on. The club and country are taken only by commands of those targets.
struct SAdminInputs {
    std::uint32_t club = 0;
    int country = 0;
    const CWorld* other = nullptr;
    const SStaffNameLists* names = nullptr;
};

struct SAdminCommand {
    // Carries the command out as one edit named `description`; returns the count the result
    // reports. `reset` is the nickname question's answer.
    using Run = int (*)(CDatabaseDocument& document, const std::string& description,
                        const SAdminInputs& inputs, bool reset);

    std::string_view name;     // the command line's name
    std::string_view caption;  // the menu item (Windows-1252)
    EAdminGroup group;
    EAdminKind kind;
    EAdminTarget target;
    // "%s" stands for the club's or the country's name; the nickname question names the current
    // and then the other database. Empty: the command asks nothing.
    std::string_view question = {};
    // "%i" stands for the count. Empty: the command reports nothing.
    std::string_view result = {};
    // Nothing for the commands that change nothing, and for those carried out elsewhere.
    Run run = nullptr;
};

// One language, plus the list of the clubs and their badges.
inline constexpr std::uint32_t kPs2MasterOptions = 0x41;

// Every item of the menu, in menu order.
std::span<const SAdminCommand> AdminMenuItems();
// "--- Club ---" and so on.
std::string_view AdminGroupCaption(EAdminGroup group);
// The bulk command of that name; nothing for another name.
const SAdminCommand* FindAdminCommand(std::string_view name);

// The question to ask first (Windows-1252, a club or country named in `language`); empty when
// the command asks none. The nickname command's question is answered Yes, No or Cancel
// (`AsksYesNoCancel`); Yes resets the nicknames.
std::string AdminQuestion(const SAdminCommand& command, const CWorld& world,
                          const SAdminInputs& inputs, int language);
bool AsksYesNoCancel(const SAdminCommand& command);

// Why the command cannot run with these inputs (no club, no country, no second database, no name
// lists); empty when it can.
std::string AdminInputProblem(const SAdminCommand& command, const CWorld& world,
                              const SAdminInputs& inputs);

struct SAdminOutcome {
    bool ok = false;   // false: the command could not run (the text says why), nothing changed
    std::string text;  // the result to show; empty when the command reports nothing
};

// Carries out a bulk command on the document as one undoable edit (none when nothing changed).
// `reset` is the nickname question's answer.
SAdminOutcome RunAdminCommand(const SAdminCommand& command, CDatabaseDocument& document,
                              const SAdminInputs& inputs, bool reset = false);

}  // namespace kw
