#include "mainwindow/Main.h"

#include "mainwindow/MenuCaption.h"

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

void caption(platform::Menu& item, const char* text)
{
    item.setCaption(text);
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
    designButtons();
    designEditBox();
    designGrid();
    endDesign();
}

Main::~Main()
{
    book.ledger.DetachWindow();
}

void Main::designMenus()
{
    caption(FileMenu, "&File");
    caption(NewCoItem, "&New...");
    caption(LoadItem, "&Open...");
    caption(SaveItem, "&Save");
    SaveItem.setEnabled(false);
    caption(SaveAsItem, "Save &As...");
    caption(FileSeparator1, "-");
    caption(ImportItem, "&Import CJ File...");
    caption(ExportAsciiMenu, "&Export to ASCII File");
    caption(ItemAsciiTranExport, "&Transactions...");
    caption(ItemAsciiCustExp, "&Customers...");
    caption(ItemExportCats, "C&ategories...");
    caption(ImportAsciiMenu, "Im&port from ASCII File");
    caption(ItemImportTrans, "&Transactions...");
    caption(ItemImportCusts, "&Customers...");
    caption(ItemImportAnals, "C&ategories...");
    caption(MergeItem, "&Merge...");
    caption(ArchiveItem, "Arc&hive...");
    caption(RestoreItem, "&Restore...");
    caption(ItemBackupFile, "&Backup...");
    caption(FileSeparator2, "-");
    caption(ExitItem, "E&xit");

    caption(EditMenu, "&Edit");
    caption(CoEditItem, "C&ompany Details...");
    caption(EditInvNum, "Next &Invoice Number...");
    caption(CapitalMenu, "Capita&l Items");
    caption(ItemAssets, "&Assets...");
    caption(ItemLiabilities, "&Liabilities...");
    caption(ItemMaintStock, "Maintain &Stock Items...");

    caption(TransMenu, "&Transactions");
    caption(PayItem, "New &Payment");
    caption(RcpItem, "New &Receipt");
    caption(XfrItem, "New &Transfer");
    caption(InvItem, "New &Invoice");
    caption(BillItem, "New &Bill");
    caption(TransSeparator1, "-");
    caption(TranItem, "&Edit Selected Transaction");
    caption(ItemSplits, "&Splits...");
    caption(ItemEEC, "Give Transaction EEC Stat&us");
    caption(ItemConvertTType, "Con&vert Type");
    caption(ItemCopyTran, "&Copy Transaction");
    caption(ItemPasteTran, "P&aste Transaction");
    caption(TransSeparator2, "-");
    caption(AddSTOItem, "A&dd as Standing Order");
    caption(STOItem, "Standing &Orders...");

    caption(CodesMenu, "&Codes");
    caption(BankItem, "&Bank Accounts...");
    caption(VatItem, "&VAT Codes...");
    caption(CustItem, "&Customers...");
    caption(CatItem, "C&ategories...");

    caption(SortMenu, "&Sort");
    caption(ByDateItem, "By &Date");
    ByDateItem.setChecked(true);
    caption(ByRefItem, "By &Reference");

    caption(FilterMenu, "Fi&lter");
    caption(FiltAllItem, "By A&ll Criteria...");
    caption(FilterSeparator1, "-");
    caption(FiltDateItem, "By &Date...");
    caption(FiltRefNumItem, "By &Reference...");
    caption(FiltTypeItem, "By &Transaction Type...");
    caption(FiltVATItem, "By &VAT Code...");
    caption(FiltCommentItem, "By Mem&o...");
    caption(FiltAmountItem, "By &Amount...");
    caption(FiltReconItem, "By R&econciliation Y/N...");
    caption(FiltBankItem, "By &Bank Account...");
    caption(FiltCustItem, "By &Customer Code...");
    caption(FiltAnalItem, "By C&ategory...");
    caption(FilterSeparator2, "-");
    caption(FiltExplainItem, "E&xplain Filter");

    caption(ReportMenu, "&Reports");
    caption(RepVATItem, "&VAT...");
    caption(RepBankItem, "&Bank...");
    caption(RepDebtorsItem, "Aged &Debtors...");
    caption(RepCreditorsItem, "Aged C&reditors...");
    caption(RepProfLossItem, "&Income && Expenditure...");
    caption(RepAnalItem, "C&ategory Analysis...");
    caption(ItemRepCustState, "Customer &Statement...");
    caption(ItemRepEECSales, "EEC &Sales...");
    caption(ItemEECPurchase, "EEC Ac&quisitions...");
    caption(ItemMailMerge, "&Mail Merge...");
    caption(ReportSeparator1, "-");
    caption(FiltCurrentRepItem, "Current Filtered &List");
    caption(itemHollis, "Current List &Net of VAT");
    caption(ItemRepSysAudit, "System A&udit");
    caption(ItemFinaccs, "&Final Accounts...");
    caption(RepReconItem, "Rec&oncile...");
    caption(ReportSeparator2, "-");
    caption(FontItem, "&Fonts...");

    caption(InvoiceMenu, "&Invoices");
    caption(RepInvItem, "&Preview Invoice");
    caption(ItemPrevMultiInv, "Preview &MultiLine Invoice");
    caption(ItemInvQuickPrint, "Print &Invoice");
    caption(ItemQuickSimpleInv, "&Simple Invoice");
    caption(ItemQuickMultiInv, "&MultiLine Invoice");
    caption(ItemRemittance, "&Remittance Advice");
    caption(itemRemPreview, "&Preview");
    caption(ItemQuickRemit, "P&rint");
    caption(ItemBatchMenu, "&Batch Print");
    caption(ItemBatchSimple, "&Simple Invoices");
    caption(ItemBatchMulti, "&MultiLine Invoices");
    caption(ItemBatchAutoselect, "&Auto Select");

    caption(TemplateMenu, "T&emplates");
    caption(ItemSimpleInvoice, "&Simple Invoice...");
    caption(ItemMultiInvoice, "&MultiLine Invoice...");
    caption(ItemRemittanceTemp, "&Remittance Advice...");
    caption(ItemMailTemp, "Mail Mer&ge Letter...");

    caption(OptionsMenu, "&Options");
    caption(OptionShowTipsItem, "Show Tips");
    OptionShowTipsItem.setChecked(true);
    OptionShowTipsItem.setEnabled(false);
    caption(OptionAutoSave, "&Auto Save");
    caption(OptionGridItem, "&Default Grid Settings");
    caption(OptionPackItem, "&Pack Database");
    caption(IntegrityItem, "&System Statistics");
    caption(ItemCalc, "Ca&lculator...");
    caption(OptionsSeparator, "-");
    caption(NotepadItem, "Use &NotePad as Report Editor");
    caption(WriteItem, "Use &Write as Report Editor");
    caption(DatapeekItem, "Use &QB Viewer as Report Editor");
    DatapeekItem.setChecked(true);

    caption(HelpMenu, "&Help");
    caption(HelpContentItem, "&Contents...");
    caption(ItemHelpSearch, "&Search...");
    caption(HelpOnHelpItem, "Help &On Help...");
    caption(AboutItem, "&About...");

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

    for (platform::Menu* item :
         {&NewCoItem, &ImportItem, &ItemAsciiTranExport, &ItemAsciiCustExp, &ItemExportCats, &ItemImportTrans,
          &ItemImportCusts, &ItemImportAnals, &MergeItem, &ArchiveItem, &RestoreItem, &CoEditItem, &EditInvNum,
          &ItemLiabilities, &ItemMaintStock, &PayItem, &RcpItem, &XfrItem, &InvItem, &BillItem, &ItemSplits, &ItemEEC,
          &ItemConvertTType, &ItemCopyTran, &ItemPasteTran, &AddSTOItem, &STOItem, &BankItem, &VatItem, &CustItem,
          &CatItem, &FiltAllItem, &FiltDateItem, &FiltRefNumItem, &FiltTypeItem, &FiltVATItem, &FiltCommentItem,
          &FiltAmountItem, &FiltReconItem, &FiltBankItem, &FiltCustItem, &FiltAnalItem, &FiltExplainItem, &RepVATItem,
          &RepBankItem, &RepDebtorsItem, &RepCreditorsItem, &RepProfLossItem, &RepAnalItem, &ItemRepCustState,
          &ItemRepEECSales, &ItemEECPurchase, &ItemMailMerge, &itemHollis, &ItemRepSysAudit, &ItemFinaccs,
          &RepReconItem, &FontItem, &RepInvItem, &ItemPrevMultiInv, &ItemQuickSimpleInv, &ItemQuickMultiInv,
          &itemRemPreview, &ItemQuickRemit, &ItemBatchSimple, &ItemBatchMulti, &ItemBatchAutoselect,
          &ItemSimpleInvoice, &ItemMultiInvoice, &ItemRemittanceTemp, &ItemMailTemp, &OptionGridItem,
          &OptionPackItem, &IntegrityItem, &ItemCalc, &HelpContentItem, &ItemHelpSearch, &HelpOnHelpItem, &AboutItem})
        wireNotAvailable(*item);
}

