#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kw {

// Cells were fetched into 1024-byte buffers.
inline constexpr std::size_t kListCellLimit = 1023;

// Texts end where a C string would end, and are cut to the limit.
inline std::string_view CutListText(std::string_view text, std::size_t limit) {
    return text.substr(0, std::min(text.find('\0'), limit));
}

// Any list of rows and columns that can be handed out as a file. Texts are Windows-1252.
class IListSource {
public:
    virtual ~IListSource() = default;
    virtual int ColumnCount() const = 0;
    virtual int RowCount() const = 0;
    virtual std::string CellText(int row, int column) const = 0;
};

// The three formats offered by the save dialog, numbered as its filter entries.
enum class EListExportFormat { TabSeparated = 1, SpaceFormatted = 2, Xml = 3 };

// Writes the list below a title line (column headings are not written). Lines end with CR LF.
// The file is replaced atomically; false when it cannot be written.
bool ExportList(const IListSource& list, std::string_view title, EListExportFormat format,
                const std::filesystem::path& file);

}  // namespace kw
