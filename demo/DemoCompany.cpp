#include "DemoCompany.h"

#include <string>
#include <vector>

#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/FilterStore.h"
#include "core/IndexOperations.h"
#include "core/MoneyFormat.h"
#include "core/StandardFilters.h"
#include "core/StandingOrderLine.h"
#include "core/TemplateRecord.h"
#include "core/TransactionEdits.h"
#include "core/Vat.h"
#include "datafile/DataFile.h"
#include "datafile/LineBreakEscape.h"
#include "mainwindow/main/Main.h"
#include "platform/ScriptedServices.h"
#include "runtime/Date.h"
#include "runtime/Format.h"
#include "runtime/Text.h"

namespace demo {

namespace {

constexpr int Year = 2025;
constexpr int BankMirrorWidth = 27;

struct Vat {
    const char* code;
    double rate;
    const char* name;
};
constexpr Vat VatCodes[] = {{"S", 20, "Standard rate"}, {"R", 5, "Reduced rate"}, {"Z", 0, "Zero rated"}, {"E", 0, "Exempt"}};

double rateOf(const std::string& code)
{
    for (const Vat& vat : VatCodes) {
        if (code == vat.code)
            return vat.rate;
    }
    return 0;
}

std::string dateText(int month, int day)
{
    return runtime::format(*runtime::Date::fromYmd(Year, month, day), "dd/Mmm/yyyy");
}

class DemoBook {
public:
    explicit DemoBook(core::Book& book) : book_(book) {}

    void addCodes()
    {
        core::CodeTables& codes = book_.codes;
        const struct {
            const char* code;
            const char* name;
            double start;
        } banks[] = {{"CURR", "Current Account", 4500}, {"SAVE", "Savings Account", 10000}, {"CASH", "Petty Cash", 150}};
        for (const auto& bank : banks) {
            core::BankAccountRecord record;
            record.Code = bank.code;
            record.Name = bank.name;
            record.Address = "Kernow Bank\r\nMarket Street\r\nFalmouth";
            record.Tel = "01326 555 0100";
            record.DateOpened = dateText(1, 1);
            record.StartBalance = bank.start;
            const std::string line = core::FormatBankAccountLine(record);
            core::AddCodeLine(book_.messages, codes.ListBankAccounts, codes.ComboBank, line,
                              runtime::left(line, BankMirrorWidth), 6);
        }
        for (const Vat& vat : VatCodes) {
            core::VatCodeRecord record;
            record.Code = vat.code;
            record.Rate = vat.rate;
            record.Name = vat.name;
            core::AddCodeLine(book_.messages, codes.ListVATCodes, codes.ComboVAT, core::FormatVatCodeLine(record),
                              std::string(vat.code) + " " + vat.name, 3);
        }
        const char* customers[][3] = {
            {"ABBOT", "Abbot Builders", "3 Quay Road\r\nPenryn"},
            {"BRYANT", "Bryant & Sons", "Old Mill\r\nTruro"},
            {"CORNW", "Cornwall Council", "New County Hall\r\nTruro"},
            {"DRAKE", "Drake Timber Supply", "Wharf Yard\r\nPlymouth"},
            {"EVANS", "Evans Hardware", "22 Church Street\r\nFalmouth"},
            {"HOLZ", "Holzwerk Bremen GmbH", "Hafenstrasse 8\r\nBremen"},
        };
        for (const auto& customer : customers) {
            core::CustomerRecord record;
            record.Code = customer[0];
            record.Name = customer[1];
            record.Address = customer[2];
            record.Tel = "01326 555 0199";
            const std::string line = core::FormatCustomerLine(record);
            core::AddCodeLine(book_.messages, codes.ListCustCodes, codes.ComboCustomer, line,
                              runtime::left(line, BankMirrorWidth), 6);
        }
        const char* categories[][2] = {
            {"SALE", "Sales"},         {"MATS", "Materials"},    {"TOOL", "Tools"},     {"FUEL", "Van fuel"},
            {"RENT", "Workshop rent"}, {"INSU", "Insurance"},    {"TELE", "Telephone"}, {"BCHG", "Bank charges"},
            {"WAGE", "Wages"},         {"XFR", "Transfers"},
        };
        for (const auto& category : categories) {
            core::CategoryRecord record;
            record.Code = category[0];
            record.Name = category[1];
            const std::string line = core::FormatCategoryLine(record);
            core::AddCodeLine(book_.messages, codes.ListAnalCodes, codes.ComboAnal, line, line, 4);
        }
    }

