#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/TemplateRecord.h"
#include "documents/TemplatePrint.h"
#include "platform/ControlArray.h"
#include "platform/Controls.h"

namespace documents {

class ScrnObjForm;
class TextForm;

// Which program the canvas and its object dialogs serve: the template designer of the main
// program or the document viewer. The dialogs differ by this switch only.
enum class CanvasRole { Designer, Viewer };

// Shows one message in the program's own error box.
using ErrorBox = std::function<void(const std::string& message)>;

// What a program gives its canvas: the record it edits, the error box it reports through, its role,
// and what the viewer does when the properties dialog loads (its error box starts speaking).
struct CanvasSetup {
    core::TemplateRecord& Record;
    ErrorBox ShowError;
    CanvasRole Role = CanvasRole::Designer;
    std::function<void()> ObjectDialogLoading;
};

// Colours of the objects on the page (0x00BBGGRR).
inline constexpr long PageWhite = 0x00FFFFFF;
inline constexpr long BoxedShade = 0x00F4ECED; // red 237, green 236, blue 244
inline constexpr long HiddenGrey = 0x00C0C0C0;  // red, green and blue 192

// The window "InvTemplate" as both programs have it: the record's 30 objects shown as labels at
// their printed places on a page the size of the printer's, scrolled inside a viewport, the two
// margin bars, dragging, guide lines and the object dialogs opened by a double-click. The
// designer and the viewer derive from it; each shows its record its own way when LblWhatTemplate
// changes, acts on the four command buttons and ends its constructor with endDesign().
class TemplateCanvas : public platform::Form {
public:
    static constexpr int ObjectCount = core::TemplateObjectCount;
    // Page sizes at or above this (or none at all) give a page of this size.
    static constexpr int LargestPage = 32000;

    TemplateCanvas(platform::Services& services, CanvasSetup setup);
    ~TemplateCanvas() override;

    core::TemplateRecord& record() const { return setup_.Record; }
    void ShowError(const std::string& message) const { setup_.ShowError(message); }
    CanvasRole role() const { return setup_.Role; }
    const CanvasSetup& setup() const { return setup_; }

    // The object dialogs, made on first use and kept with the canvas.
    ScrnObjForm& ObjectDialog();
    TextForm& TextDialog();
    // Unloads both dialogs, when they were made.
    void UnloadObjectDialogs();

    // Sizes the page to the printer's, with its scroll steps, margin bars and guide lines; the window
    // grows to show the whole page as far as the screen allows.
    void SetUpPage();
    // Shows the record on the page: margin frame, margin bars and every object's label.
    void DrawTemplateObjects();
    // An object dialog's OK changed object i and its label. The viewer places the label afresh,
    // as reading the document back would show it; the designer's label already stands right.
    virtual void ObjectRestyled(int /*index*/) {}
    // The labels as the page shows them, which a print of the shown objects prints.
    ShownObjects ShownLabels();
    // Fills the properties dialog with one object's font, size, styles, visibility, box and
    // alignment.
    void ShowObjectDetails(const core::TemplateObject& object);
    // Starts a manual drag of a label, remembering where inside it the mouse was pressed.
    void BeginObjectDrag(platform::Label& label, double x, double y);

    // A label shows the object's size, styles, alignment, visibility (`hiddenColour` for a hidden
    // one) and box; the font name is the caller's, since the programs choose it differently.
    static void ApplyObjectLook(platform::Label& label, const core::TemplateObject& object, long hiddenColour);
    // The caption a fresh window gives object i.
    static std::string PlaceholderCaption(int index);

    platform::Frame FrameCmdBar{*this, "FrameCmdBar"};
    platform::CommandButton CmdClose{FrameCmdBar, "CmdClose"};
    platform::CommandButton CmdSaveAs{FrameCmdBar, "CmdSaveAs"};
    platform::CommandButton CmdLoad{FrameCmdBar, "CmdLoad"};
    platform::CommandButton CmdPrint{FrameCmdBar, "CmdPrint"};
    platform::Label LblWhatTemplate{*this, "LblWhatTemplate"};

    platform::Frame MainFrame{*this, "MainFrame"};
    platform::PictureBox ScrollFrame{MainFrame, "ScrollFrame"};
    platform::Shape BoxMargins{ScrollFrame, "BoxMargins"};
    platform::Line LineHoriz{ScrollFrame, "LineHoriz"};
    platform::Line LineVert{ScrollFrame, "LineVert"};
    platform::ControlArray<platform::Label> ScrnObj{ScrollFrame, "ScrnObj", 0, ObjectCount - 1};
    platform::ScrollBar VScroll{*this, "VScroll"};
    platform::ScrollBar HScroll{*this, "HScroll"};
    platform::ScrollBar ScrollTop{*this, "ScrollTop"};
    platform::ScrollBar ScrollSide{*this, "ScrollSide"};
    // Element 0 captions ScrollTop, element 1 ScrollSide.
    platform::ControlArray<platform::Label> Label1{*this, "Label1", 0, 1};

    // The label being dragged; -1 when none.
    int DraggedObject() const { return dragged_; }
    bool GuideLinesActive() const { return guideLinesActive_; }
    // The font an object gets on the designer's page when the screen lacks its own.
    const std::string& FallbackFont() const { return fallbackFont_; }

protected:
    // The record is to be shown afresh: the designer draws it; the viewer builds its own screen.
    virtual void LblWhatTemplate_Change() { DrawTemplateObjects(); }
    // A dragged object's label landed. The designer stores the label's place as the object's.
    virtual void ObjectDropped(int index);
    // Whether a press on the bare page shows the guide lines.
    virtual bool HasGuideLines() const { return true; }

    void Form_Resize() override;
    // Places the margin frame and sets the margin bars from the record's margins.
    void DrawMargins();
    // Gives the focus to CmdClose when the window shows.
    void FocusClose();
    // Runs one step of a drawing, reporting a failure under `activity` and going on.
    void Trapped(const std::string& activity, const std::function<void()>& step) const;

private:
    void LayOutCanvas();
    void HScroll_Change();
    void VScroll_Change();
    void ScrollTop_Change();
    void ScrollSide_Change();
    void ScrnObj_MouseDown(int index, double x, double y);
    void ScrnObj_DragDrop(int index, platform::Control& source, double x, double y);
    void ScrollFrame_DragDrop(platform::Control& source, double x, double y);
    void DropDragged(platform::Control& source, double left, double top);
    void ScrnObj_DblClick(int index);
    void PlaceGuideLines(double x, double y);
    void DrawObject(int index);

    CanvasSetup setup_;
    std::unique_ptr<ScrnObjForm> objectDialog_;
    std::unique_ptr<TextForm> textDialog_;
    int grabX_ = 0;
    int grabY_ = 0;
    int dragged_ = -1;
    bool guideLinesActive_ = false;
    std::string fallbackFont_;
};

} // namespace documents
