#include "documents/TemplateCanvas.h"

#include <cstdint>
#include <exception>

#include "documents/FieldTags.h"
#include "documents/ScrnObjForm.h"
#include "documents/TextForm.h"
#include "platform/Printer.h"
#include "platform/ScreenPlacement.h"
#include "platform/Services.h"
#include "reports/FontTests.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

namespace {

constexpr const char* DrawingActivity = "Error initialising Template Screen : ";
constexpr const char* DetailsActivity = "Error setting up object details : ";
// The font a label takes when the screen lacks the object's font and no other was accepted yet.
constexpr const char* SystemFont = "SYSTEM";
constexpr double FallbackPointSize = 8;

// The page sits this far inside the viewport when scrolled to its top left corner.
constexpr int PageInset = 120;
constexpr double SmallestHeight = 3500;
constexpr double CorrectedHeight = 3600;
constexpr double SmallestWidth = 5000;
constexpr double CorrectedWidth = 5100;
constexpr double ViewportLeft = 480;
constexpr double ViewportTop = 720;
// Room below the viewport for its scroll bar, the side-margin bar and the window's border.
constexpr double RoomBelowViewport = 1050;
constexpr double RoomRightOfViewport = 1000;
constexpr double CommandBarRightExtra = 350;
constexpr double BarThickness = 255;
constexpr double GapAboveSideBar = 50;

int AlignmentOf(char alignment)
{
    if (alignment == 'L')
        return platform::LeftJustify;
    if (alignment == 'C')
        return platform::Center;
    return platform::RightJustify;
}

// Sizes one side of the page from the printer's, with the viewport bar's steps; the bar runs
// from 0 to the page's size.
void SizePageSide(double printerSize, platform::ScrollBar& bar, platform::Control& page, bool across)
{
    const std::int32_t size = runtime::toInt32(printerSize);
    int pageSize = TemplateCanvas::LargestPage;
    int smallStep = 160;
    int largeStep = 1600;
    if (size > 0 && size < TemplateCanvas::LargestPage) {
        pageSize = size;
        smallStep = size > 200 ? runtime::toInt16(size / 200.0) : bar.SmallChange();
        largeStep = size > 20 ? runtime::toInt16(size / 20.0) : bar.LargeChange();
    }
    if (across)
        page.setWidth(pageSize);
    else
        page.setHeight(pageSize);
    bar.setSmallChange(smallStep);
    bar.setLargeChange(largeStep);
    bar.setMin(0);
    bar.setMax(pageSize);
}

} // namespace

