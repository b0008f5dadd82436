#include "MainTest.h"

#include "core/FilterStore.h"
#include "core/TransactionEdits.h"
#include "datafile/DataFile.h"
#include "datafile/FakeDataFileWindow.h"
#include "runtime/Date.h"
#include "runtime/Format.h"
#include "support/FileBytes.h"

MainTest::MainTest()
{
    services.setNow(*runtime::Date::fromYmd(2025, 6, 15));
    services.setProgramFolder(folder.path());
    services.setWindowsFolder(folder.path());
    // The report viewer beside the program, as it is installed.
    writeBytes(folder / "datapeek", "");
}

void MainTest::cancelWizard(platform::ScriptedServices& scripted)
{
    scripted.onModal<mainwindow::Start>("Start", [](mainwindow::Start& wizard) { wizard.btnCancel.userClick(); });
}

std::filesystem::path MainTest::writeCompany(const std::string& name, int count)
{
    platform::ScriptedServices quiet;
    core::Book book(quiet);
    FakeDataFileWindow window;
    book.ledger.AttachWindow(window);
    book.company.CompanyName = "Test Company";
    core::FilterStore& filters = book.ledger.Filters;
    filters.CurrentFilter.Name = "All Off";
    filters.CurrentFilter.Types = "PRIBYZ";
    core::StoreFilterSetup(book, filters.CurrentFilter);
    core::FilterSetup nothing;
    nothing.Name = "Nothing";
    core::StoreFilterSetup(book, nothing);
    const char* types[] = {"PAY", "RCP", "INV", "BIL"};
    const runtime::Date first = *runtime::Date::fromYmd(2025, 1, 1);
    for (int i = 0; i < count; ++i) {
        core::TransactionFields fields;
        fields.Date = runtime::format(runtime::Date(first.days() + i), "dd/Mmm/yyyy");
        fields.Type = types[i % 4];
        fields.Reference = runtime::format(count - i, "000000");
        fields.Bank = "BANK1";
        fields.VAT = "S";
        fields.Category = "SALE";
        fields.Memo = "Item " + std::to_string(i + 1);
        fields.Amount = 10 + i;
        core::AddTransaction(book, fields);
    }
    const std::filesystem::path path = folder / name;
    EXPECT_TRUE(datafile::SaveDataFile(path, book, window));
    return path;
}

void MainTest::writeSettings(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    writeBytes(settingsFile(), bytes);
}

std::vector<std::string> MainTest::fullSettings(const std::filesystem::path& lastFile)
{
    return {"[Last File Name Section]", lastFile.string(), "[Fonts Section]", "COURIER NEW", "10", "000120", "000240",
            "[Grid Settings Section]", "000350", "000001", "000900", "000650", "000400", "000375", "002500", "001335",
            "001335", "000390", "000390", "000690", "000690", "000600", "000010", "[System Editor Section]", "DATAPEEK",
            "000000", "000600", "012000", "000700", "008400"};
}

std::string MainTest::gridRow(int row) const
{
    std::string text;
    for (int col = 0; col < mainwindow::GridColumnCount; ++col)
        text += (col ? "\t" : "") + main.QRYGrid.TextMatrix(row, col);
    return text;
}

std::vector<std::string> MainTest::gridPage() const
{
    std::vector<std::string> page;
    for (int row = 1; row < main.QRYGrid.Rows(); ++row)
        page.push_back(gridRow(row));
    return page;
}
