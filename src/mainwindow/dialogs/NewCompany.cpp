#include "mainwindow/dialogs/NewCompany.h"

#include "core/Book.h"
#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/DateBox.h"
#include "core/FilterForm.h"
#include "core/IndexOperations.h"
#include "core/ListHelpers.h"
#include "core/PickDate.h"
#include "core/StandardFilters.h"
#include "core/TextTests.h"
#include "core/TransactionEdits.h"
#include "mainwindow/dialogs/Calendar.h"
#include "mainwindow/codes/CodeRecords.h"
#include "mainwindow/dialogs/CompanyHost.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

struct CategoryName {
    const char* code;
    const char* name;
};

constexpr CategoryName StandardCategories[] = {
    {"CAR", "Car Expenses"},     {"CARD", "Credit Card Charges"}, {"ELEC", "Electricity"},
    {"GAS", "Gas"},              {"GEN", "General Expenses"},      {"HOLS", "Holidays"},
    {"HOUS", "Household Expenses"}, {"HP", "Hire Purchase"},       {"INS", "Insurance"},
    {"INTP", "Interest Paid Out"}, {"INTR", "Interest Received"},  {"MISC", "Miscellaneous"},
    {"MOBL", "Mobile Phone"},    {"NET", "Internet"},              {"MORT", "Mortgage/Rent"},
    {"PENS", "Pension"},         {"RATE", "Rates"},                {"SALR", "Salary/Wages"},
    {"TEL", "Telephone"},        {"WATR", "Water Rates"},
};

constexpr CategoryName BusinessCategories[] = {
    {"ANPR", "Adverts - Newspaper"}, {"AOTH", "Adverts - Other"},     {"BMAN", "Maintenance"},
    {"BMRT", "Mortgage/Rent"},       {"CGAS", "Car - Fuel"},          {"CHP", "Car - Hire Purchase"},
    {"COTH", "Car - Other"},         {"CSRV", "Car - Servicing"},     {"CTAX", "Car - Road Fund Lic"},
    {"DRAW", "Drawings/Dividends"},  {"INSB", "Ins - Building"},      {"INSH", "Ins - Health"},
    {"INSP", "Ins - Pension"},       {"INSV", "Ins - Vehicle"},       {"INTP", "Interest PAID OUT"},
    {"INTR", "Interest Received"},   {"MAGS", "Magazines/Newspapers"}, {"MISC", "Miscellaneous"},
    {"MNY", "Capital Introduced"},   {"NHST", "Internet - Hosting"},  {"NISP", "Internet - ISP"},
    {"NOTH", "Internet - Other"},    {"OEQP", "Office - Equipment"},  {"OSTA", "Office - Stationary"},
    {"PGEN", "Purchases - General"}, {"PSTK", "Purchases - Stock"},   {"RATE", "Rates"},
    {"SGEN", "Sales - General"},     {"TAX", "Tax (Income)"},         {"TBNK", "Trans Chrgs Bank"},
    {"TCRD", "Trans Chrgs C/Card"},  {"UELC", "Utilities - Electric"}, {"UGAS", "Utilities - Gas"},
    {"UMBL", "Utilities - Mobile"},  {"UTEL", "Utilities - Phone"},   {"UWTR", "Utilities - Water"},
    {"WAGE", "Wages - Payroll"},
};

// The system category every company has; its line is one blank shorter than a default line's.
constexpr const char* TransferCategoryLine = "XFR  Transfers          ";

constexpr const char* CreateCaption = "&Create";
constexpr const char* AllOffName = "All Off";
constexpr const char* AllTypes = "PBIRYZ";

constexpr double LabelLeft = 120, LabelWidth = 1500, BoxLeft = 1680, BoxWidth = 4200, RowStep = 360;

} // namespace

