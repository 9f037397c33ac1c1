#pragma once

#include "storage/ListPrintLayout.h"

class QPrinter;
class QWidget;

namespace kw {

// Shows the print dialog and prints the list. False when the user cancels, and when the list
// cannot be printed, which is then reported (an empty list before the dialog shows).
bool PrintList(const SListTable& list, const SListPrintSettings& settings, QWidget* parent);

// Where the list goes on the printer as it is set up, margins measured from the sheet's edges.
SListPrintLayoutResult LayOutListOn(QPrinter& printer, const SListTable& list,
                                    const SListPrintSettings& settings);

// Prints the list on a printer already set up; nothing is started when the list does not fit.
EListPrintFault PrintListTo(QPrinter& printer, const SListTable& list,
                            const SListPrintSettings& settings);

}  // namespace kw
