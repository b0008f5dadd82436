#pragma once

#include <string>

#include "core/BookWindow.h"
#include "core/FilterSetup.h"

namespace core {

class Book;

// The settings of the filter dialog's controls that a set-up is read from and shown with, named
// after the controls. The unnamed partner of each option pair (OptDateOff, OptFiltUnrecon, ...) is
// the opposite of the named one.
struct FilterFormValues {
    bool OptDateOn = false;
    std::string FromDate; // "dd/Mmm/yyyy" or blank
    std::string ToDate;
    bool OptRefOn = false;
    std::string TextRefNum;
    bool OptTypeOn = false;
    bool ChkPay = false;
    bool ChkRcp = false;
    bool ChkInv = false;
    bool ChkBil = false;
    bool ChkPaidInv = false;
    bool ChkPaidBil = false;
    bool OptVATOn = false;
    std::string ListFiltVAT;
    bool OptRecOn = false;
    bool OptFiltRecon = false; // reconciled only; off means OptFiltUnrecon
    bool OptBankOn = false;
    std::string ListFiltBank;
    bool OptCustOn = false;
    std::string ListFiltCust;
    bool OptAnalOn = false;
    std::string ListFiltAnal;
    bool OptAmtOn = false;
    std::string CmdAmtOp = "="; // the operator button's caption
    std::string TextFiltAmount;
    bool OptComOn = false;
    std::string TextFiltComment;
    std::string ComboListFilters; // the set-up name
};

// The filter dialog as the book reaches it; the dialog implements it over its controls.
class FilterForm {
public:
    virtual ~FilterForm() = default;
    virtual FilterFormValues Values() const = 0;
    // Sets the controls, each option pair by its named button (so the frame colours follow).
    virtual void setValues(const FilterFormValues& values) = 0;
};

// A stored text as the dialog shows it: a cleared set-up's text, all characters of code 0, shows
// empty, so that typing into its box does not keep them.
std::string ShownFilterText(std::string_view stored);

// The set-up the controls describe, written into `setup`; fields the dialog has no control for
// (RefOp, TypeOp, and PaidB unless PaidA is set) keep their values.
void ReadFilterSetupFromValues(const FilterFormValues& values, FilterSetup& setup);
// The control settings that show `setup`. `values` holds the controls as they stand: the name box
// keeps its text unless it is empty or "(PREVIOUS)", and the type criterion is always shown on.
void ShowFilterSetupInValues(const FilterSetup& setup, FilterFormValues& values);

// Reads the dialog into `setup`, then ticks the main window's filter menu from CurrentFilter.
void ReadFilterSetupFromForm(Book& book, const FilterForm& form, FilterSetup& setup);
// Shows `setup` on the dialog, then ticks the main window's filter menu from CurrentFilter.
void ShowFilterSetupOnForm(Book& book, FilterForm& form, const FilterSetup& setup);

FilterMenuTicks FilterMenuTicksOf(const FilterSetup& setup);
// Ticks the main window's filter menu from CurrentFilter.
void TickFilterMenu(Book& book);
// Hides the payment total when the dialog ticks both payments and paid bills, and the receipt
// total when it ticks both receipts and paid invoices; shows them otherwise.
void ShowTotalsLabels(Book& book, const FilterForm& form);

} // namespace core
