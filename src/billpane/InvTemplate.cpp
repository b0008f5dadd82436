#include "billpane/InvTemplate.h"

#include <utility>

#include "billpane/CancelForm.h"
#include "billpane/ErrorBox.h"
#include "core/BusyPointer.h"
#include "documents/TemplateFile.h"
#include "reports/FontTests.h"
#include "runtime/Number.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace billpane {

namespace {

constexpr const char* LoadingActivity = "Error while loading Invoice Template : ";
constexpr const char* DrawingActivity = "Error initialising Template Screen : ";
constexpr const char* CaptionStart = "QB : Preview ";
// The font a label takes when the screen lacks the object's.
constexpr const char* SystemFont = "SYSTEM";

} // namespace

InvTemplate::InvTemplate(platform::Services& services, std::filesystem::path folder)
    : TemplateCanvas(services, {Document, [this](const std::string& message) { ShowErrorBox(message); },
                                documents::CanvasRole::Viewer, [this] { ShowErrors = true; }}),
      folder_(std::move(folder))
{
    CmdClose.Click = [this] { this->services().endProgram(); };
    CmdLoad.Click = [this] { LoadOrSaveDocument(LoadMode); };
    CmdSaveAs.Click = [this] { LoadOrSaveDocument(SaveMode); };
    CmdPrint.Click = [this] { CmdPrint_Click(); };
    endDesign();
}

InvTemplate::~InvTemplate() = default;

void InvTemplate::ShowErrorBox(const std::string& message)
{
    billpane::ShowErrorBox(services(), ShowErrors, message);
}

void InvTemplate::Form_Load()
{
    const core::BusyPointer busy(services());
    Trapped(LoadingActivity, [this] { SetUpPage(); });
    Trapped(LoadingActivity, [this] {
        documents::LoadTemplateFile(runtime::textOfPath(folder_ / HandOverFile), Document, setup().ShowError);
    });
}

void InvTemplate::Form_Activate()
{
    // The labels measure their texts in their real fonts only once the window is made, which is
    // when it first shows: the document is laid out then.
    if (laidOut_)
        return;
    laidOut_ = true;
    {
        const core::BusyPointer busy(services());
        BuildDocumentScreen();
        Trapped(LoadingActivity, [this] { setCaption(CaptionStart + Document.Name); });
    }
    // Start-up is silent: an absent hand-over file shows an empty page. Every later failure speaks.
    ShowErrors = true;
}

void InvTemplate::Form_Unload(int&)
{
    UnloadObjectDialogs();
}

void InvTemplate::BuildDocumentScreen()
{
    for (platform::Label& label : ScrnObj.elements())
        Trapped(DrawingActivity, [&label] { label.setCaption(""); });
    DrawMargins();
    for (int i = 0; i < ObjectCount; ++i)
        Trapped(DrawingActivity, [this, i] { ShowDocumentObject(i); });
}

void InvTemplate::ShowDocumentObject(int index)
{
    const core::TemplateObject& object = Document.Objects[static_cast<std::size_t>(index)];
    platform::Label& label = ScrnObj[index];
    if (!runtime::rtrim(object.Text).empty())
        label.setCaption(object.Text);
    label.setFontName(reports::ScreenHasFont(services(), object.FontName) ? object.FontName : SystemFont);
    ApplyObjectLook(label, object, documents::HiddenGrey);
    label.setTop(object.Top < ScrollFrame.Height() ? object.Top : 1);
    label.setLeft(object.Left < ScrollFrame.Width() ? object.Left : 1);
    // A centred or right-aligned label stands where its text prints; the label has sized itself to
    // the text in the object's font.
    const double textWidth = label.Width();
    if (object.Alignment == 'L') {
        label.setLeft(object.Left);
    } else if (object.Alignment == 'C') {
        const int centre = runtime::toInt16(object.Left + object.Width / 2);
        const int x = runtime::toInt16(centre - textWidth / 2);
        if (x > 0)
            label.setLeft(x);
    } else {
        const int right = runtime::toInt16(object.Left + object.Width);
        const int x = runtime::toInt16(right - textWidth);
        if (x > 0)
            label.setLeft(x);
    }
}

void InvTemplate::ObjectRestyled(int index)
{
    Trapped(DrawingActivity, [this, index] { ShowDocumentObject(index); });
}

void InvTemplate::ObjectDropped(int index)
{
    core::TemplateObject& object = Document.Objects[static_cast<std::size_t>(index)];
    const platform::Label& label = ScrnObj[index];
    // A centred or right-aligned label stands where its text prints: the object takes the place
    // whose text starts where the label now stands, so that the page shows it there again.
    double left = label.Left();
    if (object.Alignment == 'C')
        left += label.Width() / 2 - object.Width / 2;
    else if (object.Alignment != 'L')
        left += label.Width() - object.Width;
    object.Left = static_cast<float>(left);
    object.Top = static_cast<float>(label.Top());
}

} // namespace billpane
