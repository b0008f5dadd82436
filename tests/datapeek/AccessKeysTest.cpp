#include "ViewerTest.h"
#include "datapeek/ExportForm.h"
#include "datapeek/ViewerCancelForm.h"
#include "reports/FontForm.h"
#include "support/AccessKeys.h"

namespace {

TEST_F(ViewerTest, EveryKeyOfTheViewersWindowsLeadsToOneTarget)
{
    datapeek::ViewerWindow& viewer = startOn(CategoryAnalysisReport());
    const platform::Form* forms[] = {&viewer, &viewer.ExportDialog(), &viewer.CancelWindow(), &viewer.FontDialog()};
    for (const platform::Form* form : forms)
        EXPECT_EQ(AccessKeyClashes(*form), std::vector<std::string>{});
}

} // namespace
