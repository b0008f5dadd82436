#pragma once

#include <string>
#include <vector>

#include "platform/Controls.h"

// A window with a control of every kind, whose handlers log each event, for the Qt layer's tests.
class AllControlsForm : public platform::Form {
public:
    explicit AllControlsForm(platform::Services& services);

    platform::Menu MenuFile{*this, "MenuFile"};
    platform::Menu MenuFileTicked{MenuFile, "MenuFileTicked"};
    platform::Menu MenuFileBar{MenuFile, "MenuFileBar"};
    platform::Menu MenuFileExit{MenuFile, "MenuFileExit"};
    platform::Label LabelTitle{*this, "LabelTitle"};
    platform::TextBox TextName{*this, "TextName"};
    platform::TextBox TextMemo{*this, "TextMemo"};
    platform::CheckBox CheckPaid{*this, "CheckPaid"};
    platform::Frame FrameKind{*this, "FrameKind"};
    platform::ControlArray<platform::OptionButton> OptKind{FrameKind, "OptKind", 0, 1};
    platform::ListBox ListCodes{*this, "ListCodes"};
    platform::ListBox ListMarks{*this, "ListMarks"};
    platform::ComboBox ComboEdit{*this, "ComboEdit"};
    platform::ComboBox ComboChoice{*this, "ComboChoice"};
    platform::ScrollBar ScrollAmount{*this, "ScrollAmount"};
    platform::Grid GridLines{*this, "GridLines"};
    platform::PictureBox PictureSheet{*this, "PictureSheet"};
    platform::Label LabelOnSheet{PictureSheet, "LabelOnSheet"};
    platform::Shape ShapeBox{*this, "ShapeBox"};
    platform::Line LineRule{*this, "LineRule"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

    std::vector<std::string> log;
    int cancelClose = 0;
    int paints = 0;
    // KeyPress in TextName turns letters into capitals, as many of the system's fields do.
    bool upperCaseName = false;

    // Takes the log and empties it.
    std::vector<std::string> takeLog();

protected:
    void Form_Load() override;
    void Form_Resize() override { log.push_back("Form_Resize"); }
    void Form_Activate() override { log.push_back("Form_Activate"); }
    // Counted, not logged: the desktop repaints whenever it needs to.
    void Form_Paint() override { ++paints; }
    void Form_QueryUnload(int& cancel, int /*unloadMode*/) override
    {
        log.push_back("Form_QueryUnload");
        cancel = cancelClose;
    }
    void Form_Unload(int& /*cancel*/) override { log.push_back("Form_Unload"); }
};
