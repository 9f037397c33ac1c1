#include "exports/master/WorldBlocks.h"

#include <algorithm>
#include <array>
#include <vector>

#include "competition/CupFormat.h"
#include "exports/master/BinaryWriter.h"
#include "exports/master/CompetitionRecords.h"
#include "exports/master/ExportContext.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr int kContinents = 6;
constexpr int kListedTitleHolders = 12;

// The 20 bytes of a round record: two bytes, four u16, two zero bytes of alignment, the flags and
// the round name twice.
void AppendRound(std::vector<std::uint8_t>& bytes, const SCupRound& round) {
    const auto put16 = [&bytes](std::uint16_t value) {
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
    };
    bytes.push_back(round.first);
    bytes.push_back(round.second);
    for (std::uint16_t value : round.values) {
        put16(value);
    }
    put16(0);
    put16(static_cast<std::uint16_t>(round.flags));
    put16(static_cast<std::uint16_t>(round.flags >> 16));
    put16(round.roundName);
    put16(round.roundNameCopy);
}

// The format's round records from its first one; their number is the second byte of the first
// record, held to the ten a format can have (records past the stored rounds are zero).
std::vector<std::uint8_t> RoundRecords(const CCupFormat& format) {
    const std::vector<SCupRound>& rounds = format.Rounds();
    const int count =
        rounds.empty() ? 0 : std::min<int>(rounds.front().second, CCupFormat::kMaxRounds);
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        AppendRound(bytes, i < static_cast<int>(rounds.size()) ? rounds[static_cast<std::size_t>(i)]
                                                               : SCupRound{});
    }
    return bytes;
}

// Each entry as its own length-prefixed block of 12 bytes.
void WriteScriptBlocks(CBinaryWriter& out, const CScriptTable& scripts, int start) {
    for (const SScriptEntry& entry : ScriptRecords(scripts, start)) {
        out.U32(kScriptRecordSize);
        WriteScriptEntry(out, entry);
    }
}

}  // namespace

std::uint32_t ValidatedStadiumRef(const CWorld& world, std::uint32_t ref) {
    const int country = StadiumRefCountry(ref);
    if (country < 1 || country > kCountryCount) {
        return 0;
    }
    const auto stadiums = world.Country(country).Stadiums().size();
    return static_cast<std::size_t>(StadiumRefNumber(ref)) <= stadiums ? ref : 0;
}

void WriteCupFormatBlock(SExportContext& context) {
    CBinaryWriter& out = context.out;
    const CCupFormatTable& formats = context.world.CupFormats();
    out.U32(static_cast<std::uint32_t>(formats.SlotCount()));
    for (int number = 1; number < formats.SlotCount(); ++number) {
        const CCupFormat* format = formats.Format(number);
        if (format == nullptr) {
            continue;
        }
        out.U32(static_cast<std::uint32_t>(number));
        out.Block(RoundRecords(*format));
        WriteScriptBlocks(out, context.world.Scripts(), format->ScriptStart());
    }
    out.U32(kCupFormatEnd);
}

void WriteWorldBlock(SExportContext& context) {
    CBinaryWriter& out = context.out;
    const CWorld& world = context.world;
    const CRules& rules = world.Rules();
    if (context.OneLanguage()) {
        out.String(rules.CompetitionName(0, 0, context.language));
        out.String(rules.CompetitionName(1, 0, context.language));
        out.U32(world.ExportClubId(rules.TitleHolder(0, 0)));
        out.U32(world.ExportClubId(rules.TitleHolder(1, 0)));
        out.U32(ValidatedStadiumRef(world, rules.Venue(0, 0)));
        out.U32(ValidatedStadiumRef(world, rules.Venue(1, 0)));
    } else {
        for (int language = 0; language < kLanguageCount; ++language) {
            for (int continent = 0; continent < kContinents; ++continent) {
                out.String(rules.CompetitionName(0, continent, language));
                out.String(rules.CompetitionName(1, continent, language));
            }
        }
        for (int entry = 0; entry < kListedTitleHolders; ++entry) {
            const int competition = entry / kContinents;
            const int continent = entry % kContinents;
            out.U32(world.ExportClubId(rules.TitleHolder(competition, continent)));
            out.U32(ValidatedStadiumRef(world, rules.Venue(competition, continent)));
        }
    }
    for (int rule = 0; rule < CRules::kRuleCount; ++rule) {
        out.I32(rules.RuleValue(rule));
    }
    out.I32(rules.Substitutions());
}

}  // namespace kw
