#include "MainTest.h"

#include "documents/ScrnObjForm.h"
#include "documents/TextForm.h"
#include "mainwindow/dialogs/Splits.h"
#include "reports/CancelForm.h"
#include "reports/FontForm.h"
#include "support/AccessKeys.h"

namespace {

// The main program's windows, each in every state it shows in, checked for access keys that lead
// to more than one target.
class AccessKeysTest : public MainTest {
protected:
    void SetUp() override
    {
        cancelWizard();
        start();
    }

    static void expectNoClash(const platform::Form& form)
    {
        EXPECT_EQ(AccessKeyClashes(form), std::vector<std::string>{});
    }

    // Runs `open`, which shows `name` modally, and checks the window as it shows.
    template <class Window> void expectNoClashWhenShown(const std::string& name, const std::function<void()>& open)
    {
        bool shown = false;
        services.onModal<Window>(name, [&shown](Window& window) {
            shown = true;
            expectNoClash(window);
            window.Hide();
        });
        open();
        EXPECT_TRUE(shown) << name;
    }
};

TEST_F(AccessKeysTest, EveryKeyOfTheMainProgramsWindowsLeadsToOneTarget)
{
    mainwindow::Splits splits(main.book, main);
    reports::Finaccs finaccs(main.reportDesk, &main.calendar);
    const platform::Form* forms[] = {&main,
                                     &main.calendar,
                                     &main.stoForm,
                                     &main.reconform,
                                     &main.about,
                                     &main.smartStart,
                                     &main.reportDesk.PrintJobWindow(),
                                     &main.reportDesk.ReportFontDialog(),
                                     &main.templateDesigner,
                                     &main.templateDesigner.ObjectDialog(),
                                     &main.templateDesigner.TextDialog(),
                                     &splits,
                                     &finaccs};
    for (const platform::Form* form : forms)
        expectNoClash(*form);
}

TEST_F(AccessKeysTest, TheWindowsThatShowOnePageAtATimeKeepOneTargetPerKeyOnEachPage)
{
    for (int kind : {2, 9, 11, 12, 13, 14, 18, 21, 22, 23}) {
        SCOPED_TRACE(kind);
        expectNoClashWhenShown<reports::ReportForm>("ReportForm", [&] { main.ReportChooser().SetUpReportForm(kind); });
    }
    for (platform::Menu* codeItem : {&main.BankItem, &main.VatItem, &main.CustItem, &main.CatItem}) {
        SCOPED_TRACE(codeItem->Name());
        expectNoClashWhenShown<mainwindow::MaintainCodes>("MaintainCodes", [codeItem] { codeItem->userClick(); });
    }
    for (platform::Menu* filterItem : {&main.FiltAllItem, &main.FiltDateItem, &main.FiltAmountItem, &main.FiltAnalItem}) {
        SCOPED_TRACE(filterItem->Name());
        expectNoClashWhenShown<mainwindow::Filter>("Filter", [filterItem] { filterItem->userClick(); });
    }
    for (const char* mode : {mainwindow::ExportTransactionsMode, mainwindow::ExportCustomersMode,
                             mainwindow::ExportCategoriesMode, mainwindow::ImportTransactionsMode,
                             mainwindow::ImportCustomersMode, mainwindow::ImportCategoriesMode}) {
        SCOPED_TRACE(mode);
        main.impExpForm.LblOpType.setCaption(mode);
        expectNoClash(main.impExpForm);
    }
    for (const char* command : {"&Import", "&Archive"}) {
        SCOPED_TRACE(command);
        main.importForm.CmdImport.setCaption(command);
        expectNoClash(main.importForm);
    }
    for (const char* command : {"&Create", "&Change"}) {
        SCOPED_TRACE(command);
        main.newCompany.CmdOK.setCaption(command);
        expectNoClash(main.newCompany);
    }
}

} // namespace
