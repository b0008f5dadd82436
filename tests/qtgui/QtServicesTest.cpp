#include <QClipboard>
#include <QFontMetricsF>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <algorithm>
#include <stdexcept>

#include "QtTestApplication.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "platform/Containers.h"
#include "platform/Form.h"
#include "platform/Printer.h"
#include "qtgui/QtServices.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetFonts.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"

namespace {

class QtServicesTest : public testing::Test {
protected:
    QApplication& app = qtTestApplication();
    TempFolder folder;
    qtgui::QtServices services{qtgui::QtServices::Options{folder.path() / "out.pdf"}};
};

TEST_F(QtServicesTest, Windows1252TextCrossesIntoQtAndBack)
{
    const std::string text = "Caf\xe9 \x80 12 \x96 \x93ok\x94 \xfc\xfd";
    const QString shown = qtgui::toQString(text);
    EXPECT_EQ(shown, QString::fromUtf8("Café € 12 – “ok” üý"));
    EXPECT_EQ(qtgui::fromQString(shown), text);
    EXPECT_EQ(qtgui::fromQString(QString::fromUtf8("Ω pi")), "? pi");
}

// A file name's text shows as the name itself, and the name Qt gives comes back as that text;
// what a user types is still held to Windows-1252.
TEST_F(QtServicesTest, AFileNameShowsAsItselfAndComesBackWhole)
{
    for (const char* name : {"/home/Caf\xC3\xA9/Shop.QBD", "Ksi\xC4\x99gi/Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 2025.QBD",
                             "\xE5\xB8\xB3\xE7\xB0\xBF/book.QBD"}) {
        SCOPED_TRACE(name);
        const std::string text = runtime::textOfPath(name);
        EXPECT_EQ(qtgui::toQString("'" + text + "'"), "'" + QString::fromUtf8(name) + "'");
        EXPECT_EQ(qtgui::pathTextFromQString(QString::fromUtf8(name)), text);
        EXPECT_EQ(qtgui::pathTextToQString(text), QString::fromUtf8(name));
    }
    EXPECT_EQ(qtgui::fromQString(QString::fromUtf8("\xE5\xB8\xB3")), "?");
}

TEST_F(QtServicesTest, ModalFormsRunThroughTheInstalledRunner)
{
    platform::Form form(services, "Modal");
    EXPECT_THROW(services.runModal(form), std::logic_error);
    platform::Form* shown = nullptr;
    services.setModalRunner([&shown](platform::Form& f) { shown = &f; });
    services.runModal(form);
    EXPECT_EQ(shown, &form);
}

TEST_F(QtServicesTest, PrinterWritesTheChosenPdf)
{
    services.printer().print("Printed through the services");
    services.printer().EndDoc();
    EXPECT_GT(std::filesystem::file_size(folder.path() / "out.pdf"), 0u);
}

TEST_F(QtServicesTest, ScreenSizeIsInTwips)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_DOUBLE_EQ(services.screenWidth(), screen->geometry().width() * 1440.0 / screen->logicalDotsPerInchX());
    EXPECT_DOUBLE_EQ(services.screenHeight(), screen->geometry().height() * 1440.0 / screen->logicalDotsPerInchY());
    EXPECT_GT(services.screenWidth(), 0);
}

TEST_F(QtServicesTest, ClipboardCarriesWindows1252Text)
{
    services.setClipboardText("Total \x80 12.50");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Total € 12.50"));
    EXPECT_EQ(services.clipboardText(), "Total \x80 12.50");
}

TEST_F(QtServicesTest, TabIsDownBetweenItsPressAndRelease)
{
    QLineEdit field;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_FALSE(services.keyIsDown(9));
    QCoreApplication::sendEvent(&field, &press);
    EXPECT_TRUE(services.keyIsDown(9));
    QCoreApplication::sendEvent(&field, &other);
    EXPECT_TRUE(services.keyIsDown(9));
    QCoreApplication::sendEvent(&field, &release);
    EXPECT_FALSE(services.keyIsDown(9));
    EXPECT_FALSE(services.keyIsDown(65));
}

TEST_F(QtServicesTest, HourglassPointerIsAnOverrideCursorUntilTheDefaultComesBack)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    services.setMousePointer(11);
    services.setMousePointer(11);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(services.mousePointer(), 11);
    services.setMousePointer(0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(services.mousePointer(), 0);
}

