#include "mainwindow/dialogs/ImpExpForm.h"

#include <exception>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/ListHelpers.h"
#include "datafile/ExchangeFileReading.h"
#include "datafile/TextExport.h"
#include "datafile/TextImport.h"
#include "mainwindow/dialogs/TextExchangeHost.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr const char* ExchangeFilter =
    "QB Export Files (*.EXP)|*.EXP|Programs (*.exe)|*.EXE|All Files (*.*)|*.*";
constexpr long AskBeforeOverwriting = 2;
constexpr const char* PreviewFileName = "QB.TXT";
constexpr const char* NoSourceCaption = "Source :";
constexpr const char* SourceCaption = "Source : ";

struct ModeSetUp {
    const char* mode;
    const char* caption;
    datafile::ExchangeKind kind;
    bool importing;
};

constexpr ModeSetUp ModeSetUps[] = {
    {ExportTransactionsMode, "Export Transactions to ASCII file", datafile::ExchangeKind::Transactions, false},
    {ExportCustomersMode, "Export Customers to ASCII file", datafile::ExchangeKind::Customers, false},
    {ExportCategoriesMode, "Export Categories to ASCII file", datafile::ExchangeKind::Categories, false},
    {ImportTransactionsMode, "Import Transactions from ASCII file", datafile::ExchangeKind::Transactions, true},
    {ImportCustomersMode, "Import Customers from ASCII file", datafile::ExchangeKind::Customers, true},
    {ImportCategoriesMode, "Import Categories from ASCII file", datafile::ExchangeKind::Categories, true},
};

} // namespace

ImpExpForm::ImpExpForm(core::Book& book, TextExchangeHost& host)
    : Form(book.services(), "ImpExpForm"), book_(book), host_(host)
{
    Move(1200, 1200, 11100, 6700);
    LblOpType.setVisible(false);
    LblOpType.Change = [this] { InitImpExpForm(); };
    designLayoutEditing();
    designImport();
    designOptions();
    endDesign();
}

void ImpExpForm::designLayoutEditing()
{
    FrameExport.Move(120, 120, 10680, 4320);
    FrameExport.setCaption("Export Layout - Choose Fields to Export");
    Label1[0].Move(240, 300, 4400, 240);
    Label1[0].setCaption("Available Fields");
    Label1[1].Move(5520, 300, 4400, 240);
    Label1[1].setCaption("Sort Chosen Fields");
    ListAllFields.Move(240, 540, 4400, 3100);
    ListAllFields.setSorted(true);
    ListAllFields.setMultiSelect(1);
    ListExpLayout.Move(5520, 540, 4400, 3100);

    struct Button {
        platform::CommandButton& button;
        const char* caption;
        double left, top, width;
    };
    const Button buttons[] = {
        {CmdAdd, ">", 4800, 1200, 560},         {CmdRemove, "<", 4800, 1680, 560},
        {CmdRewind, "<<", 4800, 2160, 560},     {CmdUpList, "/\\", 10040, 1440, 500},
        {CmdDownList, "\\/", 10040, 1920, 500}, {CmdSelectAll, "&Select All", 240, 3780, 2140},
        {CmdDeselect, "&DeSelect All", 2500, 3780, 2140},
    };
    for (const Button& b : buttons) {
        b.button.Move(b.left, b.top, b.width, 375);
        b.button.setCaption(b.caption);
    }
    CmdAdd.Click = [this] { CmdAdd_Click(); };
    CmdRemove.Click = [this] { CmdRemove_Click(); };
    CmdRewind.Click = [this] { CmdRewind_Click(); };
    CmdUpList.Click = [this] { core::MoveListItem(book_.messages, ListExpLayout, false); };
    CmdDownList.Click = [this] { core::MoveListItem(book_.messages, ListExpLayout, true); };
    CmdSelectAll.Click = [this] { core::SelectAllListItems(ListAllFields); };
    CmdDeselect.Click = [this] { core::DeselectAllListItems(ListAllFields); };
}

void ImpExpForm::designImport()
{
    FrameImport.Move(120, 120, 10680, 4320);
    FrameImport.setCaption("Import from File...");
    Label2[0].Move(240, 300, 10200, 480);
    Label2[0].setCaption("This List shows the layout of a Quillbook Record. Fields which can NOT be NULL are "
                         "indicated with an asterisk (*).");
    Label2[1].Move(240, 3900, 4400, 240);
    Label2[1].setCaption("Use 'Select File' to specify the import source. ");
    Label2[2].Move(240, 840, 4400, 240);
    Label2[2].setCaption("Required Record Layout");
    Label2[3].Move(5520, 840, 5000, 240);
    Label2[3].setUseMnemonic(false); // names the chosen file, shown as it is
    Label2[3].setCaption(NoSourceCaption);
    ListAllimpFields.Move(240, 1080, 4400, 2700);
    ListImpFileFields.Move(5520, 1080, 5000, 2700);
    ListImpFileFields.setBackColor(platform::ButtonFaceColour);
    CmdSelectFile.Move(5520, 3840, 1500, 375);
    CmdSelectFile.setCaption("&Select File");
    CmdSelectFile.Click = [this] { CmdSelectFile_Click(); };
}

