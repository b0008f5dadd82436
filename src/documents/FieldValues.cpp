#include "documents/FieldValues.h"

#include <string_view>

#include "core/Balances.h"
#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/CodeKind.h"
#include "core/CodeList.h"
#include "core/CodeTableEdits.h"
#include "core/DateText.h"
#include "core/MoneyFormat.h"
#include "core/RecordField.h"
#include "core/SplitEntry.h"
#include "core/SplitText.h"
#include "core/TransactionRecord.h"
#include "core/Vat.h"
#include "datafile/LineBreakEscape.h"
#include "runtime/Date.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

namespace {

constexpr std::string_view SplitMarker = "SPL";

// The transaction a document is about, whichever source it comes from.
struct DocumentSource {
    double Gross = 0;
    std::string VatCode;
    std::string VatShown; // "~VC": the record's code, or the edit box's code and name
    double StoredVat = 0; // what a split transaction keeps as its VAT
    std::string Customer;
    std::string Reference;
    std::string Date;
    std::string Memo;
    std::string Splits;
};

DocumentSource FromRecord(const core::Book& book, std::int16_t id)
{
    const core::TransactionTable& table = book.ledger.Transactions;
    if (!table.Contains(id))
        throw runtime::Error(runtime::SubscriptOutOfRange);
    const std::string_view line = table.Line(id);
    namespace rc = core::RecordColumns;
    DocumentSource source;
    source.Gross = core::RecordNumber(line, rc::Amount);
    source.VatCode = core::PaddedRecordField(line, rc::VAT);
    source.VatShown = source.VatCode;
    source.StoredVat = core::RecordNumber(line, rc::VATAmount);
    source.Customer = core::PaddedRecordField(line, rc::Customer);
    source.Reference = core::PaddedRecordField(line, rc::Reference);
    source.Date = core::FormatYmdAsDisplayDate(core::PaddedRecordField(line, rc::Date));
    source.Memo = core::PaddedRecordField(line, rc::Memo);
    datafile::UnescapeLineBreaks(source.Memo);
    const int splitCount = runtime::toInt16(core::RecordNumber(line, rc::SplitCount));
    source.Splits = runtime::mid(line, core::RecordFixedLength + 1, splitCount * core::SplitEntryWidth);
    return source;
}

DocumentSource FromEditBox(const core::Book& book)
{
    const core::EditBoxTexts shown = book.ledger.Window().EntryTexts();
    DocumentSource source;
    source.Gross = runtime::val(shown.Amount);
    source.VatCode = runtime::left(shown.VAT, 3);
    source.VatShown = shown.VAT;
    source.StoredVat = runtime::val(shown.VATAmount);
    source.Customer = runtime::left(shown.Customer, 6);
    source.Reference = shown.Reference;
    source.Date = shown.Date;
    source.Memo = shown.Memo;
    source.Splits = book.SplitTail;
    return source;
}

// The tags whose values do not depend on a transaction: the mail-merge customer has them.
bool IsCustomerOrCompanyTag(std::string_view tag)
{
    for (std::string_view own : {"~CN", "~CA", "~KI", "~KB", "~DD", "~YN", "~YA", "~YT"}) {
        if (tag == own)
            return true;
    }
    return false;
}

bool IsTag(std::string_view tag)
{
    for (std::string_view known : {"~TG", "~TN", "~TV", "~CN", "~CA", "~TR", "~VC", "~VR", "~DT", "~DD", "~YN", "~YA",
                                   "~YT", "~ID", "~IN", "~IV", "~IG", "~TM", "~IC", "~VT", "~NT", "~GT", "~KI", "~KB"}) {
        if (tag == known)
            return true;
    }
    return false;
}

// Today's date and the company's details: the same whatever the source.
bool IsCompanyTag(std::string_view tag)
{
    return tag == "~DD" || tag == "~YN" || tag == "~YA" || tag == "~YT";
}

std::string CustomerOrCompanyValue(core::Book& book, std::string_view tag, const std::string& customer)
{
    if (tag == "~CN")
        return core::GetCodeName(book, customer, core::CodeKind::Customer);
    if (tag == "~CA")
        return core::GetCustomerAddress(book, customer);
    if (tag == "~KI" || tag == "~KB") {
        const core::BusyPointer busy(book.services());
        double invoices = 0;
        const double balance = core::SumCustomerOutstanding(book, customer, invoices);
        return core::FormatAmountGrouped(tag == "~KI" ? invoices : balance);
    }
    if (tag == "~DD")
        return runtime::format(book.services().now(), "dd/Mmm/yyyy");
    if (tag == "~YN")
        return runtime::trim(book.company.CompanyName.view());
    if (tag == "~YA")
        return runtime::trim(book.company.CompanyAddress);
    return runtime::trim(book.company.CompanyPhone);
}

int SplitColumn(std::string_view tag)
{
    if (tag == "~ID") return 1;
    if (tag == "~IN") return 2;
    if (tag == "~IV") return 3;
    if (tag == "~IG") return 4;
    if (tag == "~IC") return 5;
    if (tag == "~NT") return 6;
    if (tag == "~GT") return 7;
    return 8; // "~VT"
}

std::string TransactionValue(core::Book& book, std::string_view tag, const DocumentSource& source)
{
    const platform::ListModel& vatCodes = book.codes.ListVATCodes;
    const double rate = core::GetCodeListValue(vatCodes, source.VatCode);
    const double vat = source.VatCode == SplitMarker ? source.StoredVat : core::CalcVatOfGross(rate, source.Gross);
    if (tag == "~TG") return core::FormatAmountGrouped(source.Gross);
    if (tag == "~TN") return core::FormatAmountGrouped(source.Gross - vat);
    if (tag == "~TV") return core::FormatAmountGrouped(vat);
    if (tag == "~TR") return source.Reference;
    if (tag == "~VC") return source.VatShown;
    if (tag == "~VR") return runtime::format(rate, "000000000.00");
    if (tag == "~DT") return source.Date;
    if (tag == "~TM") return source.Memo;
    return core::FormatSplitText(SplitColumn(tag), source.Splits, vatCodes);
}

std::string FieldValue(core::Book& book, std::int16_t id, const std::string& text)
{
    const std::string tag = runtime::left(text, 3);
    if (!IsTag(tag))
        return text;
    const bool forCustomer = id == MailMergeSource;
    if (forCustomer && !IsCustomerOrCompanyTag(tag))
        return text;
    if (forCustomer)
        return CustomerOrCompanyValue(book, tag, book.MailMergeCustomerCode.str());
    if (IsCompanyTag(tag))
        return CustomerOrCompanyValue(book, tag, {});
    const DocumentSource source = id == EditBoxSource ? FromEditBox(book) : FromRecord(book, id);
    if (IsCustomerOrCompanyTag(tag))
        return CustomerOrCompanyValue(book, tag, source.Customer);
    return TransactionValue(book, tag, source);
}

} // namespace

std::string GetTemplateFieldValue(core::Book& book, std::int16_t id, const std::string& text)
{
    try {
        return FieldValue(book, id, text);
    } catch (const runtime::Error& error) {
        book.messages.ShowErrorBox("Error extracting invoice details for ID = " + runtime::signedText(id) +
                                   ", text = " + text + " : " + error.description());
    }
    return {};
}

} // namespace documents
