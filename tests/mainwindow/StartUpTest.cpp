#include <array>
#include <functional>

#include "MainTest.h"
#include "runtime/PathText.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

namespace {

constexpr std::array<double, 14> DefaultWidths{350, 1, 870, 650, 400, 375, 1845, 1335, 1335, 390, 390, 690, 690, 600};

using StartUpTest = MainTest;

TEST_F(StartUpTest, WithoutSettingsFileStartsSilentlyOnAnEmptyBookWithDefaults)
{
    cancelWizard();
    start();

    EXPECT_EQ(services.modalForms(), std::vector<std::string>{"Start"});
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 0);
    EXPECT_TRUE(main.book.FileToOpen.empty());
    for (int col = 0; col < mainwindow::GridColumnCount; ++col)
        EXPECT_EQ(main.QRYGrid.ColWidth(col), DefaultWidths[static_cast<std::size_t>(col)]) << col;
    EXPECT_EQ(main.reportDesk.Settings.FontName, "ARIAL");
    EXPECT_EQ(main.reportDesk.Settings.FontSize, "8");
    EXPECT_EQ(gridRow(0), "\t\tDate\tRef\tType\tVat\tMemo\tPayment\tReceipt\tRec\tPd?\tBank\tCust\tCat");
    EXPECT_TRUE(main.DatapeekItem.Checked());
    EXPECT_FALSE(main.SaveItem.Enabled());
}

TEST_F(StartUpTest, FullSettingsFileReopensTheLastCompanyWithItsSettings)
{
    const auto company = writeCompany("Shop.QBD", 12);
    std::vector<std::string> lines = fullSettings(company);
    lines[24] = "notepad";
    writeSettings(lines);
    writeBytes(folder / "NOTEPAD.EXE", "");

    start();

    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 12);
    EXPECT_EQ(main.book.CurrentDataFilePath, company);
    EXPECT_EQ(main.Caption(), "Quillbook 2000-32 : Test Company");
    EXPECT_EQ(main.QRYGrid.ColWidth(6), 2500);
    EXPECT_EQ(main.reportDesk.Settings.FontName, "COURIER NEW");
    EXPECT_EQ(main.reportDesk.Settings.LeftMargin, 120);
    EXPECT_EQ(main.reportDesk.Settings.TopMargin, 240);
    EXPECT_TRUE(main.book.AutoSave);
    EXPECT_TRUE(main.OptionAutoSave.Checked());
    EXPECT_TRUE(main.NotepadItem.Checked());
    EXPECT_FALSE(main.DatapeekItem.Checked());
    EXPECT_EQ(main.Left(), 700);
    EXPECT_EQ(main.Top(), 600);
    EXPECT_EQ(main.Width(), 12000);
    EXPECT_EQ(main.Height(), 8400);
    EXPECT_TRUE(main.SaveItem.Enabled());
    EXPECT_EQ(main.ComboMainFilters.Text(), "All Off             ");
    EXPECT_EQ(main.QRYGrid.TextMatrix(1, 2), "01/Jan/2025");
}

TEST_F(StartUpTest, SevenLinesTakeTheFontsButReopenNothing)
{
    const auto company = writeCompany("Shop.QBD", 3);
    std::vector<std::string> lines = fullSettings(company);
    lines.resize(7);
    writeSettings(lines);

    cancelWizard();
    start();

    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.FileToOpen, company);
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 0);
    EXPECT_EQ(main.reportDesk.Settings.FontName, "COURIER NEW");
    EXPECT_EQ(main.reportDesk.Settings.FontSize, "10");
    EXPECT_EQ(main.QRYGrid.ColWidth(6), 1845);
}

// A wrong section line is complained of once (the first reading is silent) and ends the reading.
TEST_F(StartUpTest, WrongSectionLinesAreComplainedOfOnce)
{
    struct Case {
        std::size_t line;
        std::string text;
        std::string complaint;
    };
    const Case cases[] = {
        {0, "[Wrong]", "Expected [Last File Name] section, found '[Wrong]' - Load the file you require manually"},
        {2, "Fonts", "Expected [Fonts] section, found 'Fonts' - Choose a font from the font menu"},
        {7, "Grid Settings", "Expected [Grid Settings] section, found 'Grid Settings' - Will use default grid settings"},
        {23, "[Editor]", "Expected [System Editor] section, found '[Editor]' - Using QB Viewer as default System Editor"},
    };
    for (const Case& c : cases) {
        platform::ScriptedServices fresh;
        fresh.setProgramFolder(folder.path());
        fresh.answerMessageBox(platform::Answer::OK);
        mainwindow::Main window(fresh, folder.path());
        if (c.line == 0)
            cancelWizard(fresh);
        std::vector<std::string> lines = fullSettings(writeCompany("Shop.QBD", 2));
        lines[c.line] = c.text;
        writeSettings(lines);

        window.Show();

        EXPECT_EQ(fresh.messageTexts(), std::vector<std::string>{c.complaint}) << c.line;
        EXPECT_EQ(window.book.ledger.Transactions.UpperBound(), 0) << c.line;
    }
}

TEST_F(StartUpTest, SectionsAreKnownByTheirFirstFourCharactersInAnyCase)
{
    const auto company = writeCompany("Shop.QBD", 4);
    std::vector<std::string> lines = fullSettings(company);
    lines[2] = "[FONTS SECTION]";
    lines[7] = "[gRiD";
    writeSettings(lines);

    start();

    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 4);
}

