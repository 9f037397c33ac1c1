#include "exports/master/MasterFileReader.h"

#include <array>
#include <cstring>
#include <string_view>

#include "exports/master/NamePools.h"
#include "platform/ByteOrder.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr std::uint32_t kCupFormatEnd = 0xFFFFFFFF;
constexpr std::uint32_t kRoundRecordSize = 20;
constexpr std::uint32_t kMaxRoundBytes = 10 * kRoundRecordSize;
constexpr std::uint32_t kScriptRecordSize = 12;
constexpr int kMaxLinks = 10;
constexpr int kMaxTeams = 100;
constexpr int kCalendarDays = 735;
constexpr std::uint8_t kHistoryEnd = 255;
constexpr int kClubTexts = 7;

class CReader {
public:
    CReader(std::span<const std::uint8_t> bytes, std::uint32_t options)
        : m_bytes(bytes), m_oneLanguage((options & 1u) != 0) {}

    SMasterFileReport Run();

private:
    // --- bounded reads: past the end they fail once and read as zero.
    bool Fail(const std::string& what) {
        if (m_report.error.empty()) {
            m_report.error = what + " at byte " + std::to_string(m_pos);
        }
        return false;
    }
    bool Failed() const { return !m_report.error.empty(); }
    bool Need(std::size_t count) {
        if (Failed()) {
            return false;
        }
        if (count > m_bytes.size() - m_pos) {
            return Fail("the file ends inside a block");
        }
        return true;
    }
    std::uint32_t Number(int size) {
        if (!Need(static_cast<std::size_t>(size))) {
            return 0;
        }
        const std::uint32_t value =
            ReadLittleEndian(m_bytes.data() + m_pos, static_cast<std::size_t>(size));
        m_pos += static_cast<std::size_t>(size);
        return value;
    }
    std::uint8_t U8() { return static_cast<std::uint8_t>(Number(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Number(2)); }
    std::uint32_t U32() { return Number(4); }
    void Skip(std::size_t count) {
        if (Need(count)) {
            m_pos += count;
        }
    }
    std::string_view String() {
        if (Failed()) {
            return {};
        }
        const auto* start = m_bytes.data() + m_pos;
        const void* zero = std::memchr(start, 0, m_bytes.size() - m_pos);
        if (zero == nullptr) {
            Fail("a text has no terminating zero");
            return {};
        }
        const auto length =
            static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - start);
        m_pos += length + 1;
        return {reinterpret_cast<const char*>(start), length};
    }
    void Texts() {
        for (int i = 0; i < (m_oneLanguage ? 1 : 5); ++i) {
            String();
        }
    }
    // A count whose entries take at least `least` bytes each must fit into what is left.
    std::uint32_t Count(std::uint32_t limit, std::size_t least, const char* what) {
        const std::uint32_t count = U32();
        if (!Failed() && (count > limit || count * least > m_bytes.size() - m_pos)) {
            Fail(std::string("implausible count of ") + what);
            return 0;
        }
        return count;
    }
    void Expect(bool condition, const char* what) {
        if (!condition && !Failed()) {
            Fail(what);
        }
    }
    void NameIndex(int group, int kind) {
        const std::uint16_t index = U16();
        const int g = group < CNamePools::kGroupCount ? group : 0;
        Expect(index < m_tableCounts[static_cast<std::size_t>(g * CNamePools::kKindCount + kind)],
               "a name index lies outside its table");
    }

    // --- blocks in file order.
    void Summary();
    void CupFormats();
    void NameTable(int group, int kind);
    void World();
    void DataBlock(int country, std::uint32_t countingStart);
    void Settings();
    void CompetitionPart();
    void Competitions();
    void Calendars();
    void Club();
    void Player();
    void ClubStaff();
    void RecordResult();

    std::span<const std::uint8_t> m_bytes;
    bool m_oneLanguage;
    std::size_t m_pos = 0;
    std::array<std::uint32_t, CNamePools::kGroupCount * CNamePools::kKindCount> m_tableCounts{};
    SMasterFileReport m_report;
};

