#include <gtest/gtest.h>

#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "datafile/FilterSetupBlock.h"

using namespace datafile;

namespace {

core::FilterSetup readBlock(const std::filesystem::path& path)
{
    runtime::TextReader in(path);
    return ReadFilterSetupBlock(in);
}

} // namespace

TEST(FilterSetupBlock, WritesFixedTextsAsHeldAndNumbersSigned)
{
    TempFolder folder;
    core::FilterSetup setup;
    setup.Name = "Big";
    setup.DateOn = core::FlagTrue;
    setup.FromDate = "20240401";
    setup.AmountOp = core::AmountGreater;
    setup.Amount = -0.5;
    const auto path = folder / "block.txt";
    {
        runtime::TextWriter out(path);
        WriteFilterSetupBlock(out, setup);
        out.close();
    }
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.substr(0, 22), "Big                 \r\n");
    EXPECT_NE(bytes.find("\r\n-1\r\n20240401\r\n" + std::string(8, '\0') + "\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n 3\r\n-.5\r\n"), std::string::npos);
    EXPECT_EQ(readBlock(path), setup);
}

TEST(FilterSetupBlock, SixCharacterDatesGetTheirCentury)
{
    TempFolder folder;
    const auto path = folder / "block.txt";
    std::string bytes = std::string(20, ' ') + "\r\n-1\r\n990101\r\n051231\r\n";
    for (int i = 4; i < FilterSetupBlockLineCount; ++i)
        bytes += " 0\r\n";
    writeBytes(path, bytes);
    const auto setup = readBlock(path);
    EXPECT_EQ(setup.FromDate.str(), "19990101");
    EXPECT_EQ(setup.ToDate.str(), "20051231");
}
