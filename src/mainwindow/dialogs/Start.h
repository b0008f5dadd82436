#pragma once

#include "platform/Buttons.h"
#include "platform/Containers.h"
#include "platform/ControlArray.h"
#include "platform/Decorations.h"
#include "platform/Form.h"

namespace core {
class Book;
}

namespace mainwindow {

class StartHost;

// The start-up wizard the main window shows modally when there is no company to reopen: it leads
// to a new company (then its VAT codes and first bank account), to an existing data file, or to
// the help.
class Start : public platform::Form {
public:
    Start(core::Book& book, StartHost& host);

    platform::PictureBox Picture1{*this, "Picture1"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::Frame Frame{*this, "Frame"};
    platform::ControlArray<platform::OptionButton> Options{Frame, "Options", 0, 2};
    platform::Label lblHints{*this, "lblHints"};
    platform::Label Label3{*this, "Label3"};
    platform::CommandButton btnNext{*this, "btnNext"};
    platform::CommandButton btnCancel{*this, "btnCancel"};
    platform::CommandButton btnHelp{*this, "btnHelp"};

private:
    void Form_Load() override;
    void Options_GotFocus(int index);
    void btnNext_Click();
    void btnHelp_Click();
    void CreateNewCompany();
    void DrawLogo();

    core::Book& book_;
    StartHost& host_;
};

} // namespace mainwindow
