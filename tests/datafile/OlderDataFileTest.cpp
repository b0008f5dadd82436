#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "FakeDataFileWindow.h"
#include "core/BookTest.h"
#include "datafile/DataFile.h"
#include "datafile/OldFileCopy.h"
#include "runtime/FileIdentity.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace {

const std::filesystem::path Older = std::filesystem::path(QB_TEST_DATA) / "older";
const std::filesystem::path Company = std::filesystem::path(QB_TEST_DATA) / "company.QBD";

const std::string Hyphens(80, '-');

class OlderDataFileTest : public BookTest {
protected:
    OlderDataFileTest()
    {
        book.ledger.AttachWindow(window);
        window.folder = folder.path();
        services.setNow(*runtime::Date::fromYmd(2025, 6, 15));
    }

    // A copy of the fixture in the test's folder, as the user would open it.
    std::filesystem::path copyOf(const std::string& name)
    {
        const auto path = folder / name;
        writeBytes(path, readBytes(Older / name));
        return path;
    }

    bool load(const std::filesystem::path& path) { return datafile::LoadDataFile(path, book, window); }
    void answerBoxes(int count)
    {
        for (int i = 0; i < count; ++i)
            services.answerMessageBox(platform::Answer::OK);
    }
    std::string log() const { return readBytes(folder / "QBERRORS.TXT"); }

    TempFolder folder;
    FakeDataFileWindow window;
};

std::string boxText(const platform::ScriptedServices& services, std::size_t at)
{
    return at < services.messageBoxes().size() ? services.messageBoxes()[at].box.text : "";
}

TEST_F(OlderDataFileTest, Version2ConvertsSavesOverItselfAndKeepsTheOldFile)
{
    const auto path = copyOf("v2.QBD");
    const std::string oldBytes = readBytes(path);
    answerBoxes(3); // the split repair, then the two plain boxes
    ASSERT_TRUE(load(path));

    ASSERT_EQ(services.messageBoxes().size(), 3u);
    EXPECT_EQ(services.messageBoxes()[0].box.title, "Transaction Split Error") << "the 156-character line lost its splits";
    const platform::MessageBox& converting = services.messageBoxes()[1].box;
    EXPECT_EQ(converting.text, "Converting your data to Year 2000 format\rThis may take some time.......\r\r"
                               "Press ENTER to begin the conversion");
    EXPECT_EQ(converting.title, "");
    EXPECT_EQ(converting.icon, platform::Icon::None);
    EXPECT_EQ(boxText(services, 2), "Your data has been converted for Year 2000 compatablilty.\r"
                                    "Your old file has been saved with the extension .QB2");
    EXPECT_TRUE(services.startedPrograms().empty()) << "no record was dropped";

    EXPECT_EQ(readBytes(folder / "v2.qb2"), oldBytes);
    EXPECT_EQ(readBytes(path).substr(0, 22), "[Company Name V2000]\r\n");

    ASSERT_EQ(book.ledger.Transactions.UpperBound(), 4);
    EXPECT_EQ(book.ledger.Transactions.Line(1).substr(0, 20), "00000119991231CHQ1  ");
    EXPECT_EQ(book.ledger.Transactions.Line(2).substr(6, 8), "20050102");
    EXPECT_EQ(book.ledger.Transactions.Line(3).size(), 156u + 2 * 51) << "the split tail carries over without the four blanks";
    EXPECT_EQ(book.ledger.Transactions.Line(4).substr(152, 3), "002") << "the repaired record keeps its split count";
    EXPECT_EQ(book.ledger.Transactions.Line(4).size(), 156u);
    EXPECT_EQ(book.ledger.DateIndex.UpperBound(), 4);
    EXPECT_EQ(book.counters.TransactionNumberCounter, 30);
    EXPECT_EQ(book.counters.InvoiceNumberCounter, 9);
    ASSERT_EQ(book.codes.ListSTOs.ListCount(), 1);
    EXPECT_EQ(book.codes.ListSTOs.List(0).size(), 154u);
    EXPECT_EQ(book.codes.ListSTOs.List(0).substr(0, 21), "15 RENT01            ") << "10 blanks after the tenth character";
    EXPECT_EQ(book.company.CompanyAddress, "");
    EXPECT_EQ(book.company.CompanyPhone, "");
    EXPECT_EQ(book.company.LoadCounter, 0) << "not the previous company's counter";
    ASSERT_EQ(book.ledger.Filters.Count(), 1);
    EXPECT_EQ(book.ledger.Filters.At(1).FromDate.str(), "19991231");
    EXPECT_EQ(book.ledger.Filters.At(1).ToDate.str(), "20050101");
    EXPECT_FALSE(book.ledger.FileChanged);
    EXPECT_EQ(book.CurrentDataFilePath, path);

    const std::string expectedLog = Hyphens + "\r\nConverting QB2 file: " + runtime::textOfPath(path)
                                    + " : 15/06/2025 00:00:00\r\n\r\nNo errors found. Conversion finished at "
                                      "15/06/2025 00:00:00\r\n"
                                    + Hyphens + "\r\n";
    EXPECT_EQ(log(), expectedLog);

    // The converted file opens as a current one, with nothing to convert.
    const std::size_t boxesBefore = services.messageBoxes().size();
    ASSERT_TRUE(load(path));
    EXPECT_EQ(services.messageBoxes().size(), boxesBefore);
    EXPECT_EQ(book.ledger.Transactions.Line(1).substr(0, 20), "00000119991231CHQ1  ");
    EXPECT_EQ(log(), expectedLog);
}

