#include "mainwindow/main/Main.h"

#include "reports/CurrentListPrint.h"
#include "reports/FontForm.h"

namespace mainwindow {

namespace {

constexpr double RowPitch = 300;
constexpr double FieldHeight = 285;
// Where the fields of the edit box begin, right of their captions.
constexpr double FieldLeft = 960;

double rowTop(int row)
{
    return 90 + RowPitch * (row - 1);
}

} // namespace

Main::Main(platform::Services& services, std::filesystem::path workingFolder)
    : Form(services, "Main"), book(services), reportDesk(book, *this, workingFolder),
      workingFolder_(std::move(workingFolder))
{
    book.ledger.AttachWindow(*this);
    Form::setCaption(core::ProductTitle);
    Move(0, 0, 11520, 8280);
    designMenus();
    designMenuHandlers();
    wireTextExchange();
    wireDocuments();
    wireReports();
    wireSplits();
    wireBalanceReports();
    wireAccounts();
    wireArchive();
    wireMerge();
    designButtons();
    designEditBox();
    designGrid();
    wireFilterMenu();
    wireBookHealth();
    wireOptionsAndHelp();
    wireReportMenus();
    wireEntry();
    wireCodes();
    wireCompany();
    wireTemplates();
    endDesign();
}

Main::~Main()
{
    book.ledger.DetachWindow();
}

void Main::designMenus()
{
    FileMenu.setCaption("&File");
    NewCoItem.setCaption("&New...");
    LoadItem.setCaption("&Open...");
    SaveItem.setCaption("&Save");
    SaveItem.setEnabled(false);
    SaveAsItem.setCaption("Save &As...");
    FileSeparator1.setCaption("-");
    ImportItem.setCaption("&Import CJ File...");
    ExportAsciiMenu.setCaption("&Export to ASCII File");
    ItemAsciiTranExport.setCaption("&Transactions...");
    ItemAsciiCustExp.setCaption("&Customers...");
    ItemExportCats.setCaption("C&ategories...");
    ImportAsciiMenu.setCaption("Im&port from ASCII File");
    ItemImportTrans.setCaption("&Transactions...");
    ItemImportCusts.setCaption("&Customers...");
    ItemImportAnals.setCaption("C&ategories...");
    MergeItem.setCaption("&Merge...");
    ArchiveItem.setCaption("Arc&hive...");
    RestoreItem.setCaption("&Restore...");
    ItemBackupFile.setCaption("&Backup...");
    FileSeparator2.setCaption("-");
    ExitItem.setCaption("E&xit");

    EditMenu.setCaption("&Edit");
    CoEditItem.setCaption("C&ompany Details...");
    EditInvNum.setCaption("Next &Invoice Number...");
    CapitalMenu.setCaption("Capita&l Items");
    ItemAssets.setCaption("&Assets...");
    ItemLiabilities.setCaption("&Liabilities...");
    ItemMaintStock.setCaption("Maintain &Stock Items...");

    TransMenu.setCaption("Tr&ansactions");
    PayItem.setCaption("New &Payment");
    RcpItem.setCaption("New &Receipt");
    XfrItem.setCaption("New &Transfer");
    InvItem.setCaption("New &Invoice");
    BillItem.setCaption("New &Bill");
    TransSeparator1.setCaption("-");
    TranItem.setCaption("&Edit Selected Transaction");
    ItemSplits.setCaption("&Splits...");
    ItemEEC.setCaption("Give Transaction EEC Stat&us");
    ItemConvertTType.setCaption("Con&vert Type");
    ItemCopyTran.setCaption("&Copy Transaction");
    ItemPasteTran.setCaption("P&aste Transaction");
    TransSeparator2.setCaption("-");
    AddSTOItem.setCaption("A&dd as Standing Order");
    STOItem.setCaption("Standing &Orders...");

    CodesMenu.setCaption("&Codes");
    BankItem.setCaption("&Bank Accounts...");
    VatItem.setCaption("&VAT Codes...");
    CustItem.setCaption("&Customers...");
    CatItem.setCaption("C&ategories...");

    SortMenu.setCaption("&Sort");
    ByDateItem.setCaption("By &Date");
    ByDateItem.setChecked(true);
    ByRefItem.setCaption("By &Reference");

    FilterMenu.setCaption("Fi&lter");
    FiltAllItem.setCaption("By A&ll Criteria...");
    FilterSeparator1.setCaption("-");
    FiltDateItem.setCaption("By &Date...");
    FiltRefNumItem.setCaption("By &Reference...");
    FiltTypeItem.setCaption("By &Transaction Type...");
    FiltVATItem.setCaption("By &VAT Code...");
    FiltCommentItem.setCaption("By Mem&o...");
    FiltAmountItem.setCaption("By A&mount...");
    FiltReconItem.setCaption("By R&econciliation Y/N...");
    FiltBankItem.setCaption("By &Bank Account...");
    FiltCustItem.setCaption("By &Customer Code...");
    FiltAnalItem.setCaption("By C&ategory...");
    FilterSeparator2.setCaption("-");
    FiltExplainItem.setCaption("E&xplain Filter");

    ReportMenu.setCaption("&Reports");
    RepVATItem.setCaption("&VAT...");
    RepBankItem.setCaption("&Bank...");
    RepDebtorsItem.setCaption("Aged &Debtors...");
    RepCreditorsItem.setCaption("Aged C&reditors...");
    RepProfLossItem.setCaption("&Income && Expenditure...");
    RepAnalItem.setCaption("C&ategory Analysis...");
    ItemRepCustState.setCaption("C&ustomer Statement...");
    ItemRepEECSales.setCaption("EEC &Sales...");
    ItemEECPurchase.setCaption("EEC Ac&quisitions...");
    ItemMailMerge.setCaption("&Mail Merge...");
    ReportSeparator1.setCaption("-");
    FiltCurrentRepItem.setCaption("Current Filtered &List");
    itemHollis.setCaption("Current List &Net of VAT");
    ItemRepSysAudit.setCaption("Sys&tem Audit");
    ItemFinaccs.setCaption("Final A&ccounts...");
    RepReconItem.setCaption("Rec&oncile...");
    ReportSeparator2.setCaption("-");
    FontItem.setCaption("&Fonts...");

    InvoiceMenu.setCaption("In&voices");
    RepInvItem.setCaption("&Preview Invoice");
    ItemPrevMultiInv.setCaption("Preview &MultiLine Invoice");
    ItemInvQuickPrint.setCaption("Print &Invoice");
    ItemQuickSimpleInv.setCaption("&Simple Invoice");
    ItemQuickMultiInv.setCaption("&MultiLine Invoice");
    ItemRemittance.setCaption("&Remittance Advice");
    itemRemPreview.setCaption("&Preview");
    ItemQuickRemit.setCaption("P&rint");
    ItemBatchMenu.setCaption("&Batch Print");
    ItemBatchSimple.setCaption("&Simple Invoices");
    ItemBatchMulti.setCaption("&MultiLine Invoices");
    ItemBatchAutoselect.setCaption("&Auto Select");

    TemplateMenu.setCaption("Te&mplates");
    ItemSimpleInvoice.setCaption("&Simple Invoice...");
    ItemMultiInvoice.setCaption("&MultiLine Invoice...");
    ItemRemittanceTemp.setCaption("&Remittance Advice...");
    ItemMailTemp.setCaption("Mail Mer&ge Letter...");

    OptionsMenu.setCaption("&Options");
    OptionShowTipsItem.setCaption("Show Tips");
    OptionShowTipsItem.setChecked(true);
    OptionShowTipsItem.setEnabled(false);
    OptionAutoSave.setCaption("&Auto Save");
    OptionGridItem.setCaption("&Default Grid Settings");
    OptionPackItem.setCaption("&Pack Database");
    IntegrityItem.setCaption("&System Statistics");
    ItemCalc.setCaption("Ca&lculator...");
    OptionsSeparator.setCaption("-");
    NotepadItem.setCaption("Use &NotePad as Report Editor");
    WriteItem.setCaption("Use &Write as Report Editor");
    DatapeekItem.setCaption("Use &QB Viewer as Report Editor");
    DatapeekItem.setChecked(true);

    HelpMenu.setCaption("&Help");
    HelpContentItem.setCaption("&Contents...");
    ItemHelpSearch.setCaption("&Search...");
    HelpOnHelpItem.setCaption("Help &On Help...");
    AboutItem.setCaption("&About...");

    // The record commands wait for a transaction in the edit box; the print items for one of their type.
    for (platform::Menu* item : {&TranItem, &ItemSplits, &ItemEEC, &ItemConvertTType, &ItemCopyTran, &ItemPasteTran,
                                 &AddSTOItem, &RepInvItem, &ItemInvQuickPrint, &ItemRemittance})
        item->setEnabled(false);
}

void Main::designMenuHandlers()
{
    LoadItem.Click = [this] { LoadItem_Click(); };
    SaveItem.Click = [this] { SaveItem_Click(); };
    SaveAsItem.Click = [this] { SaveAsItem_Click(); };
    ItemBackupFile.Click = [this] { ItemBackupFile_Click(); };
    ExitItem.Click = [this] { ExitItem_Click(); };
    ItemAssets.Click = [this] { ItemAssets_Click(); };
    TranItem.Click = [this] { TranItem_Click(); };
    ByDateItem.Click = [this] { ByDateItem_Click(); };
    ByRefItem.Click = [this] { ByRefItem_Click(); };
    FiltCurrentRepItem.Click = [this] { FiltCurrentRepItem_Click(); };
    OptionAutoSave.Click = [this] { OptionAutoSave_Click(); };
    NotepadItem.Click = [this] { NotepadItem_Click(); };
    WriteItem.Click = [this] { WriteItem_Click(); };
    DatapeekItem.Click = [this] { DatapeekItem_Click(); };
    FontItem.Click = [this] { reports::ChooseReportFont(reportDesk); };
}

void Main::designButtons()
{
    struct NewButton {
        platform::CommandButton& button;
        const char* caption;
        const char* tip;
    };
    const NewButton buttons[] = {
        {CmdNewPay, "&Payment", "Enter a new payment"},
        {CmdNewRcp, "Rece&ipt", "Enter a new receipt"},
        {CmdXfr, "&Transfer", "Transfer money between bank accounts"},
        {CmdNewInv, "I&nvoice", "Enter a new sales invoice"},
        {CmdNewBill, "&Bill", "Enter a new purchase bill"},
    };
    double top = 60;
    for (const NewButton& b : buttons) {
        b.button.Move(120, top, 1215, FieldHeight + 45);
        b.button.setCaption(b.caption);
        b.button.setToolTipText(b.tip);
        top += 375;
    }
    ComboMainFilters.Move(120, 1950, 1215, FieldHeight);
    ComboMainFilters.setToolTipText("Select from saved filters");
    ComboMainFilters.Click = [this] { ComboMainFilters_Click(); };

    // The window's captions hold no letter of "Print" that is not already another target's key.
    CmdPrint.setCaption("Print");
    CmdPrint.setToolTipText("Print the transactions in the grid");
    CmdPrint.Click = [this] { reports::PrintCurrentFilteredList(reportDesk); };
    CmdExit.setCaption("E&xit");
    CmdExit.Click = [this] { CmdExit_Click(); };
    LblFileOp.setVisible(false);
}

void Main::designEditBox()
{
    FrameEditBox.Move(1440, 0, 8395, 2220);
    FrameEditBox.setEnabled(false);
    FrameEditBox.DblClick = [this] { ItemSplits_Click(); };

    const char* labels[] = {"Customer", "Memo", "Date", "Bank", "Payment", "VAT Code", "Category", "( EEC )"};
    for (platform::Label& label : EditLabel.elements()) {
        label.setCaption(labels[label.Index()]);
        label.setAutoSize(true);
    }
    EditLabel[7].setVisible(false);
    ToLabel[7].setCaption("To");
    ToLabel[7].setAutoSize(true);
    ToLabel[7].setVisible(false);

    ComboBank.setModel(book.codes.ComboBank);
    ComboVAT.setModel(book.codes.ComboVAT);
    ComboCustomer.setModel(book.codes.ComboCustomer);
    ComboAnal.setModel(book.codes.ComboAnal);

    EditLabel[3].Move(120, rowTop(1) + 45);
    ComboBank.Move(FieldLeft, rowTop(1), 3300, FieldHeight);
    ComboBank.setToolTipText("Choose bank account for this transaction");
    ComboToBank.Move(4500, rowTop(1), 2300, FieldHeight);
    ComboToBank.setToolTipText("Choose account to transfer money to");
    ComboToBank.setVisible(false);

    TextRef.Move(FieldLeft, rowTop(2), 855, FieldHeight);
    TextRef.setMaxLength(6);
    TextRef.setToolTipText("Enter your own reference code or accept the default");
    ComboType.Move(FieldLeft + 915, rowTop(2), 855, FieldHeight);
    for (const char* type : {"PAY", "RCP", "XFR", "INV", "BIL"})
        ComboType.AddItem(type);
    TextDate.Move(5600, rowTop(2), 1215, FieldHeight);
    TextDate.setToolTipText("Enter transaction date");
    EditLabel[2].Move(5000, rowTop(2) + 45);

    EditLabel[5].Move(120, rowTop(3) + 45);
    ComboVAT.Move(FieldLeft, rowTop(3), 2500, FieldHeight);
    ComboVAT.setToolTipText("Choose VAT code");
    ComboAnal.Move(3400, rowTop(3), 2500, FieldHeight);
    ComboAnal.setToolTipText("Choose category");
    EditLabel[6].Move(3400, rowTop(2) + 45);

    EditLabel[1].Move(120, rowTop(4) + 45);
    TextComment.Move(FieldLeft, rowTop(4), 3100, RowPitch + FieldHeight);
    TextComment.setMultiLine(true);
    TextComment.setMaxLength(74);
    TextComment.setToolTipText("Enter any additional information for this transaction");
    EditLabel[4].Move(3900, rowTop(4) + 45);
    TextAmount.Move(5600, rowTop(4), 1215, FieldHeight);
    TextAmount.setAlignment(platform::RightJustify);
    TextAmount.setToolTipText("Enter the amount inclusive of VAT");
    EditLabel[0].Move(3900, rowTop(5) + 45);
    ComboCustomer.Move(4600, rowTop(5), 2200, FieldHeight);
    ComboCustomer.setToolTipText("Choose the customer or supplier this relates to");

    CheckReconciled.Move(3900, rowTop(6), 1300, FieldHeight);
    CheckReconciled.setCaption("Reconciled?");
    CheckReconciled.setToolTipText("Reconciled to the account staement if ticked");
    CheckPaid.Move(5500, rowTop(6), 900, FieldHeight);
    CheckPaid.setCaption("Paid?");
    CheckPaid.setToolTipText("Paid if ticked");

    // Carried with the transaction, not edited.
    for (platform::Control* carried :
         std::initializer_list<platform::Control*>{&CheckDeleted, &TextTranNum, &TxtVATAmount, &TxtNumSplits})
        carried->setVisible(false);
    for (platform::CommandButton* code : {&CmdBankAcc, &CmdVATCode, &CmdAnalCode, &CmdCustCode})
        code->setVisible(false);

    CmdChange.Move(7295, rowTop(7), 1000, FieldHeight + 15);
    CmdChange.setCaption("&Update");
    CmdChange.setToolTipText("Update the database with the current entry");
    CmdDelete.Move(6263, rowTop(7), 1000, FieldHeight + 15);
    CmdDelete.setCaption("&Delete");
    CmdDelete.setToolTipText("Delete this transaction");
    CmdGenPay.Move(5263, rowTop(7), 1000, FieldHeight + 15);
    CmdGenPay.setCaption("Pa&y");
    CmdGenPay.setEnabled(false);
}

void Main::designGrid()
{
    QRYGrid.Move(120, 2340, 10680, 4200);
    QRYGrid.setCols(GridColumnCount);
    QRYGrid.setRows(PageSize + 1);
    QRYScroll.Move(10785, 2340, 255, 4200);
    QRYScroll.setMin(1);
    QRYScroll.setMax(1);
    QRYScroll.setValue(1);
    QRYScroll.Change = [this] { QRYScroll_Change(); };
    QRYScroll.Scroll = [this] { QRYScroll_Scroll(); };
    QRYScroll.GotFocus = [this] { QRYScroll_GotFocus(); };
    QRYScroll.KeyDown = [this](int& keyCode, int) { QRYScroll_KeyDown(keyCode); };
    QRYGrid.Click = [this] { QRYGrid_Click(); };
    QRYGrid.DblClick = [this] { QRYGrid_DblClick(); };
    QRYGrid.MouseDown = [this](int, int, double x, double) { QRYGrid_MouseDown(x); };
    QRYGrid.KeyDown = [this](int& keyCode, int shift) { QRYGrid_KeyDown(keyCode, shift); };
    QRYGrid.KeyUp = [this](int& keyCode, int shift) { QRYGrid_KeyUp(keyCode, shift); };

    CmdPrint.Move(120, 6600, 1000, FieldHeight + 45);
    LblMinusSign.Move(4380, 6500, 200, 285);
    LblMinusSign.setCaption("-");
    LblPayTotal.Move(4610, 6600, 1335, 285);
    LblPayTotal.setAlignment(platform::RightJustify);
    LblPlusSign.Move(5975, 6500, 200, 285);
    LblPlusSign.setCaption("+");
    LblRcpTotal.Move(6205, 6600, 1335, 285);
    LblRcpTotal.setAlignment(platform::RightJustify);
    CmdExit.Move(10665, 6600, 735, FieldHeight + 45);
    for (platform::Label* label : {&LblMinusSign, &LblPlusSign})
        label->setFontBold(true);
    ShowEditFrame(platform::ButtonFaceColour);
}

} // namespace mainwindow
