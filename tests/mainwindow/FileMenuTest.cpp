#include "MainTest.h"
#include "support/FileBytes.h"

#include <vector>

namespace {

// The main window started on a saved book of five transactions.
class FileMenuTest : public MainTest {
protected:
    void SetUp() override
    {
        company = writeCompany("Shop.QBD", 5);
        other = writeCompany("Other.QBD", 8);
        writeSettings(fullSettings(company));
        start();
    }

    // A change the file does not hold yet.
    void change()
    {
        main.book.company.CompanyName = "Changed Company";
        main.book.ledger.FileChanged = true;
    }

    std::filesystem::path company;
    std::filesystem::path other;
};

TEST_F(FileMenuTest, SaveWritesTheOpenFile)
{
    change();

    main.SaveItem.userClick();

    EXPECT_FALSE(main.book.ledger.FileChanged);
    EXPECT_NE(readBytes(company).find("Changed Company"), std::string::npos);
    EXPECT_TRUE(services.fileDialogs().empty());
}

TEST_F(FileMenuTest, SaveAsOffersTheOpenFileAndRenamesTheBook)
{
    const auto copy = folder / "Copy.QBD";
    services.answerFileDialog(copy.string());

    main.SaveAsItem.userClick();

    ASSERT_EQ(services.fileDialogs().size(), 1u);
    const platform::FileDialog& dialog = services.fileDialogs().front();
    EXPECT_EQ(dialog.kind, platform::FileDialog::Kind::Save);
    EXPECT_EQ(dialog.title, "Quillbook : Save File As...");
    EXPECT_EQ(dialog.filter, "QB Data Files (*.QBD)|*.QBD|QB Backup Files (*.BAK)|*.BAK|Coinjar (*.CJ?)|*.CJ?|"
                             "Archive Files (*.ARC)|*.ARC|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.filterIndex, 1);
    EXPECT_EQ(dialog.defaultExt, "QBD");
    EXPECT_EQ(dialog.flags, 2);
    EXPECT_TRUE(dialog.cancelError);
    EXPECT_EQ(dialog.fileName, company.string());
    EXPECT_EQ(main.LblFileOp.Caption(), " 1");
    EXPECT_EQ(main.book.CurrentDataFilePath, copy);
    EXPECT_NE(readBytes(copy).find("Item 5"), std::string::npos);
}

TEST_F(FileMenuTest, SaveOfABookWithoutAFileAsksForOne)
{
    main.book.CurrentDataFilePath.clear();
    change();
    const auto named = folder / "Named.QBD";
    services.answerFileDialog(named.string());

    main.SaveItem.userClick();

    ASSERT_EQ(services.fileDialogs().size(), 1u);
    EXPECT_EQ(services.fileDialogs().front().title, "Quillbook : Save File As...");
    EXPECT_TRUE(std::filesystem::exists(named));
    EXPECT_FALSE(main.book.ledger.FileChanged);
}

TEST_F(FileMenuTest, OpenOfAnUnchangedBookAsksNothingAndStartsFromTheLastFileOpened)
{
    services.answerFileDialog(other.string());

    main.LoadItem.userClick();

    EXPECT_TRUE(services.messageBoxes().empty());
    ASSERT_EQ(services.fileDialogs().size(), 1u);
    EXPECT_EQ(services.fileDialogs().front().title, "Quillbook : Open File...");
    EXPECT_EQ(services.fileDialogs().front().kind, platform::FileDialog::Kind::Open);
    EXPECT_EQ(services.fileDialogs().front().fileName, company.string());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 8);
    EXPECT_EQ(main.book.CurrentDataFilePath, other);
    EXPECT_EQ(main.QRYGrid.TextMatrix(8, 0), "8");
}

// Open of a changed book asks first; what follows depends on the answer.
TEST_F(FileMenuTest, OpenOfAChangedBookAsksToSaveFirst)
{
    struct Case {
        const char* name;
        platform::Answer answer;
        bool hasPath;
        bool saveAsCancelled;
        bool opened;
        bool saved;
    };
    const Case cases[] = {
        {"cancel", platform::Answer::Cancel, true, false, false, false},
        {"no", platform::Answer::No, true, false, true, false},
        {"yes", platform::Answer::Yes, true, false, true, true},
        {"yes, no name, save as cancelled", platform::Answer::Yes, false, true, false, false},
        {"yes, no name, saved as", platform::Answer::Yes, false, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeCompany("Shop.QBD", 5);
        main.book.ledger.Transactions.Clear();
        datafile::LoadDataFile(company, main.book, main);
        if (!c.hasPath)
            main.book.CurrentDataFilePath.clear();
        change();
        const std::string question = "Current file '" + (c.hasPath ? company.string() : std::string()) +
                                     "' has changed. Save before loading new file?";
        const std::size_t boxes = services.messageBoxes().size();
        services.answerMessageBox(c.answer);
        const auto savedAs = folder / "SavedAs.QBD";
        std::filesystem::remove(savedAs);
        if (!c.hasPath && c.answer == platform::Answer::Yes) {
            if (c.saveAsCancelled)
                services.cancelFileDialog();
            else
                services.answerFileDialog(savedAs.string());
        }
        if (c.opened)
            services.answerFileDialog(other.string());

        main.LoadItem.userClick();

        ASSERT_EQ(services.messageBoxes().size(), boxes + 1);
        EXPECT_EQ(services.messageBoxes().back().box.text, question);
        EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), c.opened ? 8 : 5);
        const std::filesystem::path written = c.hasPath ? company : savedAs;
        EXPECT_EQ(std::filesystem::exists(written) && readBytes(written).find("Changed Company") != std::string::npos,
                  c.saved);
        EXPECT_TRUE(services.allScriptsUsed());
    }
}

