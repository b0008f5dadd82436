#include "mainwindow/dialogs/Filter.h"

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/DateBox.h"
#include "core/FilterMatch.h"
#include "core/FilterStore.h"
#include "core/IndexOperations.h"
#include "core/ListHelpers.h"
#include "core/ListSearch.h"
#include "core/PickDate.h"
#include "core/StandardFilters.h"
#include "core/TextTests.h"
#include "core/TypedAmount.h"
#include "mainwindow/dialogs/FilterHost.h"
#include "runtime/Date.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

constexpr double FullLeft = 375;
constexpr double FullTop = 570;
constexpr double FullWidth = 8910;
constexpr double FullHeight = 6315;
constexpr double ColumnWidth = 2400;
constexpr double ColumnHeight = 2970;
// The one-criterion window moves this far left when it would reach the screen's right edge.
constexpr double ShiftFromRightEdge = 2385;
constexpr double BelowGridTop = 1275;

constexpr double FrameWidth = 2040;
constexpr double FrameHeight = 1800;
constexpr double FrameMargin = 120;
constexpr double ButtonWidth = 960;
constexpr double ButtonHeight = 375;
constexpr double BoxHeight = 285;
constexpr double OnOffTop = 240;
constexpr double ValueTop = 660;

// A date box's text as it sorts: "yyyymmdd" for a date, the text itself otherwise.
std::string sortableDate(const std::string& text)
{
    const auto date = runtime::parseDate(text);
    return date ? runtime::format(*date, "yyyymmdd") : text;
}

bool ticked(const platform::CheckBox& box)
{
    return box.Value() == 1;
}

} // namespace

Filter::Filter(core::Book& book, Calendar& calendar, FilterHost& host)
    : Form(book.services(), "Filter"), host_(host), book_(book), calendar_(calendar)
{
    setCaption("Filter");
    Move(FullLeft, FullTop, FullWidth, FullHeight);
    designFrames();
    designButtons();
    wireCriteria();
    wireValueControls();
    endDesign();
}

