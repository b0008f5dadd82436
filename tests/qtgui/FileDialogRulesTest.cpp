#include <QFileDialog>
#include <gtest/gtest.h>

#include "QtTestApplication.h"
#include "qtgui/FileDialogRules.h"
#include "runtime/PathText.h"
#include "support/TempFolder.h"

namespace {

TEST(FileDialogRules, PlatformFiltersBecomeQtFiltersMatchingEitherCase)
{
    const struct {
        const char* platform;
        QStringList qt;
    } cases[] = {
        {"Data Files (*.QBD)|*.QBD", {"Data Files (*.QBD *.qbd)"}},
        {"Data Files (*.QBD)|*.QBD|All Files (*.*)|*.*", {"Data Files (*.QBD *.qbd)", "All Files (*)"}},
        {"Backups|*.bak", {"Backups (*.bak *.BAK)"}},
        {"Coinjar (*.CJ?)|*.CJ?", {"Coinjar (*.CJ? *.cj?)"}},
        {"Documents|*.INV;*.Rem", {"Documents (*.INV *.inv *.Rem *.rem *.REM)"}},
        {"Text (*.txt) |  *.TXT ; *.EXP ", {"Text (*.TXT *.txt *.EXP *.exp)"}},
        {"(*.QBD)|*.QBD", {"(*.QBD *.qbd)"}},
        {"Unpaired description", {}},
        {"Empty pattern||Text|*.TXT", {"Text (*.TXT *.txt)"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.platform);
        EXPECT_EQ(qtgui::qtNameFilters(QString::fromLatin1(c.platform)), c.qt);
    }
}

TEST(FileDialogRules, DefaultExtensionIsAddedOnlyToANameWithoutOne)
{
    const struct {
        const char* path;
        const char* extension;
        const char* result;
    } cases[] = {
        {"/home/me/books/acme", "QBD", "/home/me/books/acme.QBD"},
        {"/home/me/books/acme", ".QBD", "/home/me/books/acme.QBD"},
        {"/home/me/books/acme.qbd", "QBD", "/home/me/books/acme.qbd"},
        {"/home/me/books/acme.txt", "QBD", "/home/me/books/acme.txt"},
        {"/home/me/v1.2/acme", "EXP", "/home/me/v1.2/acme.EXP"},
        {"/home/me/books/acme", "", "/home/me/books/acme"},
        {"acme", "TPL", "acme.TPL"},
        {"", "QBD", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " + " + c.extension);
        EXPECT_EQ(qtgui::withDefaultExtension(QString::fromLatin1(c.path), QString::fromLatin1(c.extension)),
                  QString::fromLatin1(c.result));
    }
}

class FileDialogSetUp : public testing::Test {
protected:
    QApplication& app = qtTestApplication();
    QFileDialog dialog;
};

TEST_F(FileDialogSetUp, SaveDialogTakesTitleFilterIndexExtensionAndOverwriteQuestion)
{
    platform::FileDialog settings;
    settings.kind = platform::FileDialog::Kind::Save;
    settings.filter = "Data Files (*.QBD)|*.QBD|Export (*.EXP)|*.EXP";
    settings.filterIndex = 2;
    settings.defaultExt = "EXP";
    settings.title = "Export Transactions \x96 Save";
    settings.flags = 2;
    qtgui::configureFileDialog(dialog, settings);

    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Export Transactions \u2013 Save"));
    EXPECT_EQ(dialog.nameFilters(), (QStringList{"Data Files (*.QBD *.qbd)", "Export (*.EXP *.exp)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "Export (*.EXP *.exp)");
    EXPECT_EQ(dialog.defaultSuffix(), "EXP");
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(FileDialogSetUp, OpenDialogWantsAnExistingFileAndAsksNothing)
{
    platform::FileDialog settings;
    settings.filter = "Data Files (*.QBD)|*.QBD";
    settings.filterIndex = 5;
    qtgui::configureFileDialog(dialog, settings);

    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.windowTitle(), "Open");
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(FileDialogSetUp, TheChoiceComesBackWithItsFilterIndexAndExtension)
{
    platform::FileDialog settings;
    settings.kind = platform::FileDialog::Kind::Save;
    settings.filter = "Data Files (*.QBD)|*.QBD|Backups (*.BAK)|*.BAK";
    settings.defaultExt = "QBD";
    qtgui::configureFileDialog(dialog, settings);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectNameFilter("Backups (*.BAK *.bak)");
    dialog.setDirectory(QDir::tempPath());
    dialog.selectFile(QStringLiteral("acme"));

    const std::string chosen = qtgui::takeFileDialogChoice(dialog, settings);
    EXPECT_EQ(chosen, QDir::tempPath().toStdString() + "/acme.QBD");
    EXPECT_EQ(settings.fileName, chosen);
    EXPECT_EQ(settings.filterIndex, 2);
}

// The dialog opens on the file the system names and hands back the name chosen, whatever its
// characters: the file system gets exactly its bytes.
TEST_F(FileDialogSetUp, ANameBeyondWindows1252OpensTheDialogAndComesBackWhole)
{
    const TempFolder folder;
    for (const char* name : {"Ksi\xC4\x99gi/Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 2025.QBD", "\xE5\xB8\xB3\xE7\xB0\xBF/book.QBD",
                             "Caf\xC3\xA9/book.QBD"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path file = folder.path() / name;
        std::filesystem::create_directories(file.parent_path());
        platform::FileDialog settings;
        settings.kind = platform::FileDialog::Kind::Save;
        settings.defaultExt = "QBD";
        settings.fileName = runtime::textOfPath(file);
        QFileDialog shown;
        shown.setOption(QFileDialog::DontUseNativeDialog);
        qtgui::configureFileDialog(shown, settings);
        EXPECT_EQ(shown.directory().absolutePath(), QString::fromUtf8(file.parent_path().c_str()));

        const std::string chosen = qtgui::takeFileDialogChoice(shown, settings);
        EXPECT_EQ(runtime::pathFromText(chosen), file);
        EXPECT_EQ(settings.fileName, chosen);
    }
}

} // namespace
