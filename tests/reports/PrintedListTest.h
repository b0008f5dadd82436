#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "ReportTest.h"
#include "platform/RecordingPrinter.h"
#include "reports/CancelForm.h"

// A ruler of "_" under a column heading.
inline std::string Ruler(int characters)
{
    return std::string(static_cast<std::size_t>(characters), '_');
}

// The runs of several parts of a page, in order.
inline std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> joined;
    for (const std::vector<std::string>& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// A printed list of the fixture's book on the recording printer (A4, ARIAL 8 at margins of 720):
// its runs of text read as "x,y:text".
class PrintedListTest : public ReportTest {
protected:
    using Lines = std::vector<std::string>;

    platform::RecordingPrinter& printer() { return services.recordingPrinter(); }
    reports::CancelForm& window() { return desk.PrintJobWindow(); }

    // The runs with text of one page of the only document, as "x,y:text".
    Lines page(std::size_t number = 0)
    {
        EXPECT_EQ(printer().documents().size(), 1u);
        if (printer().documents().empty() || printer().documents()[0].pages.size() <= number)
            return {};
        // The empty runs are the ends of lines.
        Lines runs;
        for (const std::string& run : printer().documents()[0].pages[number].lines())
            if (run.back() != ':')
                runs.push_back(run);
        return runs;
    }

    // The job ended with the window hidden, nothing running and the default pointer.
    void expectJobEnded()
    {
        EXPECT_FALSE(window().Visible());
        EXPECT_FALSE(desk.PrintingInProgress);
        EXPECT_TRUE(desk.ReportTimestamp.empty());
        EXPECT_EQ(services.mousePointer(), 0);
        EXPECT_TRUE(window().JobPending());
    }
};