void Filter::designFrames()
{
    struct FrameDesign {
        platform::Frame& frame;
        const char* caption;
        const char* tip;
        double left;
        double top;
    };
    const FrameDesign frames[] = {
        {FrameDate, "Show Dates", "Set from and to dates to exclude all other entries", 120, 120},
        {FrameRefNum, "Show References", "Filter entries by Reference Code", 2280, 120},
        {FrameTypes, "Show Types", "Set entry types to exclude all other entries", 4440, 120},
        {FrameVAT, "Show VAT Code", "Set VAT code to exclude all other entries", 6600, 120},
        {FrameRecon, "Show Transactions", "Choose either to exclude the other", 120, 2040},
        {FrameBank, "Show Bank Code", "Set BANK ACCOUNT to exclude all other entries", 2280, 2040},
        {FrameCust, "Show Customer Code", "Set CUSTOMER to exclude all other entries", 4440, 2040},
        {FrameAnal, "Show Category Code", "Set Category to exclude all other entries", 6600, 2040},
        {FrameAmount, "Show Amounts", "Show only a set value for easy searching", 120, 3960},
        {FrameComment, "Show Comments", "Filter by chosen comments", 2280, 3960},
    };
    for (const FrameDesign& design : frames) {
        // The design places keep the full layout's order; the window lays them out when shown.
        design.frame.Move(design.left, design.top, FrameWidth, FrameHeight);
        design.frame.setCaption(design.caption);
        design.frame.setToolTipText(design.tip);
        design.frame.setForeColor(CriterionOffColour);
        design.frame.setVisible(false);
    }

    LblFrom.Move(120, ValueTop + 45, 500, BoxHeight);
    LblFrom.setCaption("From");
    FromDate.Move(720, ValueTop, 1200, BoxHeight);
    LblTo.Move(120, ValueTop + 405, 500, BoxHeight);
    LblTo.setCaption("To");
    ToDate.Move(720, ValueTop + 360, 1200, BoxHeight);
    for (platform::TextBox* date : {&FromDate, &ToDate})
        date->setToolTipText("Set from and to dates to exclude all other entries");

    LblRefLike.Move(120, ValueTop + 45, 500, BoxHeight);
    LblRefLike.setCaption("Like");
    TextRefNum.Move(720, ValueTop, 1200, BoxHeight);
    TextRefNum.setMaxLength(6);
    TextRefNum.setToolTipText("Filter entries by Reference Code");

    struct TypeDesign {
        platform::CheckBox& box;
        const char* caption;
    };
    const TypeDesign types[] = {
        {ChkPay, "Payments - PAY"},        {ChkRcp, "Receipts  - RCP"}, {ChkInv, "UNPAID Invoices- INV"},
        {ChkBil, "UNPAID Bills       - BIL"}, {ChkPaidInv, "PAID Invoices"}, {ChkPaidBil, "PAID Bills"},
    };
    double top = 500;
    for (const TypeDesign& type : types) {
        type.box.Move(120, top, 1860, 210);
        type.box.setCaption(type.caption);
        type.box.setToolTipText("Set entry types to exclude all other entries");
        top += 210;
    }

    LblComLike.Move(120, ValueTop + 45, 500, BoxHeight);
    LblComLike.setCaption("Like");
    TextFiltComment.Move(720, ValueTop, 1200, BoxHeight);
    TextFiltComment.setMaxLength(20);
    TextFiltComment.setToolTipText("Filter by chosen comments");

    CmdAmtOp.Move(120, ValueTop, 495, BoxHeight + 30);
    CmdAmtOp.setCaption("=");
    CmdAmtOp.setToolTipText("Click this button to change to < > Etc.");
    TextFiltAmount.Move(720, ValueTop, 1200, BoxHeight);
    TextFiltAmount.setAlignment(platform::RightJustify);
    TextFiltAmount.setToolTipText("Show only a set value for easy searching");

    LblWhichAre.Move(120, ValueTop - 60, 1000, BoxHeight);
    LblWhichAre.setCaption("which are");
    FrameReconState.Move(120, ValueTop + 180, 1800, 840);
    OptFiltUnrecon.Move(120, 200, 1560, BoxHeight);
    OptFiltUnrecon.setCaption("Unreconciled");
    OptFiltUnrecon.setValue(true);
    OptFiltRecon.Move(120, 500, 1560, BoxHeight);
    OptFiltRecon.setCaption("Reconciled");
    for (platform::OptionButton* state : {&OptFiltUnrecon, &OptFiltRecon})
        state->setToolTipText("Choose either to exclude the other");

    struct CodeDesign {
        platform::ComboBox& list;
        const char* tip;
    };
    const CodeDesign codes[] = {
        {ListFiltVAT, "Set VAT code to exclude all other entries"},
        {ListFiltBank, "Set BANK ACCOUNT to exclude all other entries"},
        {ListFiltCust, "Set CUSTOMER to exclude all other entries"},
        {ListFiltAnal, "Set Category to exclude all other entries"},
    };
    for (const CodeDesign& code : codes) {
        code.list.Move(120, ValueTop, 1800, BoxHeight);
        code.list.setToolTipText(code.tip);
    }
}

