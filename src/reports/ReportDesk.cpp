#include "reports/ReportDesk.h"

#include "reports/FontForm.h"

namespace reports {

ReportDesk::ReportDesk(core::Book& book, ReportHost& host, std::filesystem::path folder)
    : book_(book), host_(host), folder_(std::move(folder))
{
}

ReportDesk::~ReportDesk() = default;

FontForm& ReportDesk::ReportFontDialog()
{
    if (!fontDialog_)
        fontDialog_ = std::make_unique<FontForm>(book_.messages, Settings);
    return *fontDialog_;
}

} // namespace reports
