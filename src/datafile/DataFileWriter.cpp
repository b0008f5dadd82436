#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileSections.h"
#include "datafile/DataFileWindow.h"
#include "datafile/FilterSetupBlock.h"
#include "datafile/LineBreakEscape.h"
#include "datafile/TemplateBlock.h"
#include "runtime/AtomicFile.h"
#include "runtime/FileIdentity.h"
#include "runtime/Format.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

constexpr std::size_t LineEndSize = 2;
// A blank, a sign and the five digits of the largest record number.
constexpr std::size_t IndexNumberSize = 7;

// A record number as the general number writer puts it (" 12", "-3"), written straight: an index
// of a full book has tens of thousands.
void appendRecordNumber(std::string& text, std::int16_t number)
{
    text += number < 0 ? '-' : ' ';
    std::array<char, 8> digits{};
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(int{number})).ptr;
    text.append(digits.data(), end);
}

std::string counted(double number)
{
    return runtime::format(number, "000000");
}

class BookWriter {
public:
    BookWriter(runtime::TextWriter& out, const core::Book& book, const DataFileWindow& window)
        : out_(out), book_(book), window_(window)
    {
    }

    void write()
    {
        writeHeader();
        writeStatistics();
        writeList(sections::BankAccounts, book_.codes.ListBankAccounts);
        writeList(sections::VatCodes, book_.codes.ListVATCodes);
        writeList(sections::CustomerCodes, book_.codes.ListCustCodes);
        writeList(sections::AnalysisCodes, book_.codes.ListAnalCodes);
        writeList(sections::StandingOrders, book_.codes.ListSTOs);
        const core::TransactionTable& table = book_.ledger.Transactions;
        out_.writeLine(sections::Transactions);
        // Sized once: a full book's records are megabytes, and growing the text step by step
        // would copy them over and over.
        std::size_t size = 0;
        for (int i = 1; i <= table.UpperBound(); ++i)
            size += table.Line(i).size() + LineEndSize;
        std::string records;
        records.reserve(size);
        for (int i = 1; i <= table.UpperBound(); ++i)
            addLine(records, table.Line(i));
        out_.write(records);
        writeIndex(sections::DateIndex, book_.ledger.DateIndex);
        writeIndex(sections::QueryIndex, book_.ledger.QueryIndex);
        writeFilters();
        out_.writeLine(sections::InvoiceTemplates);
        WriteTemplateBlock(out_, book_.Templates[core::SimpleInvoice]);
        WriteTemplateBlock(out_, book_.Templates[core::MultiLineInvoice]);
        out_.writeLine(sections::LetterTemplates);
        WriteTemplateBlock(out_, book_.Templates[core::RemittanceAdvice]);
        WriteTemplateBlock(out_, book_.Templates[core::MailMergeLetter]);
        for (std::string_view head : sections::TrailingHeads)
            out_.writeLine(head);
    }

private:
    void writeEscaped(std::string text)
    {
        EscapeLineBreaks(text);
        out_.writeLine(text);
    }

    void writeHeader()
    {
        const core::CompanyDetails& company = book_.company;
        out_.writeLine(sections::Header);
        out_.writeLine(company.CompanyName.view());
        writeEscaped(company.CompanyAddress);
        writeEscaped(company.CompanyPhone);
        out_.writeLine(company.InceptionDate.view());
        out_.writeLine(runtime::format(book_.services().now(), "dd/Mmm/yyyy"));
        out_.writeLine(counted(company.LoadCounter));
    }

