#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/ScriptedServices.h"

namespace platform::test {

// A small window whose handlers write what happened into a log, in the order it happened.
class LogWindow : public Form {
public:
    explicit LogWindow(Services& services, std::string name = "LogWindow") : Form(services, std::move(name))
    {
        Frame1.Move(100, 100, 3000, 2000);
        TextName.setMaxLength(6);
        TextMemo.setMultiLine(true);
        CmdOK.setCaption("&OK");
        CmdOK.setDefault(true);
        CmdCancel.setCaption("&Cancel");
        CmdCancel.setCancel(true);
        int tab = 0;
        for (Control* control : controls())
            control->setTabIndex(tab++);
        for (Control* control : controls()) {
            const std::string id = control->Name() + (control->Index() >= 0 ? "(" + std::to_string(control->Index()) + ")" : "");
            control->Click = [this, id] { log.push_back(id + "_Click"); };
            control->GotFocus = [this, id] { log.push_back(id + "_GotFocus"); };
            control->LostFocus = [this, id] { log.push_back(id + "_LostFocus"); };
        }
        TextName.Change = [this] { log.push_back("TextName_Change"); };
        TextMemo.Change = [this] { log.push_back("TextMemo_Change"); };
        Combo.Change = [this] { log.push_back("Combo_Change"); };
        endDesign();
    }

    TextBox TextName{*this, "TextName"};
    TextBox TextMemo{*this, "TextMemo"};
    ComboBox Combo{*this, "Combo"};
    ListBox List1{*this, "List1"};
    Frame Frame1{*this, "Frame1"};
    ControlArray<OptionButton> OptOuter{*this, "OptOuter", 0, 2};
    ControlArray<OptionButton> OptInner{Frame1, "OptInner", 0, 1};
    CheckBox Check1{*this, "Check1"};
    Label Label1{*this, "Label1"};
    CommandButton CmdOK{*this, "CmdOK"};
    CommandButton CmdCancel{*this, "CmdCancel"};

    std::vector<std::string> log;
    int cancelQueryUnload = 0;
    std::vector<int> unloadModes;
    int loads = 0;

protected:
    void Form_Load() override
    {
        ++loads;
        log.push_back("Form_Load");
        Combo.AddItem("PAY");
        Combo.AddItem("RCP");
    }
    void Form_Activate() override { log.push_back("Form_Activate"); }
    void Form_Paint() override { log.push_back("Form_Paint"); }
    void Form_Resize() override { log.push_back("Form_Resize"); }
    void Form_QueryUnload(int& cancel, int unloadMode) override
    {
        log.push_back("Form_QueryUnload");
        unloadModes.push_back(unloadMode);
        cancel = cancelQueryUnload;
    }
    void Form_Unload(int&) override { log.push_back("Form_Unload"); }
    void Form_KeyDown(int& keyCode, int) override { log.push_back("Form_KeyDown " + std::to_string(keyCode)); }
    void Form_KeyPress(int& keyAscii) override
    {
        // Upper-cases what is typed, as several windows of the system do through KeyPreview.
        if (keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 32;
    }
};

} // namespace platform::test
