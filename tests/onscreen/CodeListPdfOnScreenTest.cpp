#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "OnScreenWindow.h"
#include "core/CodeLines.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "reports/CancelForm.h"
#include "reports/CodeListPrint.h"
#include "reports/FakeReportHost.h"
#include "reports/ReportDesk.h"
#include "support/FileBytes.h"

namespace {

// A word of a PDF page as pdftotext places it, in points.
struct PlacedWord {
    std::string text;
    double left = 0;
    double right = 0;
};

// The words of a PDF file by `pdftotext -bbox` (poppler-utils), in reading order.
std::vector<PlacedWord> PdfWords(const std::filesystem::path& pdf)
{
    const std::filesystem::path boxes = pdf.parent_path() / "words.html";
    const std::string command = "pdftotext -bbox '" + pdf.string() + "' '" + boxes.string() + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    const std::string html = readBytes(boxes);
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re");
    std::vector<PlacedWord> words;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it)
        words.push_back({(*it)[3].str(), std::stod((*it)[1].str()), std::stod((*it)[2].str())});
    return words;
}

// The right edges of the words that read `text`, in reading order.
std::vector<double> RightEdges(const std::vector<PlacedWord>& words, const std::string& text)
{
    std::vector<double> edges;
    for (const PlacedWord& word : words)
        if (word.text == text)
            edges.push_back(word.right);
    return edges;
}

// The bank list printed by the Qt printer to a PDF file, in the proportional report font.
class CodeListPdfOnScreen : public OnScreenWindow, public testing::Test {
protected:
    CodeListPdfOnScreen()
    {
        addAccount("BANK01", "Barclays Current", 1000);
        addAccount("CASH01", "Petty Cash", 50);
        core::TransactionFields cheque;
        cheque.Date = "10/Apr/2024";
        cheque.Reference = "CHQ100";
        cheque.Type = "PAY";
        cheque.Amount = 70;
        cheque.Bank = "BANK01";
        cheque.Reconciled = true;
        core::AddTransaction(book, cheque);
        desk.Settings.LeftMargin = 720;
        desk.Settings.TopMargin = 720;
    }

    void addAccount(const std::string& code, const std::string& name, double startBalance)
    {
        core::BankAccountRecord account;
        account.Code = code;
        account.Name = name;
        account.DateOpened = "01/Apr/2024";
        account.StartBalance = startBalance;
        book.codes.ListBankAccounts.AddItem(core::FormatBankAccountLine(account));
    }

    FakeReportHost host;
    reports::ReportDesk desk{book, host, folder.path()};
};

TEST_F(CodeListPdfOnScreen, BalancesLineUpOnTheirRightEdgesWhateverTheirDigits)
{
    desk.PrintJobWindow().ShowJob("Bank Account Report", reports::BankCodesTag);
    ASSERT_TRUE(std::filesystem::exists(folder.path() / "out.pdf"));

    const std::vector<PlacedWord> words = PdfWords(folder.path() / "out.pdf");
    const std::vector<double> thousand = RightEdges(words, "1,000.00");
    const std::vector<double> current = RightEdges(words, "930.00");
    const std::vector<double> fifty = RightEdges(words, "50.00");
    ASSERT_EQ(thousand.size(), 1u);
    ASSERT_EQ(current.size(), 1u);
    ASSERT_EQ(fifty.size(), 2u);
    // The opening balances, then the current ones.
    EXPECT_NEAR(thousand[0], fifty[0], 0.5);
    EXPECT_NEAR(current[0], fifty[1], 0.5);
    EXPECT_GT(fifty[1] - fifty[0], 50.0) << "two columns apart";
}

} // namespace
