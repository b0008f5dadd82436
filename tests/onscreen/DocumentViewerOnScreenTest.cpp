#include <QLabel>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "OnScreenWindow.h"
#include "billpane/InvTemplate.h"
#include "datafile/TemplateBlock.h"
#include "runtime/AtomicFile.h"
#include "support/DocumentObject.h"
#include "support/FileBytes.h"

namespace {

// The document viewer shown through the Qt layer over a handed-over invoice: a centred bold title
// over 2000 to 8000 and a right-aligned boxed amount over 6000 to 8400.
class DocumentViewerOnScreen : public OnScreenWindow, public testing::Test {
protected:
    DocumentViewerOnScreen()
    {
        core::TemplateRecord document;
        document.Name = "Invoice 000123";
        document.TopMargin = 360;
        document.SideMargin = 360;
        document.Objects[0] = DocumentObject("INVOICE", 2000, 720, 'C', 6000);
        document.Objects[0].FontSize = "18";
        document.Objects[0].Bold = 'Y';
        document.Objects[1] = DocumentObject("1,234.50", 6000, 3000, 'R', 2400);
        document.Objects[1].Boxed = 'Y';
        runtime::AtomicFile file(folder / billpane::HandOverFile);
        datafile::WriteTemplateBlock(file.writer(), document);
        file.commit();
        viewer.Show();
        settle();
    }

    billpane::InvTemplate viewer{services, folder.path()};
};

TEST_F(DocumentViewerOnScreen, LabelsStandWhereTheirTextsPrintInTheirRealFonts)
{
    EXPECT_EQ(viewer.Caption(), "QB : Preview Invoice 000123");
    const platform::Label& title = viewer.ScrnObj[0];
    const platform::Label& amount = viewer.ScrnObj[1];
    EXPECT_EQ(widget<QLabel>(title).text(), QStringLiteral("INVOICE"));
    // Placed by the widths the screen gives, not by the headless metrics (7 x 180 and 8 x 100).
    EXPECT_NE(title.Width(), 1260);
    EXPECT_NE(amount.Width(), 800);
    EXPECT_LE(std::abs(title.Left() + title.Width() / 2 - 5000), 1);
    EXPECT_EQ(amount.Left() + amount.Width(), 8400);
}

TEST_F(DocumentViewerOnScreen, TheDocumentPrintsToAPdfFile)
{
    ASSERT_TRUE(viewer.PrintDocument());
    const std::string pdf = readBytes(folder.path() / "out.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
}

} // namespace
