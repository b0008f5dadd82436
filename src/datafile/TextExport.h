#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "datafile/AsciiFieldTable.h"

namespace core {
class Book;
}

// Delimited text export: one line per record, the chosen fields in layout order, each in double
// quotes, separated by a comma or a TAB, lines ended by CR LF, Windows-1252 bytes.
namespace datafile {

struct ExportOptions {
    // Field numbers in the order they are written; a number outside the kind's table writes "".
    std::vector<int> layout;
    char separator = ',';
    // Transactions only: names instead of codes, and a minus sign on PAY and BIL amounts.
    bool expandCodes = false;
    bool signTransactions = false;
};

enum class TransactionSource { All, Grid };

// The value of a field as written, without quotes: the stored characters with their trailing
// blanks, the date shown "dd/Mmm/yyyy".
std::string TransactionFieldValue(const core::Book& book, int field, std::string_view record,
                                  const ExportOptions& options);
std::string CustomerFieldValue(int field, std::string_view line);
std::string CategoryFieldValue(int field, std::string_view line);

// One export line of a transaction record or code line. A double quote in a value is written as a
// single quote, so separators stay safely inside the quotes.
std::string BuildExportLine(const core::Book& book, ExchangeKind kind, std::string_view source,
                            const ExportOptions& options);

// Each writes the whole file or nothing (a failure keeps the old file) and answers true, or shows
// why there is nothing to write and answers false without touching the file. Live transactions
// only; the grid's in its order. A file carries no split lines: when transactions with splits were
// written, one note says so. File errors raise runtime::Error.
bool ExportTransactions(core::Book& book, const std::filesystem::path& file, const ExportOptions& options,
                        TransactionSource source);
bool ExportCustomers(core::Book& book, const std::filesystem::path& file, const ExportOptions& options);
bool ExportCategories(core::Book& book, const std::filesystem::path& file, const ExportOptions& options);

} // namespace datafile
