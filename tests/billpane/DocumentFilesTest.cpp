#include "DocumentViewerTest.h"

#include <filesystem>
#include <ostream>

#include "billpane/ErrorBox.h"
#include "support/FileBytes.h"

namespace {

using documents::ScrnObjForm;
using documents::TextForm;

// Where the labels stand and what they show.
struct ShownLabel {
    std::string caption;
    double left;
    double top;
    bool operator==(const ShownLabel&) const = default;
};

void PrintTo(const ShownLabel& label, std::ostream* out)
{
    *out << '"' << label.caption << "\" at " << label.left << ", " << label.top;
}

std::vector<ShownLabel> ShownPage(const billpane::InvTemplate& viewer)
{
    std::vector<ShownLabel> page;
    for (const platform::Label& label : viewer.ScrnObj.elements())
        page.push_back({label.Caption(), label.Left(), label.Top()});
    return page;
}

void Drag(billpane::InvTemplate& viewer, int index, double byX, double byY)
{
    platform::Label& label = viewer.ScrnObj[index];
    label.userMouseDown(1, 0, 10, 10);
    viewer.ScrollFrame.userDrop(label, label.Left() + 10 + byX, label.Top() + 10 + byY);
}

TEST_F(DocumentViewerTest, ADroppedObjectIsShownAfreshWhereItsLabelWasDropped)
{
    core::TemplateRecord document = HandedOverDocument();
    document.Objects[6] = DocumentObject("Below the page", 720, 20000);
    writeDocument(billpane::HandOverFile, document);
    billpane::InvTemplate& viewer = start();
    EXPECT_EQ(viewer.ScrnObj[6].Top(), 1);

    const struct {
        int index;
        double byX, byY;
        float left, top;
    } drops[] = {
        {0, 300, 100, 1300, 820},    // centred: its label stood at 1700, not at 1000
        {1, 500, 300, 6500, 1740},   // right-aligned
        {2, -200, 1000, 520, 3000},  // left-aligned
        {5, 1000, 500, 3000, 6500},  // centred, wider than its object: the label stood at its left
        {6, 0, 499, 720, 500},       // shown at 1 until dragged
    };
    for (const auto& drop : drops) {
        SCOPED_TRACE("object " + std::to_string(drop.index));
        Drag(viewer, drop.index, drop.byX, drop.byY);
        EXPECT_EQ(viewer.document().Objects[static_cast<std::size_t>(drop.index)].Left, drop.left);
        EXPECT_EQ(viewer.document().Objects[static_cast<std::size_t>(drop.index)].Top, drop.top);
        EXPECT_EQ(viewer.DraggedObject(), -1);
    }
    const std::vector<ShownLabel> dropped = ShownPage(viewer);
    viewer.BuildDocumentScreen();
    EXPECT_EQ(ShownPage(viewer), dropped);
}

TEST_F(DocumentViewerTest, ARightAlignedObjectKeepsItsLeftAsItsTextChanges)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.CmdText.userClick();
        dialog.CmdCancel.userClick();
    });
    onTextDialog([](TextForm& dialog) {
        dialog.TextChange.userSetText("12,345.67 EUR");
        dialog.CmdOK.userClick();
    });
    platform::Label& amount = viewer.ScrnObj[1];
    amount.userDblClick();
    EXPECT_EQ(viewer.document().Objects[1].Text, "12,345.67 EUR");
    EXPECT_EQ(viewer.document().Objects[1].Left, 6000) << "the object does not drift";
    EXPECT_EQ(amount.Left(), 8000 - 1300);
    EXPECT_EQ(amount.Left() + amount.Width(), 8000) << "the text still ends at the object's right";
}

