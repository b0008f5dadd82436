#include "documents/TemplatePrint.h"

#include <exception>
#include <string_view>

#include "core/Book.h"
#include "core/Messages.h"
#include "documents/FieldValues.h"
#include "documents/ObjectLayout.h"
#include "platform/Printer.h"
#include "reports/CancelForm.h"
#include "reports/FontTests.h"
#include "reports/ReportDesk.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

namespace {

// Where objects may print: from the margins to the page less twice the margins. The limits are
// 16-bit, as stored margins are: an absurd margin raises Overflow rather than wrap.
struct PrintableWindow {
    std::int16_t Left = 0;
    std::int16_t Top = 0;
    std::int16_t Right = 0;
    std::int16_t Bottom = 0;

    bool Holds(const core::TemplateObject& object) const
    {
        return Left <= object.Left && object.Left < Right && Top <= object.Top && object.Top < Bottom;
    }
};

PrintableWindow ComputeWindow(platform::Printer& printer, const core::TemplateRecord& tmpl)
{
    const std::int32_t width = runtime::toInt32(printer.ScaleWidth());
    const std::int32_t height = runtime::toInt32(printer.ScaleHeight());
    return {tmpl.SideMargin, tmpl.TopMargin, runtime::toInt16(width - 2.0 * tmpl.SideMargin),
            runtime::toInt16(height - 2.0 * tmpl.TopMargin)};
}

// Names the printer step under way, for the message of a failure.
class PrintSteps {
public:
    explicit PrintSteps(platform::Printer& printer) : printer_(printer) {}

    const std::string& step() const { return step_; }

    // Everything up to the text: position and font of the object.
    void SetUpObject(const core::TemplateObject& object, double left, double top)
    {
        Step("Object Left Position", [&] { printer_.setCurrentX(left); });
        Step("Object Top Position", [&] { printer_.setCurrentY(top); });
        Step("Object Font Name", [&] { printer_.setFontName(object.FontName); });
        Step("Object Font Size", [&] { printer_.setFontSize(runtime::val(object.FontSize)); });
        Step("Object Font Bold", [&] { printer_.setFontBold(core::IsFlagOn(object.Bold)); });
        Step("Object Font Italic", [&] { printer_.setFontItalic(core::IsFlagOn(object.Italic)); });
        Step("Object Font Underline", [&] { printer_.setFontUnderline(core::IsFlagOn(object.Underline)); });
    }

    void Step(std::string_view name, const auto& action)
    {
        step_ = name;
        action();
    }

private:
    platform::Printer& printer_;
    std::string step_;
};

// The first visible object whose font the printer refuses; -1 when all fit.
int FindUnsuitableFont(platform::Printer& printer, const core::TemplateRecord& tmpl)
{
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        const core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(i)];
        if (core::IsFlagOn(object.Visible) && !reports::TrySetPrinterFont(printer, object.FontName))
            return i;
    }
    return -1;
}

std::string UnsuitableFontMessage(const std::string& text, const std::string& fontName)
{
    return "The object '" + text + "' has the following font specified : '" + fontName +
           "'. This is not a suitable font for your printer. Choose another font for this object and try again";
}

std::string PrintFailureMessage(std::string_view what, const std::string& object, const std::string& step,
                                const std::string& description)
{
    return "Error while printing " + std::string(what) + ", object (" + object + "), nature of problem : (" + step +
           ")  : " + description;
}

// The end of a print that started nothing on the printer. What stops it is the template's, so every
// later document of a batch or mail merge would stop the same way: the run ends here, one message.
bool AbandonPrint(reports::ReportDesk& desk)
{
    desk.CancelRequested = true;
    desk.PrintingInProgress = false;
    desk.PrintJobWindow().Hide();
    core::SetMousePointer(desk.services(), core::DefaultPointer);
    return false;
}

// The end of every print that reached the printer, finished, cancelled or failed.
void EndPrint(reports::ReportDesk& desk)
{
    desk.PrintingInProgress = false;
    desk.services().printer().EndDoc();
    desk.PrintJobWindow().Hide();
    core::SetMousePointer(desk.services(), core::DefaultPointer);
}

bool FailPrint(reports::ReportDesk& desk, const std::string& object, const std::string& step,
               const std::string& description)
{
    desk.book().messages.ShowErrorBox(PrintFailureMessage("Invoice", object, step, description));
    EndPrint(desk);
    return false;
}

void StartPrint(reports::ReportDesk& desk)
{
    core::SetMousePointer(desk.services(), core::HourglassPointer);
    desk.PrintingInProgress = true;
    desk.PrintJobWindow().Refresh();
}

// Lets the print-job window's Cancel act; false once it has.
bool KeepPrinting(reports::ReportDesk& desk)
{
    desk.services().doEvents();
    return desk.PrintingInProgress;
}

char ShownAlignment(int alignment)
{
    return alignment == 0 ? 'L' : alignment == 1 ? 'R' : 'C';
}

} // namespace

