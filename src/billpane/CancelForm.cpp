#include "billpane/CancelForm.h"

#include <utility>

#include "documents/DocumentJobs.h"

namespace billpane {

CancelForm::CancelForm(platform::Services& services, bool& printing, bool& showErrors, std::function<void()> printDocument)
    : JobWindow(services, printing), showErrors_(showErrors), printDocument_(std::move(printDocument))
{
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    endDesign();
}

void CancelForm::Form_Load()
{
    JobWindow::Form_Load();
    showErrors_ = true;
}

void CancelForm::RunJob(const std::string& tag)
{
    if (tag == documents::InvoiceTemplateTag)
        printDocument_();
}

} // namespace billpane
