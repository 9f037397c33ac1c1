#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/ListTable.h"

namespace kw {

// How a list is printed. Texts are Windows-1252.
struct SListPrintSettings {
    std::string title;  // may be empty
    int fontSize = 0;   // tenths of a point
    std::string fontName;
    double horizontalMargin = 0.0;  // inches
    double verticalMargin = 0.0;    // inches
};

// The whole sheet in device units, with the device's resolution.
struct SPrintDevice {
    int pageWidth = 0;
    int pageHeight = 0;
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
};

// Printed sizes of Windows-1252 texts in device units, as the printing font sets them.
class IPrintTextMetrics {
public:
    virtual ~IPrintTextMetrics() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight(std::string_view text) const = 0;
};

struct SPrintBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct SPrintColumn {
    int left = 0;
    int width = 0;
    EColumnAlignment alignment = EColumnAlignment::Left;
};

enum class EListPrintFault {
    None,
    EmptyList,      // no rows or no columns: nothing to print
    PageTooNarrow,  // not one device unit per column between the margins
    PageTooShort,   // not one row below the page number and the headings
    PrinterFailed,  // the printer did not take the document (found by the side that prints)
};

// Where everything of a printed list goes. Pages are counted from 0; every page shows the page
// number and title line, the headings one line step lower, then its rows.
struct SListPrintLayout {
    int rowCount = 0;
    int rowsPerPage = 0;
    int pageCount = 0;
    int lineHeight = 0;
    int lineStep = 0;
    int boldOffset = 0;
    SPrintBox titleLine;  // page number right-aligned, title centred, between the margins
    std::vector<SPrintColumn> columns;

    int FirstRowOfPage(int page) const { return page * rowsPerPage; }
    int RowsOnPage(int page) const;
    std::string PageNumberText(int page) const;
    // The heading is drawn three times, shifted left and right, to look bold.
    std::array<SPrintBox, 3> HeadingBoxes(int column) const;
    // Texts are drawn inside, and clipped to, their column's box.
    SPrintBox CellBox(int rowOnPage, int column) const;
};

struct SListPrintLayoutResult {
    EListPrintFault fault = EListPrintFault::None;
    SListPrintLayout layout;  // only meaningful without a fault
};

SListPrintLayoutResult LayOutListPrint(const SListTable& table, const SListPrintSettings& settings,
                                       const SPrintDevice& device,
                                       const IPrintTextMetrics& metrics);

// Narrows the widest column (the first of equally wide ones) by one unit at a time until the
// widths add up to no more than `available`; whole rounds are taken at once, with the result of
// the unit steps.
void NarrowColumnsToFit(std::vector<int>& widths, std::int64_t available);

// The texts as printed: headings of up to 255 characters, cells of up to 1023.
std::string_view PrintedHeading(std::string_view heading);
std::string_view PrintedCell(std::string_view cell);

// The text whose height is the height of a printed line.
inline constexpr std::string_view kLineHeightSample = "qIP\xC4g";

}  // namespace kw