TEST_F(OlderDataFileTest, Version3DropsBadRecordsLogsThemAndShowsTheLog)
{
    const auto path = copyOf("v3.QBD");
    const std::string oldBytes = readBytes(path);
    answerBoxes(5);
    ASSERT_TRUE(load(path));

    const std::vector<std::string> texts = services.messageTexts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].substr(0, 40), "Assembled field is  159 bytes long:- [00");
    EXPECT_EQ(texts[3], "Your data has been converted for Year 2000 compatablilty.\r"
                        "Your old file has been saved with the extension .QB3");
    const std::string logPath = runtime::textOfPath(folder / "QBERRORS.TXT");
    EXPECT_EQ(texts[4], "Errors were encountered during the conversion of the file. It is unlikely that the bad record(s) "
                        "were visible in your QB3 Accounts.\r\rThe bad record(s) have been removed and have been placed "
                        "in the file '"
                            + logPath + "'.\r\rPlease check that your QBMAIN accounts balance with your QB3 accounts.");
    EXPECT_EQ(services.messageBoxes()[4].box.icon, platform::Icon::Exclamation);
    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "Notepad.exe " + logPath);

    ASSERT_EQ(book.ledger.Transactions.UpperBound(), 3) << "the good record after the bad ones takes their place";
    EXPECT_EQ(book.ledger.Transactions.Line(3).substr(0, 6), "000015");
    EXPECT_EQ(book.company.CompanyAddress, "1 High Street\r\nLeeds\r\nLS1 1AA");
    EXPECT_EQ(book.company.LoadCounter, 42);
    EXPECT_EQ(book.Templates[core::SimpleInvoice].Objects[1].Text, "~TG\r\n~AD");
    EXPECT_EQ(readBytes(folder / "v3.qb3"), oldBytes);

    const std::string text = log();
    EXPECT_NE(text.find("QB3 File Conversion error - Original record:\r\n00001399AB31"), std::string::npos);
    EXPECT_NE(text.find("Converted Record:\r\n000013"), std::string::npos);
    EXPECT_NE(text.find("Characters in positions 7 to 14 are the date - QBMAIN (Converted Records)\r\n"
                        "Errors found. Conversion finished at 15/06/2025 00:00:00\r\n"
                        + Hyphens + "\r\n"),
              std::string::npos);
}

TEST_F(OlderDataFileTest, TwoConversionsLeaveTwoRunsInTheLog)
{
    const auto first = copyOf("v2.QBD");
    answerBoxes(3);
    ASSERT_TRUE(load(first));
    const std::string afterOne = log();
    const auto second = folder / "again.QBD";
    writeBytes(second, readBytes(Older / "v2.QBD"));
    answerBoxes(3);
    ASSERT_TRUE(load(second));
    EXPECT_EQ(log().substr(0, afterOne.size()), afterOne);
    EXPECT_NE(log().find("Converting QB2 file: " + runtime::textOfPath(second)), std::string::npos);
}

