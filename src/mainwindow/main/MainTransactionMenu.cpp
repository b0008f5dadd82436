#include <string_view>

#include "core/BusyPointer.h"
#include "core/StandingOrderLine.h"
#include "core/TextTests.h"
#include "mainwindow/main/Main.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace mainwindow {

namespace {

struct Conversion {
    std::string_view from;
    const char* question;
    const char* to;
};

constexpr Conversion Conversions[] = {
    {"INV", "Convert this Invoice to a Bill?", "BIL"},
    {"BIL", "Convert this Bill to an Invoice?", "INV"},
    {"PAY", "Convert this Payment to a Receipt?", "RCP"},
    {"RCP", "Convert this Receipt to a Payment?", "PAY"},
};

constexpr const char* GiveEecCaption = "Give Transaction EEC Stat&us";

} // namespace

void Main::ItemConvertTType_Click()
{
    const std::string type = runtime::rtrim(ComboType.Text());
    for (const Conversion& conversion : Conversions) {
        if (conversion.from != type)
            continue;
        if (book.messages.AskYesNo(conversion.question) == platform::Answer::Yes) {
            ComboType.setText(conversion.to);
            ApplyTypeToEditBox(conversion.to);
        }
        return;
    }
    book.messages.ShowErrorBox(
        "You may only convert Payments to Receipts, Receipts to Payments, Invoices to Bills, or Bills to Invoices");
}

void Main::ItemEEC_Click()
{
    const bool give = runtime::ucase(ItemEEC.Caption()) == runtime::ucase(GiveEecCaption);
    ItemEEC.setCaption(give ? "Remove EEC Stat&us" : GiveEecCaption);
    EditLabel[7].setVisible(give);
}

void Main::ItemCopyTran_Click()
{
    const core::BusyPointer busy(services());
    if (!FrameEditBox.Enabled())
        return;
    CopiedTransaction = core::TransactionFields{};
    EditBoxToRecord(CopiedTransaction);
    CopiedSplitTail = book.SplitTail;
    CopiedTransaction.Deleted = false;
    const bool cleared = CopiedTransaction.Paid || CopiedTransaction.Reconciled;
    CopiedTransaction.Paid = false;
    CopiedTransaction.Reconciled = false;
    if (cleared) {
        core::SetMousePointer(services(), core::DefaultPointer);
        services().messageBox({"The COPY of this transaction has had its Reconciled and/or Paid boxes cleared.\r\r"
                               "The orginal has NOT been altered in any way.",
                               core::ProductTitle, platform::Buttons::OK, platform::Icon::None});
    }
    if (const std::optional<std::string> line = core::AssembleTransactionRecord(book, CopiedTransaction))
        services().setClipboardText(*line);
    CopiedTransaction.Number = runtime::space(6);
    ItemPasteTran.setEnabled(true);
}

void Main::ItemPasteTran_Click()
{
    const core::BusyPointer busy(services());
    if (FrameEditBox.Enabled())
        ShowTransactionInEditBox(CopiedTransaction);
}

void Main::EditInvNum_Click()
{
    core::SequenceCounters& counters = book.counters;
    double next = counters.PeekNextInvoiceNumber();
    do {
        const std::string answer =
            services().inputBox("Next Invoice Number : " + runtime::format(counters.InvoiceNumberCounter + 1, "000000"),
                                core::ProductTitle, runtime::format(next, "000000"));
        if (core::IsBlank(answer))
            return;
        // Invoice numbers are whole numbers.
        next = runtime::roundHalfEven(runtime::val(answer));
    } while (next < 1);
    counters.InvoiceNumberCounter = next - 1;
    book.ledger.FileChanged = true;
    SaveIfAutoSave();
}

void Main::AddSTOItem_Click()
{
    const std::string reference = runtime::rtrim(TextRef.Text());
    const std::string question = reference.empty()
                                     ? "Add the current record  to Standing Order List?"
                                     : "Add record reference '" + reference + "' to Standing Order List?";
    if (book.messages.AskYesNo(question) != platform::Answer::Yes)
        return;
    {
        const core::BusyPointer busy(services());
        core::TransactionFields fields;
        EditBoxToRecord(fields);
        // A transaction the book would refuse makes no standing order either.
        if (!ValidateTransaction(fields))
            return;
        std::string secondBank = runtime::trim(ComboType.Text()) == "XFR" ? runtime::ucase(ComboToBank.Text()) : "";
        const std::optional<std::string> line = core::AssembleStandingOrderLine(book, fields, secondBank);
        if (!line)
            return;
        core::AddStandingOrderLine(book, *line);
    }
    SaveIfAutoSave();
}

} // namespace mainwindow
