#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Drawing.h"
#include "runtime/Date.h"

namespace platform {

class Form;
class Printer;

// Message-box answers, as the platform numbers them.
enum class Answer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
enum class Buttons { OK = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class Icon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
// The sounds of the message beep: Plain is the simple beep, the others go with a box of that icon.
enum class Beep { Plain = -1, Default = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

struct MessageBox {
    std::string text;
    std::string title;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    int defaultButton = 1; // 1 = first button
    // Not empty: the box also carries a Help button, which opens this help file at helpContext and
    // leaves the box open (it is never the answer).
    std::string helpFile = {};
    long helpContext = 0;
};

struct FileDialog {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    // Pairs of description and pattern, "|" separated: "Data Files (*.QBD)|*.QBD|All (*.*)|*.*".
    std::string filter;
    int filterIndex = 1;
    std::string defaultExt;
    std::string title;
    std::string fileName;
    long flags = 0; // 2: ask before overwriting an existing file
    bool cancelError = false;
};

struct PrinterDialog {
    std::string title;
    long flags = 0;
    bool printerDefault = true;
    bool cancelError = false;
    int copies = 1;
};

// How a started program's window shows.
enum class WindowStyle { Hidden = 0, NormalFocus = 1, MinimizedFocus = 2, Maximized = 3, NormalNoFocus = 4, MinimizedNoFocus = 6 };

// Everything the system reaches outside itself. The program holds one; tests install their own.
class Services {
public:
    virtual ~Services() = default;

    virtual Answer messageBox(const MessageBox& box) = 0;
    // The typed text; the empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;
    virtual void beep(Beep kind) = 0;

    // The chosen path. Fills the dialog's fileName and filterIndex with the choice. A cancel raises
    // error 32755 when cancelError is set, otherwise answers the empty text.
    virtual std::string fileDialog(FileDialog& dialog) = 0;
    // Shows the printer dialog and leaves the chosen copies in dialog.copies; answers false on a
    // cancel, or raises error 32755 when cancelError is set.
    virtual bool printerDialog(PrinterDialog& dialog) = 0;
    virtual Printer& printer() = 0;

    // A hidden form is about to become visible (modal or not): the desktop gives it a window.
    virtual void formShowing(Form& /*form*/, bool /*modal*/) {}
    // Shows the form modally and returns when it is hidden or unloaded.
    virtual void runModal(Form& form) = 0;
    virtual void doEvents() = 0;

    // Ends the program at once, whatever forms stay loaded or shown.
    virtual void endProgram() = 0;
    // The arguments the program was started with, joined by single blanks (the program's name left out).
    virtual std::string commandLine() = 0;

    virtual bool startProgram(const std::string& commandLine, WindowStyle style) = 0;
    virtual void sendKeys(const std::string& keys) = 0;
    // Opens a file with the desktop's association; above 32 means success, as the platform answers.
    virtual long shellOpen(const std::filesystem::path& path) = 0;
    virtual bool findWindow(const std::string& className) = 0;
    virtual std::filesystem::path windowsFolder() = 0;
    virtual std::filesystem::path programFolder() = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // Key codes as the platform numbers them: Tab 9, Ctrl 17.
    virtual bool keyIsDown(int key) = 0;
    virtual void showHelp(int command, long topic) = 0;
    virtual void setMousePointer(int pointer) = 0;
    virtual int mousePointer() const = 0;
    // Screen size in twips.
    virtual double screenWidth() = 0;
    virtual double screenHeight() = 0;
    virtual std::vector<std::string> screenFonts() = 0;
    // The size a text takes on the screen in a font, in twips: its widest line by its lines
    // (Form::TextWidth, PictureBox::TextWidth). Headless, the fixed metrics of TextMetrics.h.
    virtual double textWidth(const Font& font, const std::string& text);
    virtual double textHeight(const Font& font, const std::string& text);
    // The clock the system reads "today" from; tests set it.
    virtual runtime::Date now() = 0;
};

} // namespace platform
