#include "MainTest.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/TemplateRecord.h"
#include "datafile/DataFile.h"
#include "datafile/TemplateBlock.h"
#include "runtime/TextFile.h"

namespace {

using mainwindow::MaintainCodes;

// The main window over tests/data/company.QBD, its code window printing and mailing through the
// main window's report desk.
class CodeWindowOutputTest : public MainTest {
protected:
    void SetUp() override
    {
        cancelWizard();
        start();
        ASSERT_TRUE(datafile::LoadDataFile(std::filesystem::path(QB_TEST_DATA) / "company.QBD", main.book, main));
    }

    // The code window opened from the menu item, `script` acting on it before Close.
    void onCodeWindow(platform::Menu& item, std::function<void(MaintainCodes&)> script)
    {
        services.onModal<MaintainCodes>("MaintainCodes", [script](MaintainCodes& codes) {
            script(codes);
            codes.CmdDone.userClick();
        });
        item.userClick();
    }
};

TEST_F(CodeWindowOutputTest, PrintOnTheBankPagePrintsTheBankListInTheReportFont)
{
    main.reportDesk.Settings.FontName = "COURIER NEW";
    services.answerPrinterDialog();
    onCodeWindow(main.BankItem, [](MaintainCodes& codes) { codes.CmdPrint.userClick(); });

    const auto& documents = services.recordingPrinter().documents();
    ASSERT_EQ(documents.size(), 1u);
    const std::vector<platform::TextRun>& runs = documents[0].pages.at(0).runs;
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs[0].text.rfind("Quillbook 2000-32 Bank Account Report   : Acme Trading Ltd", 0), 0u) << runs[0].text;
    EXPECT_EQ(runs[0].font.name, "Courier New") << "the printer's name of the report font";
    EXPECT_NE(std::find_if(runs.begin(), runs.end(), [](const platform::TextRun& run) { return run.text == "2 Bank Codes"; }),
              runs.end());
}

TEST_F(CodeWindowOutputTest, MailLetterPreviewsTheStoredLetterForTheCustomerOnShow)
{
    onCodeWindow(main.CustItem, [](MaintainCodes& codes) {
        codes.ListCustCodes.userSelect(0);
        codes.ListCustCodes.userDblClick();
        codes.MailLetter.userClick();
    });

    ASSERT_EQ(services.startedPrograms().size(), 1u);
    EXPECT_EQ(services.startedPrograms()[0].commandLine, "BILLPANE.EXE");
    core::TemplateRecord handedOver;
    runtime::TextReader file(folder.path() / "QB.TXT");
    datafile::ReadTemplateBlock(file, handedOver);
    EXPECT_EQ(handedOver.Name, "Mail Merge Customer ACME01");
    EXPECT_TRUE(newMessages().empty());
}

} // namespace
