#pragma once

#include <string_view>

namespace reports {

class ReportDesk;

// The statement of one customer as of today: the company's and the customer's name and address,
// every unpaid invoice carrying exactly that code (first six characters), oldest first, with its
// age in days when `daysOver` is 1, then the amounts in four age bands and the total outstanding.
// An invoice dated after today is listed with a negative age. False after "File error : ".
bool WriteCustomerStatementReport(ReportDesk& desk, std::string_view customer, int daysOver);

} // namespace reports
