#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DesignerTest.h"
#include "datafile/TemplateBlock.h"
#include "platform/RecordingPrinter.h"
#include "runtime/TextFile.h"

namespace {

using documents::InvTemplate;
using documents::ScrnObjForm;
using documents::TextForm;
using platform::Answer;
using Lines = std::vector<std::string>;

class TemplateDesignerTest : public DesignerTest {
protected:
    std::filesystem::path templateFile() const { return folder / "LETTER.TPL"; }
    std::string templatePath() const { return templateFile().string(); }
    platform::RecordingPrinter& printer() { return services.recordingPrinter(); }
};

TEST_F(TemplateDesignerTest, AnUnusedObjectBecomesAVisibleSpecialFieldThroughBothDialogs)
{
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.ListFonts.userSelect(indexOf(dialog.ListFonts, "Arial"));
        dialog.ComboListFontSizes.userSelect(indexOf(dialog.ComboListFontSizes, "12"));
        EXPECT_EQ(dialog.ComboListFontSizes.Text(), "12.00") << "the size the printer takes";
        dialog.OptRight.userClick();
        dialog.ChkVisible.userClick();
        dialog.CmdText.userClick();
        dialog.CmdOK.userClick();
    });
    onTextDialog([](TextForm& dialog) {
        EXPECT_EQ(dialog.ComboSpecial.ListCount(), 24);
        dialog.TextChange.userSetText("typed first");
        dialog.ComboSpecial.userSelect(indexOf(dialog.ComboSpecial, "Transaction Gross"));
        EXPECT_EQ(dialog.TextChange.Text(), "~TG");
        dialog.CmdOK.userClick();
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.ScrnObj[5].userDblClick();
        const platform::Label& label = d.ScrnObj[5];
        EXPECT_EQ(label.Caption(), "<GRS9,999.99>");
        EXPECT_EQ(label.FontName(), "Arial");
        EXPECT_EQ(label.FontSize(), 12);
        EXPECT_EQ(label.Alignment(), platform::RightJustify);
        EXPECT_EQ(label.ForeColor(), platform::Black);
        const core::TemplateObject& object = d.record().Objects[5];
        EXPECT_EQ(object.Text, "~TG");
        EXPECT_EQ(object.FontName, "Arial");
        EXPECT_EQ(object.FontSize, "12.00");
        EXPECT_EQ(object.Alignment, 'R');
        EXPECT_EQ(object.Visible, 'Y');
        EXPECT_EQ(object.Bold, ' ');
        EXPECT_EQ(object.Boxed, ' ');
        EXPECT_EQ(object.Left, 3000) << "the dialogs move nothing";
        EXPECT_EQ(object.Top, 5000);
        EXPECT_EQ(label.Left(), 3000);
    });
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(TemplateDesignerTest, AnotherSizeRestylesTheObjectWhereItStands)
{
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.ComboListFontSizes.userSelect(indexOf(dialog.ComboListFontSizes, "24"));
        dialog.CmdOK.userClick();
    });
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        const double width = d.ScrnObj[0].Width();
        d.ScrnObj[0].userDblClick();
        EXPECT_EQ(d.ScrnObj[0].Width(), 2 * width);
        EXPECT_EQ(d.record().Objects[0].FontSize, "24.00");
        EXPECT_EQ(d.record().Objects[0].Left, 720);
        EXPECT_EQ(d.record().Objects[0].Width, 2000) << "the stored size is the last stored layout's";
    });
}

TEST_F(TemplateDesignerTest, TheTestPrintShowsEachVisibleCaptionAtItsPlaceAndFontWithinTheMarginFrame)
{
    // Object 1 is deleted: its text emptied and Visible unticked.
    onObjectDialog([](ScrnObjForm& dialog) {
        dialog.CmdText.userClick();
        dialog.ChkVisible.userClick();
        dialog.CmdOK.userClick();
    });
    onTextDialog([](TextForm& dialog) {
        EXPECT_EQ(dialog.ComboSpecial.Text(), "Transaction Gross");
        dialog.TextChange.userSetText("");
        dialog.CmdOK.userClick();
    });
    book.Templates[core::SimpleInvoice].Objects[4].Visible = ' ';
    services.answerPrinterDialog();
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.ScrnObj[1].userDblClick();
        EXPECT_EQ(d.ScrnObj[1].Caption(), "");
        d.ScrollTop.setValue(720);
        d.CmdPrint.userClick();
    });
    ASSERT_EQ(printer().documents().size(), 1u);
    const platform::RecordedPage& page = printer().documents()[0].pages.at(0);
    EXPECT_EQ(page.lines(), (Lines{"720,720:Smith & Sons", "720,1080:Second line"}))
        << "the hidden and the emptied objects are left out";
    ASSERT_EQ(page.runs.size(), 2u);
    EXPECT_EQ(page.runs[0].font.size, 12);
    EXPECT_EQ(page.runs[0].font.name, "Arial");
    ASSERT_EQ(page.strokes.size(), 1u);
    const platform::Stroke& frame = page.strokes[0];
    EXPECT_EQ((std::vector<double>{frame.x1, frame.y1, frame.x2, frame.y2}), (std::vector<double>{360, 720, 11186, 15398}));
    EXPECT_EQ(services.messageTexts(), Lines{}) << "the hidden object's font is not checked";
    EXPECT_EQ(services.printerDialogs().size(), 1u);
}

