#include "documents/ScrnObjForm.h"

#include <exception>

#include "core/BusyPointer.h"
#include "documents/FieldTags.h"
#include "documents/TemplateCanvas.h"
#include "documents/TextForm.h"
#include "platform/Printer.h"
#include "platform/ScreenPlacement.h"
#include "reports/FontForm.h"
#include "reports/FontTests.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

namespace {

constexpr const char* DialogCaption = "Set Up Screen Object";
constexpr double SmallestFontSize = 4;
constexpr double LargestFontSize = 128;
// The size the viewer's dialog falls back on when the printer cannot be asked.
constexpr const char* ViewerFallbackSize = "8";
constexpr const char* DefaultSize = "8";
// The printer settles on a size within a few tries.
constexpr int SizeMatchTries = 5;

// A ticked box stores "Y"; an unticked one leaves the flag as a fresh object has it.
char FlagOf(const platform::CheckBox& box)
{
    return box.Value() == 1 ? 'Y' : core::TemplateObject{}.Bold;
}

} // namespace

ScrnObjForm::ScrnObjForm(TemplateCanvas& canvas) : Form(canvas.services(), "ScrnObjForm"), canvas_(canvas)
{
    setCaption(DialogCaption);
    Move(0, 0, 6600, 5550);
    platform::CentreOnScreen(*this);

    LblObjNumHeading.setCaption("Object Number");
    LblObjNumHeading.Move(120, 120, 1335, 255);
    LblObjNum.Move(1500, 120, 600, 255);
    LblTemplateNumHeading.setCaption("Template Number");
    LblTemplateNumHeading.Move(2400, 120, 1455, 255);
    LblTemplateNum.Move(3900, 120, 600, 255);

    LblFontName.setCaption("Font Name");
    LblFontName.Move(120, 480, 2880, 255);
    ListFonts.Move(120, 735, 2880, 2595);
    ListFonts.setSorted(false);
    LblFontSize.setCaption("Font Size");
    LblFontSize.Move(3240, 480, 1215, 255);
    ComboListFontSizes.Move(3240, 735, 1215, 315);

    const struct {
        platform::CheckBox& box;
        const char* caption;
    } checks[] = {{ChkBold, "Bold"}, {ChkItalic, "Italic"}, {ChkUnderline, "Underline"}, {ChkVisible, "Visible"}, {ChkBoxed, "Boxed"}};
    double top = 480;
    for (const auto& [box, text] : checks) {
        box.setCaption(text);
        box.Move(4680, top, 1695, 255);
        top += 300;
    }
    FrameAlignment.setCaption("Alignment");
    FrameAlignment.Move(3240, 1200, 1215, 1335);
    OptLeft.setCaption("Left");
    OptLeft.Move(120, 240, 975, 255);
    OptCentre.setCaption("Centre");
    OptCentre.Move(120, 600, 975, 255);
    OptRight.setCaption("Right");
    OptRight.Move(120, 960, 975, 255);

    LblExampleHeading.setCaption("Example");
    LblExampleHeading.Move(120, 3480, 1215, 255);
    LabelExample.setCaption("ABC abc 123.00");
    LabelExample.setUseMnemonic(false);
    LabelExample.setBackColor(PageWhite);
    LabelExample.Move(120, 3735, 6240, 735);

    CmdText.setCaption("&Text");
    CmdText.Move(120, 4680, 1215, 375);
    CmdOK.setCaption("&OK");
    CmdOK.setDefault(true);
    CmdOK.Move(3840, 4680, 1215, 375);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Move(5160, 4680, 1215, 375);

    LblObjNum.Change = [this] { LblObjNum_Change(); };
    ListFonts.Click = [this] { ListFonts_Click(); };
    ComboListFontSizes.Click = [this] { ComboListFontSizes_Click(); };
    ComboListFontSizes.LostFocus = [this] { ComboListFontSizes_LostFocus(); };
    ChkBold.Click = [this] { LabelExample.setFontBold(ChkBold.Value() == 1); };
    ChkItalic.Click = [this] { LabelExample.setFontItalic(ChkItalic.Value() == 1); };
    ChkUnderline.Click = [this] { LabelExample.setFontUnderline(ChkUnderline.Value() == 1); };
    ChkBoxed.Click = [this] { LabelExample.setBorderStyle(ChkBoxed.Value() == 1 ? 1 : 0); };
    OptLeft.Click = [this] { LabelExample.setAlignment(platform::LeftJustify); };
    OptCentre.Click = [this] { LabelExample.setAlignment(platform::Center); };
    OptRight.Click = [this] { LabelExample.setAlignment(platform::RightJustify); };
    CmdText.Click = [this] { CmdText_Click(); };
    CmdOK.Click = [this] { CmdOK_Click(); };
    CmdCancel.Click = [this] { Hide(); };
    endDesign();
}