TEST_F(FileMenuTest, BackupCopiesTheBookBesideItAndKeepsItsChanges)
{
    change();
    const auto backup = folder / "Shop.BAK";
    services.answerFileDialog(backup.string(), 2);

    main.ItemBackupFile.userClick();

    ASSERT_EQ(services.fileDialogs().size(), 1u);
    const platform::FileDialog& dialog = services.fileDialogs().front();
    EXPECT_EQ(dialog.title, "Quillbook : Backup File As...");
    EXPECT_EQ(dialog.filterIndex, 2);
    EXPECT_EQ(dialog.defaultExt, "BAK");
    EXPECT_EQ(dialog.fileName, backup.string());
    EXPECT_NE(readBytes(backup).find("Changed Company"), std::string::npos);
    EXPECT_TRUE(main.book.ledger.FileChanged);
    EXPECT_EQ(main.book.CurrentDataFilePath, company);
    EXPECT_EQ(readBytes(company).find("Changed Company"), std::string::npos);
}

TEST_F(FileMenuTest, CancelledDialogsChangeNothingAndSayNothing)
{
    platform::Menu* items[] = {&main.LoadItem, &main.SaveAsItem, &main.ItemBackupFile};
    const std::string before = readBytes(company);
    for (platform::Menu* item : items) {
        services.cancelFileDialog();
        item->userClick();
    }

    EXPECT_EQ(services.fileDialogs().size(), 3u);
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(main.book.CurrentDataFilePath, company);
    EXPECT_EQ(main.book.FileToOpen, company);
    EXPECT_TRUE(main.BackupFilePath.empty());
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 5);
    EXPECT_EQ(readBytes(company), before);
}

TEST_F(FileMenuTest, MergeAsksToSaveFirstThenAddsTheChosenFileToTheOpenBook)
{
    change();
    services.answerMessageBox(platform::Answer::No);
    services.answerFileDialog(other.string());

    main.MergeItem.userClick();

    ASSERT_EQ(services.messageBoxes().size(), 1u);
    EXPECT_EQ(services.messageBoxes()[0].box.text,
              "Current file '" + company.string() + "' has changed. Save before loading new file?");
    ASSERT_EQ(services.fileDialogs().size(), 1u);
    EXPECT_EQ(services.fileDialogs().front().title, "Quillbook : Merge with File...");
    EXPECT_EQ(services.fileDialogs().front().fileName, company.parent_path().string() + "/*.QBD")
        << "no file merged yet: the data file's folder";
    EXPECT_EQ(main.MergeFilePath, other);
    EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 13);
    EXPECT_EQ(main.book.CurrentDataFilePath, company) << "the book keeps its own file";
    EXPECT_TRUE(main.book.ledger.FileChanged);
}

// Every command that writes the book over its own file asks first when another program has changed
// that file since the book was loaded or saved; No keeps the other program's file and the book's
// changes, and stops the command that asked.
TEST_F(FileMenuTest, CommandsThatWriteOverTheOpenFileAskWhenAnotherProgramChangedIt)
{
    using A = platform::Answer;
    const struct {
        const char* name;
        std::vector<A> answersBefore;
        bool dialogOnTheFile;
        platform::Menu* item;
    } cases[] = {
        {"save", {}, false, &main.SaveItem},
        {"save as onto its own file", {}, true, &main.SaveAsItem},
        {"save before opening another file", {A::Yes}, false, &main.LoadItem},
        {"save before a new company", {A::Yes}, false, &main.NewCoItem},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeCompany("Shop.QBD", 5);
        ASSERT_TRUE(datafile::LoadDataFile(company, main.book, main));
        change();
        // Another program saves its own book under the same name.
        std::filesystem::rename(writeCompany("Theirs.QBD", 7), company);
        const std::string theirs = readBytes(company);
        for (A answer : c.answersBefore)
            services.answerMessageBox(answer);
        if (c.dialogOnTheFile)
            services.answerFileDialog(company.string());
        services.answerMessageBox(A::No);

        c.item->userClick();

        EXPECT_EQ(services.messageBoxes().back().box.text,
                  "The file '" + company.string()
                      + "' has been changed by another program since it was loaded or saved here. Do you wish to "
                        "overwrite it?");
        EXPECT_TRUE(readBytes(company) == theirs);
        EXPECT_TRUE(main.book.ledger.FileChanged);
        EXPECT_EQ(main.book.ledger.Transactions.UpperBound(), 5) << "nothing opened or created after No";
        EXPECT_TRUE(services.allScriptsUsed());
    }
}

TEST_F(FileMenuTest, ExitAsksBeforeItsSavesWriteOverAFileAnotherProgramChanged)
{
    using A = platform::Answer;
    const struct {
        const char* name;
        bool autoSave;
        std::vector<A> answers;
    } cases[] = {
        {"save before exit", false, {A::Yes, A::No}},
        {"auto-save, then save before exit", true, {A::No, A::Yes, A::No}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeCompany("Shop.QBD", 5);
        ASSERT_TRUE(datafile::LoadDataFile(company, main.book, main));
        main.book.AutoSave = c.autoSave;
        change();
        std::filesystem::rename(writeCompany("Theirs.QBD", 7), company);
        const std::string theirs = readBytes(company);
        const std::size_t boxesBefore = services.messageBoxes().size();
        for (A answer : c.answers)
            services.answerMessageBox(answer);

        main.CmdExit.userClick();

        EXPECT_TRUE(readBytes(company) == theirs);
        EXPECT_TRUE(main.book.ledger.FileChanged);
        EXPECT_EQ(services.messageBoxes().size(), boxesBefore + c.answers.size()) << "the exit stopped: no backup question";
        EXPECT_TRUE(services.allScriptsUsed());
    }
}

} // namespace
