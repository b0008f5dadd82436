#pragma once

#include <string>

#include "reports/ReportDesk.h"

// The main window as the reports see it: the output choice and the totals labels are plain values.
class FakeReportHost : public reports::ReportHost {
public:
    reports::ReportOutput ChosenOutput() const override { return output; }
    bool UseWordPad() const override { return useWordPad; }
    std::string WordPadPath() const override { return wordPadPath; }
    bool PayTotalVisible() const override { return payTotalVisible; }
    std::string PayTotalCaption() const override { return payTotalCaption; }
    bool RcpTotalVisible() const override { return rcpTotalVisible; }
    std::string RcpTotalCaption() const override { return rcpTotalCaption; }
    std::string MainFilterText() const override { return mainFilterText; }

    reports::ReportOutput output = reports::ReportOutput::Datapeek;
    bool useWordPad = false;
    std::string wordPadPath;
    bool payTotalVisible = true;
    std::string payTotalCaption;
    bool rcpTotalVisible = true;
    std::string rcpTotalCaption;
    std::string mainFilterText;
};