void ImpExpForm::designOptions()
{
    FrameSeparator.Move(120, 4560, 2600, 900);
    FrameSeparator.setCaption("Separator");
    OptCommaSep.Move(120, 240, 2300, 270);
    OptCommaSep.setCaption("Comma Seperated");
    OptCommaSep.setValue(true);
    OPtTabSep.Move(120, 540, 2300, 270);
    OPtTabSep.setCaption("Tab Seperated");
    OptCommaSep.Click = [this] { separator_ = ','; };
    OPtTabSep.Click = [this] { separator_ = '\t'; };

    FrameWhichTrans.Move(2880, 4560, 3000, 900);
    FrameWhichTrans.setCaption("Transactions");
    OptAllTrans.Move(120, 240, 2700, 270);
    OptAllTrans.setCaption("All Transactions");
    OptGridTrans.Move(120, 540, 2700, 270);
    OptGridTrans.setCaption("Transactions in the Grid");
    OptGridTrans.setValue(true);

    ChkExpandCodes.Move(6060, 4620, 2600, 270);
    ChkExpandCodes.setCaption("Expand Codes");
    ChkSignTrans.Move(6060, 4980, 2600, 270);
    ChkSignTrans.setCaption("Sign (-/+) Transactions");

    CmdPreview.Move(6480, 5640, 1300, 375);
    CmdPreview.setCaption("&Preview");
    CmdPreview.Click = [this] { CmdPreview_Click(); };
    CmdExport.Move(7920, 5640, 1300, 375);
    CmdExport.setCaption("&Export");
    CmdExport.Click = [this] { CmdExport_Click(); };
    CmdCancel.Move(9360, 5640, 1300, 375);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Click = [this] { CmdCancel_Click(); };
}

void ImpExpForm::Form_Load()
{
    separator_ = ',';
    mode_.clear();
}

void ImpExpForm::showOnly(const std::vector<platform::Control*>& shown, const std::vector<platform::Control*>& hidden)
{
    for (platform::Control* control : shown)
        control->setVisible(true);
    for (platform::Control* control : hidden)
        control->setVisible(false);
    // An option group whose options are both hidden goes with them.
    FrameSeparator.setVisible(OptCommaSep.Visible() || OPtTabSep.Visible());
    FrameWhichTrans.setVisible(OptAllTrans.Visible() || OptGridTrans.Visible());
}

void ImpExpForm::InitImpExpForm()
{
    try {
        const std::string mode = runtime::rtrim(LblOpType.Caption());
        const ModeSetUp* setUp = nullptr;
        for (const ModeSetUp& candidate : ModeSetUps) {
            if (mode == candidate.mode)
                setUp = &candidate;
        }
        if (!setUp)
            return;
        mode_ = mode;
        kind_ = setUp->kind;
        importing_ = setUp->importing;
        setCaption(setUp->caption);
        CmdExport.setCaption(importing_ ? "&Import" : "&Export");
        const bool transactions = kind_ == datafile::ExchangeKind::Transactions;
        if (!importing_ && transactions)
            showOnly({&FrameExport, &OptAllTrans, &OptGridTrans, &ChkSignTrans, &OptCommaSep, &OPtTabSep,
                      &ChkExpandCodes},
                     {&FrameImport});
        else if (!importing_)
            showOnly({&FrameExport, &OptCommaSep, &OPtTabSep},
                     {&FrameImport, &OptAllTrans, &OptGridTrans, &ChkSignTrans, &ChkExpandCodes});
        else if (transactions)
            showOnly({&FrameImport}, {&FrameExport, &ChkSignTrans, &OptCommaSep, &OPtTabSep, &ChkExpandCodes});
        else
            showOnly({&FrameImport}, {&FrameExport, &OptAllTrans, &OptGridTrans, &ChkSignTrans, &OptCommaSep,
                                      &OPtTabSep, &ChkExpandCodes});
        if (importing_ && transactions) {
            book_.ledger.Window().ClearEntryFields(5);
            book_.ledger.Window().UpdateMenuState();
        }
        platform::ListBox& list = importing_ ? ListAllimpFields : ListAllFields;
        for (const std::string& item : datafile::AsciiFieldItems(kind_, importing_))
            list.AddItem(item);
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error while initialising Import/Export screen : " + error.description());
    }
}