void Filter::designButtons()
{
    LblFilterName.Move(4440, 4020, 1200, BoxHeight);
    LblFilterName.setCaption("Filter Name");
    ComboListFilters.Move(4440, 4260, 3135, BoxHeight);
    ComboListFilters.setModel(book_.ledger.Filters.Names);
    ComboListFilters.setToolTipText("Select from saved filters");

    struct ButtonDesign {
        platform::CommandButton& button;
        const char* caption;
        const char* tip;
        double left;
        double top;
        double width;
    };
    const ButtonDesign buttons[] = {
        {CmdSave, "&Save", "Save a new or ammended filter", 4440, 4680, ButtonWidth},
        {CmdDelete, "&Delete", "Delete selected filter", 5520, 4680, ButtonWidth},
        {CmdDefaultFilters, "C&reate Default Filters", "", 6600, 4680, 2160},
        {CmdAllOff, "All &Off", "Set all filters to off", 4440, 5280, ButtonWidth},
        {CmdFilter, "&Filter", "Filter grid by chosen settings in each box", 6600, 5280, ButtonWidth},
        {CmdCancel, "&Cancel", "Cancel the changes you've made", 7800, 5280, ButtonWidth},
    };
    for (const ButtonDesign& design : buttons) {
        design.button.Move(design.left, design.top, design.width, ButtonHeight);
        design.button.setCaption(design.caption);
        if (*design.tip)
            design.button.setToolTipText(design.tip);
    }
    // Enter applies the filter as Filter does, and Escape leaves the dialog as Cancel does.
    CmdFilter.setDefault(true);
    CmdCancel.setCancel(true);
    CmdSave.Click = [this] { CmdSave_Click(); };
    CmdSave.GotFocus = [this] { CmdSave_GotFocus(); };
    CmdDelete.Click = [this] { CmdDelete_Click(); };
    CmdDefaultFilters.Click = [this] { CmdDefaultFilters_Click(); };
    CmdAllOff.Click = [this] { CmdAllOff_Click(); };
    CmdFilter.Click = [this] { CmdFilter_Click(); };
    CmdCancel.Click = [this] { CmdCancel_Click(); };
    CmdAmtOp.Click = [this] { CmdAmtOp_Click(); };
    ComboListFilters.Click = [this] { ComboListFilters_Click(); };
}

void Filter::wireCriteria()
{
    const Criterion criteria[] = {
        {FrameDate, OptDateOn, OptDateOff},    {FrameRefNum, OptRefOn, OptRefOff}, {FrameTypes, OptTypeOn, OptTypeOff},
        {FrameVAT, OptVATOn, OptVATOff},       {FrameComment, OptComOn, OptComOff}, {FrameAmount, OptAmtOn, OptAmtOff},
        {FrameRecon, OptRecOn, OptRecOff},     {FrameBank, OptBankOn, OptBankOff}, {FrameCust, OptCustOn, OptCustOff},
        {FrameAnal, OptAnalOn, OptAnalOff},
    };
    for (const Criterion& criterion : criteria) {
        criterion.on.Move(120, OnOffTop, 780, 240);
        criterion.on.setCaption("On");
        criterion.off.Move(960, OnOffTop, 780, 240);
        criterion.off.setCaption("Off");
        criterion.off.setValue(true);
        criterion.on.Click = [&frame = criterion.frame] { SetFrameColour(frame, CriterionOnColour); };
        criterion.off.Click = [&frame = criterion.frame] { SetFrameColour(frame, CriterionOffColour); };
    }
}

void Filter::wireValueControls()
{
    FromDate.LostFocus = [this] { CheckFromDate(); };
    ToDate.LostFocus = [this] { CheckToDate(); };
    FromDate.DblClick = [this] { PickInto(FromDate); };
    ToDate.DblClick = [this] { PickInto(ToDate); };
    for (platform::TextBox* box : {&FromDate, &ToDate, &TextRefNum, &TextFiltComment, &TextFiltAmount})
        box->GotFocus = [this, box] { core::SelectAllText(services(), *box); };
    for (platform::ComboBox* list : {&ListFiltBank, &ListFiltCust, &ListFiltVAT, &ListFiltAnal})
        list->KeyPress = [](int& keyAscii) { keyAscii = core::UpperCaseKey(keyAscii); };
}

void Filter::Form_Load()
{
    LayOutCriterionFrames();
}

void Filter::Form_QueryUnload(int& cancel, int unloadMode)
{
    // Closing the window is Cancel: the window and its criteria stay for the next showing.
    if (unloadMode == platform::UnloadByUser) {
        cancel = 1;
        CmdCancel_Click();
    }
}

