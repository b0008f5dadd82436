#include "reports/FontForm.h"

#include <exception>

#include "core/BusyPointer.h"
#include "core/Messages.h"
#include "core/PrinterSetup.h"
#include "platform/Printer.h"
#include "platform/ScreenPlacement.h"
#include "reports/FontTests.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace reports {

namespace {

constexpr double SmallestFontSize = 4;
constexpr double LargestFontSize = 128;
// Margins run from none to two inches, in steps of a fiftieth and a tenth of an inch.
constexpr int LargestMargin = 2880;
constexpr int MarginStep = 20;
constexpr int MarginPage = 144;

// What OK stores when no font is chosen.
constexpr const char* MainProgramFallbackFont = "MS SERIF";
constexpr const char* ReportViewerFallbackFont = "MS Sans Serif";

void SetUpMarginBar(platform::ScrollBar& bar)
{
    bar.setMin(0);
    bar.setMax(LargestMargin);
    bar.setSmallChange(MarginStep);
    bar.setLargeChange(MarginPage);
}

} // namespace

const std::vector<std::string>& ReportFontSizes()
{
    static const std::vector<std::string> sizes{"6", "7", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "30"};
    return sizes;
}

FontForm::FontForm(core::Messages& messages, ReportSettings& settings) : FontForm(messages.services(), settings, &messages)
{
}

FontForm::FontForm(platform::Services& services, ReportSettings& settings) : FontForm(services, settings, nullptr)
{
}

FontForm::FontForm(platform::Services& services, ReportSettings& settings, core::Messages* messages)
    : Form(services, "FontForm"), settings_(settings), messages_(messages)
{
    setCaption("Choose Font");
    Move(0, 0, 6480, 4500);
    platform::CentreOnScreen(*this);

    LblFontName.setCaption("Font Name");
    LblFontName.Move(120, 120, 2880, 255);
    ListFonts.Move(120, 375, 2880, 3555);
    ListFonts.setSorted(false);

    LblFontSize.setCaption("Font Size");
    LblFontSize.Move(3240, 120, 1215, 255);
    ComboListFontSizes.Move(3240, 375, 1215, 315);

    LblExampleHeading.setCaption("Example");
    LblExampleHeading.Move(3240, 855, 3000, 255);
    LblExample.setCaption("ABC abc 123.00");
    LblExample.Move(3240, 1110, 3000, 735);
    LblExample.setBorderStyle(1);

    LblMarginWidth.setCaption("Margin Width");
    LblMarginWidth.Move(3240, 2010, 2160, 255);
    HScrollMargins.Move(3240, 2265, 2160, 255);
    SetUpMarginBar(HScrollMargins);
    LblPageTop.setCaption("Page  Top");
    LblPageTop.Move(5520, 2010, 840, 255);
    VScrollTopBottom.Move(5760, 2265, 255, 1095);
    SetUpMarginBar(VScrollTopBottom);

    CmdOK.setCaption("&OK");
    CmdOK.setDefault(true);
    CmdOK.Move(4560, 375, 1215, 375);
    CmdClose.setCaption("&Cancel");
    CmdClose.setCancel(true);
    CmdClose.Move(3240, 3555, 1215, 375);
    CmdSetUpPrt.setCaption("&Set Up Printer...");
    CmdSetUpPrt.Move(4560, 3555, 1695, 375);
    CmdSetUpPrt.setVisible(!isViewerCopy());

    ListFonts.Click = [this] { ListFonts_Click(); };
    ComboListFontSizes.Click = [this] { ComboListFontSizes_Click(); };
    CmdOK.Click = [this] { CmdOK_Click(); };
    CmdClose.Click = [this] { CmdClose_Click(); };
    CmdSetUpPrt.Click = [this] { CmdSetUpPrt_Click(); };
    endDesign();
}

void FontForm::Form_Load()
{
    for (const std::string& size : ReportFontSizes())
        ComboListFontSizes.AddItem(size);
}

void FontForm::ShowSettings(const std::string& sizeWhenNone)
{
    ListFonts.Clear();
    for (const std::string& font : PrinterFontsOnScreen(services()))
        ListFonts.AddItem(font);
    for (int i = 0; i < ListFonts.ListCount(); ++i)
        if (IsSameFontName(ListFonts.List(i), settings_.FontName))
            ListFonts.setListIndex(i);
    ComboListFontSizes.setText(runtime::val(settings_.FontSize) == 0 ? sizeWhenNone : settings_.FontSize);
    HScrollMargins.setValue(settings_.LeftMargin);
    VScrollTopBottom.setValue(settings_.TopMargin);
}

void FontForm::ListFonts_Click()
{
    LblExample.setFontSize(runtime::val(ComboListFontSizes.Text()));
    LblExample.setFontName(ListFonts.Text());
    LblExample.setFontBold(false);
}

void FontForm::ComboListFontSizes_Click()
{
    // The example shows the size the printer really uses. With no font chosen the printer keeps
    // its own.
    platform::Printer& printer = services().printer();
    if (ListFonts.ListIndex() >= 0)
        TrySetPrinterFont(printer, ListFonts.Text());
    printer.setFontBold(false);
    printer.setFontSize(runtime::val(ComboListFontSizes.Text()));
    LblExample.setFontSize(printer.FontSize());
}

void FontForm::CmdOK_Click()
{
    const std::string size = ComboListFontSizes.Text();
    if (!isViewerCopy()) {
        const double points = runtime::val(size);
        // A refused size stores nothing, so that a Cancel after it still leaves every setting as it was.
        if (points < SmallestFontSize || points > LargestFontSize) {
            messages_->ShowErrorBox("Font Size must lie between 4 and 128 points");
            return;
        }
    }
    if (ListFonts.ListIndex() >= 0)
        settings_.FontName = ListFonts.Text();
    else
        settings_.FontName = isViewerCopy() ? ReportViewerFallbackFont : MainProgramFallbackFont;
    settings_.FontSize = size;
    settings_.LeftMargin = runtime::toInt16(HScrollMargins.Value());
    settings_.TopMargin = runtime::toInt16(VScrollTopBottom.Value());
    Hide();
}

void FontForm::CmdClose_Click()
{
    Hide();
}

void FontForm::CmdSetUpPrt_Click()
{
    core::SetUpPrinter(*messages_);
}

void ChooseReportFont(ReportDesk& desk)
{
    FontForm& dialog = desk.ReportFontDialog();
    try {
        {
            const core::BusyPointer busy(desk.services());
            dialog.ShowSettings("8");
        }
        dialog.Show(true);
    } catch (const std::exception& error) {
        desk.book().messages.ShowErrorBox("Error while choosing default system font : " + std::string(error.what()));
    }
}

} // namespace reports