void ImpExpForm::CmdAdd_Click()
{
    std::vector<int> chosen;
    for (int i = 0; i < ListAllFields.ListCount(); ++i) {
        if (ListAllFields.Selected(i))
            chosen.push_back(i);
    }
    for (const int i : chosen)
        ListExpLayout.AddItem(ListAllFields.List(i));
    for (auto i = chosen.rbegin(); i != chosen.rend(); ++i)
        ListAllFields.RemoveItem(*i);
}

void ImpExpForm::CmdRemove_Click()
{
    const int chosen = ListExpLayout.ListIndex();
    if (chosen < 0)
        return;
    ListAllFields.AddItem(ListExpLayout.List(chosen));
    ListExpLayout.RemoveItem(chosen);
}

void ImpExpForm::CmdRewind_Click()
{
    if (ListExpLayout.ListCount() < 1
        || book_.messages.AskYesNo("Move all 'Chosen Fields' back to 'Available Field' list?") != platform::Answer::Yes)
        return;
    for (int i = ListExpLayout.ListCount() - 1; i >= 0; --i) {
        ListAllFields.AddItem(ListExpLayout.List(i));
        ListExpLayout.RemoveItem(i);
    }
}

std::vector<int> ImpExpForm::CountChosenFields() const
{
    std::vector<int> layout;
    for (int i = 0; i < ListExpLayout.ListCount(); ++i)
        layout.push_back(datafile::FieldNumberOfItem(ListExpLayout.List(i)));
    return layout;
}

bool ImpExpForm::runExport(const std::filesystem::path& file, const std::vector<int>& layout)
{
    datafile::ExportOptions options;
    options.layout = layout;
    options.separator = separator_;
    options.expandCodes = ChkExpandCodes.Value() == 1;
    options.signTransactions = ChkSignTrans.Value() == 1;
    switch (kind_) {
    case datafile::ExchangeKind::Transactions:
        return datafile::ExportTransactions(book_, file, options,
                                            OptAllTrans.Value() ? datafile::TransactionSource::All
                                                                : datafile::TransactionSource::Grid);
    case datafile::ExchangeKind::Customers: return datafile::ExportCustomers(book_, file, options);
    case datafile::ExchangeKind::Categories: return datafile::ExportCategories(book_, file, options);
    }
    return false;
}

void ImpExpForm::CmdExport_Click()
{
    if (mode_.empty())
        return;
    if (importing_) {
        ImportFile();
        return;
    }
    ExportFields();
}

void ImpExpForm::ExportFields()
{
    try {
        const std::vector<int> layout = CountChosenFields();
        if (layout.empty()) {
            book_.messages.ShowErrorBox("Select at least 1 field to export.");
            return;
        }
        if (!AskExchangeFile(FilePurpose::ExportFile))
            return;
        runExport(runtime::pathFromText(exchangeFile_), layout);
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error while exporting : " + error.description());
    } catch (const std::exception& error) {
        book_.messages.ShowErrorBox(std::string("Error while exporting : ") + error.what());
    }
}

void ImpExpForm::CmdPreview_Click()
{
    const std::vector<int> layout = CountChosenFields();
    if (layout.empty()) {
        book_.messages.ShowErrorBox("Select at least 1 field to export.");
        return;
    }
    if (!AskExchangeFile(FilePurpose::PreviewProgram))
        return;
    const std::string program = exchangeFile_;
    exchangeFile_ = PreviewFileName;
    try {
        if (runExport(host_.workingFolder() / PreviewFileName, layout)
            && !services().startProgram(program + " " + PreviewFileName, platform::WindowStyle::NormalFocus))
            throw runtime::Error(runtime::FileNotFound);
    } catch (const runtime::Error& error) {
        book_.messages.ShowErrorBox("Error while previewing test export with '" + program + "' : " + error.description());
    } catch (const std::exception& error) {
        book_.messages.ShowErrorBox("Error while previewing test export with '" + program + "' : " + error.what());
    }
}

void ImpExpForm::CmdCancel_Click()
{
    const core::BusyPointer busy(services());
    Unload();
}

int ImpExpForm::SelectImportFile()
{
    const int fieldCount = ListAllimpFields.ListCount();
    std::vector<std::string> values(static_cast<std::size_t>(fieldCount), "???");
    if (!AskExchangeFile(FilePurpose::ImportFile))
        return DialogCancelled;
    const core::BusyPointer busy(services());
    ListImpFileFields.Clear();
    bool matches = false;
    try {
        const std::vector<std::string> lines = datafile::ReadExchangeLines(runtime::pathFromText(exchangeFile_));
        // Nothing to show: the import asks for a file again.
        if (lines.empty())
            return 1;
        const datafile::DelimitedLine first = datafile::ParseQuotedImportLine(lines.front());
        for (std::size_t i = 0; i < first.values.size() && i < values.size(); ++i)
            values[i] = first.values[i];
        matches = first.wellFormed && static_cast<int>(first.values.size()) == fieldCount;
    } catch (const datafile::ExchangeFileError& error) {
        book_.messages.ShowErrorBox("Error while importing file '" + exchangeFile_ + "' : " + error.description());
    } catch (const runtime::Error&) {
        // A file that cannot be read shows nothing, as an empty one.
        return 1;
    }
    for (int i = 1; i <= fieldCount; ++i)
        ListImpFileFields.AddItem("< " + runtime::format(i, "000") + " '" + values[static_cast<std::size_t>(i - 1)] + "'");
    return matches ? 1 : 0;
}

