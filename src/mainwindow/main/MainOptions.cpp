#include "core/DataFiles.h"
#include "mainwindow/main/Main.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

// The desktop's stand-ins for Notepad and Write live in the Windows folder; the viewer is the
// program's sibling.
constexpr const char* NotepadName = "NOTEPAD.EXE";
constexpr const char* WriteName = "WRITE.EXE";
constexpr const char* WordPadPlace = "PROGRA~1/ACCESS~1/WORDPAD.EXE";
constexpr const char* ViewerName = "datapeek";

bool found(const std::filesystem::path& path)
{
    return core::FileHasDate(runtime::textOfPath(path));
}

} // namespace

void Main::OptionAutoSave_Click()
{
    OptionAutoSave.setChecked(!OptionAutoSave.Checked());
    book.AutoSave = OptionAutoSave.Checked();
}

reports::ReportOutput Main::ChosenOutput() const
{
    if (NotepadItem.Checked())
        return reports::ReportOutput::Notepad;
    if (WriteItem.Checked())
        return reports::ReportOutput::Write;
    return reports::ReportOutput::Datapeek;
}

void Main::ChooseOutput(platform::Menu& item)
{
    for (platform::Menu* output : {&NotepadItem, &WriteItem, &DatapeekItem})
        output->setChecked(output == &item);
}

void Main::NotepadItem_Click()
{
    useWordPad_ = false;
    if (found(services().windowsFolder() / NotepadName))
        return ChooseOutput(NotepadItem);
    ReportMissingOutput(NotepadItem, "Cannot find Notepad.exe");
}

void Main::WriteItem_Click()
{
    useWordPad_ = false;
    const std::filesystem::path windows = services().windowsFolder();
    if (found(windows / WriteName))
        return ChooseOutput(WriteItem);
    const std::filesystem::path wordPad = windows.root_path() / WordPadPlace;
    if (found(wordPad)) {
        useWordPad_ = true;
        wordPadPath_ = runtime::textOfPath(wordPad);
        return ChooseOutput(WriteItem);
    }
    ReportMissingOutput(WriteItem, "Cannot find WRITE.EXE or WORDPAD.EXE");
}

void Main::DatapeekItem_Click()
{
    useWordPad_ = false;
    if (found(services().programFolder() / ViewerName))
        return ChooseOutput(DatapeekItem);
    ReportMissingOutput(DatapeekItem,
                        "Cannot find DATAPEEK.EXE\r\rPlease make sure it is in the same\rDirectory as the Quillbook EXE file");
}

void Main::ReportMissingOutput(platform::Menu& item, const std::string& message)
{
    // Start-up's first reading of the settings stays silent, as the error boxes do then.
    if (book.messages.MessagesEnabled) {
        services().beep(platform::Beep::Plain);
        platform::MessageBox box;
        box.text = message;
        box.icon = platform::Icon::Exclamation;
        services().messageBox(box);
    }
    item.setEnabled(false);
}

} // namespace mainwindow