TemplateCanvas::TemplateCanvas(platform::Services& services, CanvasSetup setup)
    : Form(services, "InvTemplate"), setup_(std::move(setup))
{
    setCaption("Edit Invoice Template");
    Move(0, 0, 9600, 7800);

    FrameCmdBar.Move(120, 0, 9000, 615);
    const struct {
        platform::CommandButton& button;
        const char* caption;
    } buttons[] = {{CmdClose, "&Close"}, {CmdSaveAs, "&Save As"}, {CmdLoad, "&Load"}, {CmdPrint, "&Print"}};
    for (const auto& [button, caption] : buttons) {
        button.setCaption(caption);
        button.Move(120, 180, 1095, 375);
    }
    CmdClose.setCancel(true);
    LblWhatTemplate.setVisible(false);

    MainFrame.Move(ViewportLeft, ViewportTop, 8600, 6030);
    ScrollFrame.Move(PageInset, PageInset, LargestPage, LargestPage);
    ScrollFrame.setBorderStyle(0);
    ScrollFrame.setBackColor(PageWhite);
    BoxMargins.Move(0, 0, 0, 0);
    for (platform::Line* guide : {&LineHoriz, &LineVert})
        guide->setVisible(false);
    for (platform::Label& label : ScrnObj.elements()) {
        const int i = label.Index();
        label.setAutoSize(true);
        label.setUseMnemonic(false);
        label.setBackColor(PageWhite);
        label.setForeColor(platform::Black);
        label.setCaption(PlaceholderCaption(i));
        label.Move(240 + 2400 * (i % 4), 240 + 360 * (i / 4));
        label.MouseDown = [this, i](int, int, double x, double y) { ScrnObj_MouseDown(i, x, y); };
        label.DragDrop = [this, i](platform::Control& source, double x, double y) { ScrnObj_DragDrop(i, source, x, y); };
        label.DblClick = [this, i] { ScrnObj_DblClick(i); };
    }
    ScrollFrame.DragDrop = [this](platform::Control& source, double x, double y) { ScrollFrame_DragDrop(source, x, y); };
    ScrollFrame.MouseDown = [this](int, int, double x, double y) {
        if (!HasGuideLines())
            return;
        PlaceGuideLines(x, y);
        for (platform::Line* guide : {&LineVert, &LineHoriz}) {
            guide->ZOrder(0);
            guide->setVisible(true);
        }
        guideLinesActive_ = true;
    };
    ScrollFrame.MouseMove = [this](int, int, double x, double y) {
        if (guideLinesActive_)
            PlaceGuideLines(x, y);
    };
    ScrollFrame.MouseUp = [this](int, int, double x, double y) {
        if (!guideLinesActive_)
            return;
        PlaceGuideLines(x, y);
        guideLinesActive_ = false;
    };

    VScroll.Move(0, ViewportTop, BarThickness, 0);
    HScroll.Move(ViewportLeft, 0, 0, BarThickness);
    Label1[0].setCaption("Top");
    Label1[0].Move(120, ViewportTop, 360, 225);
    ScrollTop.Move(120, ViewportTop + 240, BarThickness, 1560);
    ScrollTop.setSmallChange(20);
    ScrollTop.setLargeChange(144);
    Label1[1].setCaption("Side Margin");
    Label1[1].Move(ViewportLeft, 0, 1020, 255);
    ScrollSide.Move(ViewportLeft + 1080, 0, 2400, BarThickness);
    ScrollSide.setSmallChange(20);
    ScrollSide.setLargeChange(144);
    HScroll.Change = [this] { HScroll_Change(); };
    VScroll.Change = [this] { VScroll_Change(); };
    ScrollTop.Change = [this] { ScrollTop_Change(); };
    ScrollSide.Change = [this] { ScrollSide_Change(); };
    LblWhatTemplate.Change = [this] { LblWhatTemplate_Change(); };
    LayOutCanvas();
}

TemplateCanvas::~TemplateCanvas() = default;

std::string TemplateCanvas::PlaceholderCaption(int index)
{
    return "Screen Object " + runtime::format(index, "00");
}

ScrnObjForm& TemplateCanvas::ObjectDialog()
{
    if (!objectDialog_)
        objectDialog_ = std::make_unique<ScrnObjForm>(*this);
    return *objectDialog_;
}

TextForm& TemplateCanvas::TextDialog()
{
    if (!textDialog_)
        textDialog_ = std::make_unique<TextForm>(*this);
    return *textDialog_;
}

void TemplateCanvas::UnloadObjectDialogs()
{
    if (objectDialog_)
        objectDialog_->Unload();
    if (textDialog_)
        textDialog_->Unload();
}

void TemplateCanvas::Trapped(const std::string& activity, const std::function<void()>& step) const
{
    try {
        step();
    } catch (const std::exception& error) {
        ShowError(activity + error.what());
    }
}

void TemplateCanvas::FocusClose()
{
    if (Visible() && CmdClose.isShown() && CmdClose.isEnabled())
        CmdClose.setFocus();
}

void TemplateCanvas::SetUpPage()
{
    grabX_ = 0;
    grabY_ = 0;
    dragged_ = -1;
    guideLinesActive_ = false;
    platform::Printer& printer = services().printer();
    SizePageSide(printer.ScaleHeight(), VScroll, ScrollFrame, false);
    SizePageSide(printer.ScaleWidth(), HScroll, ScrollFrame, true);
    const double height = ScrollFrame.Height();
    const double width = ScrollFrame.Width();
    ScrollTop.setMax(runtime::toInt16(height));
    ScrollSide.setMax(runtime::toInt16(width));
    if (record().TopMargin < ScrollTop.Max())
        ScrollTop.setValue(record().TopMargin);
    if (record().SideMargin < ScrollSide.Max())
        ScrollSide.setValue(record().SideMargin);
    LineVert.setY1(0);
    LineVert.setY2(height);
    LineHoriz.setX1(0);
    LineHoriz.setX2(width);
    const std::vector<std::string> fonts = printer.fonts();
    fallbackFont_ = fonts.empty() ? std::string() : fonts.front();
    platform::GrowToShowPage(*this, MainFrame, width + 2 * PageInset, height + 2 * PageInset);
}