void ImpExpForm::CmdSelectFile_Click()
{
    const int result = SelectImportFile();
    if (result == DialogCancelled)
        return;
    const bool listed = ListImpFileFields.ListCount() > 0;
    if (result == 1 && !listed) {
        ListImpFileFields.setBackColor(platform::ButtonFaceColour);
        Label2[3].setCaption(NoSourceCaption);
        return;
    }
    ListImpFileFields.setBackColor(result == 1 ? MatchingLayoutColour : platform::ButtonFaceColour);
    if (listed)
        Label2[3].setCaption(SourceCaption + exchangeFile_);
}

bool ImpExpForm::ImportFile()
{
    if (ListImpFileFields.ListCount() == 0) {
        book_.messages.ShowErrorBox("Use the 'Select File' button to specify a file to import.");
        return false;
    }
    if (ListImpFileFields.BackColor() != MatchingLayoutColour) {
        book_.messages.ShowErrorBox(
            "This file cannot be imported because the layout does not match the specified record layout");
        return false;
    }
    bool imported = true;
    if (book_.messages.AskYesNo("Import from file '" + exchangeFile_ + "'") == platform::Answer::Yes) {
        try {
            const datafile::ImportRecords records =
                datafile::ReadDelimitedRecords(runtime::pathFromText(exchangeFile_), datafile::AsciiFieldCount(kind_));
            switch (kind_) {
            case datafile::ExchangeKind::Transactions: imported = datafile::ImportTransactions(book_, records); break;
            case datafile::ExchangeKind::Customers: imported = datafile::ImportCustomers(book_, records); break;
            case datafile::ExchangeKind::Categories: imported = datafile::ImportCategories(book_, records); break;
            }
        } catch (const runtime::Error& error) {
            book_.messages.ShowErrorBox("Error while importing file '" + exchangeFile_ + "' : " + error.description());
            return false;
        }
    }
    if (kind_ == datafile::ExchangeKind::Transactions)
        host_.ShowImportedTransactions();
    return imported;
}

bool ImpExpForm::AskExchangeFile(FilePurpose purpose)
{
    try {
        exchangeFile_ = ShowExchangeFileDialog(purpose);
    } catch (const runtime::Error& error) {
        if (error.number() == runtime::DialogCancelled)
            return false;
        throw;
    }
    if (purpose != FilePurpose::PreviewProgram)
        lastFolder_ = runtime::pathFromText(exchangeFile_).parent_path();
    return true;
}

std::filesystem::path ImpExpForm::dialogFolder() const
{
    if (!lastFolder_.empty())
        return lastFolder_;
    if (!book_.CurrentDataFilePath.empty() && book_.CurrentDataFilePath.has_parent_path())
        return book_.CurrentDataFilePath.parent_path();
    return host_.workingFolder();
}

std::string ImpExpForm::ShowExchangeFileDialog(FilePurpose purpose)
{
    platform::FileDialog dialog;
    dialog.filter = ExchangeFilter;
    dialog.cancelError = true;
    dialog.flags = AskBeforeOverwriting;
    // A pattern for a name opens the dialog in the folder with no file chosen.
    const std::string noName = runtime::textOfPath(dialogFolder()) + "/*.EXP";
    switch (purpose) {
    case FilePurpose::ExportFile:
        dialog.kind = platform::FileDialog::Kind::Save;
        dialog.fileName = noName;
        dialog.filterIndex = 1;
        dialog.defaultExt = "EXP";
        dialog.title = "Quillbook : Export Ascii File As...";
        break;
    case FilePurpose::PreviewProgram:
        dialog.fileName = runtime::textOfPath(services().windowsFolder() / "NOTEPAD.EXE");
        dialog.filterIndex = 2;
        dialog.defaultExt = "EXE";
        dialog.title = "Quillbook : Preview with Program...";
        break;
    case FilePurpose::ImportFile:
        dialog.fileName = noName;
        dialog.filterIndex = 1;
        dialog.defaultExt = "EXP";
        dialog.title = "Quillbook : Import Ascii File...";
        break;
    }
    return services().fileDialog(dialog);
}

} // namespace mainwindow
