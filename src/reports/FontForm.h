#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "reports/ReportDesk.h"

namespace core {
class Messages;
}

namespace reports {

// The sizes the report font dialog offers, in its order; the template designer offers the same.
const std::vector<std::string>& ReportFontSizes();

// The report font dialog "Choose Font": the report font, its size (kept as typed) and the left and
// top margins. It writes the settings only on OK; Cancel leaves them. The main program's dialog
// checks the size and offers the printer set-up; the report viewer's copy has no printer button,
// stores whatever is typed and falls back to its own font when none is chosen.
class FontForm : public platform::Form {
public:
    // The main program's dialog over its report settings.
    FontForm(core::Messages& messages, ReportSettings& settings);
    // The report viewer's copy over the viewer's own settings.
    FontForm(platform::Services& services, ReportSettings& settings);

    // Fills the font list with the printer's fonts that the screen can show, in the printer's
    // order, chooses the report font (letter case and trailing blanks ignored) and shows the stored
    // size, or `sizeWhenNone` when the stored size reads as 0, and the two margins.
    void ShowSettings(const std::string& sizeWhenNone);

    platform::Label LblFontName{*this, "LblFontName"};
    platform::ListBox ListFonts{*this, "ListFonts"};
    platform::Label LblFontSize{*this, "LblFontSize"};
    platform::ComboBox ComboListFontSizes{*this, "ComboListFontSizes"};
    platform::Label LblExampleHeading{*this, "LblExampleHeading"};
    platform::Label LblExample{*this, "LblExample"};
    platform::Label LblMarginWidth{*this, "LblMarginWidth"};
    platform::ScrollBar HScrollMargins{*this, "HScrollMargins"};
    platform::Label LblPageTop{*this, "LblPageTop"};
    platform::ScrollBar VScrollTopBottom{*this, "VScrollTopBottom"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdClose{*this, "CmdClose"};
    platform::CommandButton CmdSetUpPrt{*this, "CmdSetUpPrt"};

private:
    FontForm(platform::Services& services, ReportSettings& settings, core::Messages* messages);

    void Form_Load() override;
    void ListFonts_Click();
    void ComboListFontSizes_Click();
    void CmdOK_Click();
    void CmdClose_Click();
    void CmdSetUpPrt_Click();

    bool isViewerCopy() const { return messages_ == nullptr; }

    ReportSettings& settings_;
    // The main program's messages; none in the report viewer's copy.
    core::Messages* messages_;
};

// The main program's Fonts item: the report font dialog over the desk's settings, shown modally.
// A failure on the way shows "Error while choosing default system font : " and its description.
void ChooseReportFont(ReportDesk& desk);

} // namespace reports
