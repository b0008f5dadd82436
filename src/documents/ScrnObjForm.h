#pragma once

#include <string>

#include "core/TemplateRecord.h"
#include "platform/Controls.h"

namespace documents {

class TemplateCanvas;

// The object properties dialog "Set Up Screen Object": one object's font, size, styles,
// visibility, box and alignment, with a live example, and the way to its text dialog. OK writes
// the object into the canvas's record and restyles its label; the object keeps its place and
// size. The viewer's dialog differs as its canvas's role says: a message and
// size 8 when the printer cannot be asked, a fixed caption, the example's size left alone when a
// font is chosen, a text dialog without special fields, and light grey for hidden objects.
class ScrnObjForm : public platform::Form {
public:
    explicit ScrnObjForm(TemplateCanvas& canvas);

    // Shows the object's settings (ShowObjectDetails); the font is chosen when the list has it.
    void ShowObject(const core::TemplateObject& object);
    // The size the printer really prints nearest `size`, in the chosen font and the example's
    // styles, written with two decimals.
    std::string MatchPrinterFontStyleSize(double size);

    platform::Label LblObjNumHeading{*this, "LblObjNumHeading"};
    platform::Label LblObjNum{*this, "LblObjNum"};
    platform::Label LblTemplateNumHeading{*this, "LblTemplateNumHeading"};
    platform::Label LblTemplateNum{*this, "LblTemplateNum"};
    platform::Label LblFontName{*this, "LblFontName"};
    platform::ListBox ListFonts{*this, "ListFonts"};
    platform::Label LblFontSize{*this, "LblFontSize"};
    platform::ComboBox ComboListFontSizes{*this, "ComboListFontSizes"};
    platform::CheckBox ChkBold{*this, "ChkBold"};
    platform::CheckBox ChkItalic{*this, "ChkItalic"};
    platform::CheckBox ChkUnderline{*this, "ChkUnderline"};
    platform::CheckBox ChkVisible{*this, "ChkVisible"};
    platform::CheckBox ChkBoxed{*this, "ChkBoxed"};
    platform::Frame FrameAlignment{*this, "FrameAlignment"};
    platform::OptionButton OptLeft{FrameAlignment, "OptLeft"};
    platform::OptionButton OptCentre{FrameAlignment, "OptCentre"};
    platform::OptionButton OptRight{FrameAlignment, "OptRight"};
    platform::Label LblExampleHeading{*this, "LblExampleHeading"};
    platform::Label LabelExample{*this, "LabelExample"};
    platform::CommandButton CmdText{*this, "CmdText"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

private:
    void Form_Load() override;
    void LblObjNum_Change();
    void ListFonts_Click();
    void ComboListFontSizes_Click();
    void ComboListFontSizes_LostFocus();
    void CmdText_Click();
    void CmdOK_Click();
    // The size box takes the printer's size for what it holds, and the example follows.
    void MatchSizeBox();
    bool isViewerCopy() const;
    int ObjectNumber() const;

    TemplateCanvas& canvas_;
};

} // namespace documents