bool PrintShownObjects(const ShownObjectsPrint& print, const core::TemplateRecord& tmpl, const ShownObjects& shown)
{
    platform::Services& services = print.Services;
    const auto finish = [&](bool endDocument) {
        print.Printing = false;
        if (endDocument)
            services.printer().EndDoc();
        print.HideJobWindow();
        core::SetMousePointer(services, core::DefaultPointer);
    };
    core::SetMousePointer(services, core::HourglassPointer);
    print.Printing = true;
    print.RefreshJobWindow();
    const int refused = FindUnsuitableFont(services.printer(), tmpl);
    if (refused >= 0) {
        print.ShowError(UnsuitableFontMessage(shown[static_cast<std::size_t>(refused)].Caption,
                                              tmpl.Objects[static_cast<std::size_t>(refused)].FontName));
        finish(print.EndDocumentAfterFontFailure);
        return false;
    }
    platform::Printer& printer = services.printer();
    PrintSteps steps(printer);
    std::string caption;
    try {
        const PrintableWindow window = ComputeWindow(printer, tmpl);
        core::SetMousePointer(services, core::DefaultPointer);
        for (int i = 0; i < core::TemplateObjectCount; ++i) {
            const core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(i)];
            const ShownObject& screen = shown[static_cast<std::size_t>(i)];
            caption = screen.Caption;
            if (core::IsFlagOn(object.Visible) && window.Holds(object)) {
                steps.SetUpObject(object, object.Left, object.Top);
                steps.Step("Object Text", [&] {
                    PrintShownText(printer, {screen.Caption, screen.Width, ShownAlignment(screen.Alignment),
                                             screen.Left, screen.Top, core::IsFlagOn(object.Boxed)});
                });
            }
            services.doEvents();
            if (!print.Printing)
                break;
        }
        if (print.DrawFrame)
            printer.rectangle(window.Left, window.Top, window.Right, window.Bottom);
    } catch (const std::exception& error) {
        print.ShowError(PrintFailureMessage("Template", caption, steps.step(), error.what()));
        finish(true);
        return false;
    }
    core::SetMousePointer(services, core::HourglassPointer);
    finish(true);
    return true;
}

bool PrintTemplateSample(reports::ReportDesk& desk, const ShownObjects& shown)
{
    reports::CancelForm& jobWindow = desk.PrintJobWindow();
    return PrintShownObjects({desk.services(), desk.PrintingInProgress,
                              [&desk](const std::string& message) { desk.book().messages.ShowErrorBox(message); },
                              [&jobWindow] { jobWindow.Refresh(); }, [&jobWindow] { jobWindow.Hide(); }},
                             desk.book().WorkingTemplate, shown);
}

bool CheckTemplateHasVisibleObjects(core::Book& book, const core::TemplateRecord& tmpl)
{
    for (int i = 0; i < core::TemplateObjectCount; ++i)
        if (core::IsFlagOn(tmpl.Objects[static_cast<std::size_t>(i)].Visible))
            return true;
    book.messages.ShowErrorBox("This Template has no visible objects - cannot print. Suitable templates can be "
                               "specified from the Edit Menu.");
    return false;
}

bool PrintTemplateDocument(reports::ReportDesk& desk, std::int16_t id, int templateNumber)
{
    core::Book& book = desk.book();
    core::SetMousePointer(desk.services(), core::HourglassPointer);
    if (templateNumber < core::SimpleInvoice || templateNumber > core::MailMergeLetter)
        throw runtime::Error(runtime::SubscriptOutOfRange);
    book.WorkingTemplate = book.Templates[static_cast<std::size_t>(templateNumber)];
    StartPrint(desk);
    core::TemplateRecord& tmpl = book.WorkingTemplate;
    const int refused = FindUnsuitableFont(desk.services().printer(), tmpl);
    if (refused >= 0) {
        const core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(refused)];
        book.messages.ShowErrorBox(UnsuitableFontMessage(object.Text, object.FontName));
        return AbandonPrint(desk);
    }
    if (!CheckTemplateHasVisibleObjects(book, tmpl))
        return AbandonPrint(desk);
    platform::Printer& printer = desk.services().printer();
    PrintSteps steps(printer);
    std::string text;
    try {
        const PrintableWindow window = ComputeWindow(printer, tmpl);
        core::SetMousePointer(desk.services(), core::DefaultPointer);
        for (int i = 0; i < core::TemplateObjectCount; ++i) {
            core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(i)];
            text = object.Text;
            if (core::IsFlagOn(object.Visible) && window.Holds(object)) {
                steps.SetUpObject(object, object.Left, object.Top);
                object.Text = GetTemplateFieldValue(book, id, object.Text);
                text = object.Text;
                steps.Step("Object Text", [&] {
                    PrintDocumentText(printer, {object.Text, object.Width, object.Alignment, object.Left, object.Top,
                                                core::IsFlagOn(object.Boxed)});
                });
            }
            if (!KeepPrinting(desk))
                break;
        }
    } catch (const std::exception& error) {
        return FailPrint(desk, text, steps.step(), error.what());
    }
    core::SetMousePointer(desk.services(), core::HourglassPointer);
    EndPrint(desk);
    return true;
}

} // namespace documents