TEST_F(OlderDataFileTest, AFailedConversionLeavesBookAndOldFileAsTheyWere)
{
    ASSERT_TRUE(datafile::LoadDataFile(Company, book, window));
    const std::string nameBefore = book.company.CompanyName.str();

    const std::string v3 = readBytes(Older / "v3.QBD");
    const std::string v2 = readBytes(Older / "v2.QBD");
    {
        // A wrong statistics head.
        const auto path = folder / "wrong.QBD";
        std::string bytes = v3;
        bytes.replace(bytes.find("[Statistics]"), 12, "[Stuff]     ");
        writeBytes(path, bytes);
        answerBoxes(1);
        EXPECT_FALSE(load(path));
        EXPECT_EQ(boxText(services, services.messageBoxes().size() - 1),
                  "Expected [Statistics] section, found '[Stuff]     '  - Aborting Load");
        EXPECT_EQ(readBytes(path), bytes);
        EXPECT_FALSE(std::filesystem::exists(folder / "wrong.qb3"));
    }
    {
        // A file cut short.
        const auto path = folder / "cut.QBD";
        writeBytes(path, v2.substr(0, v2.find("[Filter Settings]")));
        answerBoxes(1);
        EXPECT_FALSE(load(path));
        EXPECT_EQ(boxText(services, services.messageBoxes().size() - 1),
                  "Error while loading Ver 2 file : Input past end of file");
    }
    {
        // The save fails (the converted file is larger than the copy): no success box, the old file
        // and the book stay.
        const auto path = folder / "big.QBD";
        writeBytes(path, v2);
        answerBoxes(3);
        {
            const FileSizeLimit limit(v2.size() + 10);
            EXPECT_FALSE(load(path));
        }
        const std::string last = boxText(services, services.messageBoxes().size() - 1);
        EXPECT_EQ(last.substr(0, 13), "Save error : ");
        EXPECT_EQ(readBytes(path), v2);
        EXPECT_FALSE(std::filesystem::exists(folder / "big.qb2")) << "the copy made for the failed save is gone";
    }
    EXPECT_EQ(book.company.CompanyName.str(), nameBefore);
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 3);
    EXPECT_EQ(book.CurrentDataFilePath, Company);
}

TEST_F(OlderDataFileTest, TheCopyKeepsTheOldBytesAfterTheConvertedFileIsSavedOverTheOriginal)
{
    const auto path = copyOf("v3.QBD");
    const std::string oldBytes = readBytes(path);
    writeBytes(folder / "v3.qb3", "an earlier copy\r\n");
    answerBoxes(5);
    ASSERT_TRUE(load(path));

    EXPECT_EQ(readBytes(folder / "v3.qb3"), "an earlier copy\r\n") << "an earlier copy is never replaced";
    EXPECT_EQ(readBytes(folder / "v3.1.qb3"), oldBytes);
    EXPECT_EQ(boxText(services, 3), "Your data has been converted for Year 2000 compatablilty.\r"
                                    "Your old file has been saved as '"
                                        + runtime::textOfPath(folder / "v3.1.qb3") + "'");
    EXPECT_EQ(readBytes(path), readBytes(Older / "v3-converted.QBD"));
}

TEST_F(OlderDataFileTest, ConvertedFilesEqualTheirCurrentFormByteForByte)
{
    // The v2 book keeps the templates a new book holds; v3 brings its own.
    const struct {
        const char* old;
        const char* current;
        int boxes;
    } cases[] = {{"v2.QBD", "v2-converted.QBD", 3}, {"v3.QBD", "v3-converted.QBD", 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.old);
        const auto path = copyOf(c.old);
        answerBoxes(c.boxes);
        ASSERT_TRUE(load(path));
        EXPECT_EQ(readBytes(path), readBytes(Older / c.current));
    }
}

TEST_F(OlderDataFileTest, ACopyThatCannotBeMadeConvertsNothingAndSaysSo)
{
    ASSERT_TRUE(datafile::LoadDataFile(Company, book, window));
    const std::string firstLineBefore(book.ledger.Transactions.Line(1));
    const double countersBefore = book.counters.TransactionNumberCounter;
    // A name of 252 characters without an extension: no name beside it can gain one.
    const std::string longName(252, 'v');
    const struct {
        const char* old;
        int boxesBeforeTheCopy; // repairs and over-long records, then the converting box
        const char* prefix;
    } cases[] = {{"v2.QBD", 2, "Error while loading Ver 2 file : "}, {"v3.QBD", 3, "Error while loading Ver 3 file : "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.old);
        const auto path = folder / longName;
        const std::string oldBytes = readBytes(Older / c.old);
        writeBytes(path, oldBytes);
        answerBoxes(c.boxesBeforeTheCopy + 1);
        const std::size_t boxesBefore = services.messageBoxes().size();

        EXPECT_FALSE(load(path));

        ASSERT_EQ(services.messageBoxes().size(), boxesBefore + static_cast<std::size_t>(c.boxesBeforeTheCopy) + 1);
        EXPECT_EQ(boxText(services, services.messageBoxes().size() - 1),
                  c.prefix + ("Unable to keep a copy of '" + runtime::textOfPath(path)
                              + "', so it has not been converted : Path/File access error"));
        EXPECT_EQ(readBytes(path), oldBytes);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
            << "the old file and the log only";
        EXPECT_EQ(book.company.CompanyAddress, "1 High Street\r\nLeeds\r\nLS1 1AA");
        EXPECT_EQ(book.ledger.Transactions.UpperBound(), 3);
        EXPECT_EQ(book.ledger.Transactions.Line(1), firstLineBefore);
        EXPECT_EQ(book.counters.TransactionNumberCounter, countersBefore);
        EXPECT_EQ(book.CurrentDataFilePath, Company);
        EXPECT_TRUE(services.startedPrograms().empty());
    }
}

