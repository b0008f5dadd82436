#include "BookTest.h"

#include <functional>
#include <vector>

namespace {

using platform::Answer;
using platform::Beep;
using platform::Buttons;
using platform::Icon;

class Messages : public BookTest {};

struct BoxCase {
    const char* name;
    std::function<Answer(core::Messages&)> show;
    Answer answer;
    Beep beep;
    Buttons buttons;
    Icon icon;
    int defaultButton;
};

TEST_F(Messages, EachBoxResetsThePointerBeepsAndShowsUnderTheProductTitle)
{
    const BoxCase cases[] = {
        {"AskYesNo", [](core::Messages& m) { return m.AskYesNo("Delete it?"); }, Answer::No, Beep::Question,
         Buttons::YesNo, Icon::Question, 2},
        {"AskYesNoCancel", [](core::Messages& m) { return m.AskYesNoCancel("Delete it?"); }, Answer::Cancel,
         Beep::Question, Buttons::YesNoCancel, Icon::Question, 3},
        {"ShowErrorBox",
         [](core::Messages& m) {
             m.ShowErrorBox("Delete it?");
             return Answer::OK;
         },
         Answer::OK, Beep::Critical, Buttons::OK, Icon::Critical, 1},
        {"ShowInfoBox",
         [](core::Messages& m) {
             m.ShowInfoBox("Delete it?");
             return Answer::OK;
         },
         Answer::OK, Beep::Information, Buttons::OK, Icon::Information, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices scripted;
        core::Messages messages(scripted);
        messages.MessagesEnabled = true;
        scripted.setMousePointer(core::HourglassPointer);
        scripted.answerMessageBox(c.answer);

        EXPECT_EQ(c.show(messages), c.answer);
        EXPECT_EQ(scripted.mousePointer(), core::DefaultPointer);
        EXPECT_EQ(scripted.beeps(), std::vector<Beep>{c.beep});
        ASSERT_EQ(scripted.messageBoxes().size(), 1u);
        const platform::MessageBox& box = scripted.messageBoxes()[0].box;
        EXPECT_EQ(box.text, "Delete it?");
        EXPECT_EQ(box.title, "Quillbook 2000-32");
        EXPECT_EQ(box.buttons, c.buttons);
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.defaultButton, c.defaultButton);
    }
}

TEST_F(Messages, WhileMessagesAreOffOnlyTheErrorBoxIsSilentAndStillResetsThePointer)
{
    book.messages.MessagesEnabled = false;
    services.setMousePointer(core::HourglassPointer);
    book.messages.ShowErrorBox("Nobody sees this");
    EXPECT_TRUE(services.messageBoxes().empty());
    EXPECT_TRUE(services.beeps().empty());
    EXPECT_EQ(services.mousePointer(), core::DefaultPointer);

    services.answerMessageBox(Answer::Yes);
    EXPECT_EQ(book.messages.AskYesNo("Still asked?"), Answer::Yes);
    services.answerMessageBox(Answer::OK);
    book.messages.ShowInfoBox("Still told");
    EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"Still asked?", "Still told"}));
}

TEST_F(Messages, SetMousePointerReachesTheScreen)
{
    core::SetMousePointer(services, core::HourglassPointer);
    EXPECT_EQ(services.mousePointer(), 11);
    core::SetMousePointer(services, core::DefaultPointer);
    EXPECT_EQ(services.mousePointer(), 0);
}

} // namespace
