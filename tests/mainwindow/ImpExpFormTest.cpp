#include "MainTest.h"

#include "runtime/Text.h"
#include "support/FileBytes.h"

namespace {

using mainwindow::ImpExpForm;

const std::filesystem::path Fixture = std::filesystem::path(QB_TEST_DATA) / "company.QBD";

// The main window started on a copy of tests/data/company.QBD (000010 INV001, 000011 CHQ100 live,
// the grid in reference order), with the exchange window shown in a mode.
class ImpExpFormTest : public MainTest {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(Fixture, company);
        writeSettings(fullSettings(company));
        start();
    }

    ImpExpForm& open(const char* mode)
    {
        form.LblOpType.setCaption(mode);
        form.Show();
        return form;
    }

    // Chooses `bytes`, written to a file, as the import source.
    std::filesystem::path selectSource(const std::string& bytes, const std::string& name = "IN.EXP")
    {
        const auto path = folder / name;
        writeBytes(path, bytes);
        services.answerFileDialog(path.string());
        form.CmdSelectFile.userClick();
        return path;
    }

    std::filesystem::path company = folder / "company.QBD";
    ImpExpForm& form = main.impExpForm;
};

std::string allFieldsLine(const std::string& date, const std::string& reference, const std::string& extra = "")
{
    return "\"000099\",\"" + date + "\",\"" + reference +
           "\",\"BANK01\",\"\",\"STD\",\"SALE\",\"memo\",\"10.00\",\"\",\"\",\"0\",\"1.49\",\"0\",\"\",\"RCP\"" + extra +
           "\r\n";
}

TEST_F(ImpExpFormTest, EachModeSetsUpItsCaptionControlsAndFieldList)
{
    struct ModeCase {
        const char* mode;
        const char* caption;
        const char* command;
        bool exportFrame;
        bool transactionOptions;
        bool separatorOptions;
        int fields;
    };
    const ModeCase cases[] = {
        {mainwindow::ExportTransactionsMode, "Export Transactions to ASCII file", "&Export", true, true, true, 16},
        {mainwindow::ExportCustomersMode, "Export Customers to ASCII file", "&Export", true, false, true, 5},
        {mainwindow::ExportCategoriesMode, "Export Categories to ASCII file", "&Export", true, false, true, 2},
        {mainwindow::ImportTransactionsMode, "Import Transactions from ASCII file", "&Import", false, false, false, 16},
        {mainwindow::ImportCustomersMode, "Import Customers from ASCII file", "&Import", false, false, false, 5},
        {mainwindow::ImportCategoriesMode, "Import Categories from ASCII file", "&Import", false, false, false, 2},
    };
    for (const ModeCase& c : cases) {
        open(c.mode);
        EXPECT_EQ(form.Caption(), c.caption);
        EXPECT_EQ(form.CmdExport.Caption(), c.command);
        EXPECT_EQ(form.FrameExport.Visible(), c.exportFrame);
        EXPECT_EQ(form.FrameImport.Visible(), !c.exportFrame);
        EXPECT_EQ(form.ChkSignTrans.Visible(), c.transactionOptions);
        EXPECT_EQ(form.ChkExpandCodes.Visible(), c.transactionOptions);
        EXPECT_EQ(form.OPtTabSep.Visible(), c.separatorOptions);
        const platform::ListBox& list = c.exportFrame ? form.ListAllFields : form.ListAllimpFields;
        EXPECT_EQ(list.ListCount(), c.fields) << c.mode;
        form.CmdCancel.userClick();
        EXPECT_FALSE(form.isLoaded());
    }
}