bool ScrnObjForm::isViewerCopy() const
{
    return canvas_.role() == CanvasRole::Viewer;
}

void ScrnObjForm::Form_Load()
{
    if (canvas_.setup().ObjectDialogLoading)
        canvas_.setup().ObjectDialogLoading();
    const core::BusyPointer busy(services());
    for (const std::string& font : reports::PrinterFontsOnScreen(services()))
        ListFonts.AddItem(font);
    // The viewer's own list holds the same sizes as the report font dialog's.
    for (const std::string& size : reports::ReportFontSizes())
        ComboListFontSizes.AddItem(size);
}

void ScrnObjForm::LblObjNum_Change()
{
    if (!isViewerCopy())
        setCaption(std::string(DialogCaption) + " " + LblObjNum.Caption());
}

void ScrnObjForm::ShowObject(const core::TemplateObject& object)
{
    // A font the list lacks leaves none chosen, not the previous object's.
    ListFonts.setListIndex(-1);
    for (int i = 0; i < ListFonts.ListCount(); ++i)
        if (reports::IsSameFontName(ListFonts.List(i), object.FontName))
            ListFonts.setListIndex(i);
    LabelExample.setFontName(object.FontName);
    if (runtime::val(object.FontSize) != 0) {
        ComboListFontSizes.setText(object.FontSize);
        LabelExample.setFontSize(runtime::val(object.FontSize));
    } else {
        ComboListFontSizes.setText(DefaultSize);
        LabelExample.setFontSize(runtime::val(DefaultSize));
    }
    ChkBold.setValue(core::IsFlagOn(object.Bold) ? 1 : 0);
    ChkItalic.setValue(core::IsFlagOn(object.Italic) ? 1 : 0);
    ChkUnderline.setValue(core::IsFlagOn(object.Underline) ? 1 : 0);
    LabelExample.setFontBold(core::IsFlagOn(object.Bold));
    LabelExample.setFontItalic(core::IsFlagOn(object.Italic));
    LabelExample.setFontUnderline(core::IsFlagOn(object.Underline));
    ChkVisible.setValue(core::IsFlagOn(object.Visible) ? 1 : 0);
    ChkBoxed.setValue(core::IsFlagOn(object.Boxed) ? 1 : 0);
    LabelExample.setBorderStyle(core::IsFlagOn(object.Boxed) ? 1 : 0);
    if (object.Alignment == 'L') {
        OptLeft.setValue(true);
        LabelExample.setAlignment(platform::LeftJustify);
    } else if (object.Alignment == 'C') {
        OptCentre.setValue(true);
        LabelExample.setAlignment(platform::Center);
    } else {
        OptRight.setValue(true);
        LabelExample.setAlignment(platform::RightJustify);
    }
}

void ScrnObjForm::ListFonts_Click()
{
    const double size = runtime::val(ComboListFontSizes.Text());
    if (size <= 0 || ListFonts.ListIndex() < 0)
        return;
    LabelExample.setFontName(ListFonts.Text());
    if (!isViewerCopy())
        LabelExample.setFontSize(size);
}

