#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kw {

class CTextFileLines;

// (number, text) pairs of a table in the table's order, as a choice list shows them.
using TextTableEntries = std::vector<std::pair<std::int32_t, std::string>>;

// The index of the entry a choice list selects for `selectedValue`: the last entry with that
// number, or -1 when there is none.
int SelectedEntryIndex(const TextTableEntries& entries, std::int32_t selectedValue);

// How a table file is laid out and how big the table is.
struct STextTableFormat {
    std::int32_t capacity = 0;
    bool twoLinesPerEntry = true;  // else one line per entry: its text, numbered by its index
    bool countLine = true;         // the first line holds the number of entries
    bool valueFirst = false;       // of an entry's two lines the number comes first
    int noneTextId = 0;            // resource text of an extra entry 0 meaning none; 0 = no such
    int defaultTextId = 0;         // resource text of every entry when the file is missing
};

// One read-only table of the game's data: numbered texts (faces, shoes, formations, ...) from
// which a choice list is filled and into which a record stores the number.
//
// Table file: the entry count on the first line, then each entry as two lines, number and text in
// the order the format gives. Lines are read up to kLineLimit characters, texts are cut after
// kTextLimit characters, and one trailing control character (the line end) is removed; blanks
// belong to the text.
//
// A file may announce more entries than the table holds, or end before its last announced entry.
// Then the table takes the complete entries the file holds, up to its capacity (less the none
// entry), and the count is exactly the number of entries filled: nothing is read or shown beyond
// what was filled. An entry whose second line is missing is not taken.
class CBaseTextFile {
public:
    static constexpr std::size_t kLineLimit = 998;
    static constexpr std::size_t kTextLimit = 128;

    explicit CBaseTextFile(const STextTableFormat& format);
    virtual ~CBaseTextFile() = default;
    CBaseTextFile(const CBaseTextFile&) = delete;
    CBaseTextFile& operator=(const CBaseTextFile&) = delete;

    // Refills the table from a file. A missing file is no error: the table then holds entries
    // numbered by their index with the default text (and the none entry when the table has one),
    // and the count stays as it was.
    void Load(const std::filesystem::path& path);
    // Loads from the given bytes as if they were the file.
    void LoadFromMemory(std::string_view data);

    std::int32_t GetCount() const { return m_count; }
    std::int32_t GetCapacity() const { return m_format.capacity; }
    // Whether the last load read a file (or bytes), rather than filling in the missing-file
    // entries: a tool that works through the table must not take those for the game's data.
    bool WasRead() const { return m_read; }
    // Entries outside the table read as an empty text and number 0.
    const std::string& GetText(std::int32_t index) const;
    std::int32_t GetValue(std::int32_t index) const;

    // The entries 0 to count - 1.
    TextTableEntries Entries() const;

protected:
    virtual void Clear();
    virtual void Allocate(std::int32_t size);
    virtual void SetValue(std::int32_t index, std::int32_t value);
    virtual void SetText(std::int32_t index, std::string_view text);
    virtual void SetDefaultText(std::int32_t index);
    virtual void SetNoneText(std::int32_t index);

    static bool IsEntry(std::int32_t index, std::size_t size) {
        return index >= 0 && static_cast<std::size_t>(index) < size;
    }

private:
    void FillMissing();
    void Fill(CTextFileLines& lines);

    STextTableFormat m_format;
    std::int32_t m_count;
    bool m_read = false;
    std::vector<std::string> m_texts;
    std::vector<std::int32_t> m_values;
};

// A colour table: each text line reads "name,value" with the value the decimal number of
// 0xRRGGBB, for example "Rot,16711680".
class CTeamColourTextFile : public CBaseTextFile {
public:
    explicit CTeamColourTextFile(const STextTableFormat& format);

    // Entries outside the table read as colour 0.
    std::int32_t GetColour(std::int32_t index) const;

protected:
    void Clear() override;
    void Allocate(std::int32_t size) override;
    // Splits at commas (runs of commas count as one, and commas at either end make no field): the
    // first field is the text, the number of the second the colour (0 when there is none). A text
    // without any field is kept whole with colour 0.
    void SetText(std::int32_t index, std::string_view text) override;
    void SetDefaultText(std::int32_t index) override;

private:
    std::vector<std::int32_t> m_colours;
};

// Table colours are 0xRRGGBB, screen colours 0xBBGGRR: swaps the lowest and the third byte, so it
// converts either way.
std::uint32_t SwapRedAndBlue(std::uint32_t colour);

// The eight tables of the game's data, loaded together from one language folder. The application
// owns one and hands it to the pages that offer the choices.
class CTextTables {
public:
    CTextTables();

    // Refills every table from "<databaseDirectory>/<languageDirectory>/<file>", the file found in
    // any letter case; a missing file leaves its table numbered and empty.
    void LoadTextTables(const std::filesystem::path& databaseDirectory,
                        std::string_view languageDirectory);

    const CBaseTextFile& Shoes() const { return m_shoes; }
    const CBaseTextFile& Faces() const { return m_faces; }
    const CTeamColourTextFile& TeamColours() const { return m_teamColours; }
    const CTeamColourTextFile& MerchandiseColours() const { return m_merchandiseColours; }
    const CBaseTextFile& LeagueSystems() const { return m_leagueSystems; }
    const CBaseTextFile& Formations() const { return m_formations; }
    const CBaseTextFile& ClubIds() const { return m_clubIds; }
    const CBaseTextFile& HairStyles() const { return m_hairStyles; }

private:
    CBaseTextFile m_shoes;
    CBaseTextFile m_faces;
    CTeamColourTextFile m_teamColours;
    CTeamColourTextFile m_merchandiseColours;
    CBaseTextFile m_leagueSystems;
    CBaseTextFile m_formations;
    CBaseTextFile m_clubIds;
    CBaseTextFile m_hairStyles;
};

}  // namespace kw