void TemplateCanvas::Form_Resize()
{
    LayOutCanvas();
    FocusClose();
}

void TemplateCanvas::LayOutCanvas()
{
    if (WindowState() == platform::Minimized)
        return;
    if (Height() < SmallestHeight) {
        setHeight(CorrectedHeight);
        return;
    }
    if (Width() < SmallestWidth) {
        setWidth(CorrectedWidth);
        return;
    }
    MainFrame.setHeight(Height() - MainFrame.Top() - RoomBelowViewport);
    MainFrame.setWidth(Width() - RoomRightOfViewport);
    VScroll.setLeft(MainFrame.Left() + MainFrame.Width());
    VScroll.setHeight(MainFrame.Height());
    HScroll.setTop(MainFrame.Top() + MainFrame.Height());
    HScroll.setWidth(MainFrame.Width());
    ScrollSide.setTop(MainFrame.Top() + MainFrame.Height() + GapAboveSideBar + HScroll.Height());
    Label1[1].setTop(ScrollSide.Top());
    FrameCmdBar.setWidth(VScroll.Width() + MainFrame.Width() + CommandBarRightExtra);
    CmdPrint.setLeft(FrameCmdBar.Width() - CmdClose.Width() - CmdClose.Left());
    const double closeRight = CmdClose.Left() + CmdClose.Width();
    CmdSaveAs.setLeft((CmdPrint.Left() - closeRight) / 2 - CmdSaveAs.Width() + closeRight - 50);
    CmdLoad.setLeft(CmdSaveAs.Left() + CmdSaveAs.Width() + 100);
}

void TemplateCanvas::HScroll_Change()
{
    ScrollFrame.setLeft(PageInset - HScroll.Value());
    FocusClose();
}

void TemplateCanvas::VScroll_Change()
{
    ScrollFrame.setTop(PageInset - VScroll.Value());
    FocusClose();
}

void TemplateCanvas::ScrollTop_Change()
{
    const int margin = ScrollTop.Value();
    BoxMargins.setTop(margin);
    record().TopMargin = runtime::toInt16(margin);
    BoxMargins.setHeight(ScrollFrame.Height() - 2 * margin);
}

void TemplateCanvas::ScrollSide_Change()
{
    const int margin = ScrollSide.Value();
    BoxMargins.setLeft(margin);
    record().SideMargin = runtime::toInt16(margin);
    BoxMargins.setWidth(ScrollFrame.Width() - 2 * margin);
}

void TemplateCanvas::DrawTemplateObjects()
{
    DrawMargins();
    for (int i = 0; i < ObjectCount; ++i)
        Trapped(DrawingActivity, [&] { DrawObject(i); });
}

void TemplateCanvas::DrawMargins()
{
    core::TemplateRecord& tmpl = record();
    const double width = ScrollFrame.Width();
    const double height = ScrollFrame.Height();
    // The bars reach a quarter of the page. A margin beyond that (a template made for a larger
    // page) shows its bar at the end and stays as stored until the user moves the bar, so a
    // template opened and closed unchanged is still equal to the one stored.
    const std::int16_t side = tmpl.SideMargin;
    const std::int16_t top = tmpl.TopMargin;
    Trapped(DrawingActivity, [&] {
        ScrollSide.setMax(runtime::toInt16(width / 4));
        ScrollTop.setMax(runtime::toInt16(height / 4));
        ScrollSide.setValue(side);
        ScrollTop.setValue(top);
    });
    tmpl.SideMargin = side;
    tmpl.TopMargin = top;
    Trapped(DrawingActivity, [&] { BoxMargins.Move(side, top, width - 2 * side, height - 2 * top); });
}