void CReader::Summary() {
    const std::uint8_t leagues = U8();
    Expect(leagues <= 20, "a summary offers more than 20 leagues");
    for (int language = 0; language < 5; ++language) {
        String();
    }
    const std::uint8_t levels = U8();
    Expect(levels <= 5, "a summary has more than 5 levels");
    for (int i = 0; i < levels * 5 && !Failed(); ++i) {
        Expect(String().size() <= 28, "a level name is longer than 28 characters");
    }
    if (leagues > 0) {
        ++m_report.completeCountries;
        Skip(8 * 4);
    }
    Expect(U32() == 0, "a summary block does not end with 0");
}

void CReader::CupFormats() {
    const std::uint32_t slots = U32();
    std::uint32_t last = 0;
    while (!Failed()) {
        const std::uint32_t number = U32();
        if (number == kCupFormatEnd) {
            return;
        }
        Expect(number > last && number < slots, "cup format numbers out of order or range");
        last = number;
        const std::uint32_t rounds = U32();
        Expect(rounds % kRoundRecordSize == 0 && rounds <= kMaxRoundBytes,
               "a cup format has a broken round block");
        Skip(rounds);
        m_report.cupRounds += static_cast<int>(rounds / kRoundRecordSize);
        for (bool end = false; !end && !Failed();) {
            Expect(U32() == kScriptRecordSize, "a cup script entry is not 12 bytes");
            end = U32() == 0;
            Skip(8);
        }
        ++m_report.cupFormats;
    }
}

void CReader::NameTable(int group, int kind) {
    const std::uint32_t size = U32();
    Expect(U32() == size, "a name table announces two sizes");
    if (!Need(size)) {
        return;
    }
    const std::size_t end = m_pos + size;
    const std::uint32_t count = U32();
    const std::uint32_t fileCount = U32();
    Expect(U32() == 0, "a name table's third field is not 0");
    Expect(fileCount <= count, "a name table counts more file names than names");
    Expect(count <= (size - 12) / 9, "a name table holds more names than its size");
    std::uint64_t expected = 12;
    std::uint64_t weights = 0;
    for (std::uint32_t i = 0; i < count && !Failed(); ++i) {
        const std::string_view name = String();
        const std::uint32_t weight = U32();
        expected += name.size() + 9;
        if (group < CNamePools::kWeightedGroups) {
            Expect(i != 0 || name == " ", "a weighted pool does not begin with a space");
            if (fileCount >= 2 && i >= fileCount) {
                Expect(weight == 1, "a name added by the build does not weigh 1");
            }
            if (i >= 1 && i < fileCount) {
                weights += weight;
            }
        }
        Expect(m_pos <= end, "a name table runs past its size");
    }
    Expect(expected == size, "a name table's size does not match its names");
    if (group < CNamePools::kWeightedGroups) {
        Expect(count >= 1, "a weighted pool is empty");
        Expect(fileCount < 2 || weights == CNamePools::kWeightTotal,
               "the weights of a pool's file names do not add up to 16534");
    }
    while (m_pos < end && !Failed()) {
        Expect(U8() == 0, "a name table's fill is not zero");
    }
    m_tableCounts[static_cast<std::size_t>(group * CNamePools::kKindCount + kind)] = count;
    m_report.names += count;
}

void CReader::World() {
    if (m_oneLanguage) {
        String();
        String();
        Skip(4 * 4);
    } else {
        for (int i = 0; i < 60; ++i) {
            String();
        }
        Skip(24 * 4);
    }
    Skip(6 * 4);
}

void CReader::Settings() {
    Skip(1);
    String();
    Skip(4);
    if (!m_oneLanguage) {
        int sum = 0;
        for (int i = 0; i < 4; ++i) {
            sum += U8();
        }
        Expect(sum == 0 || sum >= 100, "language shares add up to 1..99");
    }
    Skip(4);
    const std::uint8_t group = U8();
    NameIndex(group, namekind::kMaleFirst);
    NameIndex(group, namekind::kSurname);
    Skip(4 + 6 + 15 + 1);
    Expect(U8() >= 1, "a setting the game reads as at least 1 is 0");
    Skip(2 + 3);
    Expect(U8() >= 1, "a setting the game reads as at least 1 is 0");
    Skip(3 + 5 * 4 + 2 + 4 * 2 + 6 * 2 + 1 + 2 * 4);
}

void CReader::CompetitionPart() {
    const std::uint32_t clubs = U32();
    if (clubs >= 8) {
        for (int i = 0; i < 10; ++i) {
            String();
        }
        Skip(8 * 4);
    }
    Skip(2 * 4);
}

