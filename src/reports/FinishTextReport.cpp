#include "reports/FinishTextReport.h"

#include <exception>
#include <string>

#include "core/Book.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportTitle.h"
#include "runtime/Error.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr std::string_view ReportEndLine = "*** End Of\t Report ***";

// The old word processor asked how to open a plain text file; Alt+C answered it.
constexpr std::string_view WriteConversionKeys = "%C";

std::string ViewerCommandLine(ReportDesk& desk, int kind)
{
    const std::string file(ReportFileName);
    const ReportHost& host = desk.host();
    switch (host.ChosenOutput()) {
    case ReportOutput::Notepad: return "Notepad.exe " + file;
    case ReportOutput::Write: return host.UseWordPad() ? host.WordPadPath() + " " + file : "Write.exe " + file;
    case ReportOutput::Datapeek: break;
    }
    const std::string viewer = kind == DocumentTextKind ? "\\BILLPANE.EXE" : "\\DATAPEEK.EXE";
    return runtime::trim(runtime::textOfPath(desk.services().programFolder())) + viewer + " QBLAUNCH";
}

// Answers false when the program could not be found.
bool StartViewer(ReportDesk& desk, int kind)
{
    platform::Services& services = desk.services();
    if (!services.startProgram(ViewerCommandLine(desk, kind), platform::WindowStyle::NormalFocus))
        return false;
    const ReportHost& host = desk.host();
    if (host.ChosenOutput() == ReportOutput::Write && !host.UseWordPad())
        services.sendKeys(std::string(WriteConversionKeys));
    return true;
}

void ShowViewerNotFound(ReportDesk& desk)
{
    platform::Services& services = desk.services();
    core::SetMousePointer(services, core::DefaultPointer);
    services.beep(platform::Beep::Exclamation);
    platform::MessageBox box;
    box.text = std::string("Cannot find your Viewer") + "\r\r" + "If you are using DATAPEEK.EXE or BILLPANE.EXE "
               + "please make sure they are in the same " + "Directory as the Quillbook EXE file";
    box.title = core::ProductTitle;
    box.buttons = platform::Buttons::OK;
    box.icon = platform::Icon::Exclamation;
    services.messageBox(box);
}

} // namespace

bool FinishTextReport(ReportDesk& desk, ReportFile& file, int kind)
{
    desk.ReportTimestamp.clear();
    try {
        file.WriteLine(" ");
        if (kind != DocumentTextKind)
            file.WriteLine(ReportEndLine);
        file.Close();
        if (StartViewer(desk, kind))
            return true;
        ShowViewerNotFound(desk);
    } catch (const runtime::Error& error) {
        file.Abandon();
        if (error.number() == runtime::FileNotFound)
            ShowViewerNotFound(desk);
        else
            desk.book().messages.ShowErrorBox("Attempting to end report : " + error.description());
    } catch (const std::exception& error) {
        file.Abandon();
        desk.book().messages.ShowErrorBox(std::string("Attempting to end report : ") + error.what());
    }
    return false;
}

} // namespace reports
