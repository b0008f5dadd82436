#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {
class ListModel;
}

namespace reports {

class ReportDesk;
class PrintedList;

// One entry of a printed list, prepared once so that the lines it is counted for and the lines it
// prints cannot drift apart: how many printed lines it takes (kept whole on one page) and how to
// print them.
struct PreparedEntry {
    int Lines = 1;
    std::function<void(PrintedList&)> Print;
};

// A printed list of one of the book's lists, a row per entry in the list's order: the kind's page
// header, an empty line and the headings; each entry as `prepareEntry` prepares it, given the
// entry's index; then an empty line, the summary line when there is one (and an empty line after
// it), the number of entries followed by `countWord` (" Bank Codes"), and the end line. Cancel ends
// it after the entry that was printing, with the cancel line.
void PrintPreparedTableList(ReportDesk& desk, int kind, const platform::ListModel& table,
                            std::string_view countWord,
                            const std::function<PreparedEntry(const PrintedList&, int)>& prepareEntry,
                            const std::function<std::string()>& summaryLine = {});
// The same for a list whose every entry prints on one line through `printEntry`.
void PrintTableList(ReportDesk& desk, int kind, const platform::ListModel& table, std::string_view countWord,
                    const std::function<void(PrintedList&, int)>& printEntry);

} // namespace reports
