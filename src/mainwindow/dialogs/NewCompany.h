#pragma once

#include <string>

#include "platform/Buttons.h"
#include "platform/Containers.h"
#include "platform/ControlArray.h"
#include "platform/Decorations.h"
#include "platform/Form.h"
#include "platform/TextBox.h"

namespace core {
class Book;
}

namespace mainwindow {

class Calendar;
class CompanyHost;

// The company's details, in two modes chosen by CmdOK's caption: "&Create" starts a new, empty
// company in the open book (details, the system category, a default category set, filter
// set-ups with "All Off" current); "&Change" stores edited details only. The main window sets the
// mode up and shows it modally; either button unloads it, so every showing starts from the design.
class NewCompany : public platform::Form {
public:
    NewCompany(core::Book& book, Calendar& calendar, CompanyHost& host);

    platform::Label LblCoName{*this, "LblCoName"};
    platform::TextBox TextCoName{*this, "TextCoName"};
    platform::Label LblCoAddress{*this, "LblCoAddress"};
    platform::TextBox TextCoAddress{*this, "TextCoAddress"};
    platform::Label LblCoPhone{*this, "LblCoPhone"};
    platform::TextBox TextCoPhone{*this, "TextCoPhone"};
    platform::Label LblCoDate{*this, "LblCoDate"};
    platform::TextBox TextCoDate{*this, "TextCoDate"};
    platform::Frame frmeCategories{*this, "frmeCategories"};
    platform::ControlArray<platform::OptionButton> Categories{frmeCategories, "Categories", 0, 2};
    platform::CheckBox ChkDefaultFilters{*this, "ChkDefaultFilters"};
    platform::CheckBox ChkVatFilters{*this, "ChkVatFilters"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton CmdDone{*this, "CmdDone"};
    platform::Label Label3{*this, "Label3"};

    // The two default category sets, added line by line in their order.
    void AddStandardCategories();
    void AddBusinessCategories();

private:
    void Form_Load() override;
    void CmdOK_Click();
    void CmdDone_Click();
    void TextCoDate_LostFocus();
    void TextCoDate_DblClick();

    void CreateCompany();
    void ChangeDetails();
    void StoreDetails();
    void AddCategory(const char* code, const char* name);
    void AddCategoryLine(const std::string& line);

    core::Book& book_;
    Calendar& calendar_; // the main window's date picker
    CompanyHost& host_;
};

} // namespace mainwindow
