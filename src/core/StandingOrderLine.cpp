#include "core/StandingOrderLine.h"

#include <algorithm>

#include "core/AssembledLine.h"
#include "core/Book.h"
#include "core/DateText.h"
#include "core/MoneyFormat.h"
#include "core/RecordText.h"
#include "core/TransactionRecord.h"
#include "runtime/Text.h"

namespace core {

std::optional<std::string> AssembleStandingOrderLine(Book& book, TransactionFields& fields, std::string& secondBank)
{
    if (fields.Amount < 0)
        fields.Amount = -fields.Amount;
    if (runtime::rtrim(secondBank).empty())
        secondBank = runtime::space(6);

    using runtime::padRight;
    namespace C = RecordColumns;
    std::string line = FormatShownDateForStorage(fields.Date, "dd") + " " + padRight(fields.Reference, C::Reference.width) + " "
                       + runtime::space(12) + padRight(fields.Type, C::Type.width) + " "
                       + FormatAmountPlainUncut(fields.Amount) + " " + padRight(fields.Memo, C::Memo.width)
                       + " " + padRight(fields.Bank, C::Bank.width) + " "
                       + padRight(fields.Customer, C::Customer.width) + " " + padRight(fields.VAT, C::VAT.width)
                       + " " + padRight(fields.Category, C::Category.width)
                       + padRight(secondBank, C::Bank.width) + " " + FormatAmountPlainUncut(fields.VATAmount)
                       + (fields.EEC ? "Y" : " ");
    BlankTabs(line);
    if (!AssembledLineFits(book.messages, line, StandingOrderLineLength))
        return std::nullopt;
    return line;
}

void AddStandingOrderLine(Book& book, const std::string& line)
{
    book.codes.ListSTOs.AddItem(line);
    book.ledger.FileChanged = true;
}

bool AlignStandingOrderLine(std::string& line)
{
    constexpr std::size_t ShiftedAfter = 10;
    constexpr std::size_t BlankInCurrentLayout = 21; // the 22nd character
    if (line.size() > BlankInCurrentLayout && line[BlankInCurrentLayout] == ' ')
        return false;
    line.insert(std::min(ShiftedAfter, line.size()), 2, ' ');
    return true;
}

} // namespace core