TEST_F(DocumentViewerTest, ADocumentSavedAfterChangesLoadsBackTheSameAndShowsTheSamePage)
{
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    Drag(viewer, 1, 500, 300);
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.ListFonts.userSelect(1);
        ASSERT_EQ(dialog.ListFonts.Text(), "Courier New");
        dialog.ComboListFontSizes.userSetText("14");
        dialog.ChkItalic.userClick();
        dialog.OptRight.userClick();
        dialog.CmdText.userClick();
        dialog.CmdOK.userClick();
    });
    onTextDialog([](TextForm& dialog) {
        dialog.TextChange.userSetText("Estimate");
        dialog.CmdOK.userClick();
    });
    viewer.ScrnObj[0].userDblClick();
    const core::TemplateObject& title = viewer.document().Objects[0];
    EXPECT_EQ(title.Text, "Estimate");
    EXPECT_EQ(title.FontName, "Courier New");
    EXPECT_EQ(title.FontSize, "14");
    EXPECT_EQ(title.Italic, 'Y');
    EXPECT_EQ(title.Alignment, 'R');
    EXPECT_EQ(title.Left, 1000);
    EXPECT_EQ(viewer.ScrnObj[0].Left(), 3000 - 8 * 140) << "the restyled label stands where its text prints";

    const std::string saved = (folder / "copy.LET").string();
    services.answerFileDialog(saved, 3);
    viewer.CmdSaveAs.userClick();
    ASSERT_TRUE(std::filesystem::exists(saved));
    const platform::FileDialog& dialog = services.fileDialogs().back();
    EXPECT_EQ(dialog.title, "Quillbook : Save As...");
    EXPECT_EQ(dialog.defaultExt, "INV");
    EXPECT_EQ(dialog.filter, "QB Invoice (*.INV)|*.INV|QB Remit (*.REM)|*.REM|QB Letter (*.LET)|*.LET|Text (*.TXT)|*.TXT|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.kind, platform::FileDialog::Kind::Save);

    // A second viewer shows the original hand-over, then loads the copy.
    billpane::InvTemplate second(services, folder.path());
    second.Show();
    EXPECT_EQ(second.document().Objects[0].Text, "Quote");
    services.answerFileDialog(saved, 3);
    second.CmdLoad.userClick();
    EXPECT_EQ(services.fileDialogs().back().title, "Quillbook : Load...");
    EXPECT_TRUE(core::AreTemplatesEqual(second.document(), viewer.document()));
    EXPECT_EQ(ShownPage(second), ShownPage(viewer));
    EXPECT_EQ(second.Caption(), "QB : Preview Invoice 000123") << "the caption keeps the name read at start";
    EXPECT_TRUE(second.ScrollFrame.Visible());
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DocumentViewerTest, AFailedOrCancelledLoadOrSaveChangesNothing)
{
    writeDocument("other.INV", DocumentViewerTest::HandedOverDocument());
    const std::string other = readBytes(folder / "other.INV");
    writeBytes(folder / "cut.INV", other.substr(0, other.size() / 2));
    billpane::InvTemplate& viewer = startOnHandedOverDocument();
    Drag(viewer, 2, 100, 100);
    const core::TemplateRecord before = viewer.document();
    const std::vector<ShownLabel> page = ShownPage(viewer);

    for (int box = 0; box < 4; ++box)
        services.answerMessageBox(platform::Answer::OK);
    const std::string cut = (folder / "cut.INV").string();
    services.answerFileDialog(cut);
    viewer.CmdLoad.userClick();
    ASSERT_EQ(services.messageTexts().size(), 2u);
    EXPECT_EQ(services.messageTexts()[0].rfind("Error Loading Letter Template : ", 0), 0u);
    EXPECT_EQ(services.messageTexts()[1], "Unable to Load Template file " + cut + " : ");
    const platform::MessageBox& box = services.messageBoxes().back().box;
    EXPECT_EQ(box.title, "QB Viewer (32-bit)");
    EXPECT_EQ(box.icon, platform::Icon::Critical);
    EXPECT_TRUE(services.beeps().empty());

    const std::string missing = (folder / "missing.INV").string();
    services.answerFileDialog(missing);
    viewer.CmdLoad.userClick();
    EXPECT_EQ(services.messageTexts().back().rfind("Error while attempting to load template : ", 0), 0u);

    const std::string unwritable = (folder / "no folder" / "copy.INV").string();
    services.answerFileDialog(unwritable);
    viewer.CmdSaveAs.userClick();
    EXPECT_EQ(services.messageTexts().back().rfind("Error while attempting to save template : ", 0), 0u)
        << "a failed Save As is not silent";
    EXPECT_EQ(services.messageTexts().size(), 4u);

    services.cancelFileDialog();
    viewer.CmdLoad.userClick();
    services.cancelFileDialog();
    viewer.CmdSaveAs.userClick();
    EXPECT_EQ(services.messageTexts().size(), 4u) << "a cancelled dialog says nothing";

    EXPECT_TRUE(core::AreTemplatesEqual(viewer.document(), before));
    EXPECT_EQ(ShownPage(viewer), page);
    EXPECT_EQ(services.mousePointer(), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 3)
        << "nothing written";
    EXPECT_TRUE(services.allScriptsUsed());
}

TEST(DocumentViewerErrorBox, ItSpeaksOnlyWhenShowingErrorsButAlwaysResetsThePointer)
{
    platform::ScriptedServices services;
    services.answerMessageBox(platform::Answer::OK);
    for (const bool showErrors : {false, true}) {
        services.setMousePointer(11);
        billpane::ShowErrorBox(services, showErrors, "Print error : ");
        EXPECT_EQ(services.mousePointer(), 0);
    }
    ASSERT_EQ(services.messageBoxes().size(), 1u);
    const platform::MessageBox& box = services.messageBoxes()[0].box;
    EXPECT_EQ(box.text, "Print error : ");
    EXPECT_EQ(box.title, "QB Viewer (32-bit)");
    EXPECT_EQ(box.icon, platform::Icon::Critical);
    EXPECT_TRUE(services.beeps().empty());
}

} // namespace
