#include "storage/ListExport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"

namespace kw {

namespace {

// The widths of the space format are one byte less than a cell.
constexpr std::size_t kWidthLimit = 1022;

void AppendXmlText(std::string& out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out.append("&amp;");
                continue;
            case '<':
                out.append("&lt;");
                continue;
            case '>':
                out.append("&gt;");
                continue;
            default:
                break;
        }
        if (byte >= 0x80 && byte <= 0x9F) {
            // The declared ISO-8859-1 has no printable characters here; Windows-1252 does.
            out.append("&#");
            out.append(std::to_string(static_cast<std::uint32_t>(Cp1252ToCodePoint(byte))));
            out.push_back(';');
        } else if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            // Control characters are not allowed in XML in any form.
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
}

void WriteTabSeparated(const IListSource& list, int rows, int columns, std::string& out) {
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0) {
                out.push_back('\t');
            }
            out.append(CutListText(list.CellText(row, column), kListCellLimit));
        }
        out.append("\r\n");
    }
}

void WriteSpaceFormatted(const IListSource& list, int rows, int columns, std::string& out) {
    std::vector<std::size_t> widths(static_cast<std::size_t>(columns), 0);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto& width = widths[static_cast<std::size_t>(column)];
            width = std::max(width, CutListText(list.CellText(row, column), kWidthLimit).size());
        }
    }
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const std::string text = list.CellText(row, column);
            const std::string_view cell = CutListText(text, kListCellLimit);
            out.append(cell);
            const std::size_t width = widths[static_cast<std::size_t>(column)] + 1;
            if (cell.size() < width) {
                out.append(width - cell.size(), ' ');
            }
        }
        out.append("\r\n");
    }
}

void WriteXml(const IListSource& list, std::string_view title, int rows, int columns,
              std::string& out) {
    out.append("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n");
    out.append("<list>\r\n");
    out.append("\t<title>");
    AppendXmlText(out, title);
    out.append("</title>\r\n");
    for (int row = 0; row < rows; ++row) {
        out.append("\t<row>\r\n");
        for (int column = 0; column < columns; ++column) {
            out.append("\t\t<col>");
            AppendXmlText(out, CutListText(list.CellText(row, column), kListCellLimit));
            out.append("</col>\r\n");
        }
        out.append("\t</row>\r\n");
    }
    out.append("\t</list>\r\n");
}

}  // namespace

bool ExportList(const IListSource& list, std::string_view title, EListExportFormat format,
                const std::filesystem::path& file) {
    const int columns = std::max(list.ColumnCount(), 0);
    const int rows = std::max(list.RowCount(), 0);
    const std::string_view heading = CutListText(title, title.size());
    std::string out;
    switch (format) {
        case EListExportFormat::TabSeparated:
            out.append(heading).append("\r\n");
            WriteTabSeparated(list, rows, columns, out);
            break;
        case EListExportFormat::SpaceFormatted:
            out.append(heading).append("\r\n");
            WriteSpaceFormatted(list, rows, columns, out);
            break;
        case EListExportFormat::Xml:
            WriteXml(list, heading, rows, columns, out);
            break;
        default:
            return false;
    }
    return WriteFileAtomically(file, out);
}

}  // namespace kw
