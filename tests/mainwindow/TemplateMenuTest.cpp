#include <string>
#include <vector>

#include "MainTest.h"
#include "documents/InvTemplate.h"
#include "reports/ReportTitle.h"

namespace {

using Lines = std::vector<std::string>;

class TemplateMenuTest : public MainTest {
protected:
    TemplateMenuTest()
    {
        cancelWizard();
        start();
    }

    // The designer's caption and template number each time it opens; it is closed at once.
    void noteDesignerOpening()
    {
        services.onModal<documents::InvTemplate>("InvTemplate", [this](documents::InvTemplate& designer) {
            opened.push_back(designer.Caption() + " " + designer.LblWhatTemplate.Caption());
            designer.CmdClose.userClick();
        });
    }

    Lines opened;
};

TEST_F(TemplateMenuTest, EachTemplateItemOpensItsStoredTemplateInTheDesigner)
{
    for (platform::Menu* item : {&main.ItemSimpleInvoice, &main.ItemMultiInvoice, &main.ItemRemittanceTemp, &main.ItemMailTemp}) {
        noteDesignerOpening();
        item->userClick();
    }
    EXPECT_EQ(opened, (Lines{"Edit Simple Invoice template 1", "Edit MultiLine Invoice template 2",
                             "Edit Remittance Advice template 3", "Edit Mail Merge template 4"}));
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TemplateMenuTest, TheMailMergeChoosersLetterButtonOpensTheLetterTemplate)
{
    services.onModal<reports::ReportForm>("ReportForm", [](reports::ReportForm& chooser) { chooser.CmdWhatLetter.userClick(); });
    noteDesignerOpening();
    main.ReportChooser().SetUpReportForm(reports::MailMergeKind);
    EXPECT_EQ(opened, Lines{"Edit Mail Merge template 4"});
    EXPECT_TRUE(services.messageBoxes().empty());
}

} // namespace
