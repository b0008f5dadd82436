#pragma once

namespace core {

class Book;

// Stores, through StoreFilterSetup, the three set-ups of the current month: "Mmm yyyy - Trading P"
// (types PBIR), "Mmm yyyy - Owing/Due" (IB) and "Mmm yyyy - Cash" (PR), each from the first to the
// last day of the month. A name already stored asks before it is replaced.
void MakeStandardFilterSetups(Book& book);

// Stores the four VAT quarters of the current year, "1st Quarter" to "4th Quarter", with every
// type the book stores (PBIRYZ). A new company gets them.
void MakeVatQuarterFilterSetups(Book& book);

} // namespace core
