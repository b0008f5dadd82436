#pragma once

#include "platform/Services.h"

class QPrintDialog;

namespace qtgui {

// Title, copies and the offered choices of the print dialog. The system always prints whole
// documents, so page ranges, selection and current page are never offered; the platform's flag
// 0x80000 also takes away printing to a file.
void configurePrintDialog(QPrintDialog& dialog, const platform::PrinterDialog& settings);

} // namespace qtgui
