#include "reports/TextReportRun.h"

#include <exception>
#include <optional>
#include <string>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "reports/ReportDesk.h"
#include "reports/ReportFile.h"

namespace reports {

namespace {

class SplitTailKeeper {
public:
    explicit SplitTailKeeper(core::Book& book) : book_(book), kept_(book.SplitTail) {}
    ~SplitTailKeeper() { book_.SplitTail = std::move(kept_); }
    SplitTailKeeper(const SplitTailKeeper&) = delete;
    SplitTailKeeper& operator=(const SplitTailKeeper&) = delete;

private:
    core::Book& book_;
    std::string kept_;
};

} // namespace

bool RunTextReport(ReportDesk& desk, const std::function<bool(ReportFile&)>& writeReport)
{
    core::Book& book = desk.book();
    const SplitTailKeeper keeper(book);
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
