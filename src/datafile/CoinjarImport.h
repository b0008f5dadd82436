#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/CodeKind.h"
#include "datafile/ExchangeFileReading.h"

namespace core {
class Book;
class NewTransactionLines;
}

// Bringing the codes, standing orders and transactions of a Coinjar file into the open book. Both
// layouts only add; a code already in the book stays as it is. A run that fails (after its message)
// leaves the book as it was; so does a bank balance or VAT rate to be added that is wider than its
// stored field, refused with a message naming the entry and the value.
namespace datafile {

// The parts of the file to import, as the import window's check boxes tick them.
struct CoinjarChoices {
    bool Accounts = false;
    bool Customers = false;
    bool Categories = false;
    bool VatCodes = false;
    bool Transactions = false;
};

// The lines of a Coinjar file, read one after another. The file is read whole when it is opened:
// its bytes are Windows-1252, or UTF-8 decoded first.
class CoinjarFile {
public:
    explicit CoinjarFile(const std::filesystem::path& path);
    bool atEnd() const { return next_ >= text_.lines.size(); }
    std::size_t lineCount() const { return text_.lines.size(); }
    // The next line, a view of the text the file keeps; past the end raises "Input past end of file".
    std::string_view readLine();

    // Reads until a line equals the heading (trailing blanks ignored); false at the end.
    bool FindCoinjarSection(const std::string& heading);
    void SkipFourLines();
    // Reads up to and including the first blank line (or to the end), importing each line as a
    // code of its kind.
    bool ReadCoinjarCodeLines(core::Book& book, core::CodeKind kind);
    // Reads one block of "CJ4/3" entry lines up to and including the first blank line; "Standi"
    // marks the standing orders. Transactions gather in `added` (see AddCoinjarEntry).
    bool ReadCoinjarEntryLines(core::Book& book, const std::string& heading, core::NewTransactionLines& added);
    // The first six characters of the next month heading; "*ERROR" at the end of the file.
    std::string FindNextMonthHeading();

private:
    ExchangeText text_;
    std::size_t next_ = 0;
};

// Each answers true when the import ran to its end, false after its message.
bool ImportCoinjar4File(core::Book& book, const std::filesystem::path& path, const CoinjarChoices& choices);
bool ImportCoinjar43File(core::Book& book, const std::filesystem::path& path, const CoinjarChoices& choices);

} // namespace datafile
