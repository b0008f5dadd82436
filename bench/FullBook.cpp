#include "FullBook.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "ShownBook.h"

#include "core/Book.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/MoneyFormat.h"
#include "core/SplitEntry.h"
#include "core/TransactionEdits.h"
#include "core/Vat.h"
#include "datafile/DataFile.h"
#include "platform/ScriptedServices.h"
#include "runtime/Date.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace bench {

namespace {

// A small fixed generator, so every platform produces the same book.
class Random {
public:
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::uint32_t>(state_ >> 32);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }
    // An amount in whole pence between `low` and `high` pounds.
    double pounds(int low, int high) { return (low * 100 + below((high - low) * 100)) / 100.0; }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

struct Purpose {
    std::string_view category;
    std::string_view name;
    std::string_view memo;
    std::string_view type; // "" when either way
};

constexpr std::array<Purpose, 10> Purposes{{
    {"FUEL", "Fuel", "Diesel for the van", "PAY"},
    {"RENT", "Office rent", "Office rent", "PAY"},
    {"STAT", "Stationery", "Stationery and postage", "PAY"},
    {"TELE", "Telephone", "Telephone and broadband", "BIL"},
    {"CLEA", "Cleaning", "Window cleaning", "PAY"},
    {"CONS", "Consultancy", "Consultancy", "INV"},
    {"SALE", "Sales", "Sale of goods", ""},
    {"INSU", "Insurance", "Insurance premium", "BIL"},
    {"REPA", "Repairs", "Repairs to the workshop roof", "BIL"},
    {"WAGE", "Wages", "Wages", "PAY"},
}};
constexpr std::array<std::string_view, 4> Banks{"BANK1", "BANK2", "CASH", "SAVE"};
constexpr std::array<std::string_view, 3> VatCodes{"S", "Z", "E"};
constexpr std::array<std::string_view, 3> VatNames{"Standard rate", "Zero rated", "Exempt"};
constexpr double StandardRate = 20;
constexpr int Customers = 150;
constexpr int Years = 10;

double VatOf(std::string_view code, double gross)
{
    return code == "S" ? core::CalcVatOfGrossPence(StandardRate, gross) : 0;
}

std::string TypeFor(const Purpose& purpose, Random& random)
{
    if (!purpose.type.empty())
        return std::string(purpose.type);
    const int roll = random.below(10);
    return roll < 6 ? "RCP" : roll < 9 ? "INV" : "PAY";
}

// Two to four splits whose amounts add up to the gross; the record's VAT is theirs.
void Split(GeneratedTransaction& generated, Random& random)
{
    core::TransactionFields& fields = generated.fields;
    const int count = 2 + random.below(3);
    double rest = fields.Amount;
    fields.VATAmount = 0;
    for (int i = 0; i < count; ++i) {
        const double amount = i + 1 == count ? rest : random.pounds(1, static_cast<int>(rest / count) + 2);
        rest -= amount;
        const std::string_view code = VatCodes[static_cast<std::size_t>(random.below(3))];
        fields.VATAmount += VatOf(code, amount);
        generated.splitTail += runtime::format(i + 1, "000") + runtime::padRight("Part " + std::to_string(i + 1), 30) +
                               core::FormatAmountPlain(amount) + runtime::padRight(code, 3) + "    ";
    }
    fields.VAT = "SPL";
    fields.SplitCount = static_cast<std::int16_t>(count);
}

// The code and name part of a bank or customer line, as the main window's combos show it.
constexpr int CodeAndNameWidth = 27;

} // namespace

