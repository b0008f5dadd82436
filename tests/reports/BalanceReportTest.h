#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "ReportTest.h"
#include "core/CodeList.h"
#include "platform/ListControls.h"
#include "reports/AgedBalanceReport.h"
#include "reports/BankActivityReport.h"
#include "reports/CategoryAnalysisReport.h"
#include "reports/CustomerStatementReport.h"
#include "reports/IncomeExpenditureReport.h"
#include "reports/ReportForm.h"

// The report chooser over reports.QBD with the balance reports' writers behind its Report button,
// as the main window wires them. Each report is compared with a file worked out by hand
// (tests/data/reports/, the sums in hand-sums.txt).
class BalanceReportTest : public ReportTest {
protected:
    BalanceReportTest()
    {
        loadReportsBook();
        reports::ReportWriters& w = parts.Writers;
        w.WriteBankActivityReport = [this](reports::ReportForm& f, core::FilterSetup& r) {
            answers.push_back(reports::WriteBankActivityReport(desk, f, r));
        };
        w.WriteAgedBalanceReport = [this](reports::ReportForm& f, core::FilterSetup& r, int kind, int count) {
            answers.push_back(reports::WriteAgedBalanceReport(desk, f, r, kind, count));
        };
        w.WriteCustomerStatementReport = [this](reports::ReportForm&, const std::string& code, int daysOver) {
            answers.push_back(reports::WriteCustomerStatementReport(desk, code, daysOver));
        };
        w.WriteIncomeExpenditureReport = [this](reports::ReportForm& f, core::FilterSetup& r) {
            answers.push_back(reports::WriteIncomeExpenditureReport(desk, f, r));
        };
        w.WriteCategoryAnalysisReport = [this](reports::ReportForm& f, core::FilterSetup& r, int count, int months,
                                               const std::string& start) {
            answers.push_back(reports::WriteCategoryAnalysisReport(desk, f, r, count, months, start));
        };
    }

    // Sets the chooser up for `kind`, lets `fill` set its controls as a user would, and presses Report.
    void run(int kind, const std::function<void(reports::ReportForm&)>& fill)
    {
        if (!form_)
            form_ = std::make_unique<reports::ReportForm>(desk, parts);
        services.onModal<reports::ReportForm>("ReportForm", [fill](reports::ReportForm& f) {
            fill(f);
            f.CmdReport.userClick();
        });
        ASSERT_TRUE(form_->SetUpReportForm(kind));
    }

    static void selectAll(platform::ListBox& list)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            list.userSetSelected(i, true);
    }

    // "QB.TXT" is byte for byte the hand-made file.
    void expectReport(const std::string& name) const
    {
        const std::string expected = readBytes(std::filesystem::path(QB_TEST_DATA) / "reports" / name);
        ASSERT_FALSE(expected.empty()) << name;
        EXPECT_EQ(readBytes(reportPath()), expected) << name;
    }

    // The same file as a text editor gets it: without the five viewer settings lines and, where
    // `markerOnlyForViewer`, without the marker line.
    void expectEditorReport(const std::string& name, bool markerOnlyForViewer) const
    {
        std::string expected = readBytes(std::filesystem::path(QB_TEST_DATA) / "reports" / name);
        for (int line = 0; line < 5; ++line)
            expected.erase(0, expected.find("\r\n") + 2);
        if (markerOnlyForViewer)
            expected.erase(expected.find("*** REPORT STARTS ***\r\n"), 23);
        EXPECT_EQ(readBytes(reportPath()), expected) << name;
    }

    void expectViewerStarted() const
    {
        ASSERT_EQ(services.startedPrograms().size(), 1u);
        EXPECT_EQ(services.startedPrograms()[0].commandLine, "/opt/quillbook\\DATAPEEK.EXE QBLAUNCH");
    }

    void expectNotepadStarted() const
    {
        ASSERT_EQ(services.startedPrograms().size(), 1u);
        EXPECT_EQ(services.startedPrograms()[0].commandLine, "Notepad.exe QB.TXT");
    }

    // An unwritable "QB.TXT" (a folder of that name) stops the report after its message.
    void expectUnwritableFileRefused(int kind, const std::function<void(reports::ReportForm&)>& fill)
    {
        std::filesystem::create_directory(reportPath());
        services.answerMessageBox(platform::Answer::OK);
        run(kind, fill);
        EXPECT_EQ(answers, std::vector<bool>{false});
        EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"File error : Path/File access error"});
        expectNothingStarted();
    }

    reports::ReportFormParts parts;
    std::unique_ptr<reports::ReportForm> form_;
    // What each writer answered, in order.
    std::vector<bool> answers;
};