void TemplateCanvas::DrawObject(int index)
{
    const core::TemplateObject& object = record().Objects[static_cast<std::size_t>(index)];
    platform::Label& label = ScrnObj[index];
    // A special field shows its sample; an empty object its placeholder, so that nothing of the
    // template shown before stays on the page.
    const std::string sample = GetSpecialFieldSample(object.Text);
    if (!runtime::rtrim(sample).empty())
        label.setCaption(sample);
    else if (!runtime::rtrim(object.Text).empty())
        label.setCaption(object.Text);
    else
        label.setCaption(PlaceholderCaption(index));
    if (reports::ScreenHasFont(services(), object.FontName)) {
        label.setFontName(object.FontName);
        fallbackFont_ = object.FontName;
    } else {
        label.setFontName(fallbackFont_.empty() ? SystemFont : fallbackFont_);
    }
    ApplyObjectLook(label, object, platform::ButtonFaceColour);
    label.setTop(object.Top < ScrollFrame.Height() ? object.Top : 1);
    label.setLeft(object.Left < ScrollFrame.Width() ? object.Left : 1);
}

void TemplateCanvas::ApplyObjectLook(platform::Label& label, const core::TemplateObject& object, long hiddenColour)
{
    const double size = runtime::val(object.FontSize);
    label.setFontSize(size > 0 ? size : FallbackPointSize);
    label.setFontBold(core::IsFlagOn(object.Bold));
    label.setFontItalic(core::IsFlagOn(object.Italic));
    label.setFontUnderline(core::IsFlagOn(object.Underline));
    label.setAlignment(AlignmentOf(object.Alignment));
    label.setForeColor(core::IsFlagOn(object.Visible) ? platform::Black : hiddenColour);
    label.setBackColor(core::IsFlagOn(object.Boxed) ? BoxedShade : PageWhite);
}

ShownObjects TemplateCanvas::ShownLabels()
{
    ShownObjects shown;
    for (const platform::Label& label : ScrnObj.elements())
        shown[static_cast<std::size_t>(label.Index())] = {label.Caption(), label.Width(), label.Alignment(), label.Left(), label.Top()};
    return shown;
}

void TemplateCanvas::ScrnObj_MouseDown(int index, double x, double y)
{
    dragged_ = index;
    ScrnObj[index].ZOrder(0);
    BeginObjectDrag(ScrnObj[index], x, y);
}

void TemplateCanvas::BeginObjectDrag(platform::Label& label, double x, double y)
{
    label.Drag(1);
    grabX_ = runtime::toInt16(x);
    grabY_ = runtime::toInt16(y);
}

void TemplateCanvas::ScrollFrame_DragDrop(platform::Control& source, double x, double y)
{
    DropDragged(source, x - grabX_, y - grabY_);
}

void TemplateCanvas::ScrnObj_DragDrop(int index, platform::Control& source, double x, double y)
{
    // The label under the pointer only gives the place; the dragged one moves.
    const platform::Label& target = ScrnObj[index];
    DropDragged(source, x - grabX_ + target.Left(), y - grabY_ + target.Top());
}

void TemplateCanvas::DropDragged(platform::Control& source, double left, double top)
{
    source.Move(left, top);
    if (dragged_ >= 0)
        ObjectDropped(dragged_);
    dragged_ = -1;
}

void TemplateCanvas::ObjectDropped(int index)
{
    core::TemplateObject& object = record().Objects[static_cast<std::size_t>(index)];
    object.Left = static_cast<float>(ScrnObj[index].Left());
    object.Top = static_cast<float>(ScrnObj[index].Top());
}

void TemplateCanvas::PlaceGuideLines(double x, double y)
{
    LineVert.setX1(x);
    LineVert.setX2(x);
    LineHoriz.setY1(y);
    LineHoriz.setY2(y);
}

void TemplateCanvas::ScrnObj_DblClick(int index)
{
    // The double-click's press began a drag; the dialog must have the mouse.
    ScrnObj[index].Drag(0);
    dragged_ = -1;
    ScrnObjForm& dialog = ObjectDialog();
    dialog.LblObjNum.setCaption(std::to_string(index));
    dialog.LblTemplateNum.setCaption(LblWhatTemplate.Caption());
    ShowObjectDetails(record().Objects[static_cast<std::size_t>(index)]);
    dialog.Show(true);
}

void TemplateCanvas::ShowObjectDetails(const core::TemplateObject& object)
{
    ScrnObjForm& dialog = ObjectDialog();
    Trapped(DetailsActivity, [&] { dialog.ShowObject(object); });
}

} // namespace documents
