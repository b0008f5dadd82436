#pragma once

#include <string>

#include "platform/ListModel.h"

namespace mainwindow {

// An item as a list shows it on one line: each line break, stored (bytes 252 253) or not (CR LF),
// as two blanks.
std::string ShownOnOneLine(std::string item);

// A list that shows another list's items each on one line, kept in step with it item by item: a
// line break (CR LF) inside an item shows as two blanks, as the standing-order list shows a memo's.
// The source keeps its bytes; an index of the copy is the index of the same item in the source.
class OneLineListCopy : private platform::ListModel::Observer {
public:
    explicit OneLineListCopy(platform::ListModel& source);
    ~OneLineListCopy() override;
    OneLineListCopy(const OneLineListCopy&) = delete;
    OneLineListCopy& operator=(const OneLineListCopy&) = delete;

    // The model a list control shows.
    platform::ListModel& shown() { return shown_; }

private:
    void itemInserted(int index) override;
    void itemRemoved(int index) override;
    void itemChanged(int index) override;
    void cleared() override;
    void reordered() override;
    void modelDestroyed() override;
    void refill();
    std::string shownItem(int index) const;

    platform::ListModel* source_;
    platform::ListModel shown_;
};

} // namespace mainwindow
