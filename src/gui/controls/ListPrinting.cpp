#include "gui/controls/ListPrinting.h"

#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRect>

#include <string_view>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

class CFontTextMetrics final : public IPrintTextMetrics {
public:
    explicit CFontTextMetrics(const QFontMetrics& metrics) : m_metrics(metrics) {}
    int TextWidth(std::string_view text) const override {
        return m_metrics.horizontalAdvance(Cp1252ToQString(text));
    }
    int TextHeight(std::string_view text) const override {
        return m_metrics.size(Qt::TextSingleLine, Cp1252ToQString(text)).height();
    }

private:
    const QFontMetrics& m_metrics;
};

QFont PrintFont(const SListPrintSettings& settings) {
    QFont font(Cp1252ToQString(settings.fontName));
    if (settings.fontSize > 0) {
        font.setPointSizeF(settings.fontSize / 10.0);
    }
    return font;
}

QRect ToRect(const SPrintBox& box) {
    return {box.left, box.top, box.width, box.height};
}

Qt::Alignment ToAlignment(EColumnAlignment alignment) {
    switch (alignment) {
        case EColumnAlignment::Right:
            return Qt::AlignRight;
        case EColumnAlignment::Centre:
            return Qt::AlignHCenter;
        case EColumnAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

// One line, no mnemonics, clipped to the box (Qt clips unless told not to).
void DrawText(QPainter& painter, const SPrintBox& box, Qt::Alignment alignment,
              std::string_view text) {
    painter.drawText(ToRect(box), static_cast<int>(alignment | Qt::AlignTop) | Qt::TextSingleLine,
                     Cp1252ToQString(text));
}

void DrawPage(QPainter& painter, const SListPrintLayout& layout, const SListTable& list,
              std::string_view title, int page) {
    DrawText(painter, layout.titleLine, Qt::AlignRight, layout.PageNumberText(page));
    if (!title.empty()) {
        DrawText(painter, layout.titleLine, Qt::AlignHCenter, title);
    }
    for (int column = 0; column < list.ColumnCount(); ++column) {
        const std::string_view heading =
            PrintedHeading(list.columns[static_cast<std::size_t>(column)].heading);
        for (const SPrintBox& stroke : layout.HeadingBoxes(column)) {
            DrawText(painter, stroke, Qt::AlignHCenter, heading);
        }
    }
    const int first = layout.FirstRowOfPage(page);
    for (int line = 0; line < layout.RowsOnPage(page); ++line) {
        for (int column = 0; column < list.ColumnCount(); ++column) {
            const SPrintColumn& place = layout.columns[static_cast<std::size_t>(column)];
            DrawText(painter, layout.CellBox(line, column), ToAlignment(place.alignment),
                     PrintedCell(list.Cell(first + line, column)));
        }
    }
}

int FaultMessage(EListPrintFault fault) {
    switch (fault) {
        case EListPrintFault::EmptyList:
            return ids::kListPrintEmpty;
        case EListPrintFault::PageTooNarrow:
            return ids::kListPrintTooNarrow;
        case EListPrintFault::PageTooShort:
            return ids::kListPrintTooShort;
        case EListPrintFault::PrinterFailed:
        case EListPrintFault::None:
            break;
    }
    return ids::kListPrintFailed;
}

void ReportFault(EListPrintFault fault, QWidget* parent) {
    QMessageBox::warning(parent, Cp1252ToQString(GuiString(ids::kApplicationTitle)),
                         Cp1252ToQString(GuiString(FaultMessage(fault))));
}

}  // namespace

SListPrintLayoutResult LayOutListOn(QPrinter& printer, const SListTable& list,
                                    const SListPrintSettings& settings) {
    // The margins are the list's own, so coordinates start at the sheet's corner.
    printer.setFullPage(true);
    const QFontMetrics fontMetrics(PrintFont(settings), &printer);
    const SPrintDevice device{printer.width(), printer.height(), printer.logicalDpiX(),
                              printer.logicalDpiY()};
    return LayOutListPrint(list, settings, device, CFontTextMetrics(fontMetrics));
}

EListPrintFault PrintListTo(QPrinter& printer, const SListTable& list,
                            const SListPrintSettings& settings) {
    const SListPrintLayoutResult result = LayOutListOn(printer, list, settings);
    if (result.fault != EListPrintFault::None) {
        return result.fault;
    }
    printer.setDocName(Cp1252ToQString(settings.title));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return EListPrintFault::PrinterFailed;
    }
    painter.setFont(PrintFont(settings));
    for (int page = 0; page < result.layout.pageCount; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return EListPrintFault::PrinterFailed;
        }
        DrawPage(painter, result.layout, list, settings.title, page);
    }
    return painter.end() ? EListPrintFault::None : EListPrintFault::PrinterFailed;
}

bool PrintList(const SListTable& list, const SListPrintSettings& settings, QWidget* parent) {
    if (list.IsEmpty()) {
        ReportFault(EListPrintFault::EmptyList, parent);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const EListPrintFault fault = PrintListTo(printer, list, settings);
    if (fault != EListPrintFault::None) {
        ReportFault(fault, parent);
        return false;
    }
    return true;
}

}  // namespace kw