void CReader::Calendars() {
    for (int calendar = 0; calendar < 2; ++calendar) {
        const std::uint16_t count = U16();
        Expect(count < kCalendarDays, "a calendar has more matchdays than days");
        int previous = 0;
        for (int i = 0; i < count && !Failed(); ++i) {
            const std::uint16_t day = U16();
            Expect(day > previous && day < kCalendarDays, "calendar days out of order");
            previous = day;
        }
    }
}

void CReader::Competitions() {
    while (!Failed()) {
        const std::uint32_t id = U32();
        if (id == 0) {
            Expect(U16() == 0, "the competitions do not end with u32 0 and u16 0");
            return;
        }
        const std::uint8_t kind = U8();
        Skip(2);
        for (int list = 0; list < 2; ++list) {
            Skip(4 * Count(kMaxLinks, 4, "competition links"));
        }
        for (bool end = false; !end && !Failed();) {
            end = U32() == 0;
            Skip(8);
        }
        switch (kind) {
            case 1: {  // league
                Texts();
                Skip(4);
                Skip(4 * Count(kMaxTeams, 4, "league teams"));
                Skip(1 + 4 + 4 + 5 + 4 * 4 + 4 * 4);
                Calendars();
                const int rows = U8();
                const int columns = U8();
                Skip(static_cast<std::size_t>(rows * columns * 2));
                break;
            }
            case 3:  // cup
                Texts();
                Skip(1 + 2 + 4 + 32 * 4 + 4 * 4);
                Calendars();
                break;
            case 4:  // round
                Texts();
                Skip(4 + 1 + 4 + 4 + 4 * 4);
                Calendars();
                break;
            case 5:  // pool
                Skip(2 + 2);
                Expect(U16() <= 3, "a pool checks more than 3 competitions");
                Skip(3 * 4);
                Skip(4 * Count(0xFFFF, 4, "pool teams"));
                Skip(4 * 4);
                break;
            default:
                Fail("a competition of unknown kind");
        }
    }
}

void CReader::RecordResult() {
    Skip(2 + 4);
    Expect(String().size() <= 21, "a record opponent is longer than 21 characters");
    Skip(2);
}

void CReader::Player() {
    const std::uint8_t group = U8();
    NameIndex(group, namekind::kMaleFirst);
    NameIndex(group, namekind::kSurname);
    NameIndex(group, namekind::kStageName);
    NameIndex(group, namekind::kNickname);
    Skip(2 + 4 + 4 + 1 + 4 + 3 + 6 + 1 + 43);
    Expect(U8() < 22, "a role code of 22 or more");
    Skip(1 + 4 + 6 + 1 + 1 + 2 + 2 + 4 + 4 + 2 + 2 + 3 * 4 + 2 + 1);
    const std::uint8_t contract = U8();
    if ((contract & 0x04) != 0) {
        Skip(1 + 4 + (m_oneLanguage ? 0 : 4));
    } else if ((contract & 0x08) != 0) {
        Skip(4 + (m_oneLanguage ? 0 : 1));
    } else if ((contract & 0x10) != 0) {
        Skip(4);
    } else if ((contract & 0x20) != 0) {
        Skip(3 * 4);
    }
    Skip(4 + 4 + 1 + 3);
    while (!Failed() && U8() != kHistoryEnd) {
        Skip(4 + 4 + 4 + 2 + 2);
        Expect(U8() <= 1, "a history flag is neither 0 nor 1");
    }
    ++m_report.players;
}

void CReader::ClubStaff() {
    const std::uint8_t code = U8();
    NameIndex(code & 0x7F, namekind::kMaleFirst);
    NameIndex(code & 0x7F, namekind::kSurname);
    const std::uint8_t kind = U8();
    if (kind == 1 || kind == 2) {
        Skip(8 + 4 + 4 + 4 + 1);
    } else if (kind == 3) {
        Expect(U8() <= 7, "a president's byte exceeds 7");
    } else if (kind >= 4 && kind <= 18) {
        Skip(1);
        Expect(U8() <= 7, "a staff member's drawn value exceeds 7");
        Skip(1);
    }
    ++m_report.staff;
}