NewCompany::NewCompany(core::Book& book, Calendar& calendar, CompanyHost& host)
    : Form(book.services(), "NewCompany"), book_(book), calendar_(calendar), host_(host)
{
    setCaption("New Company");
    Move(0, 0, 6240, 5280);
    double top = 180;
    const auto place = [&](platform::Label& label, const char* caption, platform::TextBox& box, double height) {
        label.Move(LabelLeft, top + 30, LabelWidth, 255);
        label.setCaption(caption);
        box.Move(BoxLeft, top, BoxWidth, height);
        top += height + RowStep - 285;
    };
    place(LblCoName, "Name", TextCoName, 285);
    place(LblCoAddress, "Address", TextCoAddress, 855);
    place(LblCoPhone, "Tel / Fax", TextCoPhone, 570);
    place(LblCoDate, "Date of Inception", TextCoDate, 285);
    TextCoName.setMaxLength(80);
    TextCoAddress.setMaxLength(120);
    TextCoAddress.setMultiLine(true);
    TextCoPhone.setMaxLength(120);
    TextCoPhone.setMultiLine(true);
    TextCoDate.setMaxLength(11);
    TextCoDate.setToolTipText("Double-click to pick the date");

    frmeCategories.Move(LabelLeft, top + 60, 2700, 1260);
    frmeCategories.setCaption("Default Categories");
    const char* options[][2] = {
        {"None", "Do not set up any default categories - Press F1 for help"},
        {"Standard", "Set up the Standard Categories - Press F1 for help"},
        {"Business", "Set up Business Categories - Press F1 for help"},
    };
    for (platform::OptionButton& option : Categories.elements()) {
        const int index = option.Index();
        option.Move(240, 300 + 300 * index, 2300, 255);
        option.setCaption(options[index][0]);
        option.setToolTipText(options[index][1]);
    }
    Categories[0].setValue(true);
    ChkDefaultFilters.Move(3000, top + 240, 3000, 255);
    ChkDefaultFilters.setCaption("Create Default Filters");
    ChkDefaultFilters.setValue(1);
    ChkVatFilters.Move(3000, top + 600, 3000, 255);
    ChkVatFilters.setCaption("Create VAT Filters");
    ChkVatFilters.setValue(1);

    top += 1500;
    Label3.Move(LabelLeft, top + 90, 2400, 255);
    Label3.setCaption("Press F1 for Help");
    CmdOK.Move(3120, top, 1215, 375);
    CmdOK.setCaption("&OK");
    CmdOK.setDefault(true);
    CmdDone.Move(4440, top, 1215, 375);
    CmdDone.setCaption("C&ancel");
    CmdDone.setCancel(true);

    for (platform::TextBox* box : {&TextCoName, &TextCoAddress, &TextCoPhone, &TextCoDate})
        box->GotFocus = [this, box] { core::SelectAllText(services(), *box); };
    TextCoDate.LostFocus = [this] { TextCoDate_LostFocus(); };
    TextCoDate.DblClick = [this] { TextCoDate_DblClick(); };
    CmdOK.Click = [this] { CmdOK_Click(); };
    CmdDone.Click = [this] { CmdDone_Click(); };
    endDesign();
}

void NewCompany::Form_Load()
{
    setLeft((services().screenWidth() - Width()) / 2);
    setTop((services().screenHeight() - Height()) / 2);
    TextCoDate.setText(runtime::format(services().now(), "dd/Mmm/yyyy"));
}

void NewCompany::CmdOK_Click()
{
    if (core::IsBlank(TextCoName.Text())) {
        book_.messages.ShowErrorBox("Company Name required");
        return;
    }
    // Enter presses OK from the date box before it is left: its date is checked as leaving does.
    core::LeaveDateBox(book_.messages, TextCoDate);
    if (runtime::rtrim(CmdOK.Caption()) == CreateCaption)
        CreateCompany();
    else
        ChangeDetails();
    core::Book& book = book_;
    if (book.AutoSave && book.ledger.FileChanged)
        host_.SaveTheFile();
    Unload();
}

void NewCompany::CmdDone_Click()
{
    Unload();
}

