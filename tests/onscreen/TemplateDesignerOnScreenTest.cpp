#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OnScreenWindow.h"
#include "documents/InvTemplate.h"
#include "documents/TemplatePrint.h"
#include "support/FileBytes.h"

namespace {

// The template designer shown through the Qt layer, over a template of two objects.
class TemplateDesignerOnScreen : public OnScreenWindow, public testing::Test {
protected:
    TemplateDesignerOnScreen()
    {
        book.messages.MessagesEnabled = true;
        core::TemplateRecord& tmpl = book.WorkingTemplate;
        tmpl.TopMargin = 720;
        tmpl.SideMargin = 360;
        tmpl.Objects[0] = placed("INVOICE", 720, 720);
        tmpl.Objects[1] = placed("~TG", 6000, 1440);
        designer.LblWhatTemplate.setCaption("1");
        designer.Show();
        settle();
    }

    static core::TemplateObject placed(const std::string& text, float left, float top)
    {
        core::TemplateObject object;
        object.Text = text;
        object.FontName = "Arial";
        object.FontSize = "12";
        object.Alignment = 'L';
        object.Visible = 'Y';
        object.Left = left;
        object.Top = top;
        return object;
    }

    static void mouse(QWidget& target, QEvent::Type type)
    {
        const QPointF at(5, 5);
        QMouseEvent event(type, at, target.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    OnScreenReportHost host;
    reports::ReportDesk desk{book, host, folder.path()};
    documents::InvTemplate designer{desk};
};

TEST_F(TemplateDesignerOnScreen, ADoubleClickOpensThePropertiesDialogWithTheMouseFreeAndMovesNothing)
{
    std::vector<std::string> shown;
    bool mouseHeld = true;
    services.setModalRunner([&](platform::Form& form) {
        shown.push_back(form.Name());
        mouseHeld = QWidget::mouseGrabber() != nullptr;
        form.Hide();
    });
    QWidget& label = widget<QWidget>(designer.ScrnObj[0]);
    EXPECT_TRUE(label.isVisible());
    mouse(label, QEvent::MouseButtonPress);
    mouse(label, QEvent::MouseButtonRelease);
    mouse(label, QEvent::MouseButtonDblClick);
    mouse(label, QEvent::MouseButtonRelease);
    settle();
    EXPECT_EQ(shown, std::vector<std::string>{"ScrnObjForm"});
    EXPECT_FALSE(mouseHeld) << "the dialog must take the clicks";
    EXPECT_FALSE(designer.ScrnObj[0].isDragging());
    EXPECT_EQ(book.WorkingTemplate.Objects[0].Left, 720);
    EXPECT_EQ(book.WorkingTemplate.Objects[0].Top, 720);
}

TEST_F(TemplateDesignerOnScreen, TheTestPrintGoesToAPdfFile)
{
    ASSERT_TRUE(documents::PrintTemplateSample(desk, designer.ShownLabels()));
    EXPECT_EQ(readBytes(folder.path() / "out.pdf").rfind("%PDF", 0), 0u);
}

} // namespace
