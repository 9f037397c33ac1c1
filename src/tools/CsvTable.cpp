#include "tools/CsvTable.h"

namespace kw {

namespace {

bool NeedsQuotes(std::string_view cell) {
    if (cell.empty()) {
        return false;
    }
    if (cell.front() == ' ' || cell.back() == ' ') {
        return true;
    }
    return cell.find_first_of("\";\r\n") != std::string_view::npos;
}

}  // namespace

SCsvParseResult ParseCsv(std::string_view text) {
    SCsvParseResult result;
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    int line = 1;
    SCsvRow row{line, {}};
    std::string cell;
    bool quoted = false;
    bool rowHasContent = false;
    std::size_t i = 0;
    const auto endRecord = [&] {
        row.cells.push_back(std::move(cell));
        cell.clear();
        result.rows.push_back(std::move(row));
        row = SCsvRow{line, {}};
        rowHasContent = false;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    cell.push_back('"');
                    i += 2;
                    continue;
                }
                quoted = false;
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
                    ++line;
                }
                cell.push_back(c);
            }
            ++i;
            continue;
        }
        if (c == '"' && cell.empty()) {
            quoted = true;
            rowHasContent = true;
        } else if (c == kCsvSeparator) {
            row.cells.push_back(std::move(cell));
            cell.clear();
            rowHasContent = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
            endRecord();
        } else {
            cell.push_back(c);
            rowHasContent = true;
        }
        ++i;
    }
    if (quoted) {
        result.error = "quote opened in line " + std::to_string(row.line) + " is never closed";
        return result;
    }
    if (rowHasContent || !cell.empty()) {
        endRecord();
    }
    return result;
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out.push_back(kCsvSeparator);
        }
        const std::string& cell = cells[i];
        if (!NeedsQuotes(cell)) {
            out += cell;
            continue;
        }
        out.push_back('"');
        for (const char c : cell) {
            if (c == '"') {
                out.push_back('"');
            }
            out.push_back(c);
        }
        out.push_back('"');
    }
    out += "\r\n";
}

std::string WriteCsv(const std::vector<std::vector<std::string>>& rows) {
    std::string out(kUtf8ByteOrderMark);
    for (const auto& row : rows) {
        AppendCsvRecord(out, row);
    }
    return out;
}

}  // namespace kw