core::FilterFormValues Filter::Values() const
{
    core::FilterFormValues values;
    values.OptDateOn = OptDateOn.Value();
    values.FromDate = FromDate.Text();
    values.ToDate = ToDate.Text();
    values.OptRefOn = OptRefOn.Value();
    values.TextRefNum = TextRefNum.Text();
    values.OptTypeOn = OptTypeOn.Value();
    values.ChkPay = ticked(ChkPay);
    values.ChkRcp = ticked(ChkRcp);
    values.ChkInv = ticked(ChkInv);
    values.ChkBil = ticked(ChkBil);
    values.ChkPaidInv = ticked(ChkPaidInv);
    values.ChkPaidBil = ticked(ChkPaidBil);
    values.OptVATOn = OptVATOn.Value();
    values.ListFiltVAT = ListFiltVAT.Text();
    values.OptRecOn = OptRecOn.Value();
    values.OptFiltRecon = OptFiltRecon.Value();
    values.OptBankOn = OptBankOn.Value();
    values.ListFiltBank = ListFiltBank.Text();
    values.OptCustOn = OptCustOn.Value();
    values.ListFiltCust = ListFiltCust.Text();
    values.OptAnalOn = OptAnalOn.Value();
    values.ListFiltAnal = ListFiltAnal.Text();
    values.OptAmtOn = OptAmtOn.Value();
    values.CmdAmtOp = CmdAmtOp.Caption();
    values.TextFiltAmount = TextFiltAmount.Text();
    values.OptComOn = OptComOn.Value();
    values.TextFiltComment = TextFiltComment.Text();
    values.ComboListFilters = ComboListFilters.Text();
    return values;
}

void Filter::setValues(const core::FilterFormValues& values)
{
    const auto choose = [](platform::OptionButton& on, platform::OptionButton& off, bool isOn) {
        (isOn ? on : off).setValue(true);
    };
    const auto tick = [](platform::CheckBox& box, bool on) { box.setValue(on ? 1 : 0); };
    choose(OptDateOn, OptDateOff, values.OptDateOn);
    FromDate.setText(values.FromDate);
    ToDate.setText(values.ToDate);
    choose(OptRefOn, OptRefOff, values.OptRefOn);
    TextRefNum.setText(values.TextRefNum);
    choose(OptTypeOn, OptTypeOff, values.OptTypeOn);
    tick(ChkPay, values.ChkPay);
    tick(ChkRcp, values.ChkRcp);
    tick(ChkInv, values.ChkInv);
    tick(ChkBil, values.ChkBil);
    tick(ChkPaidInv, values.ChkPaidInv);
    tick(ChkPaidBil, values.ChkPaidBil);
    choose(OptVATOn, OptVATOff, values.OptVATOn);
    ListFiltVAT.setText(values.ListFiltVAT);
    choose(OptRecOn, OptRecOff, values.OptRecOn);
    choose(OptFiltRecon, OptFiltUnrecon, values.OptFiltRecon);
    choose(OptBankOn, OptBankOff, values.OptBankOn);
    ListFiltBank.setText(values.ListFiltBank);
    choose(OptCustOn, OptCustOff, values.OptCustOn);
    ListFiltCust.setText(values.ListFiltCust);
    choose(OptAnalOn, OptAnalOff, values.OptAnalOn);
    ListFiltAnal.setText(values.ListFiltAnal);
    choose(OptAmtOn, OptAmtOff, values.OptAmtOn);
    CmdAmtOp.setCaption(values.CmdAmtOp);
    TextFiltAmount.setText(values.TextFiltAmount);
    choose(OptComOn, OptComOff, values.OptComOn);
    TextFiltComment.setText(values.TextFiltComment);
    ComboListFilters.setText(values.ComboListFilters);
}

void Filter::SetFrameColour(platform::Frame& frame, long colour)
{
    frame.setForeColor(colour);
}

void Filter::LayOutCriterionFrames()
{
    for (platform::Frame* frame : criterionFrames())
        frame->Move(FrameMargin, FrameMargin);
}

std::array<platform::Frame*, 10> Filter::criterionFrames()
{
    return {&FrameDate, &FrameRefNum, &FrameTypes, &FrameVAT, &FrameComment,
            &FrameAmount, &FrameRecon, &FrameBank, &FrameCust, &FrameAnal};
}

platform::Frame* Filter::frameOfColumn(int column)
{
    switch (column) {
    case 2: return &FrameDate;
    case 3: return &FrameRefNum;
    case 4: return &FrameTypes;
    case 5: return &FrameVAT;
    case 6: return &FrameComment;
    case 7:
    case 8: return &FrameAmount;
    case 9: return &FrameRecon;
    case 11: return &FrameBank;
    case 12: return &FrameCust;
    case 13: return &FrameAnal;
    default: return nullptr;
    }
}

