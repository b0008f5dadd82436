#include <exception>

#include "core/BusyPointer.h"
#include "mainwindow/main/Main.h"

namespace mainwindow {

namespace {

// The platform help call's commands and the contents topic.
constexpr int HelpContext = 1;
constexpr int HelpOnHelp = 4;
constexpr int HelpPartialKey = 0x105;
constexpr long ContentsTopic = 1;

} // namespace

void Main::wireOptionsAndHelp()
{
    OptionGridItem.Click = [this] { OptionGridItem_Click(); };
    ItemCalc.Click = [this] { ItemCalc_Click(); };
    HelpContentItem.Click = [this] { HelpContentItem_Click(); };
    ItemHelpSearch.Click = [this] { ItemHelpSearch_Click(); };
    HelpOnHelpItem.Click = [this] { HelpOnHelpItem_Click(); };
    AboutItem.Click = [this] { AboutItem_Click(); };
}

void Main::OptionGridItem_Click()
{
    SetQueryGridCaptions();
    SetQueryGridColumnWidths();
    for (int row = 0; row <= PageSize; ++row)
        QRYGrid.setRowHeight(row, GridRowHeight);
}

void Main::ItemCalc_Click()
{
    core::BusyPointer busy(services());
    // A calculator already running is left to the user; the desktop offers no portable way to raise it.
    if (services().findWindow("SciCalc"))
        return;
    if (!services().startProgram("CALC.EXE", platform::WindowStyle::NormalFocus))
        book.messages.ShowErrorBox("Unable to run Windows Calculator : File not found");
}

void Main::HelpContentItem_Click()
{
    services().showHelp(HelpContext, ContentsTopic);
}

void Main::ItemHelpSearch_Click()
{
    services().showHelp(HelpPartialKey, 0);
}

void Main::HelpOnHelpItem_Click()
{
    services().showHelp(HelpOnHelp, 0);
}

void Main::AboutItem_Click()
{
    {
        core::BusyPointer busy(services());
        about.LblTitle.setCaption(core::ProductTitle);
    }
    about.Show(true);
}

} // namespace mainwindow