TEST_F(ImpExpFormTest, FieldItemsAreLiteralTexts)
{
    open(mainwindow::ExportTransactionsMode);
    EXPECT_EQ(form.ListAllFields.List(0), "  001 Tran System ID          \t- '012345'");
    EXPECT_EQ(form.ListAllFields.List(4), "  005 Tran Customer Code    \t- 'ABCDEF'");
    EXPECT_EQ(form.ListAllFields.List(15), "  016 Tran Type               \t- 'ABC'");
    form.CmdCancel.userClick();

    open(mainwindow::ImportTransactionsMode);
    EXPECT_EQ(form.ListAllimpFields.List(1), "* 002 Tran Date          REQ  \t- '01/Jan/94'");
    EXPECT_EQ(form.ListAllimpFields.List(3), "* 004 Tran Bank Code REQ \t- 'ABCDEF'");
    EXPECT_EQ(form.Label2[3].Caption(), "Source :");
}

TEST_F(ImpExpFormTest, LayoutEditingMovesFieldsBetweenTheLists)
{
    open(mainwindow::ExportCustomersMode);
    form.ListAllFields.userSetSelected(3, true);
    form.ListAllFields.userSetSelected(1, true);
    form.CmdAdd.userClick();
    EXPECT_EQ(form.ListExpLayout.ListCount(), 2);
    EXPECT_EQ(form.ListExpLayout.List(0).substr(0, 5), "  002");
    EXPECT_EQ(form.ListExpLayout.List(1).substr(0, 5), "  004");

    form.ListExpLayout.userSelect(0);
    form.CmdDownList.userClick();
    EXPECT_EQ(form.ListExpLayout.List(1).substr(0, 5), "  002");
    EXPECT_EQ(form.ListExpLayout.ListIndex(), 1);

    form.CmdRemove.userClick();
    EXPECT_EQ(form.ListAllFields.List(1).substr(0, 5), "  002"); // back in its numbered place

    services.answerMessageBox(platform::Answer::Yes);
    form.CmdRewind.userClick();
    EXPECT_EQ(services.messageTexts().back(), "Move all 'Chosen Fields' back to 'Available Field' list?");
    EXPECT_EQ(form.ListExpLayout.ListCount(), 0);
    EXPECT_EQ(form.ListAllFields.ListCount(), 5);

    form.CmdSelectAll.userClick();
    EXPECT_EQ(form.ListAllFields.SelCount(), 5);
    form.CmdDeselect.userClick();
    EXPECT_EQ(form.ListAllFields.SelCount(), 0);
}

