#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "QtTestApplication.h"
#include "documents/BatchInvoices.h"
#include "documents/DocumentJobs.h"
#include "qtgui/QtPrinter.h"
#include "reports/ReportTest.h"
#include "support/PdfText.h"

namespace {

const std::filesystem::path DemoCompany = std::filesystem::path(QB_TEST_DATA) / ".." / ".." / "demo" / "Demo.QBD";

// The demo company's batch invoice run printed through the Qt printer to one PDF file.
class DocumentRunPdfTest : public ReportTest {
protected:
    void SetUp() override
    {
        printer.device().setPageSize(QPageSize(QPageSize::A4));
        services.otherPrinter = &printer;
        ASSERT_TRUE(datafile::LoadDataFile(DemoCompany, book, window));
        documents::RegisterDocumentJobs(desk, batch);
    }

    std::filesystem::path pdf() const { return folder / "invoices.pdf"; }

    QApplication& app = qtTestApplication();
    qtgui::QtPrinter printer{pdf()};
    documents::BatchInvoiceRun batch;
};

TEST_F(DocumentRunPdfTest, EveryUnpaidInvoiceOfTheDemoIsInTheFileInOrder)
{
    services.answerMessageBox(platform::Answer::Yes);
    services.answerPrinterDialog();
    documents::RunBatchInvoices(desk, batch, 1);
    EXPECT_TRUE(services.allScriptsUsed());

    const std::vector<std::string> pages = PdfPageTexts(pdf());
    const std::vector<std::string> references{"000006", "000007", "000008"};
    ASSERT_EQ(pages.size(), references.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(Occurrences(pages[i], "INVOICE"), 1) << pages[i];
        for (std::size_t j = 0; j < references.size(); ++j)
            EXPECT_EQ(Occurrences(pages[i], references[j]), i == j ? 1 : 0) << "page " << i + 1 << ": " << pages[i];
    }
}

} // namespace
