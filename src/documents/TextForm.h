#pragma once

#include <string>

#include "platform/Controls.h"

namespace documents {

class TemplateCanvas;

// The object text dialog "Change Text": the object's text, typed or, in the designer, picked as a
// special field, whose tag is stored and whose sample the canvas shows. A right-aligned object
// keeps its right edge as its text grows or shrinks. The viewer's dialog has no special fields
// and shows the text as typed.
class TextForm : public platform::Form {
public:
    explicit TextForm(TemplateCanvas& canvas);

    // Chooses the special field of that name in ComboSpecial; none for "".
    void ShowSpecialField(const std::string& name);

    platform::Label LblObjNum{*this, "LblObjNum"};
    platform::Label LblText{*this, "LblText"};
    platform::TextBox TextChange{*this, "TextChange"};
    platform::Label LblSpecial{*this, "LblSpecial"};
    platform::ComboBox ComboSpecial{*this, "ComboSpecial"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

private:
    void Form_Load() override;
    void ComboSpecial_Click();
    void CmdOK_Click();
    bool isViewerCopy() const;

    TemplateCanvas& canvas_;
};

} // namespace documents
