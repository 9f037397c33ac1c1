#include "storage/ListPrintLayout.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "platform/StringTable.h"

namespace kw {

namespace {

// Headings were read into 256-byte buffers, cells into 1024-byte ones.
constexpr std::size_t kHeadingLimit = 255;

// A margin in whole device units. A negative (or not-a-number) setting counts as none; one
// beyond the page is kept at the page's size, which then leaves no room at all.
int DeviceMargin(int dotsPerInch, double inches, int pageSize) {
    if (!(inches > 0.0) || dotsPerInch <= 0) {
        return 0;
    }
    const double units = dotsPerInch * inches;
    const int limit = std::max(pageSize, 0);
    return units >= limit ? limit : static_cast<int>(units);
}

// Every column starts as wide as its heading and widens for every wider cell.
std::vector<int> MeasureColumns(const SListTable& table, const IPrintTextMetrics& metrics) {
    std::vector<int> widths;
    widths.reserve(table.columns.size());
    for (const STableColumn& column : table.columns) {
        widths.push_back(std::max(metrics.TextWidth(PrintedHeading(column.heading)), 0));
    }
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int column = 0; column < table.ColumnCount(); ++column) {
            int& width = widths[static_cast<std::size_t>(column)];
            width = std::max(width, metrics.TextWidth(PrintedCell(table.Cell(row, column))));
        }
    }
    return widths;
}

}  // namespace

std::string_view PrintedHeading(std::string_view heading) {
    return CutListText(heading, kHeadingLimit);
}

std::string_view PrintedCell(std::string_view cell) {
    return CutListText(cell, kListCellLimit);
}

void NarrowColumnsToFit(std::vector<int>& widths, std::int64_t available) {
    available = std::max<std::int64_t>(available, 0);
    std::int64_t sum = std::accumulate(widths.begin(), widths.end(), std::int64_t{0});
    while (sum > available) {
        const int widest = *std::max_element(widths.begin(), widths.end());
        int next = 0;
        int count = 0;
        for (const int width : widths) {
            if (width == widest) {
                ++count;
            } else {
                next = std::max(next, width);
            }
        }
        const std::int64_t excess = sum - available;
        const std::int64_t room = static_cast<std::int64_t>(widest - next) * count;
        if (room <= excess) {
            // The widest columns all come down to the next width and join those columns.
            std::replace(widths.begin(), widths.end(), widest, next);
            sum -= room;
            continue;
        }
        // Steps go round the widest columns in order: whole rounds, then the first few once more.
        const auto rounds = static_cast<int>(excess / count);
        auto extra = static_cast<int>(excess % count);
        for (int& width : widths) {
            if (width == widest) {
                width -= rounds + (extra > 0 ? 1 : 0);
                extra = std::max(extra - 1, 0);
            }
        }
        sum = available;
    }
}

SListPrintLayoutResult LayOutListPrint(const SListTable& table, const SListPrintSettings& settings,
                                       const SPrintDevice& device,
                                       const IPrintTextMetrics& metrics) {
    SListPrintLayoutResult result;
    if (table.IsEmpty()) {
        result.fault = EListPrintFault::EmptyList;
        return result;
    }
    SListPrintLayout& layout = result.layout;
    const int marginX =
        DeviceMargin(device.dotsPerInchX, settings.horizontalMargin, device.pageWidth);
    const int marginY =
        DeviceMargin(device.dotsPerInchY, settings.verticalMargin, device.pageHeight);
    const int gap = std::max(device.dotsPerInchX, 0) / 10;
    layout.boldOffset = std::max(device.dotsPerInchX, 0) / 250;
    layout.lineHeight = std::max(metrics.TextHeight(kLineHeightSample), 1);
    layout.lineStep = layout.lineHeight + std::max(device.dotsPerInchY, 0) / 200;

    // The gaps between the columns take their share of the width too; otherwise the last column
    // would run past the right margin.
    const int columnCount = table.ColumnCount();
    const std::int64_t available = static_cast<std::int64_t>(device.pageWidth) - 2LL * marginX -
                                   static_cast<std::int64_t>(columnCount - 1) * gap;
    if (available < columnCount) {
        result.fault = EListPrintFault::PageTooNarrow;
        return result;
    }
    std::vector<int> widths = MeasureColumns(table, metrics);
    NarrowColumnsToFit(widths, available);
    int left = marginX;
    for (int column = 0; column < columnCount; ++column) {
        const int width = widths[static_cast<std::size_t>(column)];
        layout.columns.push_back(
            {left, width, table.columns[static_cast<std::size_t>(column)].alignment});
        left += width + gap;
    }

    // Two lines of every page go to the page number and the headings.
    const std::int64_t lines =
        (static_cast<std::int64_t>(device.pageHeight) - 2LL * marginY) / layout.lineStep;
    if (lines < 3) {
        result.fault = EListPrintFault::PageTooShort;
        return result;
    }
    layout.rowCount = table.RowCount();
    layout.rowsPerPage = static_cast<int>(lines - 2);
    layout.pageCount = (layout.rowCount + layout.rowsPerPage - 1) / layout.rowsPerPage;
    layout.titleLine = {marginX, marginY, device.pageWidth - 2 * marginX, layout.lineHeight};
    return result;
}

int SListPrintLayout::RowsOnPage(int page) const {
    if (page < 0 || page >= pageCount) {
        return 0;
    }
    return std::min(rowsPerPage, rowCount - FirstRowOfPage(page));
}

std::string SListPrintLayout::PageNumberText(int page) const {
    return FormatPrintf("%i / %i", page + 1, pageCount);
}

std::array<SPrintBox, 3> SListPrintLayout::HeadingBoxes(int column) const {
    const SPrintColumn& place = columns.at(static_cast<std::size_t>(column));
    const int top = titleLine.top + lineStep;
    return {SPrintBox{place.left - boldOffset, top, place.width, lineHeight},
            SPrintBox{place.left, top, place.width, lineHeight},
            SPrintBox{place.left + boldOffset, top, place.width, lineHeight}};
}

SPrintBox SListPrintLayout::CellBox(int rowOnPage, int column) const {
    const SPrintColumn& place = columns.at(static_cast<std::size_t>(column));
    return {place.left, titleLine.top + (2 + rowOnPage) * lineStep, place.width, lineHeight};
}

}  // namespace kw