TEST_F(ImpExpFormTest, ExportWritesTheChosenFileFromTheDataFilesFolderThenTheLastOne)
{
    std::filesystem::create_directory(folder / "out");
    const auto target = folder / "out" / "GRID.EXP";
    open(mainwindow::ExportTransactionsMode);
    form.ListAllFields.userSetSelected(2, true);
    form.CmdAdd.userClick();
    form.ListAllFields.userSetSelected(0, true);
    form.CmdAdd.userClick();
    services.answerFileDialog(target.string());

    form.CmdExport.userClick();

    EXPECT_EQ(readBytes(target), "\"CHQ100\",\"000011\"\r\n\"INV001\",\"000010\"\r\n");
    ASSERT_EQ(services.fileDialogs().size(), 1u);
    const platform::FileDialog& dialog = services.fileDialogs().front();
    EXPECT_EQ(dialog.kind, platform::FileDialog::Kind::Save);
    EXPECT_EQ(dialog.title, "Quillbook : Export Ascii File As...");
    EXPECT_EQ(dialog.filter, "QB Export Files (*.EXP)|*.EXP|Programs (*.exe)|*.EXE|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.filterIndex, 1);
    EXPECT_EQ(dialog.defaultExt, "EXP");
    EXPECT_EQ(dialog.flags, 2);
    EXPECT_TRUE(dialog.cancelError);
    EXPECT_EQ(dialog.fileName, folder.path().string() + "/*.EXP");

    form.OPtTabSep.userClick();
    form.OptAllTrans.userClick();
    services.answerFileDialog((folder / "out" / "ALL.EXP").string());
    form.CmdExport.userClick();

    EXPECT_EQ(services.fileDialogs().back().fileName, (folder / "out").string() + "/*.EXP");
    EXPECT_EQ(readBytes(folder / "out" / "ALL.EXP"), "\"INV001\"\t\"000010\"\r\n\"CHQ100\"\t\"000011\"\r\n");
    EXPECT_TRUE(form.Visible()); // the window stays open
}

TEST_F(ImpExpFormTest, AnEmptyLayoutOrACancelWritesNothing)
{
    open(mainwindow::ExportCategoriesMode);
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    form.CmdExport.userClick();
    form.CmdPreview.userClick();
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Select at least 1 field to export.", "Select at least 1 field to export."}));

    form.CmdSelectAll.userClick();
    form.CmdAdd.userClick();
    services.cancelFileDialog();
    form.CmdExport.userClick();
    EXPECT_EQ(services.messageTexts().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(folder / "QB.TXT"));
}

TEST_F(ImpExpFormTest, AFailedExportIsReportedAndTheWindowStaysOpen)
{
    open(mainwindow::ExportCustomersMode);
    form.CmdSelectAll.userClick();
    form.CmdAdd.userClick();
    services.answerFileDialog((folder / "missing" / "CUST.EXP").string());
    services.answerMessageBox(platform::Answer::OK);

    form.CmdExport.userClick();

    EXPECT_EQ(services.messageTexts().back(), "Error while exporting : Path not found");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_TRUE(form.Visible());
}

TEST_F(ImpExpFormTest, PreviewWritesTheHandOverFileAndStartsTheChosenProgram)
{
    open(mainwindow::ExportCategoriesMode);
    form.CmdSelectAll.userClick();
    form.CmdAdd.userClick();
    const std::string notepad = (folder / "NOTEPAD.EXE").string();
    services.answerFileDialog(notepad);

    form.CmdPreview.userClick();

    const platform::FileDialog& dialog = services.fileDialogs().back();
    EXPECT_EQ(dialog.kind, platform::FileDialog::Kind::Open);
    EXPECT_EQ(dialog.title, "Quillbook : Preview with Program...");
    EXPECT_EQ(dialog.filterIndex, 2);
    EXPECT_EQ(dialog.defaultExt, "EXE");
    EXPECT_EQ(dialog.fileName, notepad);
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms().front().commandLine, notepad + " QB.TXT");
    EXPECT_EQ(services.startedPrograms().front().style, platform::WindowStyle::NormalFocus);
    EXPECT_EQ(readBytes(folder / "QB.TXT"), "\"SALE\",\"Sales               \"\r\n\"STAT\",\"Stationery          \"\r\n");

    services.setStartProgramResult(false);
    services.answerFileDialog("/usr/bin/missing");
    services.answerMessageBox(platform::Answer::OK);
    form.CmdPreview.userClick();
    EXPECT_EQ(services.messageTexts().back(),
              "Error while previewing test export with '/usr/bin/missing' : File not found");
}

