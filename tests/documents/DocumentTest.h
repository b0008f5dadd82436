#pragma once

#include <string>

#include "core/BookWindow.h"
#include "core/CodeLines.h"
#include "core/IndexOperations.h"
#include "core/TemplateRecord.h"
#include "reports/ReportTest.h"
#include "runtime/Text.h"

// The main window as documents see it: the edit box shows what a test sets.
class EditBoxWindow : public FakeDataFileWindow {
public:
    core::EditBoxTexts EntryTexts() const override { return shown; }
    core::EditBoxTexts shown;
};

// A book with VAT code "S" at 17.5 %, customer ACME with a two-line address, and the
// transactions: 1 invoice 000123 of 117.50, 2 a split invoice 000124, 3 a paid invoice 000125,
// 4 a deleted invoice 000126, 5 a bill 000127, 6 an invoice 000128 of 47.00. The edit box shows
// invoice 000123; the simple-invoice template holds a few objects.
class DocumentTest : public ReportTest {
protected:
    static constexpr double PageWidth = 11906;
    static constexpr std::int16_t SideMargin = 360;

    DocumentTest()
    {
        book.ledger.AttachWindow(editBox);
        host.output = reports::ReportOutput::Datapeek;
        book.company.CompanyName = "Quill Traders";
        book.company.CompanyAddress = "  2 Low Road\r\nYork  ";
        book.company.CompanyPhone = " 01904 123456 ";
        addVatCode("S", 17.5, "Standard");
        addVatCode("Z", 0, "Zero");
        core::CustomerRecord acme;
        acme.Code = "ACME";
        acme.Name = "Acme Widgets Ltd";
        acme.Address = "1 High Street\r\nLeeds";
        book.codes.ListCustCodes.AddItem(core::FormatCustomerLine(acme));
        addInvoice("000123", "INV", 117.50, "S");
        book.SplitTail = twoSplits();
        addInvoice("000124", "INV", 70.00, "SPL", 2, 7.45);
        addInvoice("000125", "INV", 10.00, "S", 0, 0, true);
        addInvoice("000126", "INV", 20.00, "S", 0, 0, false, true);
        addInvoice("000127", "BIL", 30.00, "S");
        addInvoice("000128", "INV", 47.00, "S");
        book.SplitTail.clear();
        editBox.shown = {"117.50", "S   Standard", "", "ACME   Acme Widgets Ltd", "000123", "01/Jun/2025",
                         "Widgets as ordered"};
        book.Templates[core::SimpleInvoice] = simpleInvoice();
    }

    // Paper 50.00 at "S" and books 20.00 at "Z".
    static std::string twoSplits()
    {
        return "001" + runtime::padRight("Paper", 30) + "      50.00" + "S  " + "    " + "002" +
               runtime::padRight("Books", 30) + "      20.00" + "Z  " + "    ";
    }

    void addVatCode(const std::string& code, double rate, const std::string& name)
    {
        core::VatCodeRecord vat;
        vat.Code = code;
        vat.Rate = rate;
        vat.Name = name;
        book.codes.ListVATCodes.AddItem(core::FormatVatCodeLine(vat));
    }

    void addInvoice(const std::string& reference, const std::string& type, double amount, const std::string& vat,
                    int splits = 0, double vatAmount = 0, bool paid = false, bool deleted = false)
    {
        core::TransactionFields fields;
        fields.Date = "01/Jun/2025";
        fields.Reference = reference;
        fields.Type = type;
        fields.Amount = amount;
        fields.VAT = vat;
        fields.Customer = "ACME";
        fields.Memo = "Widgets as ordered";
        fields.Bank = "BANK01";
        fields.Category = "SALE";
        fields.SplitCount = static_cast<std::int16_t>(splits);
        fields.VATAmount = vatAmount;
        fields.Paid = paid;
        fields.Deleted = deleted;
        if (splits == 0)
            book.SplitTail.clear();
        const int before = book.ledger.Transactions.UpperBound();
        core::AddTransaction(book, fields);
        ASSERT_EQ(book.ledger.Transactions.UpperBound(), before + 1) << reference;
        // The filtered list shows every transaction.
        const int recordNumber = before + 1;
        if (book.ledger.QueryIndex.UpperBound() < recordNumber)
            core::IndexInsert(book, book.ledger.QueryIndex, core::IndexKind::Date,
                              book.ledger.Transactions.Line(recordNumber), recordNumber);
    }

    static core::TemplateObject object(const std::string& text, double left, double top, char alignment = 'L',
                                       double width = 2000)
    {
        core::TemplateObject made;
        made.Text = text;
        made.FontName = "Arial";
        made.FontSize = "10";
        made.Alignment = alignment;
        made.Visible = 'Y';
        made.Left = static_cast<float>(left);
        made.Top = static_cast<float>(top);
        made.Width = static_cast<float>(width);
        return made;
    }

    // "INVOICE" bold at the top, gross (boxed), net and VAT right-aligned, the company's address,
    // and an object just outside the printable window.
    static core::TemplateRecord simpleInvoice()
    {
        core::TemplateRecord tmpl;
        tmpl.Name = "My Invoice";
        tmpl.TopMargin = 360;
        tmpl.SideMargin = SideMargin;
        tmpl.Objects[0] = object("INVOICE", 720, 720);
        tmpl.Objects[0].FontSize = "12.5";
        tmpl.Objects[0].Bold = 'Y';
        tmpl.Objects[1] = object("~TG", 6000, 1440, 'R', 1300);
        tmpl.Objects[1].Boxed = 'Y';
        tmpl.Objects[2] = object("~TN", 6000, 1800, 'R', 1300);
        tmpl.Objects[3] = object("~TV", 6000, 2160, 'R', 1300);
        tmpl.Objects[4] = object("~YA", 720, 2520);
        tmpl.Objects[5] = object("Beyond the window", PageWidth - 2 * SideMargin, 3000);
        tmpl.Objects[6] = object("Thank you", 720, 3600);
        return tmpl;
    }

    EditBoxWindow editBox;
};
