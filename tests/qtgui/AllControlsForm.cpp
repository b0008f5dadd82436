#include "AllControlsForm.h"

#include <utility>

AllControlsForm::AllControlsForm(platform::Services& services) : Form(services, "AllControlsForm")
{
    setCaption("Every control");
    Move(0, 0, 9000, 6600);
    MenuFile.setCaption("&File");
    MenuFileTicked.setCaption("&Ticked");
    MenuFileTicked.setChecked(true);
    MenuFileBar.setCaption("-");
    MenuFileExit.setCaption("E&xit");
    LabelTitle.Move(120, 120, 100, 100);
    LabelTitle.setAutoSize(true);
    LabelTitle.setCaption("Every kind of control");
    LabelTitle.setFontBold(true);
    TextName.Move(120, 480, 2400, 315);
    TextName.setMaxLength(6);
    TextMemo.Move(120, 900, 2400, 900);
    TextMemo.setMultiLine(true);
    CheckPaid.Move(120, 1920, 2400, 255);
    CheckPaid.setCaption("&Paid");
    FrameKind.Move(120, 2280, 2400, 1080);
    FrameKind.setCaption("Kind");
    OptKind[0].Move(120, 300, 2000, 255);
    OptKind[0].setCaption("Receipt");
    OptKind[0].setValue(true);
    OptKind[1].Move(120, 660, 2000, 255);
    OptKind[1].setCaption("Payment");
    ListCodes.Move(2760, 120, 1800, 1200);
    ListCodes.setSorted(true);
    ListMarks.Move(2760, 1440, 1800, 900);
    ListMarks.setMultiSelect(2);
    ComboEdit.Move(2760, 2460, 1800, 315);
    ComboChoice.Move(2760, 2880, 1800, 315);
    ComboChoice.setStyle(2);
    ScrollAmount.Move(2760, 3300, 1800, 255);
    ScrollAmount.setMin(0);
    ScrollAmount.setMax(100);
    ScrollAmount.setSmallChange(5);
    ScrollAmount.setLargeChange(20);
    GridLines.Move(4800, 120, 3900, 2400);
    GridLines.setRows(6);
    GridLines.setCols(4);
    GridLines.setColWidth(0, 450);
    GridLines.setColWidth(1, 1500);
    GridLines.setColAlignment(2, 1);
    PictureSheet.Move(4800, 2640, 3900, 1320);
    PictureSheet.setBackColor(0x00FFFFFF);
    LabelOnSheet.Move(1800, 840, 1800, 255);
    LabelOnSheet.setCaption("On the sheet");
    LabelOnSheet.setForeColor(0x000000C0);
    ShapeBox.Move(120, 3600, 2400, 1200);
    ShapeBox.setShapeKind(4);
    LineRule.setX1(2760);
    LineRule.setY1(3720);
    LineRule.setX2(4560);
    LineRule.setY2(4680);
    CmdOK.Move(6240, 4440, 1095, 375);
    CmdOK.setCaption("OK");
    CmdOK.setDefault(true);
    CmdCancel.Move(7500, 4440, 1095, 375);
    CmdCancel.setCaption("Cancel");
    CmdCancel.setCancel(true);
    int tab = 0;
    for (platform::Control* control : controls()) {
        control->setTabIndex(tab++);
        std::string id = control->Name() + (control->Index() >= 0 ? "(" + std::to_string(control->Index()) + ")" : "");
        control->Click = [this, id] { log.push_back(id + "_Click"); };
        control->DblClick = [this, id] { log.push_back(id + "_DblClick"); };
        control->GotFocus = [this, id] { log.push_back(id + "_GotFocus"); };
        control->LostFocus = [this, id] { log.push_back(id + "_LostFocus"); };
        control->KeyDown = [this, id](int& keyCode, int) { log.push_back(id + "_KeyDown " + std::to_string(keyCode)); };
        control->MouseDown = [this, id](int button, int, double x, double y) {
            log.push_back(id + "_MouseDown " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + "," +
                          std::to_string(static_cast<int>(y)));
        };
    }
    TextName.KeyPress = [this](int& keyAscii) {
        log.push_back("TextName_KeyPress " + std::to_string(keyAscii));
        if (upperCaseName && keyAscii >= 'a' && keyAscii <= 'z')
            keyAscii -= 'a' - 'A';
    };
    TextName.Change = [this] { log.push_back("TextName_Change"); };
    TextMemo.Change = [this] { log.push_back("TextMemo_Change"); };
    ComboEdit.Change = [this] { log.push_back("ComboEdit_Change"); };
    ScrollAmount.Change = [this] { log.push_back("ScrollAmount_Change"); };
    ScrollAmount.Scroll = [this] { log.push_back("ScrollAmount_Scroll"); };
    GridLines.RowColChange = [this] { log.push_back("GridLines_RowColChange"); };
    GridLines.SelChange = [this] { log.push_back("GridLines_SelChange"); };
    endDesign();
}

void AllControlsForm::Form_Load()
{
    log.push_back("Form_Load");
    for (const char* code : {"SALES", "BANK", "cash", "Rent"})
        ListCodes.AddItem(code);
    for (const char* mark : {"January", "February", "March"})
        ListMarks.AddItem(mark);
    for (const char* item : {"PAY", "REC", "JNL"}) {
        ComboEdit.AddItem(item);
        ComboChoice.AddItem(item);
    }
    GridLines.setTextMatrix(0, 1, "Account");
    GridLines.setTextMatrix(0, 2, "Amount");
    GridLines.setTextMatrix(1, 1, "Bank");
    GridLines.setTextMatrix(1, 2, "12.50");
    PictureSheet.print("Printed on the picture box");
    PictureSheet.line(120, 600, 3600, 600);
}

std::vector<std::string> AllControlsForm::takeLog()
{
    return std::exchange(log, {});
}