void ScrnObjForm::ComboListFontSizes_Click()
{
    if (ListFonts.ListIndex() >= 0)
        MatchSizeBox();
}

void ScrnObjForm::ComboListFontSizes_LostFocus()
{
    MatchSizeBox();
}

void ScrnObjForm::MatchSizeBox()
{
    ComboListFontSizes.setText(MatchPrinterFontStyleSize(runtime::val(ComboListFontSizes.Text())));
    const double size = runtime::val(ComboListFontSizes.Text());
    if (size > 0)
        LabelExample.setFontSize(size);
}

std::string ScrnObjForm::MatchPrinterFontStyleSize(double size)
{
    platform::Printer& printer = services().printer();
    try {
        printer.setFontName(ListFonts.Text());
        printer.setFontBold(LabelExample.FontBold());
        printer.setFontUnderline(LabelExample.FontUnderline());
        printer.setFontItalic(LabelExample.FontItalic());
        for (int i = 0; i < SizeMatchTries; ++i) {
            printer.setFontSize(size);
            if (printer.FontSize() != size)
                size = printer.FontSize();
        }
        return runtime::format(printer.FontSize(), "0.00");
    } catch (const std::exception& error) {
        // The designer keeps what was typed (no font chosen yet, or one the printer refuses);
        // OK then judges the size. The viewer says so and takes its fallback.
        if (!isViewerCopy())
            return ComboListFontSizes.Text();
        canvas_.ShowError("Testing specified fontsize '" + LabelExample.FontName() + "' " +
                          runtime::trim(runtime::signedText(LabelExample.FontSize())) + "' with printer : " + error.what());
        return ViewerFallbackSize;
    }
}

int ScrnObjForm::ObjectNumber() const
{
    const double number = runtime::val(LblObjNum.Caption());
    if (number < 0 || number >= TemplateCanvas::ObjectCount)
        throw runtime::Error(runtime::SubscriptOutOfRange);
    return runtime::toInt16(number);
}

void ScrnObjForm::CmdText_Click()
{
    TextForm& textDialog = canvas_.TextDialog();
    const std::string& text = canvas_.record().Objects[static_cast<std::size_t>(ObjectNumber())].Text;
    textDialog.LblObjNum.setCaption(LblObjNum.Caption());
    textDialog.TextChange.setText(text);
    if (!isViewerCopy())
        textDialog.ShowSpecialField(GetSpecialFieldName(text));
    textDialog.Show(true);
}

void ScrnObjForm::CmdOK_Click()
{
    try {
        if (ListFonts.ListIndex() < 0) {
            canvas_.ShowError("Select a font name for this object");
            return;
        }
        const double size = runtime::val(ComboListFontSizes.Text());
        if (size < SmallestFontSize || size > LargestFontSize) {
            canvas_.ShowError("Font size must lie between 4 and 128 points.");
            return;
        }
        const int n = ObjectNumber();
        // The object keeps its text, place and size: the dialog moves nothing.
        core::TemplateObject& object = canvas_.record().Objects[static_cast<std::size_t>(n)];
        object.FontName = ListFonts.Text();
        object.FontSize = ComboListFontSizes.Text();
        object.Bold = FlagOf(ChkBold);
        object.Italic = FlagOf(ChkItalic);
        object.Underline = FlagOf(ChkUnderline);
        object.Visible = FlagOf(ChkVisible);
        object.Boxed = FlagOf(ChkBoxed);
        object.Alignment = OptRight.Value() ? 'R' : OptCentre.Value() ? 'C' : 'L';
        platform::Label& label = canvas_.ScrnObj[n];
        label.setFontName(object.FontName);
        TemplateCanvas::ApplyObjectLook(label, object, isViewerCopy() ? HiddenGrey : platform::ButtonFaceColour);
        canvas_.ObjectRestyled(n);
        Hide();
    } catch (const std::exception& error) {
        canvas_.ShowError("Error while saving object : " + std::string(error.what()));
    }
}

} // namespace documents