void AddFullBookCodes(core::Book& book)
{
    core::CodeTables& codes = book.codes;
    for (std::string_view code : Banks) {
        core::BankAccountRecord record;
        record.Code = code;
        record.Name = "Account " + std::string(code);
        record.DateOpened = "01/Jan/2015";
        record.StartBalance = 1000;
        const std::string line = core::FormatBankAccountLine(record);
        core::AddCodeLine(book.messages, codes.ListBankAccounts, codes.ComboBank, line,
                          runtime::left(line, CodeAndNameWidth), 6);
    }
    for (std::size_t i = 0; i < VatCodes.size(); ++i) {
        core::VatCodeRecord record;
        record.Code = VatCodes[i];
        record.Rate = VatCodes[i] == "S" ? StandardRate : 0;
        record.Name = VatNames[i];
        core::AddCodeLine(book.messages, codes.ListVATCodes, codes.ComboVAT, core::FormatVatCodeLine(record),
                          std::string(VatCodes[i]) + " " + std::string(VatNames[i]), 3);
    }
    for (int i = 1; i <= Customers; ++i) {
        core::CustomerRecord record;
        record.Code = "CUS" + runtime::format(i, "000");
        record.Name = "Customer " + std::to_string(i);
        const std::string line = core::FormatCustomerLine(record);
        core::AddCodeLine(book.messages, codes.ListCustCodes, codes.ComboCustomer, line,
                          runtime::left(line, CodeAndNameWidth), 6);
    }
    for (const Purpose& purpose : Purposes) {
        core::CategoryRecord record;
        record.Code = purpose.category;
        record.Name = purpose.name;
        const std::string line = core::FormatCategoryLine(record);
        core::AddCodeLine(book.messages, codes.ListAnalCodes, codes.ComboAnal, line, line, 4);
    }
}

std::vector<GeneratedTransaction> GenerateTransactions(int count)
{
    Random random;
    const runtime::Date start = *runtime::Date::fromYmd(2015, 1, 1);
    const double days = Years * 365.25;
    const int recent = count - count / 50; // the last weeks are neither paid nor reconciled yet
    std::vector<GeneratedTransaction> transactions;
    transactions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        GeneratedTransaction generated;
        core::TransactionFields& fields = generated.fields;
        const Purpose& purpose = Purposes[static_cast<std::size_t>(random.below(static_cast<int>(Purposes.size())))];
        const int late = random.below(8) == 0 ? random.below(5) : 0;
        fields.Date = runtime::format(runtime::Date(start.days() + static_cast<int>(i * days / count) - late), "dd/Mmm/yyyy");
        fields.Type = TypeFor(purpose, random);
        const bool withCustomer = fields.Type == "INV" || fields.Type == "BIL" || random.below(3) == 0;
        fields.Customer = withCustomer ? "CUS" + runtime::format(1 + random.below(Customers), "000") : "";
        fields.Reference = fields.Type == "INV"   ? runtime::format(1 + i, "000000")
                           : fields.Type == "PAY" ? "CHQ" + runtime::format(random.below(1000), "000")
                                                  : "";
        fields.Bank = std::string(Banks[static_cast<std::size_t>(random.below(10) < 7 ? 0 : 1 + random.below(3))]);
        fields.Category = std::string(purpose.category);
        fields.Memo = std::string(purpose.memo) + " " + std::to_string(1 + random.below(500));
        fields.Amount = random.pounds(5, 2500);
        fields.VAT = std::string(VatCodes[static_cast<std::size_t>(random.below(3))]);
        fields.VATAmount = VatOf(fields.VAT, fields.Amount);
        fields.Reconciled = i < recent && random.below(20) != 0;
        fields.Paid = i < recent && (fields.Type == "INV" || fields.Type == "BIL");
        if (random.below(30) == 0)
            Split(generated, random);
        transactions.push_back(std::move(generated));
    }
    return transactions;
}

void AddGeneratedTransactions(core::Book& book, std::vector<GeneratedTransaction> transactions)
{
    for (GeneratedTransaction& generated : transactions) {
        book.SplitTail = generated.splitTail;
        core::AddTransaction(book, generated.fields);
    }
    book.SplitTail.clear();
}

void FillFullBook(core::Book& book, int count)
{
    AddFullBookCodes(book);
    book.ledger.Filters.CurrentFilter.Types = "PRIBYZ";
    AddGeneratedTransactions(book, GenerateTransactions(count));
}

void SaveFullBook(const std::filesystem::path& path)
{
    ShownBook shown;
    FillFullBook(shown.book);
    if (!datafile::SaveDataFile(path, shown.book, shown.window))
        throw std::runtime_error("the full book could not be saved");
}

core::Book& SharedFullBook()
{
    static platform::ScriptedServices services;
    static core::Book book(services);
    static const bool filled = (FillFullBook(book), true);
    (void)filled;
    return book;
}

} // namespace bench
