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

// A printed list of one of the book's lists, a row per entry in the list's order: the kind's page
// header, an empty line and the headings; each entry through `printEntry`, given the entry's
// index; then an empty line, the summary line when there is one (and an empty line after it), the
// number of entries followed by `countWord` (" Bank Codes"), and the end line. Cancel ends it
// after the entry that was printing, with the cancel line. An entry printing on more than one line
// tells how many through `entryLines`, so that it is kept whole on one page.
void PrintTableList(ReportDesk& desk, int kind, const platform::ListModel& table, std::string_view countWord,
                    const std::function<void(PrintedList&, int)>& printEntry,
                    const std::function<std::string()>& summaryLine = {},
                    const std::function<int(const PrintedList&, int)>& entryLines = {});

} // namespace reports
