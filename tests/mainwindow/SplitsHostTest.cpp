#include <string>

#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/LedgerTest.h"
#include "mainwindow/codes/CodeRecords.h"
#include "mainwindow/dialogs/Splits.h"
#include "mainwindow/dialogs/SplitsHost.h"

namespace {

// The edit box as the splits window sees it: the values it reads, and what it wrote back.
class FakeSplitsHost : public mainwindow::SplitsHost {
public:
    std::string EntryAmount() const override { return amount; }
    std::string EntryAmountCaption() const override { return "Payment"; }
    std::string EntryReference() const override { return "CHQ7"; }
    void setEntryAmount(const std::string& text) override { amount = text; }
    void setEntryVatAmount(const std::string& text) override { vatAmount = text; }
    void setEntrySplitCount(int count) override { splitCount = count; }
    void setEntryVatCode(const std::string& code) override { vatCode = code; }
    void SaveTheFile() override { ++saves; }

    std::string amount = "70.00";
    std::string vatAmount;
    int splitCount = -1;
    std::string vatCode = "(untouched)";
    int saves = 0;
};

// The splits window over a book and a fake edit box, without a main window.
class SplitsHostTest : public LedgerTest {
protected:
    SplitsHostTest()
    {
        core::VatCodeRecord record;
        record.Code = "STD";
        record.Name = "Standard";
        record.Rate = 17.5;
        const std::string line = core::FormatVatCodeLine(record);
        EXPECT_TRUE(core::AddCodeLine(book.messages, book.codes.ListVATCodes, book.codes.ComboVAT, line,
                                      mainwindow::MirrorText(core::CodeKind::Vat, line),
                                      core::CodeWidth(core::CodeKind::Vat)));
    }

    FakeSplitsHost host;
};

TEST_F(SplitsHostTest, ReadsTheEntryAndWritesTheSplitsTotalsBackThroughItsHost)
{
    book.AutoSave = true;
    book.ledger.FileChanged = true;
    services.onModal<mainwindow::Splits>("Splits", [](mainwindow::Splits& splits) {
        EXPECT_EQ(splits.FrameDetails.Caption(), "Split Details for Payment Ref <CHQ7>");
        EXPECT_EQ(splits.LblTranTotal.Caption(), "      70.00");
        splits.CmdNew.userClick();
        splits.TxtMemo.userSetText("Paper");
        splits.TxtAmount.userSetText("47");
        splits.ComboVATCodes.userSetText("STD");
        splits.CmdUpdate.userClick();
        splits.CmdOK.userClick();
    });
    // "Update the transaction amount on the main screen to 47.00?"
    services.answerMessageBox(platform::Answer::Yes);
    mainwindow::Splits dialog(book, host);
    dialog.Show(true);

    ASSERT_TRUE(services.allScriptsUsed());
    EXPECT_EQ(book.SplitTail, "001Paper                               47.00STD    ");
    EXPECT_EQ(host.amount, "47.00");
    EXPECT_EQ(host.vatAmount, "       7.00");
    EXPECT_EQ(host.splitCount, 1);
    EXPECT_EQ(host.vatCode, "(untouched)");
    EXPECT_EQ(host.saves, 1);
}

TEST_F(SplitsHostTest, WithoutSplitsTheEntryGetsItsOriginalVatCodeBack)
{
    book.AutoSave = false;
    book.SplitTail = "001Paper                               47.00STD    ";
    host.amount = "47.00";
    services.onModal<mainwindow::Splits>("Splits", [](mainwindow::Splits& splits) {
        splits.LblOrigVATCode.setCaption("STD");
        splits.ListSplits.userSelect(0);
        splits.ListSplits.userDblClick();
        splits.CmdDelete.userClick();
        splits.CmdOK.userClick();
    });
    // "Update the transaction amount on the main screen to 0.00?": No keeps it.
    services.answerMessageBox(platform::Answer::No);
    mainwindow::Splits dialog(book, host);
    dialog.Show(true);

    ASSERT_TRUE(services.allScriptsUsed());
    EXPECT_EQ(book.SplitTail, "");
    EXPECT_EQ(host.amount, "47.00");
    EXPECT_EQ(host.splitCount, 0);
    EXPECT_EQ(host.vatCode, "STD");
    EXPECT_EQ(host.saves, 0);
}

} // namespace
