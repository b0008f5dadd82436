#include "reports/PrintedTable.h"

#include "platform/ListModel.h"
#include "reports/PrintedList.h"

namespace reports {

void PrintPreparedTableList(ReportDesk& desk, int kind, const platform::ListModel& table,
                            std::string_view countWord,
                            const std::function<PreparedEntry(const PrintedList&, int)>& prepareEntry,
                            const std::function<std::string()>& summaryLine)
{
    PrintedList list(desk, kind);
    list.EndLine();
    list.PrintColumnHeadings();
    for (int i = 0; i < table.ListCount(); ++i) {
        const PreparedEntry entry = prepareEntry(list, i);
        if (!list.PrintRow([&] { entry.Print(list); }, entry.Lines))
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

void PrintTableList(ReportDesk& desk, int kind, const platform::ListModel& table, std::string_view countWord,
                    const std::function<void(PrintedList&, int)>& printEntry)
{
    PrintPreparedTableList(desk, kind, table, countWord, [&](const PrintedList&, int index) {
        return PreparedEntry{1, [&printEntry, index](PrintedList& list) { printEntry(list, index); }};
    });
}

} // namespace reports
