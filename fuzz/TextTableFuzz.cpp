// libFuzzer harness of the text tables and the name lists: the first byte chooses the reader and
// the table's layout, the rest is the file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/StringTable.h"
#include "storage/NameLists.h"
#include "storage/TextTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t layout = data[0];
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((layout & 0x80) != 0) {
        kw::CNameList names;
        names.LoadFromMemory(file);
        names.Count(0);
        return 0;
    }
    // Capacities from none to the largest table of the game, with or without the none entry.
    constexpr std::int32_t kCapacities[] = {0, 5, 100, 6000};
    const kw::STextTableFormat format{
        .capacity = kCapacities[layout & 0x3],
        .twoLinesPerEntry = (layout & 0x08) == 0,
        .countLine = (layout & 0x10) == 0,
        .valueFirst = (layout & 0x20) != 0,
        .noneTextId = (layout & 0x04) != 0 ? kw::ids::kNotAvailable : 0,
        .defaultTextId = 0};
    if ((layout & 0x40) != 0) {
        kw::CTeamColourTextFile colours(format);
        colours.LoadFromMemory(file);
    } else {
        kw::CBaseTextFile table(format);
        table.LoadFromMemory(file);
    }
    return 0;
}
