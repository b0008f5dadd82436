#include "reports/TextReportRun.h"

#include <exception>
#include <optional>
#include <string>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"

namespace reports {

bool RunTextReport(ReportDesk& desk, const std::function<bool(ReportFile&)>& writeReport)
{
    core::Book& book = desk.book();
    const core::BusyPointer busy(desk.services());
    std::optional<ReportFile> file;
    std::string failure;
    try {
        file.emplace(desk);
        return writeReport(*file);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    if (file)
        file->Abandon();
    desk.ReportTimestamp.clear();
    book.messages.ShowErrorBox("File error : " + failure);
    return false;
}

} // namespace reports