    void writeStatistics()
    {
        const core::CodeTables& codes = book_.codes;
        const core::Ledger& ledger = book_.ledger;
        out_.writeLine(sections::Statistics);
        for (int count : {codes.ListBankAccounts.ListCount(), codes.ListVATCodes.ListCount(),
                          codes.ListCustCodes.ListCount(), codes.ListAnalCodes.ListCount(), codes.ListSTOs.ListCount(),
                          ledger.Transactions.UpperBound(), ledger.DateIndex.UpperBound(), ledger.QueryIndex.UpperBound()})
            out_.writeLine(counted(count));
        out_.writeLine(counted(book_.counters.TransactionNumberCounter));
        out_.writeLine(counted(book_.counters.InvoiceNumberCounter));
        for (int i = 0; i < sections::ReservedCountLines; ++i)
            out_.writeLine(sections::ReservedCount);
        const bool byReference = window_.SortOrder() == core::QueryOrder::ByReference;
        out_.writeLine(byReference ? sections::ByReference : sections::ByDate);
        for (int i = 0; i < sections::ReservedGrossLines; ++i)
            out_.writeLine(sections::ReservedGross);
        out_.writeLine(counted(ledger.Filters.Count()));
    }

    void writeList(std::string_view head, const platform::ListModel& list)
    {
        out_.writeLine(head);
        for (int i = 0; i < list.ListCount(); ++i)
            writeEscaped(list.List(i));
    }

    // The long sections (a full book has tens of thousands of records and index entries) are
    // gathered into one text and written in one go.
    static void addLine(std::string& text, std::string_view line) { text.append(line).append("\r\n"); }

    void writeIndex(std::string_view head, const core::TransactionIndex& index)
    {
        out_.writeLine(head);
        std::string entries;
        entries.reserve(index.entries().size() * (static_cast<std::size_t>(core::IndexKeyWidth) + IndexNumberSize + LineEndSize));
        for (const core::IndexEntry& entry : index.entries()) {
            entries.append(core::KeyText(entry.Key)).append(" ");
            appendRecordNumber(entries, entry.RecordNumber);
            entries.append("\r\n");
        }
        out_.write(entries);
    }

    void writeFilters()
    {
        const core::FilterStore& filters = book_.ledger.Filters;
        out_.writeLine(sections::FilterSettings);
        out_.writeLine(counted(window_.QueryScrollMax()));
        out_.writeLine(counted(window_.QueryScrollValue()));
        WriteFilterSetupBlock(out_, filters.CurrentFilter);
        WriteFilterSetupBlock(out_, filters.PreviousFilter);
        for (int i = 1; i <= filters.Count(); ++i)
            WriteFilterSetupBlock(out_, filters.At(i));
    }

    runtime::TextWriter& out_;
    const core::Book& book_;
    const DataFileWindow& window_;
};

// A file that another program has rewritten, or renamed another file over, since this book last
// read or wrote it is overwritten only when the user says so. A file that is gone holds nothing to
// lose.
bool MayWriteOverDataFile(const std::filesystem::path& path, core::Book& book)
{
    const std::optional<core::DataFileOnDisk>& seen = book.LastSeenDataFile;
    if (!seen || seen->path != path)
        return true;
    const std::optional<runtime::FileIdentity> now = runtime::IdentityOfFile(path);
    if (!now || *now == seen->identity)
        return true;
    return book.messages.AskYesNo("The file '" + runtime::textOfPath(path)
                                  + "' has been changed by another program since it was loaded or saved here. "
                                    "Do you wish to overwrite it?")
           == platform::Answer::Yes;
}

} // namespace

bool SaveDataFile(const std::filesystem::path& path, core::Book& book, DataFileWindow& window)
{
    ExpectAttached(book.ledger, window);
    if (!MayWriteOverDataFile(path, book))
        return false;
    core::BusyPointer busy(book.services());
    try {
        runtime::AtomicFile file(path);
        BookWriter(file.writer(), book, window).write();
        const runtime::FileIdentity written = file.commit();
        if (path == book.CurrentDataFilePath)
            book.LastSeenDataFile = core::DataFileOnDisk{path, written};
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string("Save error : ") + error.what());
        return false;
    }
    book.ledger.FileChanged = false;
    window.setSaveItemEnabled(true);
    return true;
}

} // namespace datafile
