#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/RaisedError.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "runtime/AtomicFile.h"

using runtime::AtomicFile;

namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

} // namespace

TEST(AtomicFile, CommitReplacesTheTarget)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old contents\r\n");
    {
        AtomicFile file(folder / "BOOK.QBD");
        file.writer().writeLine("new contents");
        file.writer().writeLine("\xFC\xFD\xBB");
        EXPECT_EQ(readBytes(folder / "BOOK.QBD"), "old contents\r\n");  // untouched until commit
        file.commit();
    }
    EXPECT_EQ(readBytes(folder / "BOOK.QBD"), "new contents\r\n\xFC\xFD\xBB\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"BOOK.QBD"});
}

TEST(AtomicFile, CreatesANewFile)
{
    TempFolder folder;
    {
        AtomicFile file(folder / "NEW.QBD");
        file.writer().writeLine("x");
        file.commit();
    }
    EXPECT_EQ(readBytes(folder / "NEW.QBD"), "x\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"NEW.QBD"});
}

TEST(AtomicFile, WithoutCommitNothingChanges)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old");
    {
        AtomicFile replaced(folder / "BOOK.QBD");
        replaced.writer().writeLine("abandoned");
        AtomicFile created(folder / "OTHER.QBD");
        created.writer().writeLine("abandoned");
    }
    EXPECT_EQ(readBytes(folder / "BOOK.QBD"), "old");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"BOOK.QBD"});
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string old = "the previous book\r\n";
    writeBytes(folder / "BOOK.QBD", old);
    const std::string line(100, 'x');
    int number = 0;
    {
        FileSizeLimit limit(4096);
        number = raisedErrorNumber([&] {
            AtomicFile file(folder / "BOOK.QBD");
            for (int i = 0; i < 1000; ++i) {
                file.writer().writeLine(line);
            }
            file.commit();
        });
    }
    EXPECT_EQ(number, runtime::DiskFull);
    EXPECT_EQ(readBytes(folder / "BOOK.QBD"), old);
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"BOOK.QBD"});
}

TEST(AtomicFile, FailedRenameLeavesNoTemporaryFile)
{
    TempFolder folder;
    const fs::path target = folder / "BOOK.QBD";
    int number = raisedErrorNumber([&] {
        AtomicFile file(target);
        file.writer().writeLine("data");
        // Something takes the name before the commit: a folder that is not empty.
        fs::create_directory(target);
        writeBytes(target / "inside.txt", "kept");
        file.commit();
    });
    EXPECT_EQ(number, runtime::PathFileAccessError);
    EXPECT_EQ(readBytes(target / "inside.txt"), "kept");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"BOOK.QBD"});
}

TEST(AtomicFile, UnusableTargetsRaiseBeforeWriting)
{
    TempFolder folder;
    fs::create_directory(folder / "sub");
    EXPECT_EQ(raisedErrorNumber([&] { AtomicFile file(folder / "nowhere" / "BOOK.QBD"); }), runtime::PathNotFound);
    EXPECT_EQ(raisedErrorNumber([&] { AtomicFile file(folder / "sub"); }), runtime::PathFileAccessError);
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"sub"});
    EXPECT_TRUE(namesIn(folder / "sub").empty());
}

TEST(AtomicFile, ReplacedFileKeepsItsPermissions)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old");
    const auto permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(folder / "BOOK.QBD", permissions);
    {
        AtomicFile file(folder / "BOOK.QBD");
        file.writer().writeLine("new");
        file.commit();
    }
    EXPECT_EQ(fs::status(folder / "BOOK.QBD").permissions(), permissions);
}

