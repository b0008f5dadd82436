#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "core/Book.h"
#include "core/RecordField.h"
#include "core/TransactionTable.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileContents.h"
#include "datafile/DataFileSections.h"
#include "datafile/FilterSetupBlock.h"
#include "datafile/LineBreakEscape.h"
#include "datafile/TemplateBlock.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/TableRegion.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace datafile {

namespace {

// A section head that is not the one expected; its message is complete.
class WrongSection : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};


// A failure whose message has been shown already.
struct AlreadyReported {};

struct Counts {
    int bank = 0;
    int vat = 0;
    int customer = 0;
    int category = 0;
    int standingOrders = 0;
    int transactions = 0;
    int dateIndex = 0;
    int queryIndex = 0;
    int namedFilters = 0;
};

// The record number of an index line, from column 22 on by the leading-number rule, or 0 where
// that is not a whole number from 1 to `count`. This program writes it as blanks and digits, which
// are read here straight.
int recordNumberOf(std::string_view line, int count)
{
    const std::string_view text = line.substr(std::min(line.size(), std::size_t{core::IndexKeyWidth + 1}));
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    constexpr std::size_t MostDigits = 9;
    const std::size_t first = at;
    int number = 0;
    for (; at < text.size() && at - first < MostDigits && text[at] >= '0' && text[at] <= '9'; ++at)
        number = number * 10 + (text[at] - '0');
    if (at == first || at != text.size()) {
        const double value = runtime::val(text);
        number = value >= 1 && value <= count && value == static_cast<int>(value) ? static_cast<int>(value) : 0;
    }
    return number >= 1 && number <= count ? number : 0;
}

class ContentsReader {
public:
    ContentsReader(runtime::TextReader& in, core::Book& book, const DataFileLayout& layout)
        : in_(in), book_(book), layout_(layout)
    {
    }

    DataFileContents read()
    {
        readHeader();
        readStatistics();
        expectSection("Expected [Bank Account] section, found '");
        c_.bankLines = escapedLines(counts_.bank);
        expectSection("Expected [VAT Codes] section, found '");
        c_.vatLines = escapedLines(counts_.vat);
        expectSection("Expected [Customer Codes] section, found '");
        c_.customerLines = escapedLines(counts_.customer);
        expectSection("Expected [Analysis Codes] section, found '");
        c_.categoryLines = escapedLines(counts_.category);
        expectSection("Expected [Standing Orders] section, found '");
        c_.standingOrders = escapedLines(counts_.standingOrders);
        if (isVersion2())
            for (std::string& line : c_.standingOrders)
                line = runtime::left(line, OlderStandingOrderGap) + std::string(OlderStandingOrderGap, ' ')
                       + runtime::mid(line, OlderStandingOrderGap + 1);
        expectSection("Expected [Transactions] section, found '");
        readTransactions();
        expectSection("Expected [Date Index] section, found '");
        const std::size_t dateIndexStart = in_.mark();
        c_.dateIndex = indexLines(counts_.dateIndex, sections::DateIndex);
        const std::string_view dateIndexText = in_.textSince(dateIndexStart);
        expectSection("Expected [Query Index] section, found '");
        // Where every transaction passes the filter the query index is written as the date index
        // again: the same lines give the same entries without reading them one by one.
        if (layout_.keepsIndexes && counts_.queryIndex == counts_.dateIndex && in_.skipLines(dateIndexText))
            c_.queryIndex = c_.dateIndex;
        else
            c_.queryIndex = indexLines(counts_.queryIndex, sections::QueryIndex);
        readFilters();
        if (isVersion2() || !layout_.readsTemplates)
            return std::move(c_);
        expectSection("Expected [Invoice Templates] section, found '");
        readTemplate(0);
        readTemplate(1);
        expectSection("Expected [Letter Templates] section, found '");
        readTemplate(2);
        readTemplate(3);
        for (std::size_t i = 0; i < std::size(sections::TrailingHeads); ++i)
            in_.readLine();
        return std::move(c_);
    }

private:
    // A version-2 standing order lacks the 10 columns that now follow its tenth.
    static constexpr int OlderStandingOrderGap = 10;

    bool isVersion2() const { return layout_.version == 2; }
    bool isOlder() const { return layout_.version != 2000; }

