#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "datafile/AsciiFieldTable.h"
#include "platform/Buttons.h"
#include "platform/ControlArray.h"
#include "platform/Containers.h"
#include "platform/Decorations.h"
#include "platform/Form.h"
#include "platform/ListControls.h"

namespace core {
class Book;
}

namespace mainwindow {

class TextExchangeHost;

// The modes the main window's items set through LblOpType.
inline constexpr const char* ExportTransactionsMode = "EXPORTASCII";
inline constexpr const char* ExportCustomersMode = "EXPORTASCIICUSTS";
inline constexpr const char* ExportCategoriesMode = "EXPORTASCIIANALS";
inline constexpr const char* ImportTransactionsMode = "IMPORTASCII";
inline constexpr const char* ImportCustomersMode = "IMPORTASCIICUSTS";
inline constexpr const char* ImportCategoriesMode = "IMPORTASCIIANALS";

// The white of a list whose file matches the record layout.
inline constexpr long MatchingLayoutColour = 0xFFFFFF;

// Exchanges transactions, customers or categories with other programs as delimited text. An export
// writes the fields the user lays out, in that order, with a comma or a TAB between them (or
// previews them in a program); an import reads a file of every field in numbered order, commas
// between, after its first line was shown against the layout. The mode comes from LblOpType.
class ImpExpForm : public platform::Form {
public:
    ImpExpForm(core::Book& book, TextExchangeHost& host);

    platform::Label LblOpType{*this, "LblOpType"};

    platform::Frame FrameExport{*this, "FrameExport"};
    platform::ControlArray<platform::Label> Label1{FrameExport, "Label1", 0, 1};
    platform::ListBox ListAllFields{FrameExport, "ListAllFields"};
    platform::ListBox ListExpLayout{FrameExport, "ListExpLayout"};
    platform::CommandButton CmdAdd{FrameExport, "CmdAdd"};
    platform::CommandButton CmdRemove{FrameExport, "CmdRemove"};
    platform::CommandButton CmdRewind{FrameExport, "CmdRewind"};
    platform::CommandButton CmdUpList{FrameExport, "CmdUpList"};
    platform::CommandButton CmdDownList{FrameExport, "CmdDownList"};
    platform::CommandButton CmdSelectAll{FrameExport, "CmdSelectAll"};
    platform::CommandButton CmdDeselect{FrameExport, "CmdDeselect"};

    platform::Frame FrameImport{*this, "FrameImport"};
    platform::ControlArray<platform::Label> Label2{FrameImport, "Label2", 0, 3};
    platform::ListBox ListAllimpFields{FrameImport, "ListAllimpFields"};
    platform::ListBox ListImpFileFields{FrameImport, "ListImpFileFields"};
    platform::CommandButton CmdSelectFile{FrameImport, "CmdSelectFile"};

    // Each pair of options is a group of its own.
    platform::Frame FrameSeparator{*this, "FrameSeparator"};
    platform::OptionButton OptCommaSep{FrameSeparator, "OptCommaSep"};
    platform::OptionButton OPtTabSep{FrameSeparator, "OPtTabSep"};
    platform::Frame FrameWhichTrans{*this, "FrameWhichTrans"};
    platform::OptionButton OptAllTrans{FrameWhichTrans, "OptAllTrans"};
    platform::OptionButton OptGridTrans{FrameWhichTrans, "OptGridTrans"};
    platform::CheckBox ChkExpandCodes{*this, "ChkExpandCodes"};
    platform::CheckBox ChkSignTrans{*this, "ChkSignTrans"};

    platform::CommandButton CmdPreview{*this, "CmdPreview"};
    platform::CommandButton CmdExport{*this, "CmdExport"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};

    void InitImpExpForm();
    char Separator() const { return separator_; }
    const std::string& ExchangeFile() const { return exchangeFile_; }

    // What SelectImportFile answers besides match and no match.
    static constexpr int DialogCancelled = -99;
    // 1 when the file's first line matches the layout (or nothing could be read), 0 when not.
    int SelectImportFile();

private:
    enum class FilePurpose { ExportFile, PreviewProgram, ImportFile };

    void Form_Load() override;
    void designLayoutEditing();
    void designImport();
    void designOptions();

    void CmdAdd_Click();
    void CmdRemove_Click();
    void CmdRewind_Click();
    void CmdExport_Click();
    void CmdPreview_Click();
    void CmdCancel_Click();
    void CmdSelectFile_Click();

    void showOnly(const std::vector<platform::Control*>& shown, const std::vector<platform::Control*>& hidden);
    // The field numbers of the chosen layout, in its order.
    std::vector<int> CountChosenFields() const;
    // Runs the export of the mode into `file`; false when there was nothing to write.
    bool runExport(const std::filesystem::path& file, const std::vector<int>& layout);
    void ExportFields();
    bool ImportFile();
    // Lets the user choose the file for `purpose` into ExchangeFile; false when the dialog was cancelled.
    bool AskExchangeFile(FilePurpose purpose);
    std::string ShowExchangeFileDialog(FilePurpose purpose);
    std::filesystem::path dialogFolder() const;

    core::Book& book_;
    TextExchangeHost& host_;
    std::string mode_;
    datafile::ExchangeKind kind_ = datafile::ExchangeKind::Transactions;
    bool importing_ = false;
    char separator_ = ',';
    std::string exchangeFile_;
    // The folder of the last file chosen for an export or import in this run.
    std::filesystem::path lastFolder_;
};

} // namespace mainwindow
