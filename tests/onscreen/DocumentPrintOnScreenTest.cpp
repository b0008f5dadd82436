#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "OnScreenWindow.h"
#include "core/CodeLines.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "documents/TemplatePrint.h"
#include "reports/ReportDesk.h"
#include "support/DocumentObject.h"
#include "support/FileBytes.h"

namespace {

// An invoice printed through the Qt printer to a PDF file.
class DocumentPrintOnScreen : public OnScreenWindow, public testing::Test {
protected:
    OnScreenReportHost host;
    reports::ReportDesk desk{book, host, folder.path()};
};

TEST_F(DocumentPrintOnScreen, AnInvoicePrintsToAPdfFile)
{
    core::VatCodeRecord vat;
    vat.Code = "S";
    vat.Rate = 17.5;
    vat.Name = "Standard";
    book.codes.ListVATCodes.AddItem(core::FormatVatCodeLine(vat));
    book.company.CompanyAddress = "2 Low Road\r\nYork";
    core::TransactionFields invoice;
    invoice.Date = "01/Jun/2025";
    invoice.Reference = "000123";
    invoice.Type = "INV";
    invoice.Amount = 117.50;
    invoice.VAT = "S";
    invoice.Customer = "ACME";
    invoice.Bank = "BANK01";
    core::AddTransaction(book, invoice);
    ASSERT_EQ(book.ledger.Transactions.UpperBound(), 1);

    core::TemplateRecord& tmpl = book.Templates[core::SimpleInvoice];
    tmpl.TopMargin = 360;
    tmpl.SideMargin = 360;
    tmpl.Objects[0] = DocumentObject("INVOICE", 720, 720, 'L', 1300);
    tmpl.Objects[0].FontSize = "12.5";
    tmpl.Objects[0].Bold = 'Y';
    tmpl.Objects[1] = DocumentObject("~TG", 6000, 1440, 'R', 1300);
    tmpl.Objects[1].Boxed = 'Y';
    tmpl.Objects[2] = DocumentObject("~TN", 6000, 1800, 'R', 1300);
    tmpl.Objects[3] = DocumentObject("~TV", 6000, 2160, 'R', 1300);
    tmpl.Objects[4] = DocumentObject("~YA", 720, 2520, 'L', 1300);

    ASSERT_TRUE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    const std::string pdf = readBytes(folder.path() / "out.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
}

} // namespace
