#pragma once

#include <string>
#include <vector>

#include "core/CodeLines.h"
#include "core/CodeTableEdits.h"
#include "core/LedgerTest.h"
#include "mainwindow/dialogs/Calendar.h"
#include "mainwindow/codes/CodeRecords.h"
#include "mainwindow/codes/CodeWindowHost.h"
#include "mainwindow/codes/MaintainCodes.h"
#include "reports/FakeReportHost.h"
#include "reports/ReportDesk.h"
#include "support/TempFolder.h"

// The main window as the code window sees it: the auto-save option, a count of saves, and a report
// desk whose "QB.TXT" goes to a folder of its own.
class FakeCodeWindowHost : public mainwindow::CodeWindowHost {
public:
    explicit FakeCodeWindowHost(core::Book& book) : desk(book, reportHost, reportFolder.path()) {}

    bool AutoSave() const override { return autoSave; }
    void SaveTheFile() override { ++saves; }
    reports::ReportDesk& Reports() override { return desk; }

    bool autoSave = false;
    int saves = 0;
    TempFolder reportFolder;
    FakeReportHost reportHost;
    reports::ReportDesk desk;
};

// The code window over a book with a fake main window (clock at 15 June 2025).
class CodeWindowTest : public LedgerTest {
protected:
    CodeWindowTest() { mainForm.endDesign(); }

    // Shows the window on one page, as the main window's menus do (modeless here, so the test can
    // act on it between steps).
    void open(platform::Frame& page)
    {
        page.setVisible(true);
        codes.Show();
    }
    // A double-click on the line of `code` in the page's list.
    void pickLine(platform::ListBox& list, const std::string& code)
    {
        for (int i = 0; i < list.ListCount(); ++i) {
            if (list.List(i).starts_with(code)) {
                list.userSelect(i);
                list.userDblClick();
                return;
            }
        }
        FAIL() << "no line of " << code;
    }
    // Types into a box as a user does: enters it, replaces its text and leaves it.
    void enter(platform::TextBox& box, const std::string& text)
    {
        box.setFocus();
        box.userSetText(text);
        codes.CmdDone.setFocus();
    }
    // Puts a code line in its table and its mirror, as a loaded data file does.
    void addLine(core::CodeKind kind, const std::string& line)
    {
        ASSERT_TRUE(core::AddCodeLine(book.messages, book.codes.table(kind), book.codes.mirror(kind), line,
                                      mainwindow::MirrorText(kind, line), core::CodeWidth(kind)));
    }
    void addBankLine(const std::string& code, const std::string& name, double startBalance)
    {
        core::BankAccountRecord record;
        record.Code = code;
        record.Name = name;
        record.StartBalance = startBalance;
        record.Balance = startBalance;
        addLine(core::CodeKind::Bank, core::FormatBankAccountLine(record));
    }
    void addCategoryLine(const std::string& code, const std::string& name)
    {
        core::CategoryRecord record;
        record.Code = code;
        record.Name = name;
        addLine(core::CodeKind::Category, core::FormatCategoryLine(record));
    }
    void addCustomerLine(const std::string& code, const std::string& name, const std::string& address = "")
    {
        core::CustomerRecord record;
        record.Code = code;
        record.Name = name;
        record.Address = address;
        addLine(core::CodeKind::Customer, core::FormatCustomerLine(record));
    }
    void addVatLine(const std::string& code, const std::string& name, double rate)
    {
        core::VatCodeRecord record;
        record.Code = code;
        record.Name = name;
        record.Rate = rate;
        addLine(core::CodeKind::Vat, core::FormatVatCodeLine(record));
    }
    static std::vector<std::string> items(const platform::ListModel& list)
    {
        std::vector<std::string> result;
        for (int i = 0; i < list.ListCount(); ++i)
            result.push_back(list.List(i));
        return result;
    }

    platform::Form mainForm{services, "Main"};
    mainwindow::Calendar calendar{book, mainForm};
    FakeCodeWindowHost host{book};
    mainwindow::MaintainCodes codes{book, host, calendar};
};
