#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/TemplateRecord.h"

namespace core {
class Book;
}

namespace platform {
class Services;
}

namespace reports {
class ReportDesk;
}

namespace documents {

// An object as the designer or the viewer shows it: the caption (sample values in place of the
// tags), the on-screen width, the alignment (0 left, 1 right, 2 centred) and the position.
struct ShownObject {
    std::string Caption;
    double Width = 0;
    int Alignment = 0;
    double Left = 0;
    double Top = 0;
};
using ShownObjects = std::array<ShownObject, core::TemplateObjectCount>;

// What a print of shown objects needs of the program running it: its printing flag (the
// print-job window's Cancel clears it), its error box and its print-job window.
struct ShownObjectsPrint {
    platform::Services& Services;
    bool& Printing;
    std::function<void(const std::string&)> ShowError;
    std::function<void()> RefreshJobWindow;
    std::function<void()> HideJobWindow;
    // The designer's test print frames the printable area; the viewer's print does not.
    bool DrawFrame = true;
    // The viewer ends the printer document after a font the printer refuses.
    bool EndDocumentAfterFontFailure = false;
};

// Prints the visible objects of `tmpl` that lie in the printable area as `shown` shows them, at
// the template's places and fonts. Runs inside the print-job window. False after a font the
// printer refuses or a printer error, each with its message.
bool PrintShownObjects(const ShownObjectsPrint& print, const core::TemplateRecord& tmpl, const ShownObjects& shown);

// The test print of the book's working template: the shown objects at the template's fonts, and
// the frame of the printable area. Runs inside the print-job window. False after a font the
// printer refuses or a printer error, each with its message.
bool PrintTemplateSample(reports::ReportDesk& desk, const ShownObjects& shown);

// Whether `tmpl` prints anything: false, after saying so in the error box, when none of its
// objects is visible.
bool CheckTemplateHasVisibleObjects(core::Book& book, const core::TemplateRecord& tmpl);

// Prints one document through stored template `templateNumber` (1 to 4) with its special fields
// filled from `id` (a record number, or EditBoxSource or MailMergeSource), as one print job in
// the print-job window. The working template is left holding the printed document. False after
// a font the printer refuses, a template with nothing visible, or a printer error, each with its
// message.
bool PrintTemplateDocument(reports::ReportDesk& desk, std::int16_t id, int templateNumber);

} // namespace documents
