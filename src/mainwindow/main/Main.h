#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/Book.h"
#include "core/CodeKind.h"
#include "core/TransactionRecord.h"
#include "datafile/DataFileWindow.h"
#include "documents/DocumentJobs.h"
#include "documents/InvTemplate.h"
#include "mainwindow/dialogs/About.h"
#include "mainwindow/dialogs/BookViewHost.h"
#include "mainwindow/dialogs/Calendar.h"
#include "mainwindow/codes/CodeWindowHost.h"
#include "mainwindow/dialogs/CompanyHost.h"
#include "mainwindow/dialogs/Filter.h"
#include "mainwindow/dialogs/FilterHost.h"
#include "mainwindow/dialogs/ImpExpForm.h"
#include "mainwindow/dialogs/Import.h"
#include "mainwindow/codes/MaintainCodes.h"
#include "mainwindow/dialogs/NewCompany.h"
#include "mainwindow/dialogs/Reconform.h"
#include "mainwindow/dialogs/STOForm.h"
#include "mainwindow/dialogs/SplitsHost.h"
#include "mainwindow/dialogs/Start.h"
#include "mainwindow/dialogs/StartHost.h"
#include "mainwindow/dialogs/TextExchangeHost.h"
#include "platform/ControlArray.h"
#include "platform/Controls.h"
#include "reports/Finaccs.h"
#include "reports/ReportDesk.h"
#include "reports/ReportForm.h"

