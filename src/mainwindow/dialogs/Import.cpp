#include "mainwindow/dialogs/Import.h"

#include "core/Book.h"
#include "core/DateBox.h"
#include "core/DateText.h"
#include "core/ListHelpers.h"
#include "core/PickDate.h"
#include "datafile/Archive.h"
#include "datafile/CoinjarImport.h"
#include "runtime/Error.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr const char* ImportCaption = "&Import";
constexpr const char* ArchiveCaption = "&Archive";
constexpr int ImportMode = 3;
constexpr int ArchiveMode = 4;

// A filter's stored date as shown; a date the filter leaves unset (blanks, or the zero characters
// of a set-up never filled) shows nothing.
std::string shownFilterDate(std::string_view ymd)
{
    const bool set = ymd.find_first_of("0123456789") != std::string_view::npos;
    return set ? core::FormatYmdAsDisplayDate(ymd) : "";
}

} // namespace

Import::Import(core::Book& book, const platform::Label& fileOp, const std::filesystem::path& importFilePath,
               const std::filesystem::path& archiveFilePath, platform::Form& calendar,
               std::function<void()> showChanges)
    : Form(book.services(), "Import"), book_(book), fileOp_(fileOp), importFilePath_(importFilePath),
      archiveFilePath_(archiveFilePath), calendar_(calendar), showChanges_(std::move(showChanges))
{
    setCaption("Import CJ File");
    Move(2400, 2000, 6000, 3400);
    designImport();
    designDates();
    CmdImport.Move(4560, 240, 1215, 375);
    CmdImport.setCaption(ImportCaption);
    CmdImport.Click = [this] { CmdImport_Click(); };
    CmdDone.Move(4560, 720, 1215, 375);
    CmdDone.setCaption("&Cancel");
    CmdDone.setCancel(true);
    CmdDone.Click = [this] { CmdDone_Click(); };
    endDesign();
}

void Import::designImport()
{
    FrameImport.Move(120, 120, 4200, 2700);
    FrameImport.setCaption("Import...");
    platform::CheckBox* boxes[] = {&ChkAccounts, &ChkCust, &ChkAnal, &ChkVAT, &ChkTrans};
    const char* captions[] = {"Bank Accounts", "Customers", "Categories", "VAT Codes", "Transactions"};
    for (int box = 0; box < 5; ++box) {
        boxes[box]->Move(240, 300 + box * 360, 2400, 300);
        boxes[box]->setCaption(captions[box]);
    }
    LabelCJFile.Move(240, 2160, 900, 240);
    LabelCJFile.setCaption("CJ File");
    LbLCJFile.Move(1200, 2160, 2880, 240);
    LbLCJFile.setUseMnemonic(false); // a line of the file, shown as it is
}

void Import::designDates()
{
    FrameDatesBetween.Move(120, 120, 4200, 2700);
    FrameDatesBetween.setCaption("Dates");
    LabelFrom.Move(240, 420, 900, 240);
    LabelFrom.setCaption("From");
    TextArchiveFrom.Move(1200, 360, 1500, 315);
    LabelTo.Move(240, 900, 900, 240);
    LabelTo.setCaption("To");
    TextArchiveTo.Move(1200, 840, 1500, 315);
    LabelFileName.Move(240, 1440, 900, 240);
    LabelFileName.setCaption("File Name");
    LblArchiveFile.Move(1200, 1440, 2880, 720);
    LblArchiveFile.setUseMnemonic(false); // a path, shown as it is
    wireDateBox(TextArchiveFrom);
    wireDateBox(TextArchiveTo);
}

void Import::wireDateBox(platform::TextBox& box)
{
    box.setMaxLength(core::DisplayDateWidth);
    box.GotFocus = [this, &box] { core::SelectAllText(services(), box); };
    box.LostFocus = [this, &box] { core::LeaveDateBox(book_.messages, box); };
    box.DblClick = [this, &box] { box.setText(core::PickDate(book_, calendar_, box.Text())); };
}

void Import::Form_Load()
{
    const int mode = static_cast<int>(runtime::val(fileOp_.Caption()));
    if (mode == ImportMode) {
        setCaption("Import CJ File");
        FrameDatesBetween.setVisible(false);
        FrameImport.setVisible(true);
        CmdImport.setCaption(ImportCaption);
        for (platform::CheckBox* box : {&ChkAccounts, &ChkCust, &ChkAnal, &ChkVAT, &ChkTrans})
            box->setValue(0);
        CoinjarVersionLine.clear();
        LbLCJFile.setCaption("");
        try {
            datafile::CoinjarFile file(importFilePath_);
            CoinjarVersionLine = file.readLine();
            LbLCJFile.setCaption(std::string(file.readLine()));
        } catch (const runtime::Error& error) {
            book_.messages.ShowErrorBox("Import error : " + error.description());
        }
    } else if (mode == ArchiveMode) {
        setCaption("Archive");
        FrameImport.setVisible(false);
        FrameDatesBetween.setVisible(true);
        CmdImport.setCaption(ArchiveCaption);
        const core::FilterSetup& filter = book_.ledger.Filters.CurrentFilter;
        TextArchiveFrom.setText(shownFilterDate(filter.FromDate.view()));
        TextArchiveTo.setText(shownFilterDate(filter.ToDate.view()));
        LblArchiveFile.setCaption(runtime::textOfPath(archiveFilePath_));
    }
}

void Import::CmdImport_Click()
{
    if (CmdImport.Caption() == ImportCaption)
        RunImport();
    else if (CmdImport.Caption() == ArchiveCaption)
        RunArchive();
}

void Import::CmdDone_Click()
{
    Unload();
}

void Import::RunImport()
{
    const datafile::CoinjarChoices choices{ChkAccounts.Value() == 1, ChkCust.Value() == 1, ChkAnal.Value() == 1,
                                           ChkVAT.Value() == 1, ChkTrans.Value() == 1};
    const std::string version = runtime::rtrim(CoinjarVersionLine);
    bool imported = false;
    if (version == "CJ4") {
        imported = datafile::ImportCoinjar4File(book_, importFilePath_, choices);
    } else if (version == "CJ4/3") {
        imported = datafile::ImportCoinjar43File(book_, importFilePath_, choices);
    } else {
        book_.messages.ShowErrorBox("Unknown Coinjar Version - " + CoinjarVersionLine);
        return;
    }
    if (!imported) {
        book_.messages.ShowErrorBox("Import Failed");
        return;
    }
    book_.ledger.FileChanged = true;
    showChanges_();
    Unload();
}

void Import::RunArchive()
{
    const std::string fromKey = datafile::ArchiveDateKey(TextArchiveFrom.Text());
    const std::string toKey = datafile::ArchiveDateKey(TextArchiveTo.Text());
    if (toKey < fromKey) {
        book_.messages.ShowErrorBox("To Date is before From Date...");
        TextArchiveTo.setFocus();
        return;
    }
    const std::string path = runtime::textOfPath(archiveFilePath_);
    std::error_code error;
    if (std::filesystem::exists(archiveFilePath_, error) &&
        book_.messages.AskYesNo("Are you sure you wish to overwrite File '" + path + "' ?") != platform::Answer::Yes)
        return;
    if (!datafile::ArchiveTransactions(archiveFilePath_, TextArchiveFrom.Text(), TextArchiveTo.Text(), book_)) {
        book_.messages.ShowErrorBox("Archive Failed");
        return;
    }
    book_.ledger.FileChanged = true;
    showChanges_();
    Unload();
}

} // namespace mainwindow
