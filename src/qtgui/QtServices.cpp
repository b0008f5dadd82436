#include "qtgui/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <signal.h>
#include <stdexcept>

#include "qtgui/ChildReaper.h"
#include "qtgui/FileDialogRules.h"
#include "qtgui/FontFamilies.h"
#include "qtgui/HelpTopics.h"
#include "qtgui/HelpWindow.h"
#include "qtgui/KeyStateTracker.h"
#include "qtgui/MessageBoxRules.h"
#include "qtgui/PrinterDialogRules.h"
#include "qtgui/ProgramSpawn.h"
#include "qtgui/ProgramStart.h"
#include "qtgui/QtPrinter.h"
#include "qtgui/QtText.h"
#include "qtgui/TextViewerCopy.h"
#include "qtgui/WidgetFonts.h"
#include "qtgui/WidgetGeometry.h"
#include "qtgui/WindowActivation.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace qtgui {
namespace {

constexpr double TwipsPerInch = 1440;
constexpr int HourglassPointer = 11;
// What the platform's shell call answers: above 32 is success.
constexpr long ShellOpened = 33;
constexpr long ShellFileNotFound = 2;
constexpr long ShellNoAssociation = 31;

// What `xdg-mime query` answers, trimmed; empty when it cannot run or answers nothing.
QString queryDesktopMime(const QStringList& arguments)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), QStringList{QStringLiteral("query")} + arguments);
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// Whether the desktop has a program to open `file` by its kind, as its opener finds one. Without
// the query tool the opener is left to answer.
bool desktopHasProgramFor(const QString& file)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        return true;
    const QString kind = queryDesktopMime({QStringLiteral("filetype"), file}).section(u';', 0, 0);
    return !kind.isEmpty() && !queryDesktopMime({QStringLiteral("default"), kind}).isEmpty();
}

QString titleOrApplicationName(const std::string& title)
{
    const QString shown = toQString(title);
    return shown.isEmpty() ? QGuiApplication::applicationDisplayName() : shown;
}

// Writes a stand-in file unless it is there already; a failure leaves the program "not found".
void writeStandIn(const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    if (file.exists() || !file.open(QIODevice::WriteOnly))
        return;
    file.write("Quillbook shows text files that it would give this program in the desktop's own viewer.\n");
}

} // namespace

QtServices::QtServices() : QtServices(Options{})
{
}

QtServices::QtServices(const Options& options)
    : printer_(options.pdfOutput ? std::make_unique<QtPrinter>(*options.pdfOutput) : std::make_unique<QtPrinter>()),
      keys_(std::make_unique<KeyStateTracker>()), reaper_(std::make_unique<ChildReaper>())
{
}

QtServices::~QtServices()
{
    if (mousePointer_ == HourglassPointer)
        QGuiApplication::restoreOverrideCursor();
}

void QtServices::setModalRunner(ModalRunner runner)
{
    modalRunner_ = std::move(runner);
}

platform::Answer QtServices::messageBox(const platform::MessageBox& box)
{
    QWidget* opener = QApplication::activeWindow();
    QMessageBox shown(opener);
    configureMessageBox(shown, box);
    if (!box.helpFile.empty()) {
        const long topic = box.helpContext;
        addHelpButton(shown, [this, topic] { showHelp(HelpContext, topic); });
    }
    execOver(shown, opener);
    return answerOf(shown, box.buttons);
}

std::string QtServices::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    QWidget* opener = QApplication::activeWindow();
    QInputDialog dialog(opener);
    dialog.setWindowTitle(titleOrApplicationName(title));
    dialog.setLabelText(toDisplayText(prompt));
    dialog.setTextValue(toQString(defaultText));
    if (execOver(dialog, opener) != QDialog::Accepted)
        return {};
    return fromQString(dialog.textValue());
}

// The desktop has one warning sound; every kind plays it.
void QtServices::beep(platform::Beep)
{
    QApplication::beep();
}

std::string QtServices::fileDialog(platform::FileDialog& dialog)
{
    QWidget* opener = QApplication::activeWindow();
    QFileDialog shown(opener);
    configureFileDialog(shown, dialog);
    if (execOver(shown, opener) != QDialog::Accepted) {
        if (dialog.cancelError)
            throw runtime::Error(runtime::DialogCancelled);
        return {};
    }
    return takeFileDialogChoice(shown, dialog);
}

bool QtServices::printerDialog(platform::PrinterDialog& dialog)
{
    QPrinter& device = printer_->device();
    QWidget* opener = QApplication::activeWindow();
    QPrintDialog shown(&device, opener);
    configurePrintDialog(shown, dialog);
    if (execOver(shown, opener) != QDialog::Accepted) {
        if (dialog.cancelError)
            throw runtime::Error(runtime::DialogCancelled);
        return false;
    }
    dialog.copies = device.copyCount();
    return true;
}

platform::Printer& QtServices::printer()
{
    return *printer_;
}

void QtServices::setFormShowing(FormShowing showing)
{
    formShowing_ = std::move(showing);
}

void QtServices::formShowing(platform::Form& form, bool modal)
{
    if (formShowing_)
        formShowing_(form, modal);
}

void QtServices::runModal(platform::Form& form)
{
    if (!modalRunner_)
        throw std::logic_error("QtServices::runModal: no modal runner installed by the form layer");
    modalRunner_(form);
}

