#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "datafile/ImportRecords.h"
#include "runtime/Error.h"

// Reading a delimited text file: its bytes become Windows-1252 lines, each line a list of items.
namespace datafile {

// A file whose content cannot be imported, as told in the error's description.
class ExchangeFileError : public runtime::Error {
public:
    explicit ExchangeFileError(const std::string& description)
        : Error(runtime::InvalidProcedureCall, description)
    {
    }
};

// The lines of a file, read whole, without their ends (CR LF, LF or a lone CR). The bytes are
// Windows-1252; a file that starts with the UTF-8 byte-order mark, or is valid UTF-8 holding
// non-ASCII characters, is decoded first. A character Windows-1252 cannot hold raises
// ExchangeFileError "line N holds a character that Windows-1252 cannot hold (U+XXXX)"; a missing
// file raises 53.
std::vector<std::string> ReadExchangeLines(const std::filesystem::path& file);
// The same lines as views of a text that `keeper` holds: the file's own bytes when they need no
// decoding, so reading makes no string per line.
struct ExchangeText {
    std::shared_ptr<const void> keeper;
    std::vector<std::string_view> lines;
};
ExchangeText ReadExchangeText(const std::filesystem::path& file);

// The items of one line. An item is quoted (separators stay inside, "" is one double quote) or
// runs to the next comma; blanks before an item are skipped. `wellFormed` is false when a quote
// is not closed or anything but a comma follows a closing quote: `values` then holds the items
// read before. An empty line holds no items.
struct DelimitedLine {
    std::vector<std::string> values;
    bool wellFormed = true;
};
DelimitedLine ParseQuotedImportLine(std::string_view line);

// The items of every line, each line exactly `fieldCount` of them; otherwise raises
// ExchangeFileError "line N does not hold the n fields of the layout".
ImportRecords ReadDelimitedRecords(const std::filesystem::path& file, int fieldCount);

} // namespace datafile
