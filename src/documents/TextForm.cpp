#include "documents/TextForm.h"

#include <cstdint>

#include "documents/FieldTags.h"
#include "documents/TemplateCanvas.h"
#include "platform/ScreenPlacement.h"
#include "runtime/Error.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace documents {

TextForm::TextForm(TemplateCanvas& canvas) : Form(canvas.services(), "TextForm"), canvas_(canvas)
{
    setCaption("Change Text");
    Move(0, 0, 6000, 3900);
    platform::CentreOnScreen(*this);

    LblObjNum.setVisible(false);
    LblText.setCaption("Object Text");
    LblText.Move(120, 120, 2000, 255);
    TextChange.setMultiLine(true);
    TextChange.Move(120, 375, 5640, 1695);
    LblSpecial.setCaption("Special Codes");
    LblSpecial.Move(120, 2190, 2000, 255);
    ComboSpecial.setStyle(2);
    ComboSpecial.Move(120, 2445, 3975, 315);
    LblSpecial.setVisible(!isViewerCopy());
    ComboSpecial.setVisible(!isViewerCopy());
    CmdOK.setCaption("&OK");
    CmdOK.Move(4560, 2445, 1215, 375);
    CmdCancel.setCaption("&Cancel");
    CmdCancel.setCancel(true);
    CmdCancel.Move(4560, 2925, 1215, 375);

    ComboSpecial.Click = [this] { ComboSpecial_Click(); };
    CmdOK.Click = [this] { CmdOK_Click(); };
    CmdCancel.Click = [this] { Hide(); };
    endDesign();
}

bool TextForm::isViewerCopy() const
{
    return canvas_.role() == CanvasRole::Viewer;
}

void TextForm::Form_Load()
{
    if (isViewerCopy())
        return;
    for (const SpecialField& field : SpecialFieldTable())
        ComboSpecial.AddItem(std::string(field.Name));
}

void TextForm::ShowSpecialField(const std::string& name)
{
    int chosen = -1;
    for (int i = 0; i < ComboSpecial.ListCount() && !name.empty(); ++i)
        if (ComboSpecial.List(i) == name) {
            chosen = i;
            break;
        }
    ComboSpecial.setListIndex(chosen);
}

void TextForm::ComboSpecial_Click()
{
    if (ComboSpecial.ListIndex() >= 0)
        TextChange.setText(GetSpecialFieldToken(ComboSpecial.Text()));
}

void TextForm::CmdOK_Click()
{
    const double number = runtime::val(LblObjNum.Caption());
    if (number < 0 || number >= TemplateCanvas::ObjectCount)
        throw runtime::Error(runtime::SubscriptOutOfRange);
    const int n = runtime::toInt16(number);
    platform::Label& label = canvas_.ScrnObj[n];
    core::TemplateObject& object = canvas_.record().Objects[static_cast<std::size_t>(n)];
    const std::int32_t oldRight = runtime::toInt32(label.Left() + label.Width());
    object.Text = TextChange.Text();
    const std::string sample = isViewerCopy() ? std::string() : GetSpecialFieldSample(object.Text);
    label.setCaption(runtime::rtrim(sample).empty() ? object.Text : sample);
    // A right-aligned object keeps its right edge where it was.
    if (label.Alignment() == platform::RightJustify) {
        const std::int32_t newRight = runtime::toInt32(label.Left() + label.Width());
        label.setLeft(label.Left() + (oldRight - newRight));
        // The viewer's label stands where the text prints, not at the object's place, which the
        // new text leaves as it was.
        if (!isViewerCopy())
            object.Left = static_cast<float>(label.Left());
    }
    canvas_.ObjectRestyled(n);
    Hide();
}

} // namespace documents
