#include "platform/ScriptedServices.h"

#include <algorithm>
#include <iostream>

#include "runtime/Error.h"

namespace platform {

UnscriptedInteraction::UnscriptedInteraction(std::string message) : message_(std::move(message))
{
    std::cerr << "Unscripted interaction: " << message_ << '\n';
}

namespace {

// The answers a box with these buttons can give.
std::vector<Answer> answersOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OK: return {Answer::OK};
    case Buttons::OKCancel: return {Answer::OK, Answer::Cancel};
    case Buttons::AbortRetryIgnore: return {Answer::Abort, Answer::Retry, Answer::Ignore};
    case Buttons::YesNoCancel: return {Answer::Yes, Answer::No, Answer::Cancel};
    case Buttons::YesNo: return {Answer::Yes, Answer::No};
    case Buttons::RetryCancel: return {Answer::Retry, Answer::Cancel};
    }
    return {};
}

template <class T> T takeFirst(std::deque<T>& queue)
{
    T first = std::move(queue.front());
    queue.pop_front();
    return first;
}

} // namespace

ScriptedServices::ScriptedServices()
    : now_(36526) // 1 January 2000
    , screenFonts_{"Arial", "Courier New", "MS Sans Serif", "Times New Roman", "Verdana"}
{
}

void ScriptedServices::answerFileDialog(std::string path, int filterIndex)
{
    fileAnswers_.push_back(FileAnswer{std::move(path), filterIndex});
}

void ScriptedServices::cancelFileDialog()
{
    fileAnswers_.push_back(std::nullopt);
}

void ScriptedServices::answerPrinterDialog(int copies)
{
    printerAnswers_.push_back(copies);
}

void ScriptedServices::cancelPrinterDialog()
{
    printerAnswers_.push_back(std::nullopt);
}

void ScriptedServices::onModal(const std::string& formName, std::function<void(Form&)> script)
{
    modalScripts_[formName].push_back(std::move(script));
}

void ScriptedServices::setKeyDown(int key, bool down)
{
    std::erase(keysDown_, key);
    if (down)
        keysDown_.push_back(key);
}

void ScriptedServices::setScreenSize(double width, double height)
{
    screenWidth_ = width;
    screenHeight_ = height;
}

void ScriptedServices::setRunningWindow(const std::string& className, bool running)
{
    std::erase(runningWindows_, className);
    if (running)
        runningWindows_.push_back(className);
}

std::vector<std::string> ScriptedServices::messageTexts() const
{
    std::vector<std::string> texts;
    for (const ShownMessageBox& shown : messageBoxes_)
        texts.push_back(shown.box.text);
    return texts;
}

bool ScriptedServices::allScriptsUsed() const
{
    const bool modalsUsed = std::all_of(modalScripts_.begin(), modalScripts_.end(),
                                        [](const auto& entry) { return entry.second.empty(); });
    return messageAnswers_.empty() && inputAnswers_.empty() && fileAnswers_.empty() && printerAnswers_.empty() && modalsUsed;
}

Answer ScriptedServices::messageBox(const MessageBox& box)
{
    if (messageAnswers_.empty())
        throw UnscriptedInteraction("unscripted message box: \"" + box.text + "\" titled \"" + box.title + "\"");
    const Answer answer = takeFirst(messageAnswers_);
    const auto allowed = answersOf(box.buttons);
    if (std::find(allowed.begin(), allowed.end(), answer) == allowed.end())
        throw UnscriptedInteraction("scripted answer " + std::to_string(static_cast<int>(answer)) +
                                    " is not a button of the message box \"" + box.text + "\"");
    messageBoxes_.push_back(ShownMessageBox{box, answer});
    return answer;
}

std::string ScriptedServices::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    inputBoxes_.push_back(ShownInputBox{prompt, title, defaultText});
    if (inputAnswers_.empty())
        throw UnscriptedInteraction("unscripted input box: \"" + prompt + "\"");
    return takeFirst(inputAnswers_);
}

std::string ScriptedServices::fileDialog(FileDialog& dialog)
{
    fileDialogs_.push_back(dialog);
    if (fileAnswers_.empty())
        throw UnscriptedInteraction("unscripted file dialog: \"" + dialog.title + "\"");
    const std::optional<FileAnswer> answer = takeFirst(fileAnswers_);
    if (!answer) {
        if (dialog.cancelError)
            throw runtime::Error(runtime::DialogCancelled);
        return {};
    }
    dialog.fileName = answer->path;
    dialog.filterIndex = answer->filterIndex;
    return answer->path;
}

bool ScriptedServices::printerDialog(PrinterDialog& dialog)
{
    printerDialogs_.push_back(dialog);
    if (printerAnswers_.empty())
        throw UnscriptedInteraction("unscripted printer dialog: \"" + dialog.title + "\"");
    const std::optional<int> copies = takeFirst(printerAnswers_);
    if (!copies) {
        if (dialog.cancelError)
            throw runtime::Error(runtime::DialogCancelled);
        return false;
    }
    dialog.copies = *copies;
    return true;
}

void ScriptedServices::runModal(Form& form)
{
    modalForms_.push_back(form.Name());
    auto scripts = modalScripts_.find(form.Name());
    if (scripts == modalScripts_.end() || scripts->second.empty())
        throw UnscriptedInteraction("unscripted modal form: " + form.Name());
    const auto script = takeFirst(scripts->second);
    script(form);
    if (form.isLoaded() && form.Visible())
        form.Hide();
}

bool ScriptedServices::startProgram(const std::string& commandLine, WindowStyle style)
{
    startedPrograms_.push_back(StartedProgram{commandLine, style});
    return startProgramResult_;
}

long ScriptedServices::shellOpen(const std::filesystem::path& path)
{
    openedFiles_.push_back(path);
    return shellOpenResult_;
}

bool ScriptedServices::findWindow(const std::string& className)
{
    return std::find(runningWindows_.begin(), runningWindows_.end(), className) != runningWindows_.end();
}

bool ScriptedServices::keyIsDown(int key)
{
    return std::find(keysDown_.begin(), keysDown_.end(), key) != keysDown_.end();
}

} // namespace platform
