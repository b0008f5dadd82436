#include "reports/PrintedTable.h"

#include "platform/ListModel.h"
#include "reports/PrintedList.h"

namespace reports {

void PrintTableList(ReportDesk& desk, int kind, const platform::ListModel& table, std::string_view countWord,
                    const std::function<void(PrintedList&, int)>& printEntry,
                    const std::function<std::string()>& summaryLine,
                    const std::function<int(const PrintedList&, int)>& entryLines)
{
    PrintedList list(desk, kind);
    list.EndLine();
    list.PrintColumnHeadings();
    for (int i = 0; i < table.ListCount(); ++i) {
        if (!list.PrintRow([&] { printEntry(list, i); }, entryLines ? entryLines(list, i) : 1))
            return;
    }
    list.Finish([&] {
        list.EndLine();
        if (summaryLine) {
            list.PrintCell(1, summaryLine());
            list.EndLine();
            list.EndLine();
        }
        list.PrintCell(1, std::to_string(table.ListCount()) + std::string(countWord));
        list.EndLine();
    });
}

} // namespace reports