namespace mainwindow {

// The file menu's operations, as FileOp numbers them.
enum FileOperation : int { SaveAsOp = 1, OpenOp = 2, ImportOp = 3, ArchiveOp = 4, MergeOp = 5, RestoreOp = 6, BackupOp = 9 };

// The window placement the settings file keeps, applied by the first resize after start-up.
struct WindowPlacement {
    int WindowState = 0;
    int Top = 0;
    int Width = 0;
    int Left = 0;
    int Height = 0;
};

inline constexpr int GridColumnCount = 14;
inline constexpr const char* SettingsFileName = "QBMAIN.INI";

// The main window of the main program: the transaction grid over the query index with its scroll
// bar, sort and named-filter choices, the edit box of one transaction, the menus, the file
// operations and the settings file. It owns the company book and shows it, so it is the book's
// window for the core and data-file operations and the reports' host; it owns the filter dialog.
class Main : public platform::Form,
             public datafile::DataFileWindow,
             public reports::ReportHost,
             public TextExchangeHost,
             public CodeWindowHost,
             public BookViewHost,
             public FilterHost,
             public CompanyHost,
             public StartHost,
             public SplitsHost {
public:
    // `workingFolder` holds the settings file and the reports' hand-over file.
    Main(platform::Services& services, std::filesystem::path workingFolder);
    ~Main() override;

    core::Book book;
    reports::ReportDesk reportDesk;

    // ---- delimited text export and import ----
    ImpExpForm impExpForm{book, *this};
    // Sets the exchange window up for `mode` and shows it modally; it is loaded afresh each time.
    void ShowImpExpForm(const std::string& mode);
    void ShowImportedTransactions() override;
    // ---- the code window and the date picker: one each for the whole run ----
    Calendar calendar{book, *this};
    MaintainCodes maintainCodes{book, *this, calendar};
    // The code menu's items and the buttons beside the code combos open the code window on a page.
    void BankItem_Click();
    void VatItem_Click();
    void CustItem_Click();
    void CatItem_Click();
    void CmdBankAcc_Click();
    void CmdVATCode_Click();
    void CmdCustCode_Click();
    void CmdAnalCode_Click();
    // Lets the user add a code that `combo`, the combo just left, did not know: the code window
    // opens on the kind's page with the typed text as the code (upper-cased, also in `typed`) or,
    // when longer than a code, as the name; the code last used there then goes into `combo`.
    void AddCodeFromMainWindow(core::CodeKind kind, std::string& typed, platform::ComboBox& combo);
    // ---- the company: new company, its details and the start-up wizard ----
    NewCompany newCompany{book, calendar, *this};
    Start smartStart{book, *this};
    // File > New: offers to save a changed book, then creates a company, which gets a file at once.
    void NewCoItem_Click();
    // Edit > Company Details.
    void CoEditItem_Click();
    // ---- CodeWindowHost ----
    bool AutoSave() const override { return book.AutoSave; }
    reports::ReportDesk& Reports() override { return reportDesk; }
    // ---- the dialogs' hosts: what the filter, company, start-up and splits windows reach ----
    double GridMouseLeft() const override;
    double GridTop() const override;
    void ShowNewQueryIndex() override;
    void setMainFilterText(const std::string& name) override;
    void FillMainFilterCombo() override;
    void ShowCompanyCaption() override;
    core::FilterForm& FilterDialog() override;
    bool OpenDataFile() override;
    void CreateCompany() override;
    void EditVatCodes() override;
    void EditBankAccounts() override;
    std::string EntryAmount() const override;
    std::string EntryAmountCaption() const override;
    std::string EntryReference() const override;
    void setEntryAmount(const std::string& amount) override;
    void setEntryVatAmount(const std::string& amount) override;
    void setEntrySplitCount(int count) override;
    void setEntryVatCode(const std::string& code) override;

    // ---- splits, standing orders and reconciliation ----
    STOForm stoForm{book, reportDesk, *this};
    Reconform reconform{book, calendar, reportDesk, *this};
    // Opens the splits of the transaction in the edit box, and stores it when they changed.
    void ItemSplits_Click();
    // Closes the edit box and shows the standing orders; the grid then shows what was applied.
    void STOItem_Click();
    // Shows the reconciliation window; the edit box then shows the stored mark of its transaction.
    void RepReconItem_Click();

    // ---- the report chooser: made on first use with its date picker ----
    reports::ReportForm& ReportChooser();

    // ---- the template designer: the Templates menu and the mail-merge letter's button ----
    documents::InvTemplate templateDesigner{reportDesk};

    // ---- Coinjar import, archive and restore ----
    Import importForm{book, LblFileOp, ImportFilePath, ArchiveFilePath, calendar,
                      [this] { ShowArchiveChanges(); }};
    // Shows the file dialog of the import (3), archive (4) or restore (6) and runs the operation;
    // true only for a completed restore (the import window reports its own outcome).
    bool RunFileOperation(int op);
    bool RestoreFromArchive(const std::filesystem::path& path);
    // The grid, its scroll bar and totals after transactions came or went.
    void ShowArchiveChanges() override;

    // ---- menus ----
    platform::Menu FileMenu{*this, "FileMenu"};
    platform::Menu NewCoItem{FileMenu, "NewCoItem"};
    platform::Menu LoadItem{FileMenu, "LoadItem"};
    platform::Menu SaveItem{FileMenu, "SaveItem"};
    platform::Menu SaveAsItem{FileMenu, "SaveAsItem"};
    platform::Menu FileSeparator1{FileMenu, "FileSeparator1"};
    platform::Menu ImportItem{FileMenu, "ImportItem"};
    platform::Menu ExportAsciiMenu{FileMenu, "ExportAsciiMenu"};
    platform::Menu ItemAsciiTranExport{ExportAsciiMenu, "ItemAsciiTranExport"};
    platform::Menu ItemAsciiCustExp{ExportAsciiMenu, "ItemAsciiCustExp"};
    platform::Menu ItemExportCats{ExportAsciiMenu, "ItemExportCats"};
    platform::Menu ImportAsciiMenu{FileMenu, "ImportAsciiMenu"};
    platform::Menu ItemImportTrans{ImportAsciiMenu, "ItemImportTrans"};
    platform::Menu ItemImportCusts{ImportAsciiMenu, "ItemImportCusts"};
    platform::Menu ItemImportAnals{ImportAsciiMenu, "ItemImportAnals"};
    platform::Menu MergeItem{FileMenu, "MergeItem"};
    platform::Menu ArchiveItem{FileMenu, "ArchiveItem"};
    platform::Menu RestoreItem{FileMenu, "RestoreItem"};
    platform::Menu ItemBackupFile{FileMenu, "ItemBackupFile"};
    platform::Menu FileSeparator2{FileMenu, "FileSeparator2"};
    platform::Menu ExitItem{FileMenu, "ExitItem"};

    platform::Menu EditMenu{*this, "EditMenu"};
    platform::Menu CoEditItem{EditMenu, "CoEditItem"};
    platform::Menu EditInvNum{EditMenu, "EditInvNum"};
    platform::Menu CapitalMenu{EditMenu, "CapitalMenu"};
    platform::Menu ItemAssets{CapitalMenu, "ItemAssets"};
    platform::Menu ItemLiabilities{CapitalMenu, "ItemLiabilities"};
    platform::Menu ItemMaintStock{CapitalMenu, "ItemMaintStock"};

    platform::Menu TransMenu{*this, "TransMenu"};
    platform::Menu PayItem{TransMenu, "PayItem"};
    platform::Menu RcpItem{TransMenu, "RcpItem"};
    platform::Menu XfrItem{TransMenu, "XfrItem"};
    platform::Menu InvItem{TransMenu, "InvItem"};
    platform::Menu BillItem{TransMenu, "BillItem"};
    platform::Menu TransSeparator1{TransMenu, "TransSeparator1"};
    platform::Menu TranItem{TransMenu, "TranItem"};
    platform::Menu ItemSplits{TransMenu, "ItemSplits"};
    platform::Menu ItemEEC{TransMenu, "ItemEEC"};
    platform::Menu ItemConvertTType{TransMenu, "ItemConvertTType"};
    platform::Menu ItemCopyTran{TransMenu, "ItemCopyTran"};
    platform::Menu ItemPasteTran{TransMenu, "ItemPasteTran"};
    platform::Menu TransSeparator2{TransMenu, "TransSeparator2"};
    platform::Menu AddSTOItem{TransMenu, "AddSTOItem"};
    platform::Menu STOItem{TransMenu, "STOItem"};

    platform::Menu CodesMenu{*this, "CodesMenu"};
    platform::Menu BankItem{CodesMenu, "BankItem"};
    platform::Menu VatItem{CodesMenu, "VatItem"};
    platform::Menu CustItem{CodesMenu, "CustItem"};
    platform::Menu CatItem{CodesMenu, "CatItem"};

    platform::Menu SortMenu{*this, "SortMenu"};
    platform::Menu ByDateItem{SortMenu, "ByDateItem"};
    platform::Menu ByRefItem{SortMenu, "ByRefItem"};

    platform::Menu FilterMenu{*this, "FilterMenu"};
    platform::Menu FiltAllItem{FilterMenu, "FiltAllItem"};
    platform::Menu FilterSeparator1{FilterMenu, "FilterSeparator1"};
    platform::Menu FiltDateItem{FilterMenu, "FiltDateItem"};
    platform::Menu FiltRefNumItem{FilterMenu, "FiltRefNumItem"};
    platform::Menu FiltTypeItem{FilterMenu, "FiltTypeItem"};
    platform::Menu FiltVATItem{FilterMenu, "FiltVATItem"};
    platform::Menu FiltCommentItem{FilterMenu, "FiltCommentItem"};
    platform::Menu FiltAmountItem{FilterMenu, "FiltAmountItem"};
    platform::Menu FiltReconItem{FilterMenu, "FiltReconItem"};
    platform::Menu FiltBankItem{FilterMenu, "FiltBankItem"};
    platform::Menu FiltCustItem{FilterMenu, "FiltCustItem"};
    platform::Menu FiltAnalItem{FilterMenu, "FiltAnalItem"};
    platform::Menu FilterSeparator2{FilterMenu, "FilterSeparator2"};
    platform::Menu FiltExplainItem{FilterMenu, "FiltExplainItem"};

    platform::Menu ReportMenu{*this, "ReportMenu"};
    platform::Menu RepVATItem{ReportMenu, "RepVATItem"};
    platform::Menu RepBankItem{ReportMenu, "RepBankItem"};
    platform::Menu RepDebtorsItem{ReportMenu, "RepDebtorsItem"};
    platform::Menu RepCreditorsItem{ReportMenu, "RepCreditorsItem"};
    platform::Menu RepProfLossItem{ReportMenu, "RepProfLossItem"};
    platform::Menu RepAnalItem{ReportMenu, "RepAnalItem"};
    platform::Menu ItemRepCustState{ReportMenu, "ItemRepCustState"};
    platform::Menu ItemRepEECSales{ReportMenu, "ItemRepEECSales"};
    platform::Menu ItemEECPurchase{ReportMenu, "ItemEECPurchase"};
    platform::Menu ItemMailMerge{ReportMenu, "ItemMailMerge"};
    platform::Menu ReportSeparator1{ReportMenu, "ReportSeparator1"};
    platform::Menu FiltCurrentRepItem{ReportMenu, "FiltCurrentRepItem"};
    platform::Menu itemHollis{ReportMenu, "itemHollis"};
    platform::Menu ItemRepSysAudit{ReportMenu, "ItemRepSysAudit"};
    platform::Menu ItemFinaccs{ReportMenu, "ItemFinaccs"};
    platform::Menu RepReconItem{ReportMenu, "RepReconItem"};
    platform::Menu ReportSeparator2{ReportMenu, "ReportSeparator2"};
    platform::Menu FontItem{ReportMenu, "FontItem"};

    platform::Menu InvoiceMenu{*this, "InvoiceMenu"};
    platform::Menu RepInvItem{InvoiceMenu, "RepInvItem"};
    platform::Menu ItemPrevMultiInv{InvoiceMenu, "ItemPrevMultiInv"};
    platform::Menu ItemInvQuickPrint{InvoiceMenu, "ItemInvQuickPrint"};
    platform::Menu ItemQuickSimpleInv{ItemInvQuickPrint, "ItemQuickSimpleInv"};
    platform::Menu ItemQuickMultiInv{ItemInvQuickPrint, "ItemQuickMultiInv"};
    platform::Menu ItemRemittance{InvoiceMenu, "ItemRemittance"};
    platform::Menu itemRemPreview{ItemRemittance, "itemRemPreview"};
    platform::Menu ItemQuickRemit{ItemRemittance, "ItemQuickRemit"};
    platform::Menu ItemBatchMenu{InvoiceMenu, "ItemBatchMenu"};
    platform::Menu ItemBatchSimple{ItemBatchMenu, "ItemBatchSimple"};
    platform::Menu ItemBatchMulti{ItemBatchMenu, "ItemBatchMulti"};
    platform::Menu ItemBatchAutoselect{ItemBatchMenu, "ItemBatchAutoselect"};

    platform::Menu TemplateMenu{*this, "TemplateMenu"};
    platform::Menu ItemSimpleInvoice{TemplateMenu, "ItemSimpleInvoice"};
    platform::Menu ItemMultiInvoice{TemplateMenu, "ItemMultiInvoice"};
    platform::Menu ItemRemittanceTemp{TemplateMenu, "ItemRemittanceTemp"};
    platform::Menu ItemMailTemp{TemplateMenu, "ItemMailTemp"};

    platform::Menu OptionsMenu{*this, "OptionsMenu"};
    platform::Menu OptionShowTipsItem{OptionsMenu, "OptionShowTipsItem"};
    platform::Menu OptionAutoSave{OptionsMenu, "OptionAutoSave"};
    platform::Menu OptionGridItem{OptionsMenu, "OptionGridItem"};
    platform::Menu OptionPackItem{OptionsMenu, "OptionPackItem"};
    platform::Menu IntegrityItem{OptionsMenu, "IntegrityItem"};
    platform::Menu ItemCalc{OptionsMenu, "ItemCalc"};
    platform::Menu OptionsSeparator{OptionsMenu, "OptionsSeparator"};
    platform::Menu NotepadItem{OptionsMenu, "NotepadItem"};
    platform::Menu WriteItem{OptionsMenu, "WriteItem"};
    platform::Menu DatapeekItem{OptionsMenu, "DatapeekItem"};

    platform::Menu HelpMenu{*this, "HelpMenu"};
    platform::Menu HelpContentItem{HelpMenu, "HelpContentItem"};
    platform::Menu ItemHelpSearch{HelpMenu, "ItemHelpSearch"};
    platform::Menu HelpOnHelpItem{HelpMenu, "HelpOnHelpItem"};
    platform::Menu AboutItem{HelpMenu, "AboutItem"};

    // ---- new-transaction buttons and the named-filter combo, left of the edit box ----
    platform::CommandButton CmdNewPay{*this, "CmdNewPay"};
    platform::CommandButton CmdNewRcp{*this, "CmdNewRcp"};
    platform::CommandButton CmdXfr{*this, "CmdXfr"};
    platform::CommandButton CmdNewInv{*this, "CmdNewInv"};
    platform::CommandButton CmdNewBill{*this, "CmdNewBill"};
    platform::ComboBox ComboMainFilters{*this, "ComboMainFilters"};

    // ---- the edit box ----
    platform::Frame FrameEditBox{*this, "FrameEditBox"};
    platform::ControlArray<platform::Label> EditLabel{FrameEditBox, "EditLabel", 0, 7};
    platform::ControlArray<platform::Label> ToLabel{FrameEditBox, "ToLabel", {7}};
    platform::ComboBox ComboBank{FrameEditBox, "ComboBank"};
    platform::CommandButton CmdBankAcc{FrameEditBox, "CmdBankAcc"};
    platform::ComboBox ComboToBank{FrameEditBox, "ComboToBank"};
    platform::TextBox TextRef{FrameEditBox, "TextRef"};
    platform::ComboBox ComboType{FrameEditBox, "ComboType"};
    platform::TextBox TextDate{FrameEditBox, "TextDate"};
    platform::ComboBox ComboVAT{FrameEditBox, "ComboVAT"};
    platform::CommandButton CmdVATCode{FrameEditBox, "CmdVATCode"};
    platform::ComboBox ComboAnal{FrameEditBox, "ComboAnal"};
    platform::CommandButton CmdAnalCode{FrameEditBox, "CmdAnalCode"};
    platform::TextBox TextComment{FrameEditBox, "TextComment"};
    platform::TextBox TextAmount{FrameEditBox, "TextAmount"};
    platform::ComboBox ComboCustomer{FrameEditBox, "ComboCustomer"};
    platform::CommandButton CmdCustCode{FrameEditBox, "CmdCustCode"};
    platform::CheckBox CheckReconciled{FrameEditBox, "CheckReconciled"};
    platform::CheckBox CheckPaid{FrameEditBox, "CheckPaid"};
    platform::CheckBox CheckDeleted{FrameEditBox, "CheckDeleted"};
    platform::TextBox TextTranNum{FrameEditBox, "TextTranNum"};
    platform::TextBox TxtVATAmount{FrameEditBox, "TxtVATAmount"};
    platform::TextBox TxtNumSplits{FrameEditBox, "TxtNumSplits"};
    platform::CommandButton CmdGenPay{FrameEditBox, "CmdGenPay"};
    platform::CommandButton CmdDelete{FrameEditBox, "CmdDelete"};
    platform::CommandButton CmdChange{FrameEditBox, "CmdChange"};

    // ---- the grid, its scroll bar and the row below ----
    platform::Grid QRYGrid{*this, "QRYGrid"};
    platform::ScrollBar QRYScroll{*this, "QRYScroll"};
    platform::CommandButton CmdPrint{*this, "CmdPrint"};
    platform::Label LblMinusSign{*this, "LblMinusSign"};
    platform::Label LblPayTotal{*this, "LblPayTotal"};
    platform::Label LblPlusSign{*this, "LblPlusSign"};
    platform::Label LblRcpTotal{*this, "LblRcpTotal"};
    platform::CommandButton CmdExit{*this, "CmdExit"};
    // The current file operation as text (" 3"), which the import window reads.
    platform::Label LblFileOp{*this, "LblFileOp"};

    // ---- the grid and its paging ----
    void SetQueryGridCaptions();
    void SetQueryGridColumnWidths();
    int RowsThatFitInGrid() const;
    // Columns 1 to 13 of a record's grid row, TAB-separated.
    static std::string FormatQueryGridRow(std::string_view record);
    void FillQueryGridRow(int row, std::string_view record);
    void ClearQueryGridRow(int row);
    void SetQueryGridSelection(int row);
    bool IsSelectionOnPage() const;
    int RedrawQueryGrid(int place);
    int RefreshQueryGrid(int place) override;
    void SyncQueryScrollBar(int place) override;
    int RowsFromTop() const;
    int SelectedRecordNumber() const;
    void LoadSelectedRecord();
    void EnableRecordCommands();

    // ---- the edit box ----
    void ShowEditFrame(long colour);
    void ApplyTypeToEditBox(const std::string& type);
    void LoadTransactionIntoEditBox(const core::TransactionFields& fields);

    // ---- entry: preparing, reading and checking the edit box; the transaction commands ----
    void PrepareEditBoxForType(const std::string& type);
    // Mode 5 sets the edit box to a new transaction's defaults; the code window resets its own pages.
    void ResetEntryFields(int mode);
    void ShowLastUsedCodes();
    // A copied transaction's content, for pasting: the box keeps its number, type and EEC state.
    void ShowTransactionInEditBox(const core::TransactionFields& fields);
    // Reads the box into `fields`, which must be fresh: the flags are only ever set here.
    void EditBoxToRecord(core::TransactionFields& fields);
    // The amount box as Update stores it: a net amount ("100N") grossed up at the rate of the box's
    // VAT code, written "0.00"; any other text as it stands. Documents printed before Update show it.
    std::string GrossAmountText() const;
    // Checks the box's transaction before it is stored: the first failure is reported, its box gets
    // the focus and the answer is false. Normalises the codes in `fields` and settles the split code.
    bool ValidateTransaction(core::TransactionFields& fields);
    // What the Copy command kept for Paste: the transaction and its splits.
    core::TransactionFields CopiedTransaction;
    std::string CopiedSplitTail;

    // ---- the file menu ----
    // Shows the file dialog set up for `op`; a cancel raises error 32755.
    std::string PrepareFileDialog(int op);
    bool FileOp(int op);
    bool ConfirmSaveBeforeLoad();

    // ---- the settings file ----
    void ReadSettingsFile();
    void WriteSettingsFile();

    // ---- window state ----
    int PageSize = 10;
    int TopPosition = 1;
    int PreviousTopPosition = 1;
    int SelectedMark = 0;
    double GridRowHeight = 0;
    std::array<long, GridColumnCount + 1> GridColumnWidths{};
    bool GridEnterPressed = false;
    double GridMouseX = 0;
    WindowPlacement Placement;
    bool PlacementPending = false;
    // The path each file operation's dialog opens on (Save As and Open keep theirs in the book).
    std::filesystem::path ImportFilePath;
    std::filesystem::path ArchiveFilePath;
    std::filesystem::path MergeFilePath;
    std::filesystem::path RestoreFilePath;
    std::filesystem::path BackupFilePath;

    const std::filesystem::path& workingFolder() const override { return workingFolder_; }

    // ---- core::BookWindow ----
    core::QueryOrder SortOrder() const override;
    void setSortOrder(core::QueryOrder order) override;
    void ClearEntryFields(int mode) override;
    void UpdateMenuState() override;
    void TickFilterMenu(const core::FilterMenuTicks& ticks) override;
    void ShowTotalsLabels(bool showPayments, bool showReceipts) override;
    void ClearFilterCodeLists() override;
    void RefreshQueryGrid() override;
    void SyncQueryScrollBar() override;
    void SaveTheFile() override;
    core::EditBoxTexts EntryTexts() const override;

    // ---- datafile::DataFileWindow ----
    void setSaveItemEnabled(bool enabled) override;
    void setCaption(const std::string& caption) override;
    int QueryScrollMax() const override;
    int QueryScrollValue() const override;
    void setQueryScroll(int max, int value) override;
    void ResetGridRow() override;
    void ShowLoadedBook() override;

    // ---- reports::ReportHost ----
    reports::ReportOutput ChosenOutput() const override;
    bool UseWordPad() const override { return useWordPad_; }
    std::string WordPadPath() const override { return wordPadPath_; }
    bool PayTotalVisible() const override { return LblPayTotal.Visible(); }
    std::string PayTotalCaption() const override { return LblPayTotal.Caption(); }
    bool RcpTotalVisible() const override { return LblRcpTotal.Visible(); }
    std::string RcpTotalCaption() const override { return LblRcpTotal.Caption(); }
    std::string MainFilterText() const override { return ComboMainFilters.Text(); }

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;

private:
    // Design: captions, geometry and wiring, one part of the window each.
    void designMenus();
    void designMenuHandlers();
    void designEditBox();
    void designGrid();
    void designButtons();
    void wireTextExchange();
    void wireCodes();
    void wireCompany();
    void wireTemplates();
    // Documents: previews, quick prints and batch runs of invoices and remittance advices.
    void wireDocuments();
    // Prints the edit box's transaction through stored template `templateNumber` as job `tag`.
    void PrintEditBoxDocument(const std::string& titlePrefix, const char* tag, int templateNumber);
    documents::BatchInvoiceRun batchInvoices_;
    void wireReports();
    void wireSplits();
    void TakeStoredReconciledMark();
    // The balance reports: their menu items and the writers the chooser starts (MainBalanceReports.cpp).
    void wireBalanceReports();
    void addBalanceReportWriters(reports::ReportWriters& writers);
    void wireArchive();
    // Merging another company file into the open book.
    void wireMerge();
    void MergeItem_Click();
    // The merge dialog opens on the last file merged, else in the data file's folder, else in
    // the working folder.
    std::string MergeDialogStart() const;

    void LayOutWindow();
    void ResetReportDefaults();
    // Gives the focus to a control that can take it now; the layout runs also while the window is hidden.
    void focusIfShown(platform::Control& control);
    void ShowTotals();
    // The totals read "- payments + receipts" from the sign's place: each figure's label as wide as
    // the figure needs and each sign after the label before it, so that no sign covers a figure.
    void LayOutTotals();

    // Entry: the edit box's field events and the transaction commands.
    void wireEntry();
    void ShowRecordInEditBox(const core::TransactionFields& fields);
    // Stores the box as CmdChange does; true when the transaction (or both halves of a transfer) was stored.
    bool StoreEditBox();
    // Each answers the stored transaction's place in the QueryIndex (0 when the filter leaves it
    // out), or nothing when it was not stored.
    std::optional<int> StoreTransfer(core::TransactionFields& fields);
    std::optional<int> StoreNewTransaction(core::TransactionFields& fields);
    int QueryPositionOf(int recordNumber) const;
    void BringGridTo(int position);
    void SaveIfAutoSave();
    // Whether Enter in this field of the edit box stores the transaction (the memo makes a new line).
    bool EnterStoresFrom(const platform::Control* control) const;
    void TextDate_LostFocus();
    void TextAmount_LostFocus();
    void CmdChange_Click();
    void CmdDelete_Click();
    void CmdGenPay_Click();
    void ItemConvertTType_Click();
    void ItemEEC_Click();
    void ItemCopyTran_Click();
    void ItemPasteTran_Click();
    void EditInvNum_Click();
    void AddSTOItem_Click();

    // Handlers.
    void CmdExit_Click();
    void ExitItem_Click();
    void LoadItem_Click();
    void SaveItem_Click();
    void SaveAsItem_Click();
    void ItemBackupFile_Click();
    void ItemAssets_Click();
    void OptionAutoSave_Click();
    void NotepadItem_Click();
    void WriteItem_Click();
    void DatapeekItem_Click();
    void ChooseOutput(platform::Menu& item);
    void ReportMissingOutput(platform::Menu& item, const std::string& message);
    void ByDateItem_Click();
    void ByRefItem_Click();
    void ChooseSortOrder(platform::Menu& chosen, platform::Menu& other, core::IndexKind kind);
    void ComboMainFilters_Click();
    void FiltCurrentRepItem_Click();
    void TranItem_Click();
    void QRYScroll_Change();
    void QRYScroll_Scroll();
    void QRYScroll_GotFocus();
    void QRYScroll_KeyDown(int keyCode);
    void QRYGrid_Click();
    void QRYGrid_DblClick();
    void QRYGrid_MouseDown(double x);
    void QRYGrid_KeyDown(int keyCode, int shift);
    void QRYGrid_KeyUp(int keyCode, int shift);
    void HeaderDoubleClicked();

    // ---- the filter dialog and menu, the book's health, options, help and the report menus ----
public:
    Filter filter{book, calendar, *this};
    About about{services()};
    void FiltExplainItem_Click();
    void IntegrityItem_Click();
    void OptionPackItem_Click();
    void OptionGridItem_Click();
    void ItemCalc_Click();
    void HelpContentItem_Click();
    void ItemHelpSearch_Click();
    void HelpOnHelpItem_Click();
    void AboutItem_Click();
    void itemHollis_Click();
    void ItemLiabilities_Click();
    void ItemMaintStock_Click();

private:
    void wireFilterMenu();
    void wireBookHealth();
    void wireOptionsAndHelp();
    void wireReportMenus();

    std::filesystem::path workingFolder_;
    bool useWordPad_ = false;
    std::string wordPadPath_;
    std::unique_ptr<reports::ReportForm> reportForm_;

    // ---- the VAT report, the system audit and the final accounts ----
    void wireAccounts();
    void ItemFinaccs_Click();
    std::unique_ptr<reports::Finaccs> finaccs_;
};

} // namespace mainwindow
