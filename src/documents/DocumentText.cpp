#include "documents/DocumentText.h"

#include <cmath>
#include <exception>
#include <string>
#include <string_view>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeKind.h"
#include "core/CodeList.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/SplitEntry.h"
#include "core/Vat.h"
#include "reports/FinishTextReport.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"
#include "reports/ReportListHelpers.h"
#include "reports/ReportTitle.h"
#include "runtime/Date.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

namespace {

constexpr std::string_view Pound = "\xA3"; // "£" in Windows-1252
constexpr std::string_view Indent = "      ";
constexpr int AddressWidth = 80;
constexpr int MemoWidth = 74;
constexpr int NameWidth = 20;
// Lines that would start at this position or later are not written.
constexpr int LastLineStart = 74;
constexpr int AddressLineWidth = 44;
constexpr int MemoLineWidth = 36;

std::string Field(std::string_view text, int width)
{
    return runtime::padRight(runtime::left(text, width), width);
}

std::string LongDate(std::string_view shown)
{
    const auto date = runtime::parseDate(shown);
    if (!date)
        throw runtime::Error(runtime::TypeMismatch);
    return runtime::format(*date, "dd/Mmmm/yyyy");
}

void WriteAddress(reports::ReportFile& file, std::string address)
{
    std::string line;
    for (int position = 1; position < LastLineStart;) {
        position = reports::TakeTextLine(address, position, line, AddressLineWidth);
        file.WriteLine(Field(line, AddressLineWidth));
    }
}

void WriteMemo(reports::ReportFile& file, std::string memo)
{
    std::string line;
    for (int position = 1; position < LastLineStart;) {
        position = reports::TakeTextLine(memo, position, line, MemoLineWidth);
        file.WriteLine(std::string(Indent) + runtime::ltrim(Field(line, AddressLineWidth)));
    }
}

void WriteSplitTable(reports::ReportFile& file, const core::Book& book)
{
    file.WriteLine("      Item                                   NET VAT Code    VAT       Total");
    file.WriteLine("      ______________________________________________________________________");
    const std::string& tail = book.SplitTail;
    const int count = core::SplitEntryCount(tail);
    for (int i = 0; i < count; ++i) {
        const std::string entry = runtime::mid(tail, i * core::SplitEntryWidth + 1, core::SplitEntryWidth);
        const double amount = runtime::val(runtime::mid(entry, 34, 11));
        const std::string code = runtime::mid(entry, 45, 3);
        const double vat = core::CalcVatOfGross(core::GetCodeListValue(book.codes.ListVATCodes, code), amount);
        file.WriteLine(std::string(Indent) + Field(runtime::mid(entry, 4, 30), 30) + " " +
                       core::FormatAmountPlain(amount - vat) + " " + Field(code, 3) + " " +
                       core::FormatAmountPlain(vat) + " " + core::FormatAmountPlain(amount));
    }
    file.WriteLine();
    file.WriteLine();
}

std::string MoneyCell(std::string_view label, double amount)
{
    return std::string(label) + "\t" + std::string(Pound) + core::FormatAmountGrouped(amount);
}

void WriteDocument(reports::ReportDesk& desk, reports::ReportFile& file, int kind)
{
    core::Book& book = desk.book();
    const core::EditBoxTexts shown = book.ledger.Window().EntryTexts();
    const std::string customer = runtime::left(shown.Customer, 6);
    // A customer missing from the list gets a blank name and address.
    const std::string name = core::GetCodeName(book, customer, core::CodeKind::Customer);
    const std::string address = core::GetCustomerAddress(book, customer);
    const double gross = std::abs(runtime::val(shown.Amount));
    const std::string vatCode = runtime::left(shown.VAT, 3);
    const bool split = vatCode == "SPL";
    const double rate = split ? 0 : core::GetCodeListValue(book.codes.ListVATCodes, vatCode);
    const double vat = split ? runtime::val(shown.VATAmount) : core::CalcVatOfGross(rate, gross);
    const std::string separator(45, ' ');

    if (kind == 1 || kind == 2)
        file.WriteLine("INVOICE                                 Invoice Number " + shown.Reference);
    else if (kind == 3)
        file.WriteLine("REMITTANCE ADVICE                     Reference Number " + shown.Reference);
    file.WriteLine(std::string(61, '_'));
    file.WriteLine();
    file.WriteLine(runtime::format(desk.services().now(), "dd/Mmmm/yyyy") + " ");
    for (int i = 0; i < 4; ++i)
        file.WriteLine();
    file.WriteLine(Field(name, NameWidth));
    WriteAddress(file, Field(address, AddressWidth));
    for (int i = 0; i < 3; ++i)
        file.WriteLine();
    WriteMemo(file, Field(shown.Memo, MemoWidth));
    file.WriteLine();
    if (kind == 2)
        WriteSplitTable(file, book);
    file.WriteLine(MoneyCell("      Net                                 ", gross - vat));
    file.WriteLine();
    if (split)
        file.WriteLine(MoneyCell("      VAT                                   ", vat));
    else
        file.WriteLine(MoneyCell("      VAT at " + runtime::format(rate, "  0.00") + "%                       ", vat));
    file.WriteLine();
    file.WriteLine(separator + "\t" + std::string(12, '_'));
    file.WriteLine();
    file.WriteLine(MoneyCell("      Total                               ", gross));
    file.WriteLine(separator + "\t" + std::string(12, '_'));
    for (int i = 0; i < 3; ++i)
        file.WriteLine();
    file.WriteLine("Tax Point     : " + LongDate(shown.Date));
    file.WriteLine();
    file.WriteLine("E&OE");
}

} // namespace

bool WriteDocumentText(reports::ReportDesk& desk, int kind)
{
    const core::BusyPointer busy(desk.services());
    std::string failure;
    try {
        reports::ReportFile file(desk);
        try {
            WriteDocument(desk, file, kind);
        } catch (...) {
            file.Abandon();
            throw;
        }
        return reports::FinishTextReport(desk, file, reports::DocumentTextKind);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    desk.book().messages.ShowErrorBox("File error : " + failure);
    return false;
}

} // namespace documents