TEST_F(ImpExpFormTest, AMatchingFileIsShownWhiteAndImportsEveryLineWithNewNumbers)
{
    open(mainwindow::ImportTransactionsMode);
    const auto source = selectSource(allFieldsLine("01/May/2024", "NEW1") + allFieldsLine("02/May/2024", "NEW2"));

    const platform::FileDialog& dialog = services.fileDialogs().back();
    EXPECT_EQ(dialog.kind, platform::FileDialog::Kind::Open);
    EXPECT_EQ(dialog.title, "Quillbook : Import Ascii File...");
    EXPECT_EQ(dialog.defaultExt, "EXP");
    EXPECT_EQ(dialog.filterIndex, 1);
    EXPECT_EQ(dialog.fileName, folder.path().string() + "/*.EXP");
    EXPECT_EQ(form.ListImpFileFields.BackColor(), mainwindow::MatchingLayoutColour);
    EXPECT_EQ(form.Label2[3].Caption(), "Source : " + source.string());
    ASSERT_EQ(form.ListImpFileFields.ListCount(), 16);
    EXPECT_EQ(form.ListImpFileFields.List(1), "< 002 '01/May/2024'");
    EXPECT_EQ(form.ListImpFileFields.List(4), "< 005 ''");

    services.answerMessageBox(platform::Answer::Yes);
    form.CmdExport.userClick();

    EXPECT_EQ(services.messageTexts().back(), "Import from file '" + source.string() + "'");
    const core::TransactionTable& table = main.book.ledger.Transactions;
    ASSERT_EQ(table.UpperBound(), 5);
    EXPECT_EQ(table.Line(4).substr(0, 20), "00001320240501NEW1  ");
    EXPECT_EQ(table.Line(5).substr(0, 20), "00001420240502NEW2  ");
    EXPECT_TRUE(main.book.ledger.FileChanged);
    EXPECT_EQ(main.SelectedMark, 0);
    EXPECT_EQ(main.QRYScroll.Max(), main.book.ledger.QueryIndex.UpperBound());
}

TEST_F(ImpExpFormTest, AFileThatDoesNotMatchIsShownGreyAndRefused)
{
    struct MismatchCase {
        std::string bytes;
        std::string field16;
    };
    std::string fifteen = allFieldsLine("01/May/2024", "R");
    fifteen.erase(fifteen.rfind(",\"RCP\""));
    std::string tabs = allFieldsLine("01/May/2024", "R");
    for (std::size_t p; (p = tabs.find("\",\"")) != std::string::npos;)
        tabs.replace(p, 3, "\"\t\"");
    const MismatchCase cases[] = {
        {fifteen + "\r\n", "< 016 '??" "?'"},
        {allFieldsLine("01/May/2024", "R", ",\"17\""), "< 016 'RCP'"},
        {tabs, "< 016 '??" "?'"},
    };
    open(mainwindow::ImportTransactionsMode);
    for (const MismatchCase& c : cases) {
        const auto source = selectSource(c.bytes);
        EXPECT_EQ(form.ListImpFileFields.BackColor(), mainwindow::ButtonFaceColour);
        EXPECT_EQ(form.Label2[3].Caption(), "Source : " + source.string());
        EXPECT_EQ(form.ListImpFileFields.List(15), c.field16);

        services.answerMessageBox(platform::Answer::OK);
        form.CmdExport.userClick();
        EXPECT_EQ(services.messageTexts().back(),
                  "This file cannot be imported because the layout does not match the specified record layout");
    }
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 3);
}

TEST_F(ImpExpFormTest, AFileWithABadLaterLineImportsNothing)
{
    open(mainwindow::ImportTransactionsMode);
    const auto source = selectSource(allFieldsLine("01/May/2024", "A") + allFieldsLine("02/May/2024", "B") +
                                     allFieldsLine("03/May/2024", "C", ",\"extra\""));
    main.book.ledger.FileChanged = false;
    services.answerMessageBox(platform::Answer::Yes);
    services.answerMessageBox(platform::Answer::OK);

    form.CmdExport.userClick();

    EXPECT_EQ(services.messageTexts().back(),
              "Error while importing file '" + source.string() + "' : line 3 does not hold the 16 fields of the layout");
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 3);
    EXPECT_FALSE(main.book.ledger.FileChanged);
}

TEST_F(ImpExpFormTest, AnAmountThatIsNoNumberImportsNothingAndTakesNoNumber)
{
    open(mainwindow::ImportTransactionsMode);
    std::string second = allFieldsLine("02/May/2024", "B");
    second.replace(second.find("\"10.00\""), 7, "\"1E999\"");
    const auto source = selectSource(allFieldsLine("01/May/2024", "A") + second);
    const double counterBefore = main.book.counters.TransactionNumberCounter;
    main.book.ledger.FileChanged = false;
    services.answerMessageBox(platform::Answer::Yes);
    services.answerMessageBox(platform::Answer::OK);

    form.CmdExport.userClick();

    EXPECT_EQ(services.messageTexts().back(),
              "Error while importing file '" + source.string() + "' : line 2 holds '1E999' in field 9, which is not a number");
    EXPECT_EQ(main.book.counters.TransactionNumberCounter, counterBefore);
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 3);
    EXPECT_FALSE(main.book.ledger.FileChanged);
}