TEST(AtomicFile, ATargetBehindSymbolicLinksIsWrittenWhereTheyLeadAndTheLinksStay)
{
    // Each link: its name and what it holds; the book itself is "data/BOOK.QBD".
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links; // the first is the one written
    } cases[] = {
        {"absolute", {{"BOOK.QBD", "<folder>/data/BOOK.QBD"}}},
        {"relative", {{"BOOK.QBD", "data/BOOK.QBD"}}},
        {"relative to its own folder", {{"sub/BOOK.QBD", "../data/BOOK.QBD"}}},
        {"chain", {{"BOOK.QBD", "sub/middle.QBD"}, {"sub/middle.QBD", "<folder>/sub/last.QBD"}, {"sub/last.QBD", "../data/BOOK.QBD"}}},
        {"to a file not made yet", {{"BOOK.QBD", "data/NEW.QBD"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        fs::create_directory(folder / "data");
        fs::create_directory(folder / "sub");
        writeBytes(folder / "data" / "BOOK.QBD", "old contents\r\n");
        std::vector<std::pair<fs::path, std::string>> made;
        for (const auto& [name, leadsTo] : c.links) {
            std::string text = leadsTo;
            if (text.starts_with("<folder>"))
                text.replace(0, 8, folder.path().string());
            fs::create_symlink(text, folder / name);
            made.emplace_back(folder / name, text);
        }
        const std::string written = c.links.back().second.ends_with("NEW.QBD") ? "NEW.QBD" : "BOOK.QBD";
        {
            AtomicFile file(folder / c.links.front().first);
            file.writer().writeLine("new contents");
            file.commit();
        }
        EXPECT_EQ(readBytes(folder / "data" / written), "new contents\r\n");
        for (const auto& [link, text] : made) {
            ASSERT_TRUE(fs::is_symlink(fs::symlink_status(link))) << link;
            EXPECT_EQ(fs::read_symlink(link).string(), text);
        }
        const std::set<std::string> inData =
            written == "NEW.QBD" ? std::set<std::string>{"BOOK.QBD", "NEW.QBD"} : std::set<std::string>{"BOOK.QBD"};
        EXPECT_EQ(namesIn(folder / "data"), inData) << "no temporary file left beside the file written";
    }
}

TEST(AtomicFile, ALinkThatLeadsInACircleIsRefused)
{
    TempFolder folder;
    fs::create_symlink("B.QBD", folder / "A.QBD");
    fs::create_symlink("A.QBD", folder / "B.QBD");
    EXPECT_EQ(raisedErrorNumber([&] { AtomicFile file(folder / "A.QBD"); }), runtime::PathFileAccessError);
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"A.QBD", "B.QBD"}));
}

TEST(AtomicFile, NamesUpToTheLongestTheFileSystemAllowsAreWritten)
{
    // 255 bytes is the longest name; the temporary name must fit beside each of them. The accented
    // names are cut inside a two-byte character and beside one.
    const std::string twoBytes = "\xC3\xA9"; // é
    std::string accented;
    while (accented.size() < 250)
        accented += twoBytes;
    const std::vector<std::string> names = {std::string(243, 'b') + ".QBD", std::string(240, 'b') + ".QBD",
                                            std::string(246, 'b') + ".QBD", std::string(251, 'b') + ".QBD",
                                            accented + ".QBD", "x" + accented + ".QB"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name.size());
        TempFolder folder;
        writeBytes(folder / name, "old");
        {
            AtomicFile file(folder / name);
            file.writer().writeLine("new");
            file.commit();
        }
        EXPECT_EQ(readBytes(folder / name), "new\r\n");
        EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{name});
    }
}

TEST(AtomicFile, TheNextWriteRemovesWhatAKilledWriteLeftAndNothingElse)
{
    TempFolder folder;
    const fs::path target = folder / "BOOK.QBD";
    writeBytes(target, "saved\r\n");
    // Not the book's temporary files: another book's, other endings or numbers, a folder, a link.
    const std::vector<std::string> notOurs = {"OTHER.QBD.~123456.tmp", "BOOK.QBD.~123456.tmp.bak", "BOOK.QBD.~12a456.tmp",
                                              "BOOK.QBD.~1234567.tmp", "BOOK.QBD.~.tmp", "xBOOK.QBD.~123456.tmp"};
    for (const std::string& name : notOurs)
        writeBytes(folder / name, "someone's");
    fs::create_directory(folder / "BOOK.QBD.~222222.tmp");
    fs::create_symlink("OTHER.QBD.~123456.tmp", folder / "BOOK.QBD.~333333.tmp");
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            AtomicFile file(target);
            file.writer().writeLine("half a book");
            ::kill(::getpid(), SIGKILL);
        } catch (...) {
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    std::set<std::string> namesBefore = namesIn(folder.path());
    for (const std::string& name : notOurs)
        namesBefore.erase(name);
    ASSERT_EQ(namesBefore.size(), 4u) << "the book, the folder, the link and the killed write's temporary file: "
                                      << testing::PrintToString(namesBefore);

    // What an earlier version of the program left: its numbers were not padded.
    writeBytes(folder / "BOOK.QBD.~42.tmp", "half a book");

    {
        AtomicFile file(target);
        file.writer().writeLine("saved again");
        file.commit();
    }

    std::set<std::string> expected(notOurs.begin(), notOurs.end());
    expected.insert({"BOOK.QBD", "BOOK.QBD.~222222.tmp", "BOOK.QBD.~333333.tmp"});
    EXPECT_EQ(namesIn(folder.path()), expected);
    EXPECT_EQ(readBytes(target), "saved again\r\n");
    EXPECT_EQ(readBytes(folder / "OTHER.QBD.~123456.tmp"), "someone's");
}