TEST_F(TemplateDesignerTest, ACancelledPrinterSetUpPrintsNothing)
{
    services.cancelPrinterDialog();
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.CmdPrint.userClick();
        d.Unload();
    });
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_EQ(services.modalForms(), Lines{"InvTemplate"});
}

TEST_F(TemplateDesignerTest, ATemplateSavedAsAFileLoadsBackTheSameAfterEdits)
{
    services.answerFileDialog(templatePath());
    services.answerFileDialog(templatePath());
    edit(core::SimpleInvoice, [this](InvTemplate& d) {
        d.CmdSaveAs.userClick();
        const core::TemplateRecord saved = d.record();
        d.ScrnObj[0].userMouseDown(1, 0, 0, 0);
        d.ScrollFrame.userDrop(d.ScrnObj[0], 9000, 9000);
        d.ScrollSide.setValue(1000);
        d.record().Objects[5].Text = "changed";
        d.CmdLoad.userClick();
        EXPECT_TRUE(core::AreTemplatesEqual(d.record(), saved));
        EXPECT_EQ(d.record().Name, "Designed");
        EXPECT_EQ(d.ScrnObj[0].Left(), 720);
        EXPECT_EQ(d.ScrollSide.Value(), 360);
        EXPECT_EQ(d.Caption(), "Edit Template : " + templatePath());
        EXPECT_TRUE(d.ScrollFrame.Visible());
    });
    ASSERT_EQ(services.fileDialogs().size(), 2u);
    const platform::FileDialog& saveAs = services.fileDialogs()[0];
    EXPECT_EQ(saveAs.kind, platform::FileDialog::Kind::Save);
    EXPECT_EQ(saveAs.filter, "QB Templates (*.TPL)|*.TPL|Text (*.TXT)|*.TXT|All Files (*.*)|*.*");
    EXPECT_EQ(saveAs.title, "Quillbook : Save Template As...");
    EXPECT_EQ(saveAs.defaultExt, "TPL");
    EXPECT_EQ(saveAs.flags, 2);
    EXPECT_TRUE(saveAs.cancelError);
    EXPECT_EQ(services.fileDialogs()[1].kind, platform::FileDialog::Kind::Open);
    EXPECT_EQ(services.fileDialogs()[1].title, "Quillbook : Load Template...");
    EXPECT_EQ(services.messageTexts(), Lines{});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 1);
}

TEST_F(TemplateDesignerTest, ACutTemplateFileIsReportedTwiceAndChangesNothing)
{
    {
        runtime::TextWriter full(templateFile());
        datafile::WriteTemplateBlock(full, DocumentTest::simpleInvoice());
        full.close();
    }
    std::ifstream in(templateFile(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::ofstream(templateFile(), std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);

    services.answerFileDialog(templatePath());
    services.answerMessageBox(Answer::OK);
    services.answerMessageBox(Answer::OK);
    services.cancelFileDialog();
    edit(core::SimpleInvoice, [this](InvTemplate& d) {
        d.CmdLoad.userClick();
        EXPECT_TRUE(core::AreTemplatesEqual(d.record(), designedTemplate()));
        EXPECT_EQ(d.record().Name, "Designed");
        EXPECT_EQ(d.ScrnObj[0].Caption(), "Smith & Sons");
        EXPECT_EQ(d.Caption(), "Edit Simple Invoice template");
        d.CmdLoad.userClick();
        d.Unload();
    });
    EXPECT_EQ(services.messageTexts(),
              (Lines{"Error Loading Letter Template : Input past end of file", "Unable to Load Template file " + templatePath() + " : "}));
}

TEST_F(TemplateDesignerTest, ALoadedTemplateShowsEmptyObjectsByTheirPlaceholders)
{
    core::TemplateRecord other = designedTemplate();
    other.Objects[0].Text = "";
    {
        runtime::TextWriter file(templateFile());
        datafile::WriteTemplateBlock(file, other);
        file.close();
    }
    services.answerFileDialog(templatePath());
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.CmdLoad.userClick();
        EXPECT_EQ(d.ScrnObj[0].Caption(), "Screen Object 00");
    });
}