    // Section heads are told apart by their first four characters, letter case ignored.
    void expectSection(const std::string& expected)
    {
        static constexpr std::string_view heads[] = {
            sections::Header, sections::Statistics, sections::BankAccounts, sections::VatCodes,
            sections::CustomerCodes, sections::AnalysisCodes, sections::StandingOrders, sections::Transactions,
            sections::DateIndex, sections::QueryIndex, sections::FilterSettings, sections::InvoiceTemplates,
            sections::LetterTemplates};
        const std::string line = in_.readLine();
        if (runtime::ucase(runtime::left(line, 4)) != runtime::ucase(runtime::left(heads[section_], 4)))
            throw WrongSection(expected + line + "'  - Aborting Load");
        ++section_;
    }

    // The lines stay where they were read; the table takes them with the file's text. Where the
    // indexes are kept, a current record is summarized for their check while it is at hand.
    void readTransactions()
    {
        c_.transactionText = in_.textKeeper();
        const auto count = static_cast<std::size_t>(counts_.transactions);
        c_.transactions.reserve(count);
        const bool summarizes = !isOlder() && layout_.keepsIndexes;
        if (summarizes) {
            c_.tableRegion = std::make_shared<runtime::TableRegion>(tableRegionBytes());
            c_.transactionSummaries = RecordSummaries(runtime::RegionAllocator<core::RecordSummary>(c_.tableRegion));
            c_.transactionSummaries.reserve(count);
        }
        for (int i = 0; i < counts_.transactions; ++i) {
            const std::string_view line = in_.readLineView();
            c_.transactions.push_back(line);
            // An older record is checked when it is converted.
            if (isOlder())
                continue;
            if (!core::RecordAmountInRange(line))
                throw runtime::Error(runtime::Overflow, "Transaction " + std::to_string(i + 1) + " holds an amount of '"
                                                            + std::string(core::RecordField(line, core::RecordColumns::Amount))
                                                            + "', more than a book can hold");
            if (summarizes)
                core::SummarizeRecord(line, c_.transactionSummaries.emplace_back());
        }
    }

    // Room for the tables a current file's counts call for: the summaries, both indexes (the query
    // index may be a copy of the date index) and the book's list of the transactions.
    std::size_t tableRegionBytes() const
    {
        const auto transactions = static_cast<std::size_t>(counts_.transactions);
        return runtime::RegionBytesFor<core::RecordSummary>(transactions)
               + runtime::RegionBytesFor<core::IndexEntry>(static_cast<std::size_t>(counts_.dateIndex))
               + runtime::RegionBytesFor<core::IndexEntry>(static_cast<std::size_t>(counts_.queryIndex))
               + core::TransactionTable::RegionBytesFor(counts_.transactions);
    }

    std::string unescapedLine()
    {
        std::string line = in_.readLine();
        UnescapeLineBreaks(line);
        return line;
    }

    std::vector<std::string> escapedLines(int count)
    {
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            lines.push_back(unescapedLine());
        return lines;
    }

    int count()
    {
        const int value = runtime::toInt16(runtime::val(in_.readLine()));
        if (value < 0)
            throw runtime::Error(runtime::SubscriptOutOfRange, "A count of the [Statistics] section is negative");
        return value;
    }

    // Skipped lines are only looked past: an older file's indexes are tens of thousands of them.
    void skipLines(int count)
    {
        for (int i = 0; i < count; ++i)
            in_.readLineView();
    }

    void readHeader()
    {
        expectSection(std::string(layout_.headMessage));
        c_.company.CompanyName = in_.readLine();
        if (isVersion2()) {
            // Version 2 kept no address, telephone or load counter: they start empty.
            c_.company.InceptionDate = in_.readLine();
            return;
        }
        c_.company.CompanyAddress = unescapedLine();
        c_.company.CompanyPhone = unescapedLine();
        c_.company.InceptionDate = in_.readLine();
        in_.readLine(); // the date of the save
        // The counter counts loads and stops at its largest value, which is then saved and read again.
        constexpr double LargestCounter = std::numeric_limits<std::int32_t>::max();
        c_.company.LoadCounter = runtime::toInt32(std::min(runtime::val(in_.readLine()) + 1, LargestCounter));
    }

