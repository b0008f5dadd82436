#include "MainTest.h"

#include <functional>

#include "runtime/PathText.h"

namespace {

const std::filesystem::path Fixture = std::filesystem::path(QB_TEST_DATA) / "company.QBD";

// The main window started on a copy of tests/data/company.QBD.
class EscapeClosesTest : public MainTest {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(Fixture, company);
        writeSettings(fullSettings(company));
        start();
    }

    std::filesystem::path company = folder / "company.QBD";
};

// Every window with a Cancel or Close button leaves on Escape as that button does, wherever the
// focus is in it.
TEST_F(EscapeClosesTest, EscapeClosesEveryWindowThatHasACancelOrCloseButton)
{
    const struct Case {
        const char* window;
        const char* formName;
        std::function<void()> open;
    } cases[] = {
        {"Maintain Codes", "MaintainCodes", [this] { main.BankItem.userClick(); }},
        {"Bank reconciliation", "Reconform", [this] { main.RepReconItem.userClick(); }},
        {"Export Transactions to ASCII file", "ImpExpForm", [this] { main.ItemAsciiTranExport.userClick(); }},
        {"Import Transactions", "ImpExpForm", [this] { main.ItemImportTrans.userClick(); }},
        {"Archive", "Import",
         [this] {
             services.answerFileDialog(runtime::textOfPath(folder / "OLD.ARC"), 4);
             main.ArchiveItem.userClick();
         }},
        {"Final accounts", "Finaccs", [this] { main.ItemFinaccs.userClick(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        bool shown = false;
        bool shownAfterEscape = true;
        services.onModal(c.formName, [&](platform::Form& window) {
            shown = window.Visible();
            window.userKeyDown(platform::KeyEscape);
            shownAfterEscape = window.Visible();
        });
        c.open();
        EXPECT_TRUE(shown);
        EXPECT_FALSE(shownAfterEscape);
        EXPECT_TRUE(services.allScriptsUsed());
    }
}

} // namespace
