#include "datafile/DataFile.h"
#include "mainwindow/main/Main.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace mainwindow {

void Main::wireCompany()
{
    NewCoItem.Click = [this] { NewCoItem_Click(); };
    CoEditItem.Click = [this] { CoEditItem_Click(); };
}

void Main::NewCoItem_Click()
{
    const std::string keptName = runtime::rtrim(book.company.CompanyName.view());
    if (book.ledger.FileChanged) {
        const platform::Answer answer = book.messages.AskYesNoCancel(
            "Current file '" + runtime::textOfPath(book.CurrentDataFilePath) +
            "' has changed. Save before creating new company?");
        if (answer == platform::Answer::Cancel)
            return;
        if (answer == platform::Answer::Yes) {
            if (runtime::rtrim(runtime::textOfPath(book.CurrentDataFilePath)).empty()) {
                SaveAsItem_Click();
                // The changes the user wanted kept must not be lost to the new company.
                if (book.ledger.FileChanged)
                    return;
            } else if (!datafile::SaveDataFile(book.CurrentDataFilePath, book, *this)) {
                return;
            }
        }
    }
    newCompany.frmeCategories.setVisible(true);
    newCompany.CmdOK.setCaption("&Create");
    newCompany.setCaption("Quillbook - New Company");
    newCompany.ChkDefaultFilters.setVisible(true);
    newCompany.ChkVatFilters.setValue(1);
    newCompany.ChkVatFilters.setVisible(true);
    newCompany.Categories[2].setValue(true);
    newCompany.Show(true);
    if (runtime::rtrim(book.company.CompanyName.view()) != keptName && book.ledger.FileChanged)
        SaveAsItem_Click();
}

void Main::CoEditItem_Click()
{
    for (platform::Control* createOnly :
         std::initializer_list<platform::Control*>{&newCompany.frmeCategories, &newCompany.ChkDefaultFilters,
                                                   &newCompany.ChkVatFilters})
        createOnly->setVisible(false);
    newCompany.CmdOK.setCaption("&Change");
    newCompany.setCaption("Edit Company Details");
    newCompany.TextCoName.setText(runtime::rtrim(book.company.CompanyName.view()));
    newCompany.TextCoAddress.setText(runtime::rtrim(book.company.CompanyAddress));
    newCompany.TextCoPhone.setText(runtime::rtrim(book.company.CompanyPhone));
    newCompany.TextCoDate.setText(book.company.InceptionDate.str());
    newCompany.Show(true);
}

} // namespace mainwindow
