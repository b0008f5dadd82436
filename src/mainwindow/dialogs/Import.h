#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/Buttons.h"
#include "platform/Containers.h"
#include "platform/Decorations.h"
#include "platform/Form.h"
#include "platform/TextBox.h"

namespace core {
class Book;
}

namespace mainwindow {

// Imports a Coinjar file's codes, standing orders and transactions, or archives a date range of
// transactions. The main window's LblFileOp tells the mode when the window loads (" 3" import,
// " 4" archive) and the caption of CmdImport chooses what the button runs.
class Import : public platform::Form {
public:
    // `fileOp` is the main window's operation label; the paths are the files the operation chose.
    // `showChanges` redraws the main window after a completed run.
    Import(core::Book& book, const platform::Label& fileOp, const std::filesystem::path& importFilePath,
           const std::filesystem::path& archiveFilePath, platform::Form& calendar, std::function<void()> showChanges);

    platform::CommandButton CmdImport{*this, "CmdImport"};
    platform::CommandButton CmdDone{*this, "CmdDone"};
    platform::Frame FrameImport{*this, "FrameImport"};
    platform::CheckBox ChkAccounts{FrameImport, "ChkAccounts"};
    platform::CheckBox ChkCust{FrameImport, "ChkCust"};
    platform::CheckBox ChkAnal{FrameImport, "ChkAnal"};
    platform::CheckBox ChkVAT{FrameImport, "ChkVAT"};
    platform::CheckBox ChkTrans{FrameImport, "ChkTrans"};
    platform::Label LabelCJFile{FrameImport, "LabelCJFile"};
    platform::Label LbLCJFile{FrameImport, "LbLCJFile"};
    platform::Frame FrameDatesBetween{*this, "FrameDatesBetween"};
    platform::Label LabelFrom{FrameDatesBetween, "LabelFrom"};
    platform::TextBox TextArchiveFrom{FrameDatesBetween, "TextArchiveFrom"};
    platform::Label LabelTo{FrameDatesBetween, "LabelTo"};
    platform::TextBox TextArchiveTo{FrameDatesBetween, "TextArchiveTo"};
    platform::Label LabelFileName{FrameDatesBetween, "LabelFileName"};
    platform::Label LblArchiveFile{FrameDatesBetween, "LblArchiveFile"};

    // The first line of the Coinjar file as read when the window loaded.
    std::string CoinjarVersionLine;

private:
    void Form_Load() override;
    void designImport();
    void designDates();
    void wireDateBox(platform::TextBox& box);
    void CmdImport_Click();
    void CmdDone_Click();
    void RunImport();
    void RunArchive();

    core::Book& book_;
    const platform::Label& fileOp_;
    const std::filesystem::path& importFilePath_;
    const std::filesystem::path& archiveFilePath_;
    platform::Form& calendar_;
    std::function<void()> showChanges_;
};

} // namespace mainwindow