TEST_F(OlderDataFileTest, AFileNamedLikeItsCopyIsKeptUnderTheNextFreeName)
{
    const struct {
        const char* fixture;
        const char* name;
        int boxes;
        std::size_t boxesAfterTheLast; // the dropped-records box
        const char* copy;
        const char* converted;
    } cases[] = {{"v2.QBD", "v2.qb2", 3, 0, "v2.1.qb2", "v2-converted.QBD"},
                 {"v3.QBD", "v3.qb3", 5, 1, "v3.1.qb3", "v3-converted.QBD"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder / c.name;
        const std::string oldBytes = readBytes(Older / c.fixture);
        writeBytes(path, oldBytes);
        answerBoxes(c.boxes);

        ASSERT_TRUE(load(path));

        EXPECT_EQ(readBytes(folder / c.copy), oldBytes);
        EXPECT_EQ(readBytes(path), readBytes(Older / c.converted));
        EXPECT_EQ(boxText(services, services.messageBoxes().size() - 1 - c.boxesAfterTheLast),
                  "Your data has been converted for Year 2000 compatablilty.\rYour old file has been saved as '"
                      + runtime::textOfPath(folder / c.copy) + "'");
    }
}

TEST_F(OlderDataFileTest, AFileWithoutAnExtensionKeepsItsCopyBesideIt)
{
    const auto path = folder / "v2";
    const std::string oldBytes = readBytes(Older / "v2.QBD");
    writeBytes(path, oldBytes);
    // Where cutting the last three characters of the path would have put the copy: outside the folder.
    const std::string pathText = runtime::textOfPath(path);
    const auto outside = runtime::pathFromText(pathText.substr(0, pathText.size() - 3) + "qb2");
    answerBoxes(3);

    ASSERT_TRUE(load(path));

    EXPECT_EQ(readBytes(folder / "v2.qb2"), oldBytes);
    EXPECT_EQ(readBytes(path), readBytes(Older / "v2-converted.QBD"));
    EXPECT_FALSE(std::filesystem::exists(outside));
    EXPECT_EQ(boxText(services, 2), "Your data has been converted for Year 2000 compatablilty.\r"
                                    "Your old file has been saved with the extension .QB2");
}

TEST_F(OlderDataFileTest, AConversionWhoseLogRunsOutOfRoomLeavesTheOpenBookUnderItsOwnName)
{
    const auto shop = folder / "Shop.QBD";
    writeBytes(shop, readBytes(Company));
    ASSERT_TRUE(load(shop));
    const std::string nameBefore = book.company.CompanyName.str();
    const auto path = copyOf("v2.QBD");
    // The log has room for the run's first lines, not for its last: the disk fills meanwhile.
    const std::string earlierRuns(100000, '-');
    writeBytes(folder / "QBERRORS.TXT", earlierRuns);
    const std::string runStart = Hyphens + "\r\nConverting QB2 file: " + runtime::textOfPath(path)
                                 + " : 15/06/2025 00:00:00\r\n\r\n";
    answerBoxes(4); // the split repair, the two plain boxes, the error
    {
        const FileSizeLimit limit(earlierRuns.size() + runStart.size());
        EXPECT_FALSE(load(path));
    }
    EXPECT_EQ(boxText(services, services.messageBoxes().size() - 1), "Error while loading Ver 2 file : Disk full");
    EXPECT_EQ(log(), earlierRuns + runStart);

    EXPECT_EQ(book.CurrentDataFilePath, shop);
    EXPECT_EQ(book.company.CompanyName.str(), nameBefore);
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 3);
    // A save after any edit writes the open book, not the converted one, under its name.
    book.ledger.FileChanged = true;
    ASSERT_TRUE(datafile::SaveDataFile(book.CurrentDataFilePath, book, window));
    ASSERT_TRUE(load(shop));
    EXPECT_EQ(book.company.CompanyName.str(), nameBefore);
    EXPECT_EQ(book.ledger.Transactions.UpperBound(), 3);
}

