#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/ScriptedServices.h"
#include "runtime/Error.h"

namespace platform {
namespace {

TEST(ScriptedServicesTest, MessageBoxesAreAnsweredInOrderAndRecordedWhole)
{
    ScriptedServices services;
    services.answerMessageBox(Answer::No);
    services.answerMessageBox(Answer::OK);
    services.beep(Beep::Question);
    const Answer first = services.messageBox({"Delete filter set-up 'X' ?", "Quillbook 2000-32", Buttons::YesNo, Icon::Question, 2});
    const Answer second = services.messageBox({"Saved", "Quillbook 2000-32", Buttons::OK, Icon::Information, 1, "QBMAIN.HLP", 60});
    EXPECT_EQ(first, Answer::No);
    EXPECT_EQ(second, Answer::OK);
    ASSERT_EQ(services.messageBoxes().size(), 2u);
    const ShownMessageBox& shown = services.messageBoxes()[0];
    EXPECT_EQ(shown.box.title, "Quillbook 2000-32");
    EXPECT_EQ(shown.box.buttons, Buttons::YesNo);
    EXPECT_EQ(shown.box.icon, Icon::Question);
    EXPECT_EQ(shown.box.defaultButton, 2);
    EXPECT_EQ(shown.box.helpFile, "");
    EXPECT_EQ(services.messageBoxes()[1].box.helpFile, "QBMAIN.HLP");
    EXPECT_EQ(services.messageBoxes()[1].box.helpContext, 60);
    EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"Delete filter set-up 'X' ?", "Saved"}));
    EXPECT_EQ(services.beeps(), (std::vector<Beep>{Beep::Question}));
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST(ScriptedServicesTest, WhatNobodyScriptedFailsLoudlyAndNamesItself)
{
    struct Case {
        const char* name;
        std::function<void(ScriptedServices&)> action;
        std::string mention;
    };
    const Case cases[] = {
        {"message box", [](ScriptedServices& s) { s.messageBox({"Surprise!", "T", Buttons::OK, Icon::None, 1}); }, "Surprise!"},
        {"answer that is not a button of the box",
         [](ScriptedServices& s) {
             s.answerMessageBox(Answer::Cancel);
             s.messageBox({"Sure?", "T", Buttons::YesNo, Icon::Question, 2});
         },
         "Sure?"},
        {"input box", [](ScriptedServices& s) { s.inputBox("Amount?", "T", ""); }, "Amount?"},
        {"file dialog",
         [](ScriptedServices& s) {
             FileDialog d;
             d.title = "Open Data File";
             s.fileDialog(d);
         },
         "Open Data File"},
        {"printer dialog",
         [](ScriptedServices& s) {
             PrinterDialog d;
             d.title = "Print";
             s.printerDialog(d);
         },
         "Print"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServices services;
        try {
            c.action(services);
            ADD_FAILURE() << "nothing thrown";
        } catch (const std::exception&) {
            ADD_FAILURE() << "an error the system's own traps would swallow";
        } catch (const UnscriptedInteraction& e) {
            EXPECT_NE(std::string(e.what()).find(c.mention), std::string::npos) << e.what();
        }
    }
}

TEST(ScriptedServicesTest, CancelledDialogsRaiseError32755OnlyWhenAskedTo)
{
    struct Case {
        const char* name;
        bool cancelError;
        bool printer;
    };
    const Case cases[] = {
        {"file dialog, cancel raises", true, false},
        {"file dialog, cancel answers empty", false, false},
        {"printer dialog, cancel raises", true, true},
        {"printer dialog, cancel answers false", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServices services;
        c.printer ? services.cancelPrinterDialog() : services.cancelFileDialog();
        FileDialog file;
        file.cancelError = c.cancelError;
        file.fileName = "before.QBD";
        PrinterDialog printer;
        printer.cancelError = c.cancelError;
        try {
            if (c.printer)
                EXPECT_FALSE(services.printerDialog(printer));
            else
                EXPECT_EQ(services.fileDialog(file), "");
            EXPECT_FALSE(c.cancelError) << "no error raised";
        } catch (const runtime::Error& e) {
            EXPECT_TRUE(c.cancelError);
            EXPECT_EQ(e.number(), runtime::DialogCancelled);
        }
        EXPECT_EQ(file.fileName, "before.QBD");
    }
}

TEST(ScriptedServicesTest, ConfirmedDialogsFillInTheChoice)
{
    ScriptedServices services;
    services.answerFileDialog("C:\\DATA\\ACME.QBD", 2);
    services.answerPrinterDialog(3);
    FileDialog file;
    file.filter = "Data Files (*.QBD)|*.QBD|All (*.*)|*.*";
    PrinterDialog printer;
    EXPECT_EQ(services.fileDialog(file), "C:\\DATA\\ACME.QBD");
    EXPECT_EQ(file.fileName, "C:\\DATA\\ACME.QBD");
    EXPECT_EQ(file.filterIndex, 2);
    EXPECT_TRUE(services.printerDialog(printer));
    EXPECT_EQ(printer.copies, 3);
    ASSERT_EQ(services.fileDialogs().size(), 1u);
    EXPECT_EQ(services.fileDialogs()[0].filter, file.filter);
}

TEST(ScriptedServicesTest, OutwardActionsAreRecordedAndStateIsSettable)
{
    ScriptedServices services;
    services.setNow(runtime::Date(40000.5));
    services.setKeyDown(KeyControl);
    services.setRunningWindow("SciCalc");
    services.setClipboardText("12.50");
    EXPECT_TRUE(services.startProgram("Notepad.exe QB.TXT", WindowStyle::NormalFocus));
    services.sendKeys("%C");
    services.showHelp(1, 0);
    EXPECT_EQ(services.shellOpen("QB.XLS"), 42);
    services.setMousePointer(11);

    EXPECT_EQ(services.now(), runtime::Date(40000.5));
    EXPECT_TRUE(services.keyIsDown(KeyControl));
    EXPECT_FALSE(services.keyIsDown(KeyTab));
    EXPECT_TRUE(services.findWindow("SciCalc"));
    EXPECT_FALSE(services.findWindow("Notepad"));
    EXPECT_EQ(services.clipboardText(), "12.50");
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "Notepad.exe QB.TXT");
    EXPECT_EQ(services.sentKeys(), (std::vector<std::string>{"%C"}));
    EXPECT_EQ(services.helpShown().size(), 1u);
    EXPECT_EQ(services.openedFiles(), (std::vector<std::filesystem::path>{"QB.XLS"}));
    EXPECT_EQ(services.mousePointer(), 11);
}

} // namespace
} // namespace platform