TEST_F(QtServicesTest, UnknownProgramsAndMissingFilesAreReported)
{
    EXPECT_FALSE(services.startProgram("FORMAT.COM C:", platform::WindowStyle::NormalFocus));
    EXPECT_FALSE(services.startProgram("Notepad.exe " + (folder.path() / "missing.txt").string(),
                                       platform::WindowStyle::NormalFocus));
    EXPECT_EQ(services.shellOpen(folder.path() / "missing.xls"), 2);
    EXPECT_FALSE(services.findWindow("SciCalc"));
}

TEST_F(QtServicesTest, AFileNoProgramOpensIsReportedWithoutStartingTheOpener)
{
    // Stand-ins for the desktop's tools: it knows the file's kind but has no program for it, and
    // its opener leaves a mark when started.
    const std::filesystem::path tools = folder.path() / "tools";
    std::filesystem::create_directory(tools);
    writeBytes(tools / "xdg-mime", "#!/bin/sh\n[ \"$2\" = filetype ] && echo application/vnd.ms-excel\nexit 0\n");
    writeBytes(tools / "xdg-open", "#!/bin/sh\ntouch \"" + (folder.path() / "opened").string() + "\"\n");
    for (const char* tool : {"xdg-mime", "xdg-open"})
        std::filesystem::permissions(tools / tool, std::filesystem::perms::owner_all);
    writeBytes(folder.path() / "QB.XLS", "Income\t 10.00\r\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(tools.string()) + ":" + path);

    const long result = services.shellOpen(folder.path() / "QB.XLS");

    qputenv("PATH", path);
    EXPECT_EQ(result, 31);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "opened"));
}

TEST_F(QtServicesTest, TheWindowsFolderHoldsTheTextViewerStandIns)
{
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.path().string()));
    const std::filesystem::path windows = services.windowsFolder();
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(windows, folder.path() / "quillbook" / "windows");
    const bool desktopOpensFiles = !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
    EXPECT_EQ(std::filesystem::exists(windows / "NOTEPAD.EXE"), desktopOpensFiles);
    EXPECT_EQ(std::filesystem::exists(windows / "WRITE.EXE"), desktopOpensFiles);
}

TEST_F(QtServicesTest, ProgramFolderIsTheExecutablesFolder)
{
    EXPECT_EQ(services.programFolder(), std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

} // namespace

namespace {

TEST_F(QtServicesTest, TheWindowsFontNamesWithAnInstalledStandInAreOfferedAndKept)
{
    const char* const windowsNames[] = {"Arial", "MS Sans Serif", "Courier New", "Times New Roman", "System", "Small Fonts"};
    const std::vector<std::string> screen = services.screenFonts();
    const std::vector<std::string> printer = services.printer().fonts();
    platform::Form form(services, "Fonts");
    for (const char* name : windowsNames) {
        SCOPED_TRACE(name);
        EXPECT_NE(std::find(screen.begin(), screen.end(), name), screen.end());
        EXPECT_NE(std::find(printer.begin(), printer.end(), name), printer.end());
        form.setFontName(runtime::ucase(name));
        EXPECT_EQ(form.FontName(), name);
        services.printer().setFontName(runtime::ucase(name));
        EXPECT_EQ(services.printer().FontName(), name);
    }
}

TEST_F(QtServicesTest, TextIsMeasuredInTheRealFontOnTheScreen)
{
    platform::Form form(services, "Measured");
    form.setFontName("Arial");
    form.setFontSize(10);
    platform::PictureBox picture(form, "Picture");
    picture.setFontName("Arial");
    picture.setFontSize(10);
    form.endDesign();
    // The fixed metrics give every character the same width; a real face does not.
    EXPECT_GT(form.TextWidth("WWWW"), 1.5 * form.TextWidth("iiii"));
    EXPECT_DOUBLE_EQ(picture.TextWidth("WWWW"), form.TextWidth("WWWW"));
    EXPECT_DOUBLE_EQ(form.TextWidth("iiii\r\nWWWW"), form.TextWidth("WWWW"));
    EXPECT_DOUBLE_EQ(form.TextHeight("a\r\nb"), 2 * form.TextHeight("a"));
    const QFontMetricsF metrics(qtgui::toQFont(form.font()));
    EXPECT_NEAR(form.TextWidth("01/Mar/2026"), metrics.horizontalAdvance(QStringLiteral("01/Mar/2026")) * 1440 /
                                                   QGuiApplication::primaryScreen()->logicalDotsPerInch(), 1e-6);
    // Printing on the picture box moves on by the measured width.
    picture.print("WWWW", false);
    EXPECT_DOUBLE_EQ(picture.CurrentX(), picture.TextWidth("WWWW"));
}

} // namespace
