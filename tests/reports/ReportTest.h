#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/Book.h"
#include "core/TransactionEdits.h"
#include "core/TransactionRecord.h"
#include "datafile/DataFile.h"
#include "datafile/FakeDataFileWindow.h"
#include "platform/ScriptedServices.h"
#include "reports/FakeReportHost.h"
#include "reports/ReportDesk.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

// Whether this process holds a file open.
inline bool IsOpenInThisProcess(const std::filesystem::path& path)
{
    const std::filesystem::path target = std::filesystem::weakly_canonical(path);
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(fd.path(), error) == target)
            return true;
    }
    return false;
}

// Scripted services that also note, at each message box, whether the report file is still open,
// act at each yield to the message loop as a test says, and may print on another printer.
class ReportServices : public platform::ScriptedServices {
public:
    platform::Answer messageBox(const platform::MessageBox& box) override
    {
        reportOpenAtBox.push_back(IsOpenInThisProcess(reportFile));
        return ScriptedServices::messageBox(box);
    }
    void doEvents() override
    {
        ScriptedServices::doEvents();
        if (atYield)
            atYield(doEventsCalls());
    }
    platform::Printer& printer() override { return otherPrinter ? *otherPrinter : ScriptedServices::printer(); }

    std::filesystem::path reportFile;
    std::vector<bool> reportOpenAtBox;
    // Runs at each yield, told how many yields there have been.
    std::function<void(int)> atYield;
    platform::Printer* otherPrinter = nullptr;
};

// A book at 09:30:05 on 15 June 2025, error boxes on, whose reports go to a folder of the test's
// own, with the report viewer chosen and the report font ARIAL 8 at margins of 720 twips.
class ReportTest : public testing::Test {
protected:
    ReportTest()
    {
        setClock(9, 30, 5);
        book.messages.MessagesEnabled = true;
        book.ledger.AttachWindow(window);
        services.reportFile = reportPath();
        desk.Settings.LeftMargin = 720;
        desk.Settings.TopMargin = 720;
        services.setProgramFolder("/opt/quillbook");
    }

    void setClock(int hour, int minute, int second)
    {
        const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
        services.setNow(runtime::Date(runtime::Date::fromYmd(2025, 6, 15)->serial() + time));
    }

    // tests/data/company.QBD: two live transactions, listed in reference order under "(CURRENT)".
    void loadCompany()
    {
        ASSERT_TRUE(datafile::LoadDataFile(std::filesystem::path(QB_TEST_DATA) / "company.QBD", book, window));
        host.payTotalCaption = "      70.00";
        host.rcpTotalCaption = "     117.50";
    }

    // tests/data/reports.QBD, Harbour Lane Joinery: banks, VAT codes, customers and categories for
    // the balance reports, and 34 live transactions from March to June 2025 (one more deleted),
    // listed in reference order under "(CURRENT)". Its clock is set to 10:30:00 on 15 June 2025.
    void loadReportsBook()
    {
        setClock(10, 30, 0);
        ASSERT_TRUE(datafile::LoadDataFile(std::filesystem::path(QB_TEST_DATA) / "reports.QBD", book, window));
        host.mainFilterText = "(CURRENT)";
    }

    // Adds a transaction of the book's bank account; the current filter decides whether it is listed.
    void addTransaction(const std::string& date, const std::string& type, double amount, const std::string& vat = "STD",
                        bool eec = false, bool paid = false, const std::string& memo = "Goods")
    {
        core::TransactionFields fields;
        fields.Date = date;
        fields.Type = type;
        fields.Amount = amount;
        fields.VAT = vat;
        fields.EEC = eec;
        fields.Paid = paid;
        fields.Memo = memo;
        fields.Bank = "BANK01";
        fields.Category = "SALE";
        book.SplitTail.clear();
        core::AddTransaction(book, fields);
    }

    std::filesystem::path reportPath() const { return folder / "QB.TXT"; }

    // The lines of "QB.TXT"; a line not ended by CR LF fails the test.
    std::vector<std::string> reportLines() const
    {
        const std::string bytes = readBytes(reportPath());
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(start, bytes.size()) << "the report ends with an unfinished line";
        return lines;
    }

    // The lines after the marker and the two blank lines that follow it.
    std::vector<std::string> bodyLines() const
    {
        const std::vector<std::string> lines = reportLines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == "*** REPORT STARTS ***")
                return {lines.begin() + static_cast<long>(i) + 3, lines.end()};
        ADD_FAILURE() << "no marker line";
        return {};
    }

    // The body lines from `first` up to the line `end`.
    std::vector<std::string> bodyLinesBetween(std::size_t first, const std::string& end) const
    {
        const std::vector<std::string> body = bodyLines();
        std::vector<std::string> found;
        for (std::size_t i = first; i < body.size() && body[i] != end; ++i)
            found.push_back(body[i]);
        return found;
    }

    // A report that failed hands nothing to a viewer.
    void expectNothingStarted() const
    {
        EXPECT_TRUE(services.startedPrograms().empty());
        EXPECT_TRUE(services.sentKeys().empty());
    }

    TempFolder folder;
    ReportServices services;
    core::Book book{services};
    FakeDataFileWindow window;
    FakeReportHost host;
    reports::ReportDesk desk{book, host, folder.path()};
};
