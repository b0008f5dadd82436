#include "core/FilterMatch.h"

#include "core/Book.h"
#include "core/DateText.h"
#include "core/FilterStore.h"
#include "core/RecordField.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

constexpr std::string_view CrLf = "\r\n";

bool PassesDate(std::string_view date, const FilterSetup& setup)
{
    return !(date < setup.FromDate.view());
}

bool PassesReference(std::string_view record, const FilterSetup& setup)
{
    const std::string reference = runtime::ucase(PaddedRecordField(record, RecordColumns::Reference));
    const std::string wanted = runtime::rtrim(setup.Reference.view());
    if (wanted.empty())
        return reference.find("      ") != std::string::npos;
    return reference.find(wanted) != std::string::npos;
}

bool PassesType(std::string_view record, const FilterSetup& setup)
{
    const std::string letter =
        FilterTypeLetter(RecordField(record, RecordColumns::Type), RecordFlag(record, RecordColumns::Paid));
    return !letter.empty() && setup.Types.view().find(letter) != std::string_view::npos;
}

bool CodeEquals(std::string_view record, RecordColumn column, std::string_view code)
{
    return PaddedRecordField(record, column) == code;
}

bool PassesCodes(std::string_view record, const FilterSetup& setup)
{
    return (!IsOn(setup.BankOn) || CodeEquals(record, RecordColumns::Bank, setup.BankCode.view())) &&
           (!IsOn(setup.CustOn) || CodeEquals(record, RecordColumns::Customer, setup.CustCode.view())) &&
           (!IsOn(setup.VATOn) || CodeEquals(record, RecordColumns::VAT, setup.VATCode.view())) &&
           (!IsOn(setup.CatOn) || CodeEquals(record, RecordColumns::Category, setup.CatCode.view()));
}

bool PassesMemo(std::string_view record, const FilterSetup& setup)
{
    const std::string memo = runtime::ucase(PaddedRecordField(record, RecordColumns::Memo));
    return memo.find(runtime::ucase(runtime::rtrim(setup.Comment.view()))) != std::string::npos;
}

void AppendClause(std::string& description, const std::string& clause)
{
    if (!runtime::rtrim(description).empty())
        description += " AND ";
    description += clause;
    description += CrLf;
}

std::string TypeList(std::string_view types)
{
    struct Phrase {
        char letter;
        std::string_view text;
    };
    static constexpr Phrase Phrases[] = {
        {'P', " 'PAY' "},         {'I', " 'INV' (UnPaid)"}, {'Y', " 'INV' (Paid)"},
        {'R', " 'RCP' "},         {'B', " 'BIL' (UnPaid)"}, {'Z', " 'BIL' (Paid)"},
    };
    std::string list;
    for (const Phrase& phrase : Phrases) {
        if (types.find(phrase.letter) == std::string_view::npos)
            continue;
        if (phrase.letter != 'P' && !runtime::rtrim(list).empty())
            list += " OR ";
        list += phrase.text;
    }
    return list;
}

} // namespace

int IsTransactionInFilter(std::string_view record, IndexKind kind, const FilterSetup& setup)
{
    if (IsOn(setup.DateOn)) {
        const std::string_view date = RecordField(record, RecordColumns::Date);
        if (!PassesDate(date, setup))
            return FilterFails;
        if (date > setup.ToDate.view())
            return kind == IndexKind::Date ? FilterPastToDate : FilterFails;
    }
    if (IsOn(setup.RefOn) && !PassesReference(record, setup))
        return FilterFails;
    if (!PassesType(record, setup) || !PassesCodes(record, setup))
        return FilterFails;
    if (IsOn(setup.AmountOn) &&
        !AmountPasses(setup.AmountOp, runtime::val(RecordField(record, RecordColumns::Amount)), setup.Amount))
        return FilterFails;
    if (IsOn(setup.RecOn) && ToFlag(RecordFlag(record, RecordColumns::Reconciled)) != setup.RecState)
        return FilterFails;
    if (IsOn(setup.CommentOn) && !PassesMemo(record, setup))
        return FilterFails;
    return FilterPasses;
}

std::string DescribeFilterSetup(const FilterSetup& setup)
{
    std::string s;
    if (IsOn(setup.DateOn)) {
        s += "Date between " + FormatYmdAsDisplayDate(setup.FromDate.view()) + " and " +
             FormatYmdAsDisplayDate(setup.ToDate.view());
        s += CrLf;
    }
    const auto quoted = [](std::string_view text) { return "'" + runtime::rtrim(text) + "'"; };
    if (IsOn(setup.RefOn))
        AppendClause(s, " Reference like " + quoted(setup.Reference.view()));
    if (IsOn(setup.BankOn))
        AppendClause(s, " Bank Code = " + quoted(setup.BankCode.view()));
    if (IsOn(setup.CustOn))
        AppendClause(s, " Customer Code = " + quoted(setup.CustCode.view()));
    if (IsOn(setup.VATOn))
        AppendClause(s, " VAT Code = " + quoted(setup.VATCode.view()));
    if (IsOn(setup.CatOn))
        AppendClause(s, " Category = " + quoted(setup.CatCode.view()));
    if (IsOn(setup.TypeOn))
        AppendClause(s, " Transaction Type is " + TypeList(setup.Types.view()));
    if (IsOn(setup.CommentOn))
        AppendClause(s, " Comment contains " + quoted(runtime::ucase(setup.Comment.view())));
    if (IsOn(setup.AmountOn))
        AppendClause(s, " Amount " + OperatorText(setup.AmountOp) + " " + runtime::signedText(setup.Amount));
    if (IsOn(setup.RecOn))
        AppendClause(s, IsOn(setup.RecState) ? " transaction is reconciled" : " transaction is unreconciled");

    if (runtime::rtrim(s).empty())
        return "Select All Transactions";
    return "Select Transactions where " + std::string(CrLf) + s;
}

bool IsFilterCustomised(Book& book, const FilterSetup& setup, std::string_view name)
{
    const std::string trimmed = runtime::rtrim(name);
    if (trimmed.empty() || trimmed == CurrentFilterName || trimmed == CustomisedFilterName)
        return true;
    FilterSetup stored;
    FindFilterSetup(book, name, stored);
    // The dialog always shows the type criterion on and the matcher applies the letters whatever
    // it says, so a set-up stored with it off is the same set-up.
    FilterSetup shown = setup;
    stored.TypeOn = FlagTrue;
    shown.TypeOn = FlagTrue;
    return DescribeFilterSetup(stored) != DescribeFilterSetup(shown);
}

} // namespace core
