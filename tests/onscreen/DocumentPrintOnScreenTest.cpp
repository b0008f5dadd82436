#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "OnScreenWindow.h"
#include "core/CodeLines.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "documents/TemplatePrint.h"
#include "reports/ReportDesk.h"
#include "support/FileBytes.h"

namespace {

core::TemplateObject PlacedObject(const std::string& text, float left, float top, char alignment, bool boxed)
{
    core::TemplateObject object;
    object.Text = text;
    object.FontName = "Arial";
    object.FontSize = "10";
    object.Alignment = alignment;
    object.Visible = 'Y';
    object.Boxed = boxed ? 'Y' : ' ';
    object.Left = left;
    object.Top = top;
    object.Width = 1300;
    return object;
}

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
    tmpl.Objects[0] = PlacedObject("INVOICE", 720, 720, 'L', false);
    tmpl.Objects[0].FontSize = "12.5";
    tmpl.Objects[0].Bold = 'Y';
    tmpl.Objects[1] = PlacedObject("~TG", 6000, 1440, 'R', true);
    tmpl.Objects[2] = PlacedObject("~TN", 6000, 1800, 'R', false);
    tmpl.Objects[3] = PlacedObject("~TV", 6000, 2160, 'R', false);
    tmpl.Objects[4] = PlacedObject("~YA", 720, 2520, 'L', false);

    ASSERT_TRUE(documents::PrintTemplateDocument(desk, 1, core::SimpleInvoice));
    const std::string pdf = readBytes(folder.path() / "out.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
}

} // namespace
