#include "datapeek/ExportForm.h"

#include <exception>
#include <map>

#include "datapeek/ViewerMessages.h"
#include "platform/ScreenPlacement.h"
#include "runtime/Error.h"
#include "runtime/PathText.h"

namespace datapeek {

namespace {

// The desktop answers above 32 when the file opened.
constexpr long LargestFailure = 32;
// The desktop's answer when no program is set to open the file's kind.
constexpr long NoProgramForFile = 31;

} // namespace

ExportForm::ExportForm(platform::Services& services, std::filesystem::path folder, ReportWriter writeReport)
    : Form(services, "EXPORTFORM"), folder_(std::move(folder)), writeReport_(std::move(writeReport))
{
    setCaption("Export Report");
    Move(0, 0, 3840, 2400);
    platform::CentreOnScreen(*this);
    Frame1.setCaption("Export As...");
    Frame1.Move(120, 120, 2160, 1335);
    Option1[0].setCaption("&Microsoft Excel");
    Option1[0].Move(180, 360, 1815, 315);
    Option1[0].setValue(true);
    Option1[1].setCaption("&Lotus 123");
    Option1[1].Move(180, 780, 1815, 315);
    ExpBtn.setCaption("&Export");
    ExpBtn.setDefault(true);
    ExpBtn.Move(2460, 240, 1215, 375);
    CancelBtn.setCaption("&Close");
    CancelBtn.setCancel(true);
    CancelBtn.Move(2460, 720, 1215, 375);
    ExpBtn.Click = [this] { ExpBtn_Click(); };
    CancelBtn.Click = [this] { CancelBtn_Click(); };
    endDesign();
}

void ExportForm::ExpBtn_Click()
{
    try {
        std::string target;
        if (Option1[0].Value())
            target = "QB.XLS";
        else if (Option1[1].Value())
            target = "QB.123";
        else
            throw runtime::Error(runtime::InvalidProcedureCall);
        const std::filesystem::path path = folder_ / target;
        writeReport_(path);
        const long result = services().shellOpen(path);
        if (result == NoProgramForFile)
            ShowMessage(services(), ShellOpenFailure(result) + "\r\n\r\nThe report was written to '" +
                                        runtime::textOfPath(path) + "', but no program is set to open " + path.extension().string() +
                                        " files.");
        else if (result <= LargestFailure)
            ShowMessage(services(), ShellOpenFailure(result));
    } catch (const std::exception& error) {
        ShowMessage(services(), "Error: " + std::string(error.what()));
    }
}

void ExportForm::CancelBtn_Click()
{
    Hide();
}

std::string ShellOpenFailure(long result)
{
    static const std::map<long, std::string> known{
        {0, "Insufficient System Memory or Corrupt Program File"},
        {2, "File not Found"},
        {3, "Invalid Path"},
        {5, "Sharing or Protection Error"},
        {6, "Separate Data Segments are required for each task"},
        {8, "Insufficient Memory to Run the Program"},
        {10, "Incorrect Windows Version"},
        {11, "Invalid Program File"},
        {12, "Program File Requires a Different Operating System"},
        {13, "Program requires MS-DOS 4.0"},
        {14, "Unknown Program File Type"},
        {15, "Windows Program does not support Protected Memory Mode"},
        {16, "Invalid use of Data Segments when Loading a Second Instance of a Program"},
        {19, "Attempt to run Compressed Program File"},
        {20, "Invalid Dynamic Link Library"},
        {21, "Program Requires Windows 32-Bit extensions"},
    };
    const auto found = known.find(result);
    if (found != known.end())
        return found->second;
    const std::string number = std::to_string(result);
    return "Error Unable to Launch Export File - Error Type UnKnown: " + (result >= 0 ? " " + number : number);
}

} // namespace datapeek