void Filter::refreshCodeList(int column)
{
    core::CodeTables& codes = book_.codes;
    const core::FilterSetup& current = book_.ledger.Filters.CurrentFilter;
    const auto refresh = [](platform::ComboBox& list, const platform::ListModel& source, bool& changed,
                            std::string_view code) {
        core::CopyListItems(list.model(), source, changed);
        list.setText(core::ShownFilterText(code));
    };
    switch (column) {
    case 5: refresh(ListFiltVAT, codes.ComboVAT, codes.VatListChanged, current.VATCode.view()); break;
    case 11: refresh(ListFiltBank, codes.ComboBank, codes.BankListChanged, current.BankCode.view()); break;
    case 12: refresh(ListFiltCust, codes.ComboCustomer, codes.CustomerListChanged, current.CustCode.view()); break;
    case 13: refresh(ListFiltAnal, codes.ComboAnal, codes.CategoryListChanged, current.CatCode.view()); break;
    default: break;
    }
}

void Filter::ClearCodeLists()
{
    for (platform::ComboBox* list : {&ListFiltVAT, &ListFiltBank, &ListFiltCust, &ListFiltAnal})
        list->Clear();
}

void Filter::ShowFullFilterForm()
{
    {
        core::BusyPointer busy(services());
        const struct {
            platform::Frame& frame;
            double left;
            double top;
        } places[] = {
            {FrameDate, 120, 120},   {FrameRefNum, 2280, 120},  {FrameTypes, 4440, 120}, {FrameVAT, 6600, 120},
            {FrameRecon, 120, 2040}, {FrameBank, 2280, 2040},   {FrameCust, 4440, 2040}, {FrameAnal, 6600, 2040},
            {FrameAmount, 120, 3960}, {FrameComment, 2280, 3960},
        };
        for (const auto& place : places) {
            place.frame.Move(place.left, place.top);
            place.frame.setVisible(true);
        }
        Move(FullLeft, FullTop, FullWidth, FullHeight);
        CmdFilter.Move(6600, 5280);
        CmdCancel.Move(7800, 5280);
        for (int column : {5, 11, 12, 13})
            refreshCodeList(column);
    }
    Show(true);
}

void Filter::ShowFilterFormForColumn(int column)
{
    {
        core::BusyPointer busy(services());
        // The mouse position is the grid's; the window is placed on the screen.
        double left = host_.GridMouseLeft();
        if (left + ShiftFromRightEdge >= services().screenWidth())
            left -= ShiftFromRightEdge;
        Move(left, host_.GridTop() + BelowGridTop, ColumnWidth, ColumnHeight);
        CmdFilter.Move(120, 2040);
        CmdCancel.Move(1320, 2040);
        if (platform::Frame* frame = frameOfColumn(column)) {
            frame->setVisible(true);
            refreshCodeList(column);
        }
    }
    Show(true);
}

void Filter::CmdFilter_Click()
{
    if (sortableDate(ToDate.Text()) < sortableDate(FromDate.Text())) {
        book_.messages.ShowErrorBox("To Date is before From Date...");
        ToDate.setFocus();
        return;
    }
    if (!AmountIsReadable())
        return;
    core::FilterStore& filters = book_.ledger.Filters;
    core::ReadFilterSetupFromForm(book_, *this, filters.CurrentFilter);
    filters.PreviousFilter = filters.CurrentFilter;
    const int passed = core::ApplyFilterInSortOrder(book_);
    host_.ShowNewQueryIndex();
    core::ShowTotalsLabels(book_, *this);
    if (passed > 0)
        CmdCancel_Click();
    else
        book_.messages.ShowErrorBox("No records match the filter criteria...");

    const std::string name = filters.CurrentFilter.Name.str();
    if (!core::IsFilterCustomised(book_, filters.CurrentFilter, name)) {
        host_.setMainFilterText(name);
        return;
    }
    const std::string customised(core::CustomisedFilterName);
    ComboListFilters.setText(customised);
    filters.CurrentFilter.Name = customised;
    host_.setMainFilterText(customised);
}

void Filter::CmdCancel_Click()
{
    for (platform::Frame* frame : criterionFrames())
        frame->setVisible(false);
    LayOutCriterionFrames();
    host_.RefreshQueryGrid();
    host_.FillMainFilterCombo();
    Hide();
}

