#include "DemoCompany.h"
#include "MainTest.h"
#include "core/IndexOperations.h"
#include "core/RecordField.h"
#include "datafile/DataFileContents.h"
#include "documents/TemplatePrint.h"
#include "platform/RecordingPrinter.h"
#include "runtime/Text.h"
#include "support/FileBytes.h"

namespace {

const std::filesystem::path DemoFolder = QB_DEMO_FOLDER;

using DemoCompanyTest = MainTest;

TEST_F(DemoCompanyTest, CommittedDemoIsTheGeneratorsOutput)
{
    const auto generated = folder / "Demo.QBD";

    ASSERT_TRUE(demo::WriteDemoCompany(generated));

    EXPECT_TRUE(readBytes(generated) == readBytes(DemoFolder / "Demo.QBD"))
        << "demo/Demo.QBD is out of date: run build/demo/make_demo demo/Demo.QBD";
}

TEST_F(DemoCompanyTest, DemoLoadsWithoutIndexRepair)
{
    cancelWizard();
    main.ensureLoaded();
    auto contents = datafile::ReadCurrentDataFile(DemoFolder / "Demo.QBD", main.book);
    ASSERT_TRUE(contents.has_value());
    datafile::PutContentsIntoBook(std::move(*contents), main.book, main);

    EXPECT_FALSE(core::RepairIndexes(main.book));
    EXPECT_GT(main.book.ledger.QueryIndex.UpperBound(), 50);
    EXPECT_EQ(main.book.ledger.QueryIndex.UpperBound(), main.book.ledger.DateIndex.UpperBound());
}

// The Invoices menu's documents of the demo print something: an invoice, a remittance advice for a
// supplier's payment and the mail-merge letter.
TEST_F(DemoCompanyTest, DemoPrintsARemittanceAdviceForASuppliersPayment)
{
    cancelWizard();
    main.ensureLoaded();
    auto contents = datafile::ReadCurrentDataFile(DemoFolder / "Demo.QBD", main.book);
    ASSERT_TRUE(contents.has_value());
    datafile::PutContentsIntoBook(std::move(*contents), main.book, main);
    const core::TransactionTable& table = main.book.ledger.Transactions;
    std::int16_t payment = 0;
    for (int record = 1; record <= table.UpperBound() && payment == 0; ++record)
        if (core::RecordField(table.Line(record), core::RecordColumns::Type) == "PAY" &&
            core::RecordCodeIs(table.Line(record), core::RecordColumns::Customer, "DRAKE "))
            payment = static_cast<std::int16_t>(record);
    ASSERT_NE(payment, 0);

    ASSERT_TRUE(documents::PrintTemplateDocument(main.reportDesk, payment, core::RemittanceAdvice));

    std::vector<std::string> printed;
    for (const auto& document : services.recordingPrinter().documents())
        for (const auto& page : document.pages)
            for (const auto& run : page.runs)
                printed.push_back(runtime::rtrim(run.text));
    for (const char* text : {"REMITTANCE ADVICE", "Harbour Lane Joinery", "Drake Timber Supply", "Payment of bill"})
        EXPECT_NE(std::find(printed.begin(), printed.end(), text), printed.end()) << text;
    for (int templateNumber : {core::SimpleInvoice, core::RemittanceAdvice, core::MailMergeLetter})
        EXPECT_TRUE(documents::CheckTemplateHasVisibleObjects(main.book, main.book.Templates[static_cast<std::size_t>(templateNumber)]));
}

TEST_F(DemoCompanyTest, DemoSettingsOpenTheDemoInTheWorkingFolder)
{
    std::filesystem::copy_file(DemoFolder / "Demo.QBD", folder / "Demo.QBD");
    std::filesystem::copy_file(DemoFolder / "QBMAIN.INI", settingsFile());
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());

    start();

    std::filesystem::current_path(here);
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.Caption(), "Quillbook 2000-32 : Harbour Lane Joinery");
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 2), "01/Jan/2025");
    EXPECT_EQ(main.book.codes.ListBankAccounts.ListCount(), 3);
}

} // namespace