void NewCompany::StoreDetails()
{
    core::CompanyDetails& company = book_.company;
    company.CompanyName = TextCoName.Text();
    company.CompanyAddress = TextCoAddress.Text();
    company.CompanyPhone = TextCoPhone.Text();
    company.InceptionDate = TextCoDate.Text();
    host_.ShowCompanyCaption();
}

void NewCompany::CreateCompany()
{
    core::Book& book = book_;
    core::Ledger& ledger = book.ledger;
    book.company.LoadCounter = 0;
    core::ClearTransactions(book);
    core::ResetIndexArray(book, ledger.QueryIndex);
    core::ResetIndexArray(book, ledger.DateIndex);
    ledger.FileChanged = false;
    core::ClearAllCodeLists(book);
    StoreDetails();
    book.CurrentDataFilePath.clear();
    book.FileToOpen.clear();
    host_.UpdateMenuState();
    host_.ClearEntryFields(core::ClearWholeEditBox);
    book.counters.TransactionNumberCounter = 0;
    // Above the six digits an invoice number has, so the first number given out is 1.
    book.counters.InvoiceNumberCounter = services().now().year() * 10000.0;

    AddCategoryLine(TransferCategoryLine);
    if (Categories[1].Value())
        AddStandardCategories();
    if (Categories[2].Value())
        AddBusinessCategories();
    book.codes.LastUsed = core::LastUsedCodes{};

    host_.setMainFilterText("");
    core::FilterStore& filters = ledger.Filters;
    filters.CurrentFilter = core::FilterSetup{};
    filters.PreviousFilter = core::FilterSetup{};
    filters.ClearFilterSetupList();
    if (ChkDefaultFilters.Value() == 1) {
        filters.FiltersChanged = true;
        core::MakeStandardFilterSetups(book);
    }
    if (ChkVatFilters.Value() == 1) {
        filters.FiltersChanged = true;
        core::MakeVatQuarterFilterSetups(book);
    }
    filters.CurrentFilter.Name = AllOffName;
    filters.CurrentFilter.TypeOn = core::FlagTrue;
    filters.CurrentFilter.Types = AllTypes;
    core::ShowFilterSetupOnForm(book, host_.FilterDialog(), filters.CurrentFilter);
    filters.PreviousFilter = filters.CurrentFilter;
    core::StoreFilterSetup(book, filters.CurrentFilter);

    core::ShowTotalsLabels(book, host_.FilterDialog());
    host_.FillMainFilterCombo();
    host_.setMainFilterText(filters.CurrentFilter.Name.str());
    host_.SyncQueryScrollBar(0);
    host_.RefreshQueryGrid(1);
}

void NewCompany::ChangeDetails()
{
    StoreDetails();
    // The edited details are saved, or asked about at exit, like any other change.
    book_.ledger.FileChanged = true;
}

void NewCompany::AddCategory(const char* code, const char* name)
{
    core::CategoryRecord record;
    record.Code = code;
    record.Name = name;
    AddCategoryLine(core::FormatCategoryLine(record));
}

void NewCompany::AddCategoryLine(const std::string& line)
{
    core::Book& book = book_;
    core::AddCodeLine(book.messages, book.codes.ListAnalCodes, book.codes.ComboAnal, line,
                      MirrorText(core::CodeKind::Category, line), core::CodeWidth(core::CodeKind::Category));
}

void NewCompany::AddStandardCategories()
{
    for (const CategoryName& category : StandardCategories)
        AddCategory(category.code, category.name);
}

void NewCompany::AddBusinessCategories()
{
    for (const CategoryName& category : BusinessCategories)
        AddCategory(category.code, category.name);
}

void NewCompany::TextCoDate_LostFocus()
{
    core::LeaveDateBox(book_.messages, TextCoDate);
}

void NewCompany::TextCoDate_DblClick()
{
    TextCoDate.setText(core::PickDate(book_, calendar_, TextCoDate.Text()));
}

} // namespace mainwindow