TEST_F(TemplateDesignerTest, AFileThatCannotBeOpenedOrWrittenIsReported)
{
    services.answerFileDialog((folder / "missing.TPL").string());
    services.answerFileDialog((folder / "no folder" / "x.TPL").string());
    services.answerMessageBox(Answer::OK);
    services.answerMessageBox(Answer::OK);
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        EXPECT_FALSE(d.LoadOrSaveTemplateFile(1));
        EXPECT_FALSE(d.LoadOrSaveTemplateFile(2));
        d.Unload();
    });
    EXPECT_EQ(services.messageTexts(), (Lines{"Error while attempting to load template : File not found",
                                              "Error while attempting to save template : Path not found"}));
}

TEST_F(TemplateDesignerTest, ClosingAChangedTemplateOffersToStoreIt)
{
    // Yes stores it, with the sizes the page shows, and marks the book changed.
    book.ledger.FileChanged = false;
    services.answerMessageBox(Answer::Yes);
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.ScrollTop.setValue(500);
        d.CmdClose.userClick();
        EXPECT_FALSE(d.isLoaded());
    });
    EXPECT_EQ(services.messageTexts(), Lines{"This template has changed. Save changes to main data file before exit?"});
    EXPECT_EQ(services.messageBoxes()[0].box.buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(book.Templates[core::SimpleInvoice].TopMargin, 500);
    EXPECT_EQ(book.Templates[core::SimpleInvoice].Objects[0].Width, 12 * 10 * 12);
    EXPECT_TRUE(book.ledger.FileChanged);

    // No leaves the stored template; Cancel keeps the window open with its edits.
    book.ledger.FileChanged = false;
    services.answerMessageBox(Answer::Cancel);
    services.answerMessageBox(Answer::No);
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        EXPECT_EQ(d.ScrollTop.Value(), 500) << "a fresh opening shows the stored template";
        d.ScrollTop.setValue(900);
        d.CmdClose.userClick();
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(d.ScrollTop.Value(), 900);
        d.CmdClose.userClick();
        EXPECT_FALSE(d.isLoaded());
    });
    EXPECT_EQ(book.Templates[core::SimpleInvoice].TopMargin, 500);
    EXPECT_FALSE(book.ledger.FileChanged);
}

TEST_F(TemplateDesignerTest, ClosingUnchangedAsksNothingAndAutoSaveSavesAStoredTemplate)
{
    book.AutoSave = true;
    book.ledger.FileChanged = false;
    edit(core::RemittanceAdvice, [](InvTemplate& d) {
        EXPECT_EQ(d.Caption(), "Edit Remittance Advice template");
        d.CmdClose.userClick();
    });
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(editBox.saves, 0);

    services.answerMessageBox(Answer::Yes);
    edit(core::MailMergeLetter, [](InvTemplate& d) {
        EXPECT_EQ(d.Caption(), "Edit Mail Merge template");
        d.ScrnObj[0].userMouseDown(1, 0, 0, 0);
        d.ScrollFrame.userDrop(d.ScrnObj[0], 100, 100);
        d.CmdClose.userClick();
    });
    EXPECT_EQ(book.Templates[core::MailMergeLetter].Objects[0].Left, 100);
    EXPECT_EQ(editBox.saves, 1);
}

// A template made for a larger page has margins beyond what the bars reach: it opens with its bars
// at their ends and its margins as stored, so closing it unchanged asks nothing and stores nothing.
TEST_F(TemplateDesignerTest, MarginsBeyondTheBarsStayAsStoredUntilABarIsMoved)
{
    book.ledger.FileChanged = false;
    book.Templates[core::SimpleInvoice].SideMargin = 3000;
    book.Templates[core::SimpleInvoice].TopMargin = 4300;
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        ASSERT_LT(d.ScrollSide.Max(), 3000);
        ASSERT_LT(d.ScrollTop.Max(), 4300);
        EXPECT_EQ(d.ScrollSide.Value(), d.ScrollSide.Max());
        EXPECT_EQ(d.ScrollTop.Value(), d.ScrollTop.Max());
        EXPECT_EQ(d.BoxMargins.Left(), 3000);
        EXPECT_EQ(d.BoxMargins.Top(), 4300);
        d.CmdClose.userClick();
        EXPECT_FALSE(d.isLoaded());
    });
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_EQ(book.Templates[core::SimpleInvoice].SideMargin, 3000);
    EXPECT_EQ(book.Templates[core::SimpleInvoice].TopMargin, 4300);
    EXPECT_FALSE(book.ledger.FileChanged);

    services.answerMessageBox(Answer::Yes);
    edit(core::SimpleInvoice, [](InvTemplate& d) {
        d.ScrollSide.setValue(1000);
        d.CmdClose.userClick();
    });
    EXPECT_EQ(services.messageTexts(), Lines{"This template has changed. Save changes to main data file before exit?"});
    EXPECT_EQ(book.Templates[core::SimpleInvoice].SideMargin, 1000);
    EXPECT_EQ(book.Templates[core::SimpleInvoice].TopMargin, 4300);
}

} // namespace
