#include <optional>

#include "MainTest.h"
#include "support/FileBytes.h"

namespace {

using ExitTest = MainTest;

// Exit offers to save a changed book, writes the settings, offers a backup and ends the program;
// every answer along the way is a row here.
TEST_F(ExitTest, EveryAnswerOfTheShutDown)
{
    struct Case {
        const char* name;
        bool changed;
        bool hasPath;
        bool autoSave;
        std::optional<platform::Answer> saveAnswer;
        bool saveAsCancelled;
        std::optional<platform::Answer> backupAnswer;
        bool backupCancelled;
        bool ended;
        bool settingsWritten;
        bool bookSaved;
    };
    using A = platform::Answer;
    const Case cases[] = {
        {"unchanged, no backup", false, true, false, {}, false, A::No, false, true, true, false},
        {"unchanged, cancel at backup", false, true, false, {}, false, A::Cancel, false, false, true, false},
        {"unchanged, backup made", false, true, false, {}, false, A::Yes, false, true, true, false},
        {"unchanged, backup dialog cancelled", false, true, false, {}, false, A::Yes, true, true, true, false},
        {"changed, saved", true, true, false, A::Yes, false, A::No, false, true, true, true},
        {"changed, not saved", true, true, false, A::No, false, A::No, false, true, true, false},
        {"changed, cancel", true, true, false, A::Cancel, false, {}, false, false, false, false},
        {"changed without a name, save as cancelled", true, false, false, A::Yes, true, {}, false, false, false, false},
        {"changed without a name, saved as", true, false, false, A::Yes, false, A::No, false, true, true, true},
        {"changed with auto-save", true, true, true, {}, false, A::No, false, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices fresh;
        fresh.setProgramFolder(folder.path());
        const auto company = writeCompany("Shop.QBD", 3);
        std::filesystem::remove(settingsFile());
        mainwindow::Main window(fresh, folder.path());
        cancelWizard(fresh);
        window.Show();
        datafile::LoadDataFile(company, window.book, window);
        if (!c.hasPath)
            window.book.CurrentDataFilePath.clear();
        window.book.AutoSave = c.autoSave;
        if (c.changed) {
            window.book.company.CompanyName = "Changed Company";
            window.book.ledger.FileChanged = true;
        }
        const auto savedAs = folder / "SavedAs.QBD";
        std::filesystem::remove(savedAs);
        const auto backup = folder / "Shop.BAK";
        std::filesystem::remove(backup);
        if (c.saveAnswer)
            fresh.answerMessageBox(*c.saveAnswer);
        if (c.saveAnswer == A::Yes && !c.hasPath) {
            if (c.saveAsCancelled)
                fresh.cancelFileDialog();
            else
                fresh.answerFileDialog(savedAs.string());
        }
        if (c.backupAnswer)
            fresh.answerMessageBox(*c.backupAnswer);
        if (c.backupAnswer == A::Yes) {
            if (c.backupCancelled)
                fresh.cancelFileDialog();
            else
                fresh.answerFileDialog(backup.string());
        }

        window.CmdExit.userClick();

        EXPECT_TRUE(fresh.allScriptsUsed());
        EXPECT_EQ(fresh.programEnded(), c.ended);
        EXPECT_EQ(window.isLoaded(), !c.ended);
        EXPECT_EQ(std::filesystem::exists(settingsFile()), c.settingsWritten);
        const auto written = c.hasPath ? company : savedAs;
        EXPECT_EQ(std::filesystem::exists(written) && readBytes(written).find("Changed Company") != std::string::npos,
                  c.bookSaved);
        EXPECT_EQ(std::filesystem::exists(backup), c.backupAnswer == A::Yes && !c.backupCancelled);
        if (c.saveAnswer) {
            EXPECT_EQ(fresh.messageBoxes().front().box.text,
                      std::string("This file (") + (c.changed ? "Changed Company" : "Test Company") +
                          ") has changed. Do you wish to save before exit?");
        }
        if (c.backupAnswer) {
            const platform::MessageBox& box = fresh.messageBoxes().back().box;
            EXPECT_EQ(box.text, "Backup Your Data?\n\n");
            EXPECT_EQ(box.title, "Backup Quillbook 2000-32");
            EXPECT_EQ(box.buttons, platform::Buttons::YesNoCancel);
            EXPECT_EQ(box.icon, platform::Icon::Question);
        }
    }
}

} // namespace