TEST_F(ImpExpFormTest, NoImportsNothingAndAnEmptyFileAsksForAFile)
{
    open(mainwindow::ImportCategoriesMode);
    services.answerMessageBox(platform::Answer::OK);
    form.CmdExport.userClick();
    EXPECT_EQ(services.messageTexts().back(), "Use the 'Select File' button to specify a file to import.");

    selectSource("\"RENT\",\"Rent\"\r\n");
    services.answerMessageBox(platform::Answer::No);
    form.CmdExport.userClick();
    EXPECT_EQ(main.book.codes.ListAnalCodes.ListCount(), 2);

    selectSource("", "EMPTY.EXP");
    EXPECT_EQ(form.ListImpFileFields.ListCount(), 0);
    EXPECT_EQ(form.Label2[3].Caption(), "Source :");
    EXPECT_EQ(form.ListImpFileFields.BackColor(), mainwindow::ButtonFaceColour);
    services.answerMessageBox(platform::Answer::OK);
    form.CmdExport.userClick();
    EXPECT_EQ(services.messageTexts().back(), "Use the 'Select File' button to specify a file to import.");

    services.cancelFileDialog();
    form.CmdSelectFile.userClick();
    EXPECT_EQ(form.Label2[3].Caption(), "Source :");
}

TEST_F(ImpExpFormTest, Utf8IsDecodedAndACharacterWindowsCannotHoldIsRefused)
{
    open(mainwindow::ImportCustomersMode);
    selectSource("\"PND001\",\"\xC2\xA3 Caf\xC3\xA9\",\"\",\"\",\"\"\n");
    EXPECT_EQ(form.ListImpFileFields.List(1), "< 002 '\xA3 Caf\xE9'");
    services.answerMessageBox(platform::Answer::Yes);
    form.CmdExport.userClick();
    EXPECT_EQ(main.book.codes.ListCustCodes.List(2).substr(0, 13), "PND001 \xA3 Caf\xE9");

    services.answerMessageBox(platform::Answer::OK);
    const auto source = selectSource("\"LOD001\",\"\xC5\x81\xC3\xB3\x64\xC5\xBA\",\"\",\"\",\"\"\r\n", "POLISH.EXP");
    EXPECT_EQ(services.messageTexts().back(), "Error while importing file '" + source.string() +
                                                  "' : line 1 holds a character that Windows-1252 cannot hold (U+0141)");
    EXPECT_EQ(form.ListImpFileFields.BackColor(), mainwindow::ButtonFaceColour);
    EXPECT_EQ(form.ListImpFileFields.List(0), "< 001 '??" "?'");
}

TEST_F(ImpExpFormTest, MenuItemsShowTheWindowAndImportsOfferToSaveFirst)
{
    std::string shownCaption;
    services.onModal<ImpExpForm>("ImpExpForm", [&](ImpExpForm& shown) {
        shownCaption = shown.Caption();
        shown.CmdCancel.userClick();
    });
    main.ItemExportCats.userClick();
    EXPECT_EQ(shownCaption, "Export Categories to ASCII file");
    EXPECT_FALSE(form.isLoaded());

    main.book.ledger.FileChanged = true;
    services.answerMessageBox(platform::Answer::Cancel);
    shownCaption.clear();
    main.ItemImportAnals.userClick();
    EXPECT_EQ(shownCaption, "");
    EXPECT_TRUE(services.messageTexts().back().starts_with("Current file '"));
}

} // namespace
