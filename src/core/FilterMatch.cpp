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
    return FilterMatcher(setup).Match(record, kind);
}

FilterMatcher::FilterMatcher(const FilterSetup& setup)
    : setup_(setup), reference_(runtime::rtrim(setup.Reference.view())),
      memo_(runtime::ucase(runtime::rtrim(setup.Comment.view())))
{
}

int FilterMatcher::Match(std::string_view record, IndexKind kind) const
{
    const FilterSetup& setup = setup_;
    if (IsOn(setup.DateOn)) {
        const std::string_view date = RecordField(record, RecordColumns::Date);
        if (!PassesDate(date, setup))
            return FilterFails;
        if (date > setup.ToDate.view())
            return kind == IndexKind::Date ? FilterPastToDate : FilterFails;
    }
    if (IsOn(setup.RefOn) && !PassesReference(record))
        return FilterFails;
    if (!PassesType(record) || !PassesCodes(record))
        return FilterFails;
    if (IsOn(setup.AmountOn) && !AmountPasses(setup.AmountOp, RecordAmount(record), setup.Amount))
        return FilterFails;
    if (IsOn(setup.RecOn) && ToFlag(RecordFlag(record, RecordColumns::Reconciled)) != setup.RecState)
        return FilterFails;
    // The padding of a short memo is blanks, which a text without trailing blanks never ends in.
    if (IsOn(setup.CommentOn)
        && runtime::findUpperCased(RecordField(record, RecordColumns::Memo), memo_) == std::string_view::npos)
        return FilterFails;
    return FilterPasses;
}

// The reference upper-cased contains the criterion as given; a blank criterion asks for a blank
// reference.
bool FilterMatcher::PassesReference(std::string_view record) const
{
    const std::string_view reference = RecordField(record, RecordColumns::Reference);
    if (reference_.empty())
        return reference.find_first_not_of(' ') == std::string_view::npos;
    return runtime::findUpperCased(reference, reference_) != std::string_view::npos;
}

bool FilterMatcher::PassesType(std::string_view record) const
{
    const std::string_view letter =
        FilterTypeLetter(RecordField(record, RecordColumns::Type), RecordFlag(record, RecordColumns::Paid));
    return !letter.empty() && setup_.Types.view().find(letter) != std::string_view::npos;
}

bool FilterMatcher::PassesCodes(std::string_view record) const
{
    const FilterSetup& setup = setup_;
    return (!IsOn(setup.BankOn) || RecordCodeIs(record, RecordColumns::Bank, setup.BankCode.view())) &&
           (!IsOn(setup.CustOn) || RecordCodeIs(record, RecordColumns::Customer, setup.CustCode.view())) &&
           (!IsOn(setup.VATOn) || RecordCodeIs(record, RecordColumns::VAT, setup.VATCode.view())) &&
           (!IsOn(setup.CatOn) || RecordCodeIs(record, RecordColumns::Category, setup.CatCode.view()));
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
