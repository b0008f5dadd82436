#pragma once

#include <cstdint>
#include <string>

namespace core {
class Book;
}

namespace documents {

// Where a document's special fields take their values from: a record number of the transaction
// table, or one of these.
inline constexpr std::int16_t EditBoxSource = -99;
inline constexpr std::int16_t MailMergeSource = -100;

// The value of the special field that `text` starts with ("~TG" and the like, letter case kept),
// in place of the whole text; a text that starts with no tag, or a transaction's tag for the
// mail-merge customer, comes back unchanged. A value that cannot be worked out (a record number
// outside the table, say) is reported through the error box and gives "".
std::string GetTemplateFieldValue(core::Book& book, std::int16_t id, const std::string& text);

} // namespace documents
