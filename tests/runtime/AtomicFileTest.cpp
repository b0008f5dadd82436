#include <filesystem>
#include <set>
#include <string>

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

TEST(AtomicFile, AHardLinkKeepsTheOldBytesWhenTheFileIsReplaced)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old contents\r\n");
    writeBytes(folder / "BOOK.qb3", "an earlier copy\r\n");

    ASSERT_TRUE(runtime::ReplaceWithHardLink(folder / "BOOK.QBD", folder / "BOOK.qb3"));
    EXPECT_EQ(readBytes(folder / "BOOK.qb3"), "old contents\r\n");
    {
        AtomicFile file(folder / "BOOK.QBD");
        file.writer().writeLine("new contents");
        file.commit();
    }
    EXPECT_EQ(readBytes(folder / "BOOK.qb3"), "old contents\r\n");
    EXPECT_EQ(readBytes(folder / "BOOK.QBD"), "new contents\r\n");
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"BOOK.QBD", "BOOK.qb3"}));
}

TEST(AtomicFile, AHardLinkOverAFolderChangesNothing)
{
    TempFolder folder;
    writeBytes(folder / "BOOK.QBD", "old contents\r\n");
    fs::create_directory(folder / "BOOK.qb3");

    EXPECT_FALSE(runtime::ReplaceWithHardLink(folder / "BOOK.QBD", folder / "BOOK.qb3"));
    EXPECT_TRUE(fs::is_directory(folder / "BOOK.qb3"));
    EXPECT_EQ(readBytes(folder / "BOOK.QBD"), "old contents\r\n");
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"BOOK.QBD", "BOOK.qb3"}));
}
