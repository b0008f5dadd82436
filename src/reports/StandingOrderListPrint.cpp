#include "reports/StandingOrderListPrint.h"

#include <algorithm>
#include <string>

#include "core/Book.h"
#include "core/StandingOrderLine.h"
#include "reports/PrintedList.h"
#include "reports/PrintedTable.h"
#include "reports/ReportDesk.h"
#include "reports/ReportTitle.h"
#include "runtime/Text.h"

namespace reports {

namespace {

enum Column : int { DayColumn = 1, RefColumn, TypeColumn, AmountColumn, MemoColumn, BankColumn, CustColumn,
                    VatColumn, CategColumn, ToBankColumn };

// The memo's first 20 characters on one line: the data file's reader gave its line breaks back as
// CR LF, and each prints as a blank, as in the printed transaction list.
std::string MemoCell(const std::string& line)
{
    std::string memo = runtime::mid(line, 39, 20);
    std::replace_if(memo.begin(), memo.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return memo;
}

} // namespace

void PrintStandingOrderList(ReportDesk& desk)
{
    platform::ListModel& table = desk.book().codes.ListSTOs;
    PrintTableList(desk, StandingOrderKind, table, " Standing Orders", [&](PrintedList& list, int index) {
        std::string line = table.List(index);
        list.PrintCell(DayColumn, runtime::mid(line, 1, 2));
        list.PrintCell(RefColumn, runtime::mid(line, 4, 6));
        if (core::AlignStandingOrderLine(line))
            table.setList(index, line);
        list.PrintCell(TypeColumn, runtime::mid(line, 23, 3));
        // The amount as the line stores it.
        list.PrintAmountCell(AmountColumn, runtime::mid(line, 27, 11));
        list.PrintCell(MemoColumn, MemoCell(line));
        list.PrintCell(BankColumn, runtime::mid(line, 114, 6));
        list.PrintCell(CustColumn, runtime::mid(line, 121, 6));
        list.PrintCell(VatColumn, runtime::mid(line, 128, 3));
        list.PrintCell(CategColumn, runtime::mid(line, 132, 4));
        list.PrintCell(ToBankColumn, runtime::mid(line, 136, 6));
    });
}

} // namespace reports
