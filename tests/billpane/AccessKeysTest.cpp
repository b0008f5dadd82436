#include "DocumentViewerTest.h"
#include "billpane/CancelForm.h"
#include "support/AccessKeys.h"

namespace {

TEST_F(DocumentViewerTest, EveryKeyOfTheDocumentViewersWindowsLeadsToOneTarget)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    const platform::Form* forms[] = {&viewer, &viewer.PrintJobWindow(), &viewer.ObjectDialog(), &viewer.TextDialog()};
    for (const platform::Form* form : forms)
        EXPECT_EQ(AccessKeyClashes(*form), std::vector<std::string>{});
}

} // namespace
