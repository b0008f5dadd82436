#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "platform/RecordingPrinter.h"
#include "platform/Services.h"

namespace platform {

// Thrown by ScriptedServices when the system shows something the test did not script: a message
// box or input box with no queued answer, a file or printer dialog with no queued answer, or a
// modal form with no registered script. It derives from no standard exception, so the system's
// own error traps (which catch runtime::Error and std::exception) let it through; it writes its
// message to the error stream as it is made, so the failing test's log names what appeared.
class UnscriptedInteraction {
public:
    explicit UnscriptedInteraction(std::string message);
    const char* what() const noexcept { return message_.c_str(); }

private:
    std::string message_;
};

// What a recorded message box showed and how it was answered.
struct ShownMessageBox {
    MessageBox box;
    Answer answer = Answer::OK;
};

struct ShownInputBox {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

struct StartedProgram {
    std::string commandLine;
    WindowStyle style = WindowStyle::NormalFocus;
};

struct ShownHelp {
    int command = 0;
    long topic = 0;
};

// The headless Services for tests: every question is answered from a queue the test fills, every
// outward action is recorded, and the clock, clipboard, keys and screen are plain settable values.
class ScriptedServices : public Services {
public:
    ScriptedServices();

    // ---- scripting ----
    // The answers of the next message boxes, in order.
    void answerMessageBox(Answer answer) { messageAnswers_.push_back(answer); }
    // The text the next input box returns ("" is what a cancel returns).
    void answerInputBox(std::string text) { inputAnswers_.push_back(std::move(text)); }
    // The next file dialog chooses this path (and filter index); cancelFileDialog queues a cancel.
    void answerFileDialog(std::string path, int filterIndex = 1);
    void cancelFileDialog();
    // The next printer dialog is confirmed with this number of copies, or cancelled.
    void answerPrinterDialog(int copies = 1);
    void cancelPrinterDialog();
    // The next modal showing of the form named `formName` runs `script` (which acts on the form's
    // controls as a user would); afterwards the form is hidden if it is still shown.
    void onModal(const std::string& formName, std::function<void(Form&)> script);
    // The same for a window class, so the script gets the window itself.
    template <class Window> void onModal(const std::string& formName, std::function<void(Window&)> script)
    {
        onModal(formName, [script = std::move(script)](Form& form) { script(dynamic_cast<Window&>(form)); });
    }

    void setNow(runtime::Date now) { now_ = now; }
    void setKeyDown(int key, bool down = true);
    void setScreenSize(double width, double height);
    void setScreenFonts(std::vector<std::string> fonts) { screenFonts_ = std::move(fonts); }
    void setProgramFolder(std::filesystem::path folder) { programFolder_ = std::move(folder); }
    void setWindowsFolder(std::filesystem::path folder) { windowsFolder_ = std::move(folder); }
    // Which window classes findWindow finds, and what startProgram and shellOpen answer.
    void setRunningWindow(const std::string& className, bool running = true);
    void setStartProgramResult(bool ok) { startProgramResult_ = ok; }
    void setShellOpenResult(long result) { shellOpenResult_ = result; }
    void setCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
    RecordingPrinter& recordingPrinter() { return printer_; }

    // ---- records ----
    const std::vector<ShownMessageBox>& messageBoxes() const { return messageBoxes_; }
    // The texts of the message boxes, in order: the usual thing a test asserts.
    std::vector<std::string> messageTexts() const;
    const std::vector<Beep>& beeps() const { return beeps_; }
    const std::vector<ShownInputBox>& inputBoxes() const { return inputBoxes_; }
    const std::vector<FileDialog>& fileDialogs() const { return fileDialogs_; }
    const std::vector<PrinterDialog>& printerDialogs() const { return printerDialogs_; }
    const std::vector<std::string>& modalForms() const { return modalForms_; }
    const std::vector<StartedProgram>& startedPrograms() const { return startedPrograms_; }
    const std::vector<std::string>& sentKeys() const { return sentKeys_; }
    const std::vector<std::filesystem::path>& openedFiles() const { return openedFiles_; }
    const std::vector<ShownHelp>& helpShown() const { return helpShown_; }
    int doEventsCalls() const { return doEventsCalls_; }
    // Whether the system asked to end the program.
    bool programEnded() const { return programEnded_; }
    // Whether every queued answer and script was used; a test may assert it at its end.
    bool allScriptsUsed() const;

    // ---- Services ----
    Answer messageBox(const MessageBox& box) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    void beep(Beep kind) override { beeps_.push_back(kind); }
    std::string fileDialog(FileDialog& dialog) override;
    bool printerDialog(PrinterDialog& dialog) override;
    Printer& printer() override { return printer_; }
    void runModal(Form& form) override;
    void doEvents() override { ++doEventsCalls_; }
    void endProgram() override { programEnded_ = true; }
    std::string commandLine() override { return commandLine_; }
    bool startProgram(const std::string& commandLine, WindowStyle style) override;
    void sendKeys(const std::string& keys) override { sentKeys_.push_back(keys); }
    long shellOpen(const std::filesystem::path& path) override;
    bool findWindow(const std::string& className) override;
    std::filesystem::path windowsFolder() override { return windowsFolder_; }
    std::filesystem::path programFolder() override { return programFolder_; }
    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    bool keyIsDown(int key) override;
    void showHelp(int command, long topic) override { helpShown_.push_back({command, topic}); }
    void setMousePointer(int pointer) override { mousePointer_ = pointer; }
    int mousePointer() const override { return mousePointer_; }
    double screenWidth() override { return screenWidth_; }
    double screenHeight() override { return screenHeight_; }
    std::vector<std::string> screenFonts() override { return screenFonts_; }
    runtime::Date now() override { return now_; }

private:
    // nullopt: the dialog is cancelled.
    struct FileAnswer {
        std::string path;
        int filterIndex = 1;
    };

    std::deque<Answer> messageAnswers_;
    std::deque<std::string> inputAnswers_;
    std::deque<std::optional<FileAnswer>> fileAnswers_;
    std::deque<std::optional<int>> printerAnswers_;
    std::map<std::string, std::deque<std::function<void(Form&)>>> modalScripts_;

    std::vector<ShownMessageBox> messageBoxes_;
    std::vector<Beep> beeps_;
    std::vector<ShownInputBox> inputBoxes_;
    std::vector<FileDialog> fileDialogs_;
    std::vector<PrinterDialog> printerDialogs_;
    std::vector<std::string> modalForms_;
    std::vector<StartedProgram> startedPrograms_;
    std::vector<std::string> sentKeys_;
    std::vector<std::filesystem::path> openedFiles_;
    std::vector<ShownHelp> helpShown_;
    int doEventsCalls_ = 0;
    bool programEnded_ = false;
    std::string commandLine_;

    RecordingPrinter printer_;
    runtime::Date now_;
    std::vector<int> keysDown_;
    std::vector<std::string> runningWindows_;
    bool startProgramResult_ = true;
    long shellOpenResult_ = 42;
    std::string clipboard_;
    int mousePointer_ = 0;
    double screenWidth_ = 15360;
    double screenHeight_ = 11520;
    std::vector<std::string> screenFonts_;
    std::filesystem::path programFolder_ = ".";
    std::filesystem::path windowsFolder_ = "C:\\WINDOWS";
};

} // namespace platform