TEST_F(StartUpTest, MaximisedPlacementLeavesPositionAndSizeAlone)
{
    std::vector<std::string> lines = fullSettings(writeCompany("Shop.QBD", 1));
    lines[25] = "000002";
    writeSettings(lines);

    start();

    EXPECT_EQ(main.WindowState(), platform::Maximized);
    EXPECT_EQ(main.Left(), 0);
    EXPECT_EQ(main.Width(), 11520);
}

TEST_F(StartUpTest, WindowWiderThanSixteenBitsStillReopensAndStaysOnScreen)
{
    std::vector<std::string> lines = fullSettings(writeCompany("Shop.QBD", 5));
    lines[27] = "038400";
    lines[28] = "020000";
    writeSettings(lines);

    start();

    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 5);
    EXPECT_EQ(main.Width(), services.screenWidth());
    EXPECT_EQ(main.Left(), 0);
}

TEST_F(StartUpTest, SettingsAreWrittenBackByteForByte)
{
    writeSettings(fullSettings(writeCompany("Shop.QBD", 5)));
    const std::string before = readBytes(settingsFile());
    start();
    std::filesystem::remove(settingsFile());
    services.answerMessageBox(platform::Answer::No); // no backup

    main.ExitItem.userClick();

    EXPECT_TRUE(services.programEnded());
    EXPECT_EQ(readBytes(settingsFile()), before);
}

// A book opened through the dialog is the last file in the settings and is reopened, and offered
// by the Open dialog, at the next start, whatever the characters of its name. A name that
// Windows-1252 holds is stored as it always was.
TEST_F(StartUpTest, TheLastBookIsReopenedWhateverItsName)
{
    writeSettings(fullSettings(writeCompany("Shop.QBD", 5)));
    const auto run = [this](const std::function<void(mainwindow::Main&, platform::ScriptedServices&)>& act) {
        platform::ScriptedServices scripted;
        scripted.setNow(services.now());
        scripted.setProgramFolder(folder.path());
        scripted.setWindowsFolder(folder.path());
        mainwindow::Main program{scripted, folder.path()};
        program.Show();
        act(program, scripted);
        scripted.answerMessageBox(platform::Answer::No); // no backup
        program.ExitItem.userClick();
        EXPECT_TRUE(scripted.programEnded());
    };
    const std::string folderText = runtime::textOfPath(folder.path());
    const struct {
        std::string name;
        std::string storedAs;
    } cases[] = {
        {"Caf\xC3\xA9/Shop.QBD", folderText + "/Caf\xE9/Shop.QBD"},
        {"Ksi\xC4\x99gi/Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 2025.QBD", ""},
        {"\xE5\xB8\xB3\xE7\xB0\xBF/book.QBD", ""},
    };
    int count = 6;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::create_directories((folder / c.name).parent_path());
        const std::filesystem::path book = writeCompany(c.name, ++count);
        run([&](mainwindow::Main& program, platform::ScriptedServices& scripted) {
            scripted.answerFileDialog(runtime::textOfPath(book));
            program.LoadItem.userClick();
            EXPECT_EQ(program.book.CurrentDataFilePath, book);
        });
        const std::string settings = readBytes(settingsFile());
        const std::string lastFile = runtime::textOfPath(book);
        EXPECT_EQ(settings.substr(0, settings.find("\r\n[Fonts")), "[Last File Name Section]\r\n" + lastFile);
        if (!c.storedAs.empty()) {
            EXPECT_EQ(lastFile, c.storedAs);
        }

        run([&](mainwindow::Main& program, platform::ScriptedServices& scripted) {
            EXPECT_EQ(program.book.CurrentDataFilePath, book);
            EXPECT_EQ(program.book.ledger.Transactions.UpperBound(), count);
            scripted.cancelFileDialog();
            program.LoadItem.userClick();
            ASSERT_FALSE(scripted.fileDialogs().empty());
            EXPECT_EQ(runtime::pathFromText(scripted.fileDialogs().back().fileName), book);
        });
    }
}

TEST_F(StartUpTest, ZeroWidthColumnIsWrittenAsOneTwip)
{
    cancelWizard();
    start();
    main.QRYGrid.setColWidth(3, 0);
    services.answerMessageBox(platform::Answer::No);

    main.ExitItem.userClick();

    const std::string written = readBytes(settingsFile());
    EXPECT_NE(written.find("\r\n000001\r\n000870\r\n000001\r\n000400\r\n"), std::string::npos) << written;
    // Reading the grid loads the unloaded window again, and with it the wizard.
    cancelWizard();
    EXPECT_EQ(main.QRYGrid.ColWidth(3), 1);
}

TEST_F(StartUpTest, FailedSettingsWriteKeepsTheOldFileAndShutDownGoesOn)
{
    writeSettings(fullSettings(""));
    const std::string before = readBytes(settingsFile());
    cancelWizard();
    start();
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::No); // no backup
    {
        const FileSizeLimit full(16);
        main.ExitItem.userClick();
    }

    ASSERT_EQ(services.messageTexts().size(), 2u);
    EXPECT_EQ(services.messageTexts().front().rfind("Error Writing INI File: ", 0), 0u);
    EXPECT_TRUE(services.programEnded());
    EXPECT_EQ(readBytes(settingsFile()), before);
}

} // namespace