    // One transaction as the edit box would store it; the VAT is worked out from the gross.
    core::TransactionFields fieldsOf(int month, int day, const std::string& type, const std::string& bank,
                                     const std::string& customer, const std::string& vat, const std::string& category,
                                     const std::string& memo, double amount) const
    {
        core::TransactionFields fields;
        fields.Date = dateText(month, day);
        fields.Type = type;
        fields.Reference = type == "INV" ? book_.counters.PeekNextInvoiceNumberText()
                                         : book_.counters.PeekNextTransactionNumberText();
        fields.Bank = bank;
        fields.Customer = customer;
        fields.VAT = vat;
        fields.Category = category;
        fields.Memo = memo;
        datafile::EscapeLineBreaks(fields.Memo);
        fields.Amount = amount;
        fields.VATAmount = core::CalcVatOfGrossPence(rateOf(vat), amount);
        fields.Paid = true;
        fields.Reconciled = month < 4 && bank != "CASH";
        return fields;
    }

    void store(core::TransactionFields fields, const std::string& splitTail = {})
    {
        book_.SplitTail = splitTail;
        core::AddTransaction(book_, fields);
        book_.SplitTail.clear();
    }

    void add(int month, int day, const std::string& type, const std::string& bank, const std::string& customer,
             const std::string& vat, const std::string& category, const std::string& memo, double amount,
             bool paid = true, bool eec = false)
    {
        core::TransactionFields fields = fieldsOf(month, day, type, bank, customer, vat, category, memo, amount);
        fields.Paid = paid;
        fields.EEC = eec;
        store(fields);
    }

    // A transfer is stored as its payment out of one account and its receipt into the other.
    void transfer(int month, int day, const std::string& from, const std::string& to, double amount)
    {
        add(month, day, "PAY", from, "", "", "XFR", "Trnsfr To A/C " + to, amount);
        add(month, day, "RCP", to, "", "", "XFR", "Trnsfr From A/C " + from, amount);
    }

    // A payment split over two VAT codes.
    void splitPayment(int month, int day)
    {
        const double standard = 96.00;
        const double zero = 24.50;
        core::TransactionFields fields = fieldsOf(month, day, "PAY", "CURR", "EVANS", "SPL", "TOOL",
                                                  "Screws, hinges and a site guide book", standard + zero);
        fields.VATAmount = core::CalcVatOfGrossPence(20, standard);
        fields.SplitCount = 2;
        store(fields, split(1, "Screws and hinges", standard, "S") + split(2, "Site guide book", zero, "Z"));
    }

    void addTransactions()
    {
        for (int month = 1; month <= 4; ++month) {
            add(month, 1, "PAY", "CURR", "", "E", "RENT", "Workshop rent", 650);
            add(month, 3, "INV", "CURR", "ABBOT", "S", "SALE", "Kitchen units fitted\r\nInvoice " + std::to_string(month), 1800 + 120 * month, month < 4);
            add(month, 6, "BIL", "CURR", "DRAKE", "S", "MATS", "Oak boards and sheet stock", 720 + 35 * month, month < 4);
            add(month, 9, "PAY", "CASH", "", "S", "FUEL", "Diesel for the van", 62.40 + month);
            add(month, 12, "RCP", "CASH", "", "S", "SALE", "Cash sale: shelving", 180 + 15 * month);
            add(month, 15, "INV", "CURR", "BRYANT", "R", "SALE", "Window repairs", 640 + 40 * month, month < 3);
            add(month, 18, "PAY", "CURR", "", "Z", "WAGE", "Apprentice wages", 1150);
            add(month, 20, "BIL", "CURR", "", "S", "TELE", "Telephone and broadband", 54, month < 4);
            if (month < 4) {
                add(month, 24, "PAY", "CURR", "DRAKE", "", "MATS", "Payment of bill", 720 + 35 * month);
                add(month, 26, "RCP", "CURR", "ABBOT", "", "SALE", "Payment of invoice", 1800 + 120 * month);
            }
            transfer(month, 28, "CURR", "SAVE", 500);
            add(month, 28, "PAY", "CURR", "", "E", "BCHG", "Monthly account fee", 8.50);
        }
        add(2, 11, "INV", "CURR", "HOLZ", "Z", "SALE", "Carved panels shipped to Bremen", 2350, true, true);
        add(3, 4, "RCP", "CURR", "CORNW", "S", "SALE", "Council bench contract", 3120);
        add(3, 21, "BIL", "CURR", "", "S", "INSU", "Public liability insurance", 412.80);
        transfer(4, 14, "CURR", "CASH", 100);
        splitPayment(2, 19);
        splitPayment(4, 8);
    }