void QtServices::doEvents()
{
    QCoreApplication::processEvents();
}

void QtServices::endProgram()
{
    // Nothing after the call runs, not even the code after a modal form's Show that leaving the
    // event loops one by one would return to; every file the system writes is complete already.
    std::fflush(nullptr);
    std::_Exit(0);
}

std::string QtServices::commandLine()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    return fromQString(arguments.join(QLatin1Char(' ')));
}

bool QtServices::startProgram(const std::string& commandLine, platform::WindowStyle)
{
    return start(planProgramStart(commandLine, programFolder()));
}

bool QtServices::start(const ProgramStart& plan)
{
    switch (plan.kind) {
    case ProgramStart::Kind::OpenDocument: return openTextCopy(plan.target);
    case ProgramStart::Kind::Sibling: {
        QStringList arguments;
        for (const std::string& argument : plan.arguments)
            arguments.append(toQString(argument));
        return spawnWatched(pathTextToQString(plan.target), arguments) != 0;
    }
    case ProgramStart::Kind::Calculator: return startCalculator();
    case ProgramStart::Kind::Unknown: break;
    }
    return false;
}

void QtServices::sendKeys(const std::string&)
{
}

long QtServices::shellOpen(const std::filesystem::path& path)
{
    const QString file = toQPath(path);
    if (!QFileInfo::exists(file))
        return ShellFileNotFound;
    // The desktop's opener starts on its own and says only on the terminal that nothing opens the
    // file, so the program it would choose is asked for first.
    if (!desktopHasProgramFor(file))
        return ShellNoAssociation;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())))
        return ShellNoAssociation;
    reaper_->watchAdopted();
    return ShellOpened;
}

bool QtServices::findWindow(const std::string& className)
{
    // A started process that has ended, and been reaped, no longer answers signal 0.
    reaper_->reapEnded();
    return runtime::ucase(className) == "SCICALC" && calculatorProcess_ > 0
           && ::kill(static_cast<pid_t>(calculatorProcess_), 0) == 0;
}

std::filesystem::path QtServices::windowsFolder()
{
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                      + QStringLiteral("/quillbook/windows"));
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() && folder.mkpath(QStringLiteral("."))) {
        writeStandIn(folder, QStringLiteral("NOTEPAD.EXE"));
        writeStandIn(folder, QStringLiteral("WRITE.EXE"));
    }
    return fromQPath(folder.path());
}

std::filesystem::path QtServices::programFolder()
{
    return fromQPath(QCoreApplication::applicationDirPath());
}

std::string QtServices::clipboardText()
{
    return fromQString(QGuiApplication::clipboard()->text());
}

void QtServices::setClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

bool QtServices::keyIsDown(int key)
{
    return keys_->keyIsDown(key);
}

void QtServices::showHelp(int command, long topic)
{
    const HelpRequest request = helpRequestFor(command, topic);
    if (request.close) {
        if (help_)
            help_->hide();
        return;
    }
    if (!help_)
        help_ = std::make_unique<HelpWindow>();
    help_->open(request);
}

void QtServices::setMousePointer(int pointer)
{
    const bool wasWaiting = mousePointer_ == HourglassPointer;
    const bool waiting = pointer == HourglassPointer;
    mousePointer_ = pointer;
    if (waiting && !wasWaiting)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!waiting && wasWaiting)
        QGuiApplication::restoreOverrideCursor();
}

int QtServices::mousePointer() const
{
    return mousePointer_;
}

double QtServices::screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 0 : screen->geometry().width() * TwipsPerInch / screen->logicalDotsPerInchX();
}

double QtServices::screenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 0 : screen->geometry().height() * TwipsPerInch / screen->logicalDotsPerInchY();
}

std::vector<std::string> QtServices::screenFonts()
{
    return offeredFontNames();
}

double QtServices::textWidth(const platform::Font& font, const std::string& text)
{
    const QFontMetricsF metrics(toQFont(font));
    double widest = 0;
    for (const QString& line : toDisplayText(text).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return toTwips(widest);
}

double QtServices::textHeight(const platform::Font& font, const std::string& text)
{
    const auto lines = toDisplayText(text).count(u'\n') + 1;
    return toTwips(static_cast<double>(lines) * QFontMetricsF(toQFont(font)).height());
}

runtime::Date QtServices::now()
{
    return runtime::Date::now();
}

bool QtServices::openTextCopy(const std::string& path)
{
    const QFileInfo file(pathTextToQString(path));
    if (!file.exists())
        return false;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/viewer");
    const std::filesystem::path copy = writeUtf8Copy(fromQPath(file.absoluteFilePath()), fromQPath(folder));
    if (copy.empty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(toQPath(copy))))
        return false;
    reaper_->watchAdopted();
    return true;
}

bool QtServices::startCalculator()
{
    const std::string calculator = firstCalculator([](const std::string& name) {
        return pathTextFromQString(QStandardPaths::findExecutable(toQString(name)));
    });
    if (calculator.empty())
        return false;
    const qint64 process = spawnWatched(pathTextToQString(calculator), {});
    if (process == 0)
        return false;
    calculatorProcess_ = process;
    return true;
}

qint64 QtServices::spawnWatched(const QString& program, const QStringList& arguments)
{
    const qint64 process = spawnProgram(program, arguments);
    if (process != 0)
        reaper_->watch(process);
    return process;
}

} // namespace qtgui
