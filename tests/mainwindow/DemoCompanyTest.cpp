#include "DemoCompany.h"
#include "MainTest.h"
#include "core/IndexOperations.h"
#include "datafile/DataFileContents.h"
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
