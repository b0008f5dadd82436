#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Services.h"

namespace qtgui {

class ChildReaper;
class HelpWindow;
class KeyStateTracker;
struct ProgramStart;
class QtPrinter;

// The desktop services on Qt. Needs a QApplication for its whole life.
//
// Showing a form modally belongs to the layer that shows forms: it installs a ModalRunner; until
// it does, runModal raises a std::logic_error.
//
// Started programs: see ProgramStart.h; none stays behind as a defunct process (ChildReaper.h).
// The window style of a started program is left to the desktop; sendKeys does nothing, since a
// desktop program cannot be sent another program's keys here (the one use, dismissing a dialog of
// the old word processor, has no counterpart).
class QtServices : public platform::Services {
public:
    using ModalRunner = std::function<void(platform::Form&)>;
    // Gives a form its window before it first shows (the form layer installs it).
    using FormShowing = std::function<void(platform::Form&, bool modal)>;

    struct Options {
        // Print every document to this PDF file instead of the user's printer.
        std::optional<std::filesystem::path> pdfOutput;
    };

    QtServices();
    explicit QtServices(const Options& options);
    ~QtServices() override;

    void setModalRunner(ModalRunner runner);
    void setFormShowing(FormShowing showing);

    platform::Answer messageBox(const platform::MessageBox& box) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    void beep(platform::Beep kind) override;

    std::string fileDialog(platform::FileDialog& dialog) override;
    bool printerDialog(platform::PrinterDialog& dialog) override;
    platform::Printer& printer() override;

    void formShowing(platform::Form& form, bool modal) override;
    void runModal(platform::Form& form) override;
    void doEvents() override;

    void endProgram() override;
    std::string commandLine() override;
    bool startProgram(const std::string& commandLine, platform::WindowStyle style) override;
    void sendKeys(const std::string& keys) override;
    long shellOpen(const std::filesystem::path& path) override;
    // Only the calculator's class "SciCalc" is known: true while a calculator started here runs.
    bool findWindow(const std::string& className) override;
    // A folder of stand-ins for the text viewers of the system's forerunner ("NOTEPAD.EXE",
    // "WRITE.EXE"), so that the system finds them where it looks; starting them opens the desktop's
    // text viewer. Made on first use under the user's data folder, and only when the desktop has a
    // way to open files (xdg-open).
    std::filesystem::path windowsFolder() override;
    std::filesystem::path programFolder() override;

    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    bool keyIsDown(int key) override;
    void showHelp(int command, long topic) override;
    void setMousePointer(int pointer) override;
    int mousePointer() const override;
    double screenWidth() override;
    double screenHeight() override;
    std::vector<std::string> screenFonts() override;
    double textWidth(const platform::Font& font, const std::string& text) override;
    double textHeight(const platform::Font& font, const std::string& text) override;
    runtime::Date now() override;

private:
    bool start(const ProgramStart& plan);
    // Opens a UTF-8 copy of the text file in the desktop's viewer (TextViewerCopy.h).
    bool openTextCopy(const std::string& path);
    bool startCalculator();
    // spawnProgram, with the child handed to the reaper.
    qint64 spawnWatched(const QString& program, const QStringList& arguments);

    std::unique_ptr<QtPrinter> printer_;
    std::unique_ptr<KeyStateTracker> keys_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<ChildReaper> reaper_;
    ModalRunner modalRunner_;
    FormShowing formShowing_;
    int mousePointer_ = 0;
    qint64 calculatorProcess_ = 0;
};

} // namespace qtgui
