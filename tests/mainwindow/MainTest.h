#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "datafile/DataFile.h"
#include "mainwindow/main/Main.h"
#include "platform/ScriptedServices.h"
#include "support/TempFolder.h"

// The main window over scripted services, with its working folder, program folder and Windows
// folder in a fresh temporary folder, and the clock fixed at 15 June 2025. Nothing is loaded until
// the test starts the window.
class MainTest : public testing::Test {
protected:
    MainTest();

    // Loads and shows the window, as the program's start does.
    void start() { main.Show(); }
    // A start with no company to reopen shows the start-up wizard: the next showing is cancelled.
    static void cancelWizard(platform::ScriptedServices& scripted);
    void cancelWizard() { cancelWizard(services); }

    // A company data file of `count` transactions, one a day from 1 January 2025, their types
    // cycling PAY, RCP, INV, BIL and their references counting down, so the two sort orders
    // differ. Its current filter passes everything; it also stores the set-up "Nothing", which
    // passes nothing.
    std::filesystem::path writeCompany(const std::string& name, int count);
    // The settings file, one line per text, CR LF.
    void writeSettings(const std::vector<std::string>& lines);
    // The thirty lines of a complete settings file naming `lastFile`.
    static std::vector<std::string> fullSettings(const std::filesystem::path& lastFile);
    std::filesystem::path settingsFile() const { return folder / mainwindow::SettingsFileName; }
    // The text of a grid row's columns 0 to 13, TAB-separated.
    std::string gridRow(int row) const;
    std::vector<std::string> gridPage() const;
    // The texts of the message boxes shown after the first `before`.
    std::vector<std::string> newMessages(std::size_t before = 0) const;

    platform::ScriptedServices services;
    TempFolder folder;
    mainwindow::Main main{services, folder.path()};
};
