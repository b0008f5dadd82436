#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace datafile {

// The items of one record, in field-number order.
using ImportRecord = std::vector<std::string>;
using ImportItems = std::span<const std::string_view>;

// The records of a delimited file, each with the same number of items. The items are views of the
// file's text, which the records keep; only an item whose doubled quotes were undone has a text
// of its own. So reading a large file makes no string per item.
class ImportRecords {
public:
    explicit ImportRecords(std::size_t fieldCount = 0) : fieldCount_(fieldCount) {}
    // Records made in code, each holding its own items; all must have as many.
    ImportRecords(std::initializer_list<ImportRecord> records);

    std::size_t size() const { return fieldCount_ == 0 ? 0 : items_.size() / fieldCount_; }
    bool empty() const { return items_.empty(); }
    std::size_t fieldCount() const { return fieldCount_; }
    ImportItems operator[](std::size_t record) const
    {
        return ImportItems(items_).subspan(record * fieldCount_, fieldCount_);
    }

    // Building: the text that items given by view lie in, kept for as long as the records are.
    void KeepText(std::shared_ptr<const void> text) { texts_.push_back(std::move(text)); }
    void Reserve(std::size_t records) { items_.reserve(records * fieldCount_); }
    // The next item: a view of kept text, or a text the records keep for it.
    void AddItem(std::string_view item) { items_.push_back(item); }
    void AddOwnItem(std::string item);

private:
    std::size_t fieldCount_;
    std::vector<std::shared_ptr<const void>> texts_;
    std::deque<std::string> ownItems_;
    std::vector<std::string_view> items_;
};

} // namespace datafile
