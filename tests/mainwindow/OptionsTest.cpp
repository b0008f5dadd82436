#include "MainTest.h"
#include "support/FileBytes.h"

namespace {

using OptionsTest = MainTest;

TEST_F(OptionsTest, AutoSaveFollowsItsTick)
{
    cancelWizard();
    start();

    main.OptionAutoSave.userClick();
    EXPECT_TRUE(main.OptionAutoSave.Checked());
    EXPECT_TRUE(main.book.AutoSave);

    main.OptionAutoSave.userClick();
    EXPECT_FALSE(main.book.AutoSave);
}

// Choosing a report output ticks it when its program is there; otherwise it says so, greys the
// item out and leaves the choice as it was.
TEST_F(OptionsTest, OutputChoiceNeedsItsProgram)
{
    struct Case {
        const char* name;
        std::vector<std::string> present; // beside the Windows and program folder
        platform::Menu mainwindow::Main::*item;
        reports::ReportOutput chosen;
        bool wordPad;
        std::string message;
    };
    using R = reports::ReportOutput;
    const Case cases[] = {
        {"notepad", {"NOTEPAD.EXE"}, &mainwindow::Main::NotepadItem, R::Notepad, false, ""},
        {"notepad missing", {}, &mainwindow::Main::NotepadItem, R::Datapeek, false, "Cannot find Notepad.exe"},
        {"write", {"WRITE.EXE"}, &mainwindow::Main::WriteItem, R::Write, false, ""},
        {"write missing", {}, &mainwindow::Main::WriteItem, R::Datapeek, false, "Cannot find WRITE.EXE or WORDPAD.EXE"},
        {"viewer missing", {}, &mainwindow::Main::DatapeekItem, R::Datapeek, false,
         "Cannot find DATAPEEK.EXE\r\rPlease make sure it is in the same\rDirectory as the Quillbook EXE file"},
        // Folders of any name (each case's name is its folder's).
        {"viewer in Caf\xC3\xA9", {"datapeek"}, &mainwindow::Main::DatapeekItem, R::Datapeek, false, ""},
        {"notepad in \xE5\xB8\xB3\xE7\xB0\xBF", {"NOTEPAD.EXE"}, &mainwindow::Main::NotepadItem, R::Notepad, false, ""},
        {"write in Ksi\xC4\x99gi", {"WRITE.EXE"}, &mainwindow::Main::WriteItem, R::Write, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto windows = folder / c.name;
        std::filesystem::create_directory(windows);
        platform::ScriptedServices fresh;
        fresh.setWindowsFolder(windows);
        fresh.setProgramFolder(windows);
        for (const std::string& file : c.present)
            writeBytes(windows / file, "");
        mainwindow::Main window(fresh, folder.path());
        cancelWizard(fresh);
        window.Show();
        if (!c.message.empty())
            fresh.answerMessageBox(platform::Answer::OK);

        (window.*c.item).userClick();

        EXPECT_EQ(window.ChosenOutput(), c.chosen);
        EXPECT_EQ(window.UseWordPad(), c.wordPad);
        EXPECT_EQ((window.*c.item).Enabled(), c.message.empty());
        EXPECT_EQ(fresh.messageTexts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
}

} // namespace
