#include "core/FilterForm.h"

#include "core/Book.h"
#include "core/DateText.h"
#include "core/TypedAmount.h"
#include "runtime/Date.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace core {

namespace {

// The type boxes in the order their letters are written into Types.
struct TypeBox {
    bool FilterFormValues::*box;
    char letter;
};
constexpr TypeBox TypeBoxes[] = {
    {&FilterFormValues::ChkPay, 'P'},     {&FilterFormValues::ChkRcp, 'R'},
    {&FilterFormValues::ChkInv, 'I'},     {&FilterFormValues::ChkBil, 'B'},
    {&FilterFormValues::ChkPaidInv, 'Y'}, {&FilterFormValues::ChkPaidBil, 'Z'},
};

// A typed date as stored, "yyyymmdd"; blank for an empty box. Text that does not read as a date
// is kept as typed, as the platform's date formatting leaves it (the dialog's date boxes are
// validated when they are left, so it does not normally arrive here).
std::string StoredDate(const std::string& text)
{
    if (runtime::rtrim(text).empty())
        return "";
    const auto date = runtime::parseDate(text);
    return date ? runtime::format(*date, "yyyymmdd") : text;
}

bool IsCleared(std::string_view stored)
{
    return stored.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos;
}

// A stored date as the dialog shows it. A cleared set-up's date holds characters of code 0; it
// shows blank like a blank date, rather than as a broken date the box would then refuse.
std::string ShownDate(std::string_view stored)
{
    if (IsCleared(stored))
        return "";
    return FormatYmdAsDisplayDate(stored);
}

bool Contains(std::string_view text, char letter)
{
    return text.find(letter) != std::string_view::npos;
}

} // namespace

std::string ShownFilterText(std::string_view stored)
{
    if (stored.find('\0') != std::string_view::npos && IsCleared(stored))
        return "";
    return std::string(stored);
}

void ReadFilterSetupFromValues(const FilterFormValues& values, FilterSetup& setup)
{
    setup.DateOn = ToFlag(values.OptDateOn);
    setup.FromDate = StoredDate(values.FromDate);
    setup.ToDate = StoredDate(values.ToDate);

    setup.RefOn = ToFlag(values.OptRefOn);
    setup.Reference = runtime::ucase(values.TextRefNum);

    setup.TypeOn = ToFlag(values.OptTypeOn);
    std::string types;
    for (const TypeBox& box : TypeBoxes)
        if (values.*box.box)
            types += box.letter;
    setup.Types = types;

    setup.VATOn = ToFlag(values.OptVATOn);
    setup.VATOp = 1;
    setup.VATCode = values.ListFiltVAT;

    setup.RecOn = ToFlag(values.OptRecOn);
    setup.RecState = ToFlag(values.OptFiltRecon);

    setup.PaidA = FlagFalse;
    if ((Contains(types, 'P') && Contains(types, 'B')) || (Contains(types, 'I') && Contains(types, 'R'))) {
        setup.PaidA = FlagTrue;
        setup.PaidB = FlagFalse;
    }

    setup.BankOn = ToFlag(values.OptBankOn);
    setup.BankOp = 1;
    setup.BankCode = runtime::rtrim(values.ListFiltBank);
    setup.CustOn = ToFlag(values.OptCustOn);
    setup.CustOp = 1;
    setup.CustCode = values.ListFiltCust;
    setup.CatOn = ToFlag(values.OptAnalOn);
    setup.CatOp = 1;
    setup.CatCode = values.ListFiltAnal;

    setup.AmountOn = ToFlag(values.OptAmtOn);
    setup.AmountOp = GetOperatorCode(values.CmdAmtOp);
    // The dialog refuses an amount that does not read before it comes here.
    setup.Amount = ReadTypedAmount(values.TextFiltAmount).value_or(0);

    setup.CommentOn = ToFlag(values.OptComOn);
    setup.Comment = values.TextFiltComment;
    setup.Name = values.ComboListFilters;
}

void ShowFilterSetupInValues(const FilterSetup& setup, FilterFormValues& values)
{
    values.OptDateOn = IsOn(setup.DateOn);
    values.FromDate = ShownDate(setup.FromDate.view());
    values.ToDate = ShownDate(setup.ToDate.view());

    values.OptRefOn = IsOn(setup.RefOn);
    values.TextRefNum = ShownFilterText(setup.Reference.view());

    values.OptTypeOn = true;
    for (const TypeBox& box : TypeBoxes)
        values.*box.box = Contains(setup.Types.view(), box.letter);

    values.ListFiltVAT = ShownFilterText(setup.VATCode.view());
    values.OptVATOn = IsOn(setup.VATOn);
    values.OptRecOn = IsOn(setup.RecOn);
    values.OptFiltRecon = IsOn(setup.RecState);
    values.ListFiltBank = ShownFilterText(setup.BankCode.view());
    values.OptBankOn = IsOn(setup.BankOn);
    values.ListFiltAnal = ShownFilterText(setup.CatCode.view());
    values.OptAnalOn = IsOn(setup.CatOn);
    values.ListFiltCust = ShownFilterText(setup.CustCode.view());
    values.OptCustOn = IsOn(setup.CustOn);

    values.OptAmtOn = IsOn(setup.AmountOn);
    values.CmdAmtOp = OperatorText(setup.AmountOp);
    values.TextFiltAmount = runtime::rtrim(runtime::signedText(setup.Amount));

    values.OptComOn = IsOn(setup.CommentOn);
    values.TextFiltComment = runtime::rtrim(ShownFilterText(setup.Comment.view()));

    const std::string shownName = runtime::ucase(runtime::rtrim(values.ComboListFilters));
    if (shownName.empty() || shownName == PreviousFilterName)
        values.ComboListFilters = runtime::rtrim(setup.Name.view());
}

void ReadFilterSetupFromForm(Book& book, const FilterForm& form, FilterSetup& setup)
{
    ReadFilterSetupFromValues(form.Values(), setup);
    TickFilterMenu(book);
}

void ShowFilterSetupOnForm(Book& book, FilterForm& form, const FilterSetup& setup)
{
    FilterFormValues values = form.Values();
    ShowFilterSetupInValues(setup, values);
    form.setValues(values);
    TickFilterMenu(book);
}

FilterMenuTicks FilterMenuTicksOf(const FilterSetup& setup)
{
    FilterMenuTicks ticks;
    ticks.FiltDateItem = IsOn(setup.DateOn);
    ticks.FiltRefNumItem = IsOn(setup.RefOn);
    ticks.FiltTypeItem = IsOn(setup.TypeOn);
    ticks.FiltBankItem = IsOn(setup.BankOn);
    ticks.FiltCustItem = IsOn(setup.CustOn);
    ticks.FiltVATItem = IsOn(setup.VATOn);
    ticks.FiltAnalItem = IsOn(setup.CatOn);
    ticks.FiltCommentItem = IsOn(setup.CommentOn);
    ticks.FiltAmountItem = IsOn(setup.AmountOn);
    ticks.FiltReconItem = IsOn(setup.RecOn);
    return ticks;
}

void TickFilterMenu(Book& book)
{
    book.ledger.Window().TickFilterMenu(FilterMenuTicksOf(book.ledger.Filters.CurrentFilter));
}

void ShowTotalsLabels(Book& book, const FilterForm& form)
{
    const FilterFormValues values = form.Values();
    book.ledger.Window().ShowTotalsLabels(!(values.ChkPay && values.ChkPaidBil),
                                          !(values.ChkRcp && values.ChkPaidInv));
}

} // namespace core
