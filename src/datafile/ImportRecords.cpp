#include "datafile/ImportRecords.h"

#include <stdexcept>

namespace datafile {

ImportRecords::ImportRecords(std::initializer_list<ImportRecord> records)
    : fieldCount_(records.size() == 0 ? 0 : records.begin()->size())
{
    for (const ImportRecord& record : records) {
        if (record.size() != fieldCount_)
            throw std::invalid_argument("records of different lengths");
        for (const std::string& item : record)
            AddOwnItem(item);
    }
}

void ImportRecords::AddOwnItem(std::string item)
{
    // A deque keeps its texts in place as it grows, so the views stay valid.
    items_.push_back(ownItems_.emplace_back(std::move(item)));
}

} // namespace datafile
