#pragma once

#include <string>

#include "SilentPrinter.h"
#include "platform/ScriptedServices.h"
#include "reports/ReportDesk.h"

namespace bench {

// The main window with the report viewer chosen and both totals labels showing.
class BenchReportHost : public reports::ReportHost {
public:
    reports::ReportOutput ChosenOutput() const override { return reports::ReportOutput::Datapeek; }
    bool UseWordPad() const override { return false; }
    std::string WordPadPath() const override { return {}; }
    bool PayTotalVisible() const override { return true; }
    std::string PayTotalCaption() const override { return "  12,345.67"; }
    bool RcpTotalVisible() const override { return true; }
    std::string RcpTotalCaption() const override { return "  76,543.21"; }
    std::string MainFilterText() const override { return "(CURRENT)"; }
};

// Scripted services whose printer draws nothing.
class BenchServices : public platform::ScriptedServices {
public:
    platform::Printer& printer() override { return printer_; }

private:
    bench::SilentPrinter printer_;
};

} // namespace bench