TEST(AtomicFile, AWriteStillGoingOnIsNotDisturbedByAnotherOfTheSameFile)
{
    TempFolder folder;
    const fs::path target = folder / "BOOK.QBD";
    AtomicFile first(target);
    first.writer().writeLine("first");
    {
        AtomicFile second(target);
        second.writer().writeLine("second");
        second.commit();
    }
    EXPECT_EQ(readBytes(target), "second\r\n");
    first.commit();
    EXPECT_EQ(readBytes(target), "first\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"BOOK.QBD"});
}

TEST(AtomicFile, ANewFileOnlyNeverTakesANameThatIsHeld)
{
    TempFolder folder;
    writeBytes(folder / "file.qb2", "kept");
    fs::create_directory(folder / "folder.qb2");
    fs::create_symlink("nowhere.qb2", folder / "dangling.qb2");
    for (const char* name : {"file.qb2", "folder.qb2", "dangling.qb2"}) {
        SCOPED_TRACE(name);
        const int number = raisedErrorNumber([&] {
            AtomicFile file(folder / name, AtomicFile::Placing::NewFileOnly);
            file.writer().writeLine("copy");
            file.commit();
        });
        EXPECT_EQ(number, runtime::FileAlreadyExists);
    }
    EXPECT_EQ(readBytes(folder / "file.qb2"), "kept");
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"dangling.qb2", "file.qb2", "folder.qb2"}))
        << "no temporary file, and nothing made where the dangling link leads";

    {
        AtomicFile file(folder / "free.qb2", AtomicFile::Placing::NewFileOnly);
        file.writer().writeLine("copy");
        file.commit();
    }
    EXPECT_EQ(readBytes(folder / "free.qb2"), "copy\r\n");
}

TEST(AtomicFile, AHardLinkKeepsTheOldBytesWhenTheFileIsReplaced)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old contents\r\n");
    fs::create_symlink("BOOK.QBD", folder / "LINK.QBD");

    // Through a link too: the new name is the file's own, not a second name of the link.
    ASSERT_EQ(runtime::LinkWithoutReplacing(folder / "BOOK.QBD", folder / "BOOK.qb3"), runtime::LinkOutcome::Linked);
    ASSERT_EQ(runtime::LinkWithoutReplacing(folder / "LINK.QBD", folder / "LINK.qb3"), runtime::LinkOutcome::Linked);
    EXPECT_FALSE(fs::is_symlink(fs::symlink_status(folder / "LINK.qb3")));
    {
        AtomicFile file(folder / "LINK.QBD");
        file.writer().writeLine("new contents");
        file.commit();
    }
    EXPECT_EQ(readBytes(folder / "BOOK.qb3"), "old contents\r\n");
    EXPECT_EQ(readBytes(folder / "LINK.qb3"), "old contents\r\n");
    EXPECT_EQ(readBytes(folder / "BOOK.QBD"), "new contents\r\n");
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"BOOK.QBD", "BOOK.qb3", "LINK.QBD", "LINK.qb3"}));
}

TEST(AtomicFile, AHardLinkNeverReplacesANameThatIsHeld)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old contents\r\n");
    writeBytes(folder / "file.qb3", "an earlier copy\r\n");
    fs::create_directory(folder / "folder.qb3");
    fs::create_symlink("nowhere.qb3", folder / "dangling.qb3");

    for (const char* name : {"file.qb3", "folder.qb3", "dangling.qb3"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(runtime::LinkWithoutReplacing(folder / "BOOK.QBD", folder / name), runtime::LinkOutcome::NameTaken);
    }
    EXPECT_EQ(runtime::LinkWithoutReplacing(folder / "MISSING.QBD", folder / "missing.qb3"),
              runtime::LinkOutcome::NotPossible);
    EXPECT_EQ(readBytes(folder / "file.qb3"), "an earlier copy\r\n");
    EXPECT_TRUE(fs::is_directory(folder / "folder.qb3"));
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"BOOK.QBD", "dangling.qb3", "file.qb3", "folder.qb3"}));
}