TEST_F(OlderDataFileTest, AnOldFileOpenedThroughALinkIsConvertedWhereTheLinkLeadsAndItsCopyKeepsTheOldBytes)
{
    std::filesystem::create_directory(folder / "books");
    const auto original = folder / "books" / "old.QBD";
    const std::string oldBytes = readBytes(Older / "v2.QBD");
    writeBytes(original, oldBytes);
    const auto link = folder / "Shop.QBD";
    std::filesystem::create_symlink("books/old.QBD", link);
    answerBoxes(3);

    ASSERT_TRUE(load(link));

    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(link)));
    EXPECT_EQ(readBytes(original), readBytes(Older / "v2-converted.QBD"));
    const auto copy = folder / "Shop.qb2";
    EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::symlink_status(copy)));
    EXPECT_EQ(readBytes(copy), oldBytes);
    EXPECT_EQ(book.CurrentDataFilePath, link);
}

TEST(KeepCopyOfOldFile, TakesTheFirstNameBesideTheFileThatNothingHolds)
{
    const struct {
        const char* file;
        std::vector<std::string> taken; // besides the file itself; "/" ends a folder, "@" a dangling link
        const char* copy;
    } cases[] = {
        {"BOOK.QBD", {}, "BOOK.qb2"},
        {"BOOK", {}, "BOOK.qb2"},
        {"BOOK.qb2", {}, "BOOK.1.qb2"},
        {"BOOK.QBD", {"BOOK.qb2"}, "BOOK.1.qb2"},
        {"BOOK.QBD", {"BOOK.qb2/"}, "BOOK.1.qb2"},
        {"BOOK.QBD", {"BOOK.qb2@"}, "BOOK.1.qb2"},
        {"BOOK.QBD", {"BOOK.qb2", "BOOK.1.qb2"}, "BOOK.2.qb2"},
        {"BOOK.1.qb2", {"BOOK.qb2"}, "BOOK.1.1.qb2"},
        {"My Books.2024.QBD", {}, "My Books.2024.qb2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const TempFolder folder;
        writeBytes(folder / c.file, "old");
        for (const std::string& name : c.taken) {
            const std::string bare = name.substr(0, name.find_first_of("/@"));
            if (name.ends_with('/'))
                std::filesystem::create_directory(folder / bare);
            else if (name.ends_with('@'))
                std::filesystem::create_symlink("nowhere", folder / bare);
            else
                writeBytes(folder / name, "taken");
        }

        const auto copy = datafile::KeepCopyOfOldFile(folder / c.file, "qb2",
                                                      {"old", runtime::IdentityOfFile(folder / c.file)});

        EXPECT_EQ(copy, folder / c.copy);
        EXPECT_EQ(readBytes(copy), "old");
        EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
    }
}

// The copy is a link to the old file only while that is the file the conversion read; else, or where
// the file system cannot link, it is written from the bytes the conversion holds.
TEST(KeepCopyOfOldFile, WritesTheCopyFromTheBytesReadWhenTheFileIsNoLongerTheOneRead)
{
    const struct {
        const char* name;
        bool changedSince;
        bool identityKnown;
        bool linked;
    } cases[] = {
        {"unchanged", false, true, true},
        {"rewritten since it was read", true, true, false},
        {"read without knowing what it was", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder folder;
        const auto path = folder / "BOOK.QBD";
        writeBytes(path, "as read");
        std::optional<runtime::FileIdentity> identity;
        if (c.identityKnown)
            identity = runtime::IdentityOfFile(path);
        if (c.changedSince)
            writeBytes(path, "changed meanwhile");

        const auto copy = datafile::KeepCopyOfOldFile(path, "qb2", {"as read", identity});

        EXPECT_EQ(copy, folder / "BOOK.qb2");
        EXPECT_EQ(readBytes(copy), "as read");
        EXPECT_EQ(std::filesystem::equivalent(copy, path), c.linked);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2) << "no temporary file";
    }
}

} // namespace