void Filter::CmdAllOff_Click()
{
    for (platform::OptionButton* off : {&OptDateOff, &OptRefOff, &OptVATOff, &OptRecOff, &OptBankOff, &OptCustOff,
                                        &OptAnalOff, &OptAmtOff, &OptComOff})
        off->setValue(true);
    for (platform::CheckBox* type : {&ChkPay, &ChkRcp, &ChkInv, &ChkBil, &ChkPaidInv, &ChkPaidBil})
        type->setValue(1);
    ComboListFilters.setText("");
}

void Filter::CmdAmtOp_Click()
{
    CmdAmtOp.setCaption(core::NextOperatorCaption(CmdAmtOp.Caption()));
}

void Filter::CmdDefaultFilters_Click()
{
    const runtime::Date today = services().now();
    const std::string question = "Create Default Filters for the month of " + runtime::format(today, "Mmmm") + " '" +
                                 runtime::format(today, "yyyy") + "?";
    if (book_.messages.AskYesNo(question) != platform::Answer::Yes)
        return;
    core::MakeStandardFilterSetups(book_);
    SaveWhenAutoSaving();
}

void Filter::CmdDelete_Click()
{
    DeleteFilterSetup(ComboListFilters, core::FixedText<20>(ComboListFilters.Text()).str());
    SaveWhenAutoSaving();
}

void Filter::DeleteFilterSetup(platform::ComboBox& list, const std::string& name)
{
    const std::string wanted = runtime::ucase(name);
    const std::string shown = runtime::rtrim(wanted);
    if (shown == core::PreviousFilterName) {
        book_.messages.ShowErrorBox("You may not delete the '(Previous)' system filter");
        return;
    }
    const int index = core::FindListItem(list.model(), wanted, static_cast<int>(wanted.size()));
    if (index < 0) {
        book_.messages.ShowErrorBox("Filter set-up '" + shown + "' does not exist");
        return;
    }
    if (book_.messages.AskYesNo("Delete filter set-up '" + shown + "' ?") != platform::Answer::Yes)
        return;
    list.RemoveItem(index);
    core::RemoveFilterSetup(book_, wanted);
    if (Visible())
        list.setFocus();
}

void Filter::CmdSave_GotFocus()
{
    if (runtime::rtrim(ComboListFilters.Text()).empty())
        ComboListFilters.setText(book_.ledger.Filters.CurrentFilter.Name.str());
}

void Filter::CmdSave_Click()
{
    if (!AmountIsReadable())
        return;
    core::FilterSetup working;
    core::ReadFilterSetupFromForm(book_, *this, working);
    core::StoreFilterSetup(book_, working);
    SaveWhenAutoSaving();
    if (Visible())
        ComboListFilters.setFocus();
}

bool Filter::AmountIsReadable()
{
    if (core::ReadTypedAmount(TextFiltAmount.Text()))
        return true;
    book_.messages.ShowErrorBox(core::NotAnAmountMessage(TextFiltAmount.Text(), "Amount"));
    if (Visible() && TextFiltAmount.isShown() && TextFiltAmount.isEnabled())
        TextFiltAmount.setFocus();
    return false;
}

void Filter::ComboListFilters_Click()
{
    core::FilterSetup working;
    core::FindFilterSetup(book_, ComboListFilters.Text(), working);
    core::ShowFilterSetupOnForm(book_, *this, working);
    if (Visible())
        CmdSave.setFocus();
}

void Filter::SaveWhenAutoSaving()
{
    if (book_.AutoSave && book_.ledger.FileChanged)
        host_.SaveTheFile();
}

void Filter::CheckFromDate()
{
    core::LeaveDateBox(book_.messages, FromDate);
}

void Filter::CheckToDate()
{
    if (core::IsBlank(ToDate.Text()))
        ToDate.setText(FromDate.Text());
    else
        core::LeaveDateBox(book_.messages, ToDate);
}

void Filter::PickInto(platform::TextBox& box)
{
    box.setText(core::PickDate(book_, calendar_, box.Text()));
}

} // namespace mainwindow
