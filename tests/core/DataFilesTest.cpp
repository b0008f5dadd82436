#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/DataFiles.h"
#include "runtime/PathText.h"

namespace {

TEST(GetDataFileVersion, TellsTheVersionFromTheFirstLine)
{
    const std::pair<const char*, int> cases[] = {
        {"[Company Name V2000]", 2000},
        {"[Company Name V3]", 3},
        {"[Company Name]", 2},
        {"[Statistics]", 0},
        {"CJ4", 0},
        {"", 0},
    };
    for (const auto& [line, version] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(core::GetDataFileVersion(line), version);
    }
}

class FileTests : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path()
                  / ("qb-core-files-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "BOOK.QBD") << "[Company Name V2000]\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(FileTests, FileExistsOnlyForAnOrdinaryFile)
{
    EXPECT_TRUE(core::FileExists(folder_ / "BOOK.QBD"));
    EXPECT_FALSE(core::FileExists(folder_ / "MISSING.QBD"));
    EXPECT_FALSE(core::FileExists(folder_));
    EXPECT_FALSE(core::FileExists(""));
}

TEST_F(FileTests, FileHasDateForAReadableFileWithAShortPath)
{
    const std::string book = (folder_ / "BOOK.QBD").string();
    EXPECT_TRUE(core::FileHasDate(book));
    EXPECT_TRUE(core::FileHasDate("  " + book + "  "));
    EXPECT_FALSE(core::FileHasDate((folder_ / "MISSING.QBD").string()));
    EXPECT_FALSE(core::FileHasDate(""));

    const std::filesystem::path longName = folder_ / std::string(127 - folder_.string().size() - 1, 'L');
    std::ofstream(longName) << "x";
    ASSERT_EQ(longName.string().size(), 127u);
    EXPECT_TRUE(core::FileHasDate(longName.string()));
    const std::filesystem::path tooLong = longName.string() + "X";
    std::ofstream(tooLong) << "x";
    EXPECT_FALSE(core::FileHasDate(tooLong.string()));

    std::filesystem::last_write_time(book, std::chrono::file_clock::from_sys(std::chrono::system_clock::time_point{}));
    EXPECT_FALSE(core::FileHasDate(book)) << "a file without a date";
}

// The program's folder is asked about through its text, whatever its name.
TEST_F(FileTests, FileHasDateFindsAFileInAFolderOfAnyName)
{
    for (const char* name : {"Caf\xC3\xA9", "\xE5\xB8\xB3\xE7\xB0\xBF"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path viewer = folder_ / name / "datapeek";
        std::filesystem::create_directories(viewer.parent_path());
        std::ofstream(viewer) << "x";
        EXPECT_TRUE(core::FileHasDate(runtime::textOfPath(viewer)));
    }
}

} // namespace