    void addStandingOrder()
    {
        core::TransactionFields rent;
        rent.Date = dateText(5, 1);
        rent.Type = "PAY";
        rent.Bank = "CURR";
        rent.VAT = "E";
        rent.Category = "RENT";
        rent.Memo = "Workshop rent";
        rent.Amount = 650;
        std::string secondBank;
        if (const auto line = core::AssembleStandingOrderLine(book_, rent, secondBank))
            book_.codes.ListSTOs.AddItem(*line);
    }

    void addFilters()
    {
        core::FilterStore& filters = book_.ledger.Filters;
        filters.CurrentFilter.Name = "All Off";
        filters.CurrentFilter.Types = "PRIBYZ";
        core::StoreFilterSetup(book_, filters.CurrentFilter);
        core::MakeVatQuarterFilterSetups(book_);
        core::MakeStandardFilterSetups(book_);
        filters.PreviousFilter = filters.CurrentFilter;
        core::ApplyFilterInSortOrder(book_);
    }

    // A simple invoice on A4 for the invoice menu's print and preview: the company at the top left,
    // the customer below it, the figures right-aligned and boxed.
    void addInvoiceTemplate()
    {
        constexpr TemplateText objects[] = {
            {"~YN", "14", true, 'L', false, 720, 720, 4800},    {"~YA", "10", false, 'L', false, 720, 1080, 4800},
            {"~YT", "10", false, 'L', false, 720, 1920, 2400},  {"INVOICE", "20", true, 'R', false, 6600, 720, 3600},
            {"Invoice No.", "10", true, 'L', false, 6600, 1440, 1500}, {"~TR", "10", false, 'R', false, 8400, 1440, 1800},
            {"Tax Point", "10", true, 'L', false, 6600, 1740, 1500}, {"~DT", "10", false, 'R', false, 8400, 1740, 1800},
            {"Invoice To", "10", true, 'L', false, 720, 2880, 2400}, {"~CN", "10", false, 'L', false, 720, 3180, 4800},
            {"~CA", "10", false, 'L', false, 720, 3480, 4800},   {"~TM", "10", false, 'L', false, 720, 5040, 6000},
            {"Net", "10", false, 'L', false, 6600, 7200, 1500},  {"~TN", "10", false, 'R', true, 8400, 7200, 1800},
            {"VAT", "10", false, 'L', false, 6600, 7560, 1500},  {"~TV", "10", false, 'R', true, 8400, 7560, 1800},
            {"Total", "10", true, 'L', false, 6600, 7920, 1500}, {"~TG", "10", true, 'R', true, 8400, 7920, 1800},
            {"Thank you for your business", "10", false, 'C', false, 720, 9360, 9500},
        };
        fillTemplate(book_.Templates[core::SimpleInvoice], objects);
    }

    // A remittance advice on A4 for a payment's print and preview, laid out as the invoice: the
    // company at the top left, the supplier paid below it, what the payment is for and the figures.
    void addRemittanceTemplate()
    {
        constexpr TemplateText objects[] = {
            {"~YN", "14", true, 'L', false, 720, 720, 4800},    {"~YA", "10", false, 'L', false, 720, 1080, 4800},
            {"~YT", "10", false, 'L', false, 720, 1920, 2400},  {"REMITTANCE ADVICE", "20", true, 'R', false, 5400, 720, 4800},
            {"Our Ref.", "10", true, 'L', false, 6600, 1440, 1500}, {"~TR", "10", false, 'R', false, 8400, 1440, 1800},
            {"Date", "10", true, 'L', false, 6600, 1740, 1500}, {"~DT", "10", false, 'R', false, 8400, 1740, 1800},
            {"Paid To", "10", true, 'L', false, 720, 2880, 2400}, {"~CN", "10", false, 'L', false, 720, 3180, 4800},
            {"~CA", "10", false, 'L', false, 720, 3480, 4800},   {"In Payment Of", "10", true, 'L', false, 720, 4740, 2400},
            {"~TM", "10", false, 'L', false, 720, 5040, 6000},   {"Net", "10", false, 'L', false, 6600, 7200, 1500},
            {"~TN", "10", false, 'R', true, 8400, 7200, 1800},   {"VAT", "10", false, 'L', false, 6600, 7560, 1500},
            {"~TV", "10", false, 'R', true, 8400, 7560, 1800},   {"Amount Paid", "10", true, 'L', false, 6600, 7920, 1500},
            {"~TG", "10", true, 'R', true, 8400, 7920, 1800},
            {"Please let us know if this payment does not agree with your records", "10", false, 'C', false, 720, 9360, 9500},
        };
        fillTemplate(book_.Templates[core::RemittanceAdvice], objects);
    }

