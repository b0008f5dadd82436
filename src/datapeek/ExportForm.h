#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/Controls.h"

namespace datapeek {

// The export dialog "Export Report": writes the report on show as a spreadsheet file in the working
// folder and asks the desktop to open it. It stays open until Close.
class ExportForm : public platform::Form {
public:
    // Writes the report on show to a path; raises on failure.
    using ReportWriter = std::function<void(const std::filesystem::path&)>;

    ExportForm(platform::Services& services, std::filesystem::path folder, ReportWriter writeReport);

    void ExpBtn_Click();
    void CancelBtn_Click();

    platform::Frame Frame1{*this, "Frame1"};
    platform::ControlArray<platform::OptionButton> Option1{Frame1, "Option1", 0, 1};
    platform::CommandButton ExpBtn{*this, "ExpBtn"};
    platform::CommandButton CancelBtn{*this, "CancelBtn"};

private:
    std::filesystem::path folder_;
    ReportWriter writeReport_;
};

// What the desktop's answer to opening an export file means, for an answer below 33.
std::string ShellOpenFailure(long result);

} // namespace datapeek