    void readStatistics()
    {
        expectSection("Expected [Statistics] section, found '");
        counts_.bank = count();
        counts_.vat = count();
        counts_.customer = count();
        counts_.category = count();
        counts_.standingOrders = count();
        counts_.transactions = count();
        counts_.dateIndex = count();
        counts_.queryIndex = count();
        if (isVersion2()) {
            // One line holds both counters: the transaction number in 1-6, the invoice number in 7-12.
            const std::string counters = in_.readLine();
            c_.transactionNumberCounter = runtime::val(runtime::mid(counters, 1, 6));
            c_.invoiceNumberCounter = runtime::val(runtime::mid(counters, 7, 6));
        } else {
            c_.transactionNumberCounter = runtime::val(in_.readLine());
            c_.invoiceNumberCounter = runtime::val(in_.readLine());
            skipLines(sections::ReservedCountLines);
        }
        const std::string order = runtime::rtrim(in_.readLine());
        if (order == sections::ByDate)
            c_.order = core::QueryOrder::ByDate;
        else if (order == sections::ByReference)
            c_.order = core::QueryOrder::ByReference;
        if (!isVersion2())
            skipLines(sections::ReservedGrossLines);
        counts_.namedFilters = count();
        if (counts_.transactions > core::TransactionTable::MaxTransactions)
            throw runtime::Error(runtime::SubscriptOutOfRange,
                                 "The file counts more transactions than a book can hold ("
                                     + std::to_string(counts_.transactions) + ")");
    }

    // "key  number": the 20-character key, a blank, then the record number with its sign position.
    core::IndexEntries indexLines(int count, std::string_view section)
    {
        if (!layout_.keepsIndexes) {
            skipLines(count);
            return {};
        }
        core::IndexEntries entries{runtime::RegionAllocator<core::IndexEntry>(c_.tableRegion)};
        entries.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::string_view line = in_.readLineView();
            const int number = recordNumberOf(line, counts_.transactions);
            if (number == 0)
                refuseIndexLine(section, line);
            // Filled where it lies: a whole entry built aside and copied in costs a stall per line.
            core::IndexEntry& entry = entries.emplace_back();
            entry.RecordNumber = static_cast<std::int16_t>(number);
            entry.Key = core::MakeIndexKey(line);
        }
        return entries;
    }

    [[noreturn]] void refuseIndexLine(std::string_view section, std::string_view line) const
    {
        throw runtime::Error(runtime::SubscriptOutOfRange, "The " + std::string(section) + " line '" + std::string(line)
                                                               + "' names a record outside the table of "
                                                               + std::to_string(counts_.transactions) + " transactions");
    }

    void readFilters()
    {
        expectSection("Expected [Filter Settings] section, found '");
        c_.scrollMax = runtime::toInt16(runtime::val(in_.readLine()));
        c_.scrollValue = runtime::toInt16(runtime::val(in_.readLine()));
        c_.currentFilter = ReadFilterSetupBlock(in_);
        c_.previousFilter = ReadFilterSetupBlock(in_);
        for (int i = 0; i < counts_.namedFilters; ++i)
            c_.namedFilters.push_back(ReadFilterSetupBlock(in_));
    }

    void readTemplate(std::size_t slot)
    {
        const auto showError = [this](const std::string& message) { book_.messages.ShowErrorBox(message); };
        if (!ReadTemplate(in_, c_.templates[slot], showError))
            throw AlreadyReported{};
    }

    runtime::TextReader& in_;
    core::Book& book_;
    const DataFileLayout& layout_;
    DataFileContents c_;
    Counts counts_;
    std::size_t section_ = 0;
};

} // namespace

std::optional<DataFileContents> ReadCurrentDataFile(const std::filesystem::path& path, core::Book& book)
{
    try {
        runtime::TextReader in(path);
        return ReadCurrentDataFile(in, book);
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string(CurrentLayout.errorPrefix) + error.what());
    }
    return std::nullopt;
}

std::optional<DataFileContents> ReadCurrentDataFile(runtime::TextReader& in, core::Book& book)
{
    return ReadDataFileContents(in, book, CurrentLayout);
}

std::optional<DataFileContents> ReadDataFileContents(runtime::TextReader& in, core::Book& book,
                                                     const DataFileLayout& layout)
{
    try {
        return ContentsReader(in, book, layout).read();
    } catch (const WrongSection& wrong) {
        book.messages.ShowErrorBox(wrong.what());
    } catch (const AlreadyReported&) {
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string(layout.errorPrefix) + error.what());
    }
    return std::nullopt;
}

} // namespace datafile
