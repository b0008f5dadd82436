#include <string>
#include <vector>

#include "DesignerTest.h"
#include "documents/TemplateCanvas.h"

namespace {

using documents::InvTemplate;
using documents::ScrnObjForm;
using documents::TextForm;
using Lines = std::vector<std::string>;

class ObjectDialogsTest : public DesignerTest {};

TEST_F(ObjectDialogsTest, OkRefusesAMissingFontAndSizesOutside4To128)
{
    for (int i = 0; i < 4; ++i)
        services.answerMessageBox(platform::Answer::OK);
    onObjectDialog([this](ScrnObjForm& dialog) {
        EXPECT_EQ(dialog.Caption(), "Set Up Screen Object 7");
        EXPECT_EQ(dialog.ListFonts.ListCount(), 3) << "the printer's fonts the screen shows too";
        dialog.CmdOK.userClick();
        dialog.ListFonts.userSelect(indexOf(dialog.ListFonts, "Courier New"));
        for (const char* size : {"3", "129", "abc"}) {
            dialog.ComboListFontSizes.userSetText(size);
            dialog.CmdOK.userClick();
            EXPECT_TRUE(dialog.Visible());
        }
        EXPECT_EQ(book.WorkingTemplate.Objects[7].FontName, "");
        dialog.ComboListFontSizes.userSetText("128");
        dialog.CmdOK.userClick();
        EXPECT_FALSE(dialog.Visible());
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) { d.ScrnObj[7].userDblClick(); });
    EXPECT_EQ(services.messageTexts(),
              (Lines{"Select a font name for this object", "Font size must lie between 4 and 128 points.",
                     "Font size must lie between 4 and 128 points.", "Font size must lie between 4 and 128 points."}));
    EXPECT_EQ(book.WorkingTemplate.Objects[7].FontName, "Courier New");
    EXPECT_EQ(book.WorkingTemplate.Objects[7].FontSize, "128");
}

TEST_F(ObjectDialogsTest, ATypedSizeBecomesThePrintersOnLeavingTheBoxAndUntickedStylesStoreEmptyFlags)
{
    book.Templates[core::SimpleInvoice].Objects[0].Bold = 'Y';
    book.Templates[core::SimpleInvoice].Objects[0].Underline = 'Y';
    onObjectDialog([](ScrnObjForm& dialog) {
        EXPECT_TRUE(dialog.LabelExample.FontBold());
        dialog.ComboListFontSizes.userSetText("11");
        dialog.setFocus(dialog.ComboListFontSizes);
        dialog.setFocus(dialog.CmdOK);
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "11.00");
        EXPECT_EQ(dialog.LabelExample.FontSize(), 11);
        dialog.ChkBold.userClick();
        dialog.ChkUnderline.userClick();
        dialog.ChkItalic.userClick();
        EXPECT_TRUE(dialog.LabelExample.FontItalic());
        EXPECT_FALSE(dialog.LabelExample.FontBold());
        dialog.ChkItalic.userClick();
        dialog.ChkBoxed.userClick();
        EXPECT_EQ(dialog.LabelExample.BorderStyle(), 1);
        dialog.OptCentre.userClick();
        EXPECT_EQ(dialog.LabelExample.Alignment(), platform::Center);
        dialog.CmdOK.userClick();
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.ScrnObj[0].userDblClick();
        const core::TemplateObject& object = d.record().Objects[0];
        EXPECT_EQ(object.FontSize, "11.00");
        EXPECT_EQ(std::string({object.Bold, object.Italic, object.Underline}), "   ");
        EXPECT_EQ(object.Boxed, 'Y');
        EXPECT_EQ(object.Alignment, 'C');
        EXPECT_EQ(d.ScrnObj[0].BackColor(), documents::BoxedShade);
        EXPECT_EQ(d.ScrnObj[0].Alignment(), platform::Center);
    });
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(ObjectDialogsTest, WithoutAFontChosenTheDesignerKeepsTheTypedSizeSilently)
{
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.ComboListFontSizes.userSetText("9.5");
        dialog.setFocus(dialog.ComboListFontSizes);
        dialog.setFocus(dialog.CmdOK);
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "9.5");
        dialog.CmdCancel.userClick();
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) { d.ScrnObj[5].userDblClick(); });
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(book.WorkingTemplate.Objects[5].FontSize, "");
}