    // A letter for the mail merge: the company, the date, the customer and what the customer owes.
    void addLetterTemplate()
    {
        constexpr TemplateText objects[] = {
            {"~YN", "14", true, 'L', false, 720, 720, 4800},
            {"~YA", "10", false, 'L', false, 720, 1080, 4800},
            {"~YT", "10", false, 'L', false, 720, 1920, 2400},
            {"~DD", "10", false, 'R', false, 8400, 1920, 1800},
            {"~CN", "10", false, 'L', false, 720, 2880, 4800},
            {"~CA", "10", false, 'L', false, 720, 3180, 4800},
            {"Dear Customer,", "10", false, 'L', false, 720, 4560, 4800},
            {"Thank you for your custom this year. For your records, this is how your account with us\r\n"
             "stands today. Please get in touch if anything here does not agree with your own books.",
             "10", false, 'L', false, 720, 5040, 9500},
            {"Unpaid invoices", "10", true, 'L', false, 720, 6000, 3000},
            {"~KI", "10", false, 'R', true, 8400, 6000, 1800},
            {"Balance of your account", "10", true, 'L', false, 720, 6360, 3000},
            {"~KB", "10", false, 'R', true, 8400, 6360, 1800},
            {"Yours sincerely,", "10", false, 'L', false, 720, 7440, 4800},
            {"~YN", "10", false, 'L', false, 720, 8400, 4800},
        };
        fillTemplate(book_.Templates[core::MailMergeLetter], objects);
    }

private:
    struct TemplateText {
        const char* text;
        const char* size;
        bool bold;
        char alignment;
        bool boxed;
        float left;
        float top;
        float width;
    };

    // The objects in their order on an A4 page with margins of half an inch; the rest stay blank.
    template <std::size_t Count> static void fillTemplate(core::TemplateRecord& tmpl, const TemplateText (&objects)[Count])
    {
        tmpl.TopMargin = 720;
        tmpl.SideMargin = 720;
        for (std::size_t i = 0; i < Count; ++i) {
            const TemplateText& from = objects[i];
            core::TemplateObject& object = tmpl.Objects[i];
            object.Text = from.text;
            object.FontName = "Arial";
            object.FontSize = from.size;
            object.Bold = from.bold ? 'Y' : 'N';
            object.Italic = 'N';
            object.Underline = 'N';
            object.Alignment = from.alignment;
            object.Visible = 'Y';
            object.Boxed = from.boxed ? 'Y' : 'N';
            object.Left = from.left;
            object.Top = from.top;
            object.Width = from.width;
        }
    }

    static std::string split(int number, const std::string& memo, double amount, const std::string& vat)
    {
        return runtime::format(number, "000") + runtime::padRight(memo, 30) + core::FormatAmountPlain(amount) +
               runtime::padRight(vat, 3) + "    ";
    }

    core::Book& book_;
};

} // namespace

bool WriteDemoCompany(const std::filesystem::path& file)
{
    platform::ScriptedServices services;
    services.setNow(*runtime::Date::fromYmd(Year, 4, 30));
    // The window's settings file is looked for beside the demo, where the one it writes names it:
    // an empty working folder keeps the window from reopening anything while the book is made.
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "quillbook-demo-scratch";
    std::filesystem::create_directories(scratch);
    mainwindow::Main main(services, scratch);
    // With nothing to reopen the window's start shows the start-up wizard, which is closed.
    services.onModal<mainwindow::Start>("Start", [](mainwindow::Start& wizard) { wizard.btnCancel.userClick(); });
    main.ensureLoaded();
    core::Book& book = main.book;
    book.company.CompanyName = "Harbour Lane Joinery";
    book.company.CompanyAddress = "Unit 4, Harbour Lane\r\nFalmouth\r\nCornwall TR11 2AA";
    book.company.CompanyPhone = "01326 555 0142";
    book.company.InceptionDate = dateText(1, 1);

    DemoBook demo(book);
    demo.addCodes();
    demo.addFilters();
    demo.addTransactions();
    demo.addStandingOrder();
    demo.addInvoiceTemplate();
    demo.addRemittanceTemplate();
    demo.addLetterTemplate();
    main.SyncQueryScrollBar(0);
    const bool saved = datafile::SaveDataFile(file, book, main);
    std::filesystem::remove_all(scratch);
    return saved;
}

} // namespace demo
