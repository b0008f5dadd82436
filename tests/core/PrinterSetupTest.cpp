#include "BookTest.h"

#include "core/PrinterSetup.h"

namespace {

// The copies the printer was left with, as the next printed document shows them.
int printedCopies(platform::RecordingPrinter& printer)
{
    printer.print("x");
    printer.EndDoc();
    return printer.documents().back().copies;
}

class PrinterSetup : public BookTest {};

TEST_F(PrinterSetup, OneCopySendsNothingToThePrinter)
{
    services.recordingPrinter().setCopiesAnswer(-1); // would fail if asked
    services.answerPrinterDialog(1);
    EXPECT_TRUE(core::SetUpPrinter(book.messages));
    ASSERT_EQ(services.printerDialogs().size(), 1u);
    const platform::PrinterDialog& dialog = services.printerDialogs()[0];
    EXPECT_EQ(dialog.title, "Quillbook : Set Up Printer");
    EXPECT_EQ(dialog.flags, 524300);
    EXPECT_TRUE(dialog.cancelError);
    EXPECT_TRUE(dialog.printerDefault);
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(PrinterSetup, CopiesReachThePrinterOrAreReported)
{
    struct Case {
        const char* name;
        int printerAnswer;
        bool result;
        const char* message; // nullptr: no message
        int copiesPrinted;
    };
    const Case cases[] = {
        {"printer takes the copies", 1, true, nullptr, 3},
        {"driver cannot print copies", 0, true, "Your printer driver does not appear to support multiple copies : ", 1},
        {"setting the copies fails", -1, false, "Error while setting number of copies : ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices scripted;
        core::Messages messages(scripted);
        messages.MessagesEnabled = true;
        scripted.recordingPrinter().setCopiesAnswer(c.printerAnswer);
        scripted.answerPrinterDialog(3);
        if (c.message)
            scripted.answerMessageBox(platform::Answer::OK);

        EXPECT_EQ(core::SetUpPrinter(messages), c.result);
        if (c.message) {
            ASSERT_EQ(scripted.messageBoxes().size(), 1u);
            EXPECT_EQ(scripted.messageBoxes()[0].box.text, c.message);
        } else {
            EXPECT_TRUE(scripted.messageBoxes().empty());
        }
        EXPECT_EQ(printedCopies(scripted.recordingPrinter()), c.copiesPrinted);
    }
}

TEST_F(PrinterSetup, ACancelOrAnImpossibleCopyCountAnswersFalseSilently)
{
    services.cancelPrinterDialog();
    EXPECT_FALSE(core::SetUpPrinter(book.messages));

    services.answerPrinterDialog(40000); // more than the printer's 16-bit copy count
    EXPECT_FALSE(core::SetUpPrinter(book.messages));
    EXPECT_EQ(printedCopies(services.recordingPrinter()), 1);
    EXPECT_TRUE(services.messageBoxes().empty());
}

} // namespace
