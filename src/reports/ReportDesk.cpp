#include "reports/ReportDesk.h"

#include "reports/CancelForm.h"
#include "reports/FontForm.h"

namespace reports {

ReportDesk::ReportDesk(core::Book& book, ReportHost& host, std::filesystem::path folder)
    : book_(book), host_(host), folder_(std::move(folder))
{
}

ReportDesk::~ReportDesk() = default;

CancelForm& ReportDesk::PrintJobWindow()
{
    if (!printJobWindow_)
        printJobWindow_ = std::make_unique<CancelForm>(*this);
    return *printJobWindow_;
}

FontForm& ReportDesk::ReportFontDialog()
{
    if (!fontDialog_)
        fontDialog_ = std::make_unique<FontForm>(book_.messages, Settings);
    return *fontDialog_;
}

} // namespace reports