void CReader::Club() {
    Skip(4 + 4);
    for (int i = 0; i < kClubTexts; ++i) {
        Texts();
    }
    Skip(15 + 10);
    String();
    String();
    String();
    Skip(5 * 4 + 2 + 2 + 4 + 4 + 3 + 3 * 4 + 5 * 4);
    for (int record = 0; record < 5; ++record) {
        RecordResult();
    }
    String();
    Skip(3 + 2 * 15 + 4 + 4 + 4 + 1 + 1 + 7 + 4 + 4 + 5);
    const std::uint32_t players = Count(256, 1, "players");
    for (std::uint32_t i = 0; i < players && !Failed(); ++i) {
        Player();
    }
    const std::uint32_t staff = Count(256, 1, "staff");
    for (std::uint32_t i = 0; i < staff && !Failed(); ++i) {
        ClubStaff();
    }
    ++m_report.clubs;
}

void CReader::DataBlock(int country, std::uint32_t countingStart) {
    const std::size_t start = m_pos;
    const auto counted = [&] { return countingStart + static_cast<std::uint32_t>(m_pos - start); };
    if (!m_oneLanguage) {
        const std::uint32_t offset = U32();
        Expect(offset == counted(), "a country's data offset is not its counting position");
    }
    Texts();
    Settings();
    const std::size_t clubsAt = m_pos;
    const std::uint32_t clubs = U32();
    m_pos = clubsAt;
    m_report.countryClubs[static_cast<std::size_t>(country)] = static_cast<int>(clubs);
    CompetitionPart();
    const std::uint32_t offset = U32();
    Expect(offset == counted(), "a country's competition offset is not its counting position");
    Competitions();
    for (std::uint32_t i = 0; i <= clubs && !Failed(); ++i) {
        if (i == clubs) {
            Expect(m_pos + 4 <= m_bytes.size() &&
                       ReadLittleEndian(m_bytes.data() + m_pos, 2) == 0xFFFF,
                   "the last club of a country is not its national team");
        }
        Club();
    }
    const std::uint32_t referees = Count(0xFFFF, 6, "referees");
    for (std::uint32_t i = 0; i < referees && !Failed(); ++i) {
        Expect(U8() == 0, "a referee record is not in group 0");
        NameIndex(0, namekind::kMaleFirst);
        NameIndex(0, namekind::kSurname);
        Skip(1);
    }
    const std::uint32_t staff = Count(0xFFFF, 9, "country staff");
    for (std::uint32_t i = 0; i < staff && !Failed(); ++i) {
        Expect(U8() == 1, "a country staff record is not in group 1");
        NameIndex(1, namekind::kMaleFirst);
        NameIndex(1, namekind::kSurname);
        Expect(U8() <= 13, "a staff job exceeds 13");
        const std::uint8_t grades = U8();
        Expect((grades >> 4) <= 4 && (grades & 0x0F) <= 4, "a staff grade exceeds 4");
        Skip(2);
    }
    Expect(U32() == 0, "the country staff are not followed by 0");
    const std::uint32_t pool = Count(0xFFFFFF, 13, "pool entries");
    for (std::uint32_t i = 0; i < pool && !Failed(); ++i) {
        const std::uint8_t group = U8();
        NameIndex(group, namekind::kMaleFirst);
        NameIndex(group, namekind::kSurname);
        NameIndex(group, namekind::kNickname);
        Skip(2 + 4);
    }
}

SMasterFileReport CReader::Run() {
    const std::uint32_t total = U32();
    Expect(total == m_bytes.size(), "the leading size is not the file's size");
    const std::size_t summariesStart = m_pos;
    for (int country = 1; country <= kCountryCount && !Failed(); ++country) {
        Summary();
    }
    // The counting pass counted the summaries first, then the data blocks.
    std::uint32_t counting = static_cast<std::uint32_t>(m_pos - summariesStart);
    CupFormats();
    for (int group = 0; group < CNamePools::kGroupCount; ++group) {
        for (int kind = 0; kind < CNamePools::kKindCount; ++kind) {
            NameTable(group, kind);
        }
    }
    World();
    for (int country = 1; country <= kCountryCount && !Failed(); ++country) {
        const std::size_t start = m_pos;
        DataBlock(country, counting);
        counting += static_cast<std::uint32_t>(m_pos - start);
    }
    Expect(m_pos == m_bytes.size(), "bytes follow the last data block");
    return m_report;
}

}  // namespace

SMasterFileReport VerifyMasterFile(std::span<const std::uint8_t> bytes, std::uint32_t options) {
    CReader reader(bytes, options);
    return reader.Run();
}

}  // namespace kw
