#include <string>
#include <vector>

#include "DocumentTest.h"
#include "documents/BatchInvoices.h"
#include "documents/DocumentJobs.h"
#include "platform/RecordingPrinter.h"
#include "reports/CancelForm.h"

namespace {

class BatchInvoicesTest : public DocumentTest {
protected:
    BatchInvoicesTest()
    {
        book.Templates[core::MultiLineInvoice] = simpleInvoice();
        book.Templates[core::MultiLineInvoice].Objects[0].Text = "MULTI";
        documents::RegisterDocumentJobs(desk, batch);
    }

    // The first text of each printed document: which template printed it.
    std::vector<std::string> printedTitles()
    {
        std::vector<std::string> titles;
        for (const auto& document : services.recordingPrinter().documents())
            titles.push_back(document.pages.at(0).runs.at(0).text);
        return titles;
    }
    std::vector<std::string> printedGross()
    {
        std::vector<std::string> gross;
        for (const auto& document : services.recordingPrinter().documents())
            gross.push_back(document.pages.at(0).runs.at(1).text);
        return gross;
    }

    void confirm()
    {
        services.answerMessageBox(platform::Answer::Yes);
        services.answerPrinterDialog();
    }

    documents::BatchInvoiceRun batch;
};

TEST_F(BatchInvoicesTest, OnlyUnpaidLiveInvoicesPrintOneJobEach)
{
    ASSERT_EQ(book.ledger.QueryIndex.UpperBound(), 6);
    confirm();
    documents::RunBatchInvoices(desk, batch, 1);
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Print all unpaid invoices in the current filtered list using Simple Invoice template?"}));
    EXPECT_EQ(printedGross(), (std::vector<std::string>{"     117.50", "      70.00", "      47.00"}));
    EXPECT_EQ(printedTitles(), (std::vector<std::string>{"INVOICE", "INVOICE", "INVOICE"}));
    EXPECT_EQ(batch.BatchInvoiceMode, 1);
    EXPECT_EQ(batch.BatchInvoiceRecord, 6);
}

TEST_F(BatchInvoicesTest, AutoSelectUsesTheMultiLineTemplateForSplitInvoices)
{
    confirm();
    documents::RunBatchInvoices(desk, batch, 3);
    EXPECT_EQ(printedTitles(), (std::vector<std::string>{"INVOICE", "MULTI", "INVOICE"}));
}

TEST_F(BatchInvoicesTest, NoOrACancelledPrinterDialogPrintsNothing)
{
    services.answerMessageBox(platform::Answer::No);
    documents::RunBatchInvoices(desk, batch, 2);
    services.answerMessageBox(platform::Answer::Yes);
    services.cancelPrinterDialog();
    documents::RunBatchInvoices(desk, batch, 2);
    documents::RunBatchInvoices(desk, batch, 7);
    EXPECT_TRUE(services.recordingPrinter().documents().empty());
    EXPECT_EQ(batch.BatchInvoiceMode, 0);
    EXPECT_EQ(services.messageTexts().size(), 2u) << "an unknown mode asks nothing";
}

TEST_F(BatchInvoicesTest, AListWithoutUnpaidInvoicesSaysSoAndSetsUpNoPrinter)
{
    const auto noUnpaidInvoices = [this] {
        services.answerMessageBox(platform::Answer::Yes);
        services.answerMessageBox(platform::Answer::OK);
        documents::RunBatchInvoices(desk, batch, 1);
        EXPECT_EQ(services.messageTexts().back(), "There are no unpaid invoices in the current filtered list to print...");
    };
    // Only paid, deleted and other records left in the list; then an empty list.
    core::TransactionIndex unpaidLeftOut;
    for (const core::IndexEntry& entry : book.ledger.QueryIndex.entries()) {
        if (entry.RecordNumber == 3 || entry.RecordNumber == 4 || entry.RecordNumber == 5)
            unpaidLeftOut.Append(entry);
    }
    book.ledger.QueryIndex = unpaidLeftOut;
    noUnpaidInvoices();
    book.ledger.QueryIndex.Clear();
    noUnpaidInvoices();
    EXPECT_TRUE(services.printerDialogs().empty());
    EXPECT_TRUE(services.recordingPrinter().documents().empty());
    EXPECT_EQ(batch.BatchInvoiceMode, 0);
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(BatchInvoicesTest, ATemplateWithNothingVisibleSaysSoOnceAndEndsTheRun)
{
    for (core::TemplateObject& object : book.Templates[core::SimpleInvoice].Objects)
        object.Visible = ' ';
    confirm();
    services.answerMessageBox(platform::Answer::OK);

    documents::RunBatchInvoices(desk, batch, 1);

    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Print all unpaid invoices in the current filtered list using Simple Invoice template?",
                                        "This Template has no visible objects - cannot print. Suitable templates can be "
                                        "specified from the Edit Menu."}));
    EXPECT_TRUE(services.recordingPrinter().documents().empty());
    EXPECT_FALSE(desk.CancelRequested);
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST_F(BatchInvoicesTest, TheInvoicesOfARunArePrintedAsOneRun)
{
    confirm();
    documents::RunBatchInvoices(desk, batch, 1);
    confirm();
    documents::RunBatchInvoices(desk, batch, 2);
    const auto& documents = services.recordingPrinter().documents();
    ASSERT_EQ(documents.size(), 6u);
    for (std::size_t i = 0; i < documents.size(); ++i)
        EXPECT_EQ(documents[i].run, i < 3 ? 1 : 2) << "document " << i + 1;
    EXPECT_FALSE(services.recordingPrinter().InRun());
}

TEST_F(BatchInvoicesTest, CancelDuringTheThirdInvoiceStopsTheRunAfterIt)
{
    // A fourth unpaid invoice, so that something is left after the third.
    addInvoice("000129", "INV", 23.50, "S");
    int shown = 0;
    services.atYield = [&](int) {
        if (desk.PrintJobWindow().LbLReportName.Caption() == "Invoice Ref : 000128" && shown++ == 0)
            desk.PrintJobWindow().CmdCancel.Click();
    };
    confirm();
    documents::RunBatchInvoices(desk, batch, 1);
    const auto& documents = services.recordingPrinter().documents();
    ASSERT_EQ(documents.size(), 3u) << "the fourth invoice is not printed";
    EXPECT_EQ(documents[2].pages.at(0).runs.size(), 1u) << "the third stops after its first object";
    EXPECT_FALSE(desk.CancelRequested);
}

} // namespace
