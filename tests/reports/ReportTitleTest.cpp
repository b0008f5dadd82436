#include <string>

#include "ReportTest.h"
#include "reports/ReportTitle.h"

namespace {

using reports::BuildReportTitle;

class ReportTitleTest : public ReportTest {};

TEST_F(ReportTitleTest, TitleJoinsProductKindCompanyAndStamp)
{
    book.company.CompanyName = "Abc";
    const std::string title = BuildReportTitle(desk, 1);
    EXPECT_EQ(title, "Quillbook 2000-32 Current Filtered List : Abc 15/Jun/2025 09:30:05");
    EXPECT_EQ(title.size(), 66u);
    EXPECT_EQ(desk.ReportTimestamp, "15/Jun/2025 09:30:05");
}

TEST_F(ReportTitleTest, TitleTextsByKind)
{
    book.company.CompanyName = "Abc";
    const std::string tail = "Abc 15/Jun/2025 09:30:05";
    const struct {
        int kind;
        std::string title;
    } cases[] = {
        {2, "Quillbook 2000-32 VAT Report            :  " + tail},
        {9, "Quillbook 2000-32 Bank Activity Report  : " + tail},
        {13, "Quillbook 2000-32 Income & Expenditure  : " + tail},
        {20, "Quillbook 2000-32 System Audit Report   : " + tail},
        {22, "Quillbook 2000-32 EEC Sales List        : " + tail},
        {23, "Quillbook 2000-32 EEC Acquisition List  : " + tail},
        {24, "Quillbook 2000-32 Current Filtered List Net of VAT : " + tail},
        {10, "INVOICE "},
        {15, ""},
        {18, ""},
        {19, ""},
        {0, ""},
        {25, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildReportTitle(desk, c.kind), c.title) << "kind " << c.kind;
}

TEST_F(ReportTitleTest, EveryTitleButThreeIsTwentyFiveCharacters)
{
    for (int kind = 1; kind <= 24; ++kind) {
        const std::size_t width = reports::ReportTitleText(kind).size();
        if (kind == 2)
            EXPECT_EQ(width, 26u);
        else if (kind == 10 || kind == 24 || (kind >= 15 && kind <= 19))
            EXPECT_NE(width, 25u) << "kind " << kind;
        else
            EXPECT_EQ(width, 25u) << "kind " << kind;
    }
}

TEST_F(ReportTitleTest, CompanyNameLosesItsPaddingAndIsCutToTwenty)
{
    book.company.CompanyName = "Northern Widget Suppliers";
    EXPECT_EQ(BuildReportTitle(desk, 1), "Quillbook 2000-32 Current Filtered List : Northern Widget Supp 15/Jun/2025 09:30:05");
}

TEST_F(ReportTitleTest, OneReportKeepsItsStampWhileTheClockMoves)
{
    book.company.CompanyName = "Abc";
    const std::string first = BuildReportTitle(desk, 1);
    setClock(9, 31, 0);
    EXPECT_EQ(BuildReportTitle(desk, 1), first);

    desk.ReportTimestamp.clear(); // the report ended
    EXPECT_EQ(BuildReportTitle(desk, 1), "Quillbook 2000-32 Current Filtered List : Abc 15/Jun/2025 09:31:00");
}

TEST_F(ReportTitleTest, BlankStampCountsAsNone)
{
    desk.ReportTimestamp = "   ";
    BuildReportTitle(desk, 1);
    EXPECT_EQ(desk.ReportTimestamp, "15/Jun/2025 09:30:05");
}

} // namespace
