#include "reports/DocumentRun.h"

#include "reports/CancelForm.h"
#include "reports/ReportDesk.h"

namespace reports {

DocumentRun::DocumentRun(ReportDesk& desk)
    : desk_(desk), window_(desk.PrintJobWindow()), run_(desk.services().printer())
{
    desk_.CancelRequested = false;
}

DocumentRun::~DocumentRun()
{
    desk_.CancelRequested = false;
}

bool DocumentRun::Print(const std::string& name, const std::string& tag)
{
    window_.ShowJob(name, tag);
    return !desk_.CancelRequested;
}

} // namespace reports