TEST_F(ObjectDialogsTest, ARightAlignedObjectKeepsItsRightEdgeAsItsTextChanges)
{
    onObjectDialog([](ScrnObjForm& dialog) { dialog.CmdText.userClick(); });
    onTextDialog([](TextForm& dialog) {
        dialog.TextChange.userSetText("A much longer text");
        dialog.CmdOK.userClick();
    });
    onObjectDialog([](ScrnObjForm& dialog) { dialog.CmdText.userClick(); });
    onTextDialog([](TextForm& dialog) {
        EXPECT_EQ(dialog.ComboSpecial.ListIndex(), -1);
        dialog.TextChange.userSetText("~TN  ");
        dialog.CmdOK.userClick();
    });
    onObjectDialog([](ScrnObjForm& dialog) { dialog.CmdText.userClick(); });
    onTextDialog([](TextForm& dialog) {
        dialog.TextChange.userSetText("Second line, longer");
        dialog.CmdCancel.userClick();
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        platform::Label& amount = d.ScrnObj[1];
        const double right = amount.Left() + amount.Width();
        amount.userDblClick();
        EXPECT_EQ(amount.Caption(), "A much longer text");
        EXPECT_EQ(amount.Left() + amount.Width(), right);
        EXPECT_EQ(d.record().Objects[1].Left, amount.Left());
        EXPECT_EQ(d.record().Objects[1].Text, "A much longer text");

        amount.userDblClick();
        EXPECT_EQ(amount.Caption(), "<NET9,999.99>") << "a tag with trailing blanks still shows its sample";
        EXPECT_EQ(d.record().Objects[1].Text, "~TN  ");
        EXPECT_EQ(amount.Left() + amount.Width(), right);

        d.ScrnObj[3].userDblClick();
        EXPECT_EQ(d.ScrnObj[3].Caption(), "Second line") << "Cancel stores nothing";
    });
}

// The viewer's canvas: the same dialogs with the viewer's differences.
class ViewerCanvas : public documents::TemplateCanvas {
public:
    ViewerCanvas(platform::Services& services, core::TemplateRecord& document, Lines& errors, int& dialogLoads)
        : TemplateCanvas(services, {document, [&errors](const std::string& message) { errors.push_back(message); },
                                    documents::CanvasRole::Viewer, [&dialogLoads] { ++dialogLoads; }})
    {
        endDesign();
    }
};

TEST_F(ObjectDialogsTest, TheViewersDialogsKeepTheirCaptionShowTextsAsTypedAndGreyHiddenObjects)
{
    core::TemplateRecord document = designedTemplate();
    Lines errors;
    int dialogLoads = 0;
    ViewerCanvas viewer(services, document, errors, dialogLoads);
    viewer.Show();
    onObjectDialog([&](ScrnObjForm& dialog) {
        EXPECT_EQ(dialogLoads, 1) << "the viewer's error box speaks once the dialog has loaded";
        EXPECT_EQ(dialog.Caption(), "Set Up Screen Object");
        EXPECT_EQ(dialog.ComboListFontSizes.ListCount(), 16);
        EXPECT_EQ(dialog.ComboListFontSizes.List(0), "6");
        EXPECT_EQ(dialog.ComboListFontSizes.List(15), "30");
        dialog.ComboListFontSizes.userSetText("12");
        dialog.ListFonts.userSelect(indexOf(dialog.ListFonts, "Times New Roman"));
        EXPECT_EQ(dialog.LabelExample.FontName(), "Times New Roman");
        EXPECT_EQ(dialog.LabelExample.FontSize(), 10) << "choosing a font leaves the example's size";
        dialog.ChkVisible.userClick();
        dialog.CmdText.userClick();
        dialog.CmdOK.userClick();
    });
    onTextDialog([](TextForm& dialog) {
        EXPECT_FALSE(dialog.ComboSpecial.Visible());
        EXPECT_EQ(dialog.ComboSpecial.ListCount(), 0);
        dialog.TextChange.userSetText("~TG");
        dialog.CmdOK.userClick();
    });
    viewer.ScrnObj[3].userDblClick();
    EXPECT_EQ(viewer.ScrnObj[3].Caption(), "~TG");
    EXPECT_EQ(viewer.ScrnObj[3].ForeColor(), documents::HiddenGrey);
    EXPECT_EQ(document.Objects[3].Visible, ' ');
    EXPECT_EQ(document.Objects[3].FontName, "Times New Roman");

    // A size the printer cannot be asked about: the viewer says so and takes 8.
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.ComboListFontSizes.userSetText("14");
        dialog.setFocus(dialog.ComboListFontSizes);
        dialog.setFocus(dialog.CmdOK);
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "8");
        dialog.CmdCancel.userClick();
    });
    viewer.ScrnObj[4].userDblClick();
    EXPECT_EQ(errors, Lines{"Testing specified fontsize 'Wingdings' 10' with printer : Invalid property value"});
    EXPECT_EQ(dialogLoads, 1);
}

} // namespace