void Main::wireNotAvailable(platform::Menu& item)
{
    item.Click = [this, &item] { ShowNotAvailable(item.Caption()); };
}

void Main::ShowNotAvailable(const std::string& caption)
{
    book.messages.ShowInfoBox(PlainCaption(caption) + " is not available yet");
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
        {CmdNewRcp, "&Receipt", "Enter a new receipt"},
        {CmdXfr, "&Transfer", "Transfer money between bank accounts"},
        {CmdNewInv, "&Invoice", "Enter a new sales invoice"},
        {CmdNewBill, "&Bill", "Enter a new purchase bill"},
    };
    double top = 60;
    for (const NewButton& b : buttons) {
        b.button.Move(120, top, 1215, FieldHeight + 45);
        b.button.setCaption(b.caption);
        b.button.setToolTipText(b.tip);
        b.button.Click = [this, &b = b.button] { ShowNotAvailable(b.Caption()); };
        top += 375;
    }
    ComboMainFilters.Move(120, 1950, 1215, FieldHeight);
    ComboMainFilters.setToolTipText("Select from saved filters");
    ComboMainFilters.Click = [this] { ComboMainFilters_Click(); };

    CmdPrint.setCaption("&Print");
    CmdPrint.setToolTipText("Print the transactions in the grid");
    CmdPrint.Click = [this] { ShowNotAvailable(CmdPrint.Caption()); };
    CmdExit.setCaption("E&xit");
    CmdExit.Click = [this] { CmdExit_Click(); };
    LblFileOp.setVisible(false);
}

void Main::designEditBox()
{
    FrameEditBox.Move(1440, 0, 8395, 2220);
    FrameEditBox.setEnabled(false);
    FrameEditBox.DblClick = [this] { ShowNotAvailable(ItemSplits.Caption()); };

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
    for (platform::CommandButton* command : {&CmdChange, &CmdDelete, &CmdGenPay})
        command->Click = [this, command] { ShowNotAvailable(command->Caption()); };
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
    LblPayTotal.Move(4611, 6600, 1335, 285);
    LblPayTotal.setAlignment(platform::RightJustify);
    LblPlusSign.Move(5730, 6500, 200, 285);
    LblPlusSign.setCaption("+");
    LblRcpTotal.Move(5946, 6600, 1335, 285);
    LblRcpTotal.setAlignment(platform::RightJustify);
    CmdExit.Move(10665, 6600, 735, FieldHeight + 45);
    for (platform::Label* label : {&LblMinusSign, &LblPlusSign})
        label->setFontBold(true);
    ShowEditFrame(ButtonFaceColour);
}

} // namespace mainwindow
