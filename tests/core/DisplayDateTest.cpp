#include "BookTest.h"

#include "core/DateBox.h"
#include "core/DateText.h"
#include "core/PickDate.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace {

class DisplayDate : public BookTest {};

TEST_F(DisplayDate, TypedDatesShowAsDayMonthYear)
{
    const std::pair<const char*, const char*> cases[] = {
        {"01/01/1950", "01/Jan/1950"},
        {"5-3-24", "05/Mar/2024"},
        {"29 February 2024", "29/Feb/2024"},
        {"31.12.79", "31/Dec/2079"},
        {"31/12/80", "31/Dec/1980"},
        {"15/3", "15/Mar/2025"},
        {"2 Feb", "02/Feb/2025"},
        {"2024-02-29", "29/Feb/2024"},
    };
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(core::FormatDisplayDate(book.messages, typed), shown);
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DisplayDate, ABadOrTooEarlyDateBecomesTodayAfterAMessage)
{
    for (const char* typed : {"31/12/1949", "29/02/2023", "next week", ""}) {
        SCOPED_TRACE(typed);
        platform::ScriptedServices scripted;
        scripted.setNow(*runtime::Date::fromYmd(2025, 6, 15));
        scripted.answerMessageBox(platform::Answer::OK);
        core::Messages messages(scripted);
        messages.MessagesEnabled = true;

        EXPECT_EQ(core::FormatDisplayDate(messages, typed), "15/Jun/2025");
        ASSERT_EQ(scripted.messageBoxes().size(), 1u);
        EXPECT_EQ(scripted.messageBoxes()[0].box.text,
                  "'" + std::string(typed)
                      + "' is not a valid date - resetting to today's date.\n\nFor years you must use the century i.e.  2025");
        EXPECT_EQ(scripted.messageBoxes()[0].box.icon, platform::Icon::Critical);
    }
}

TEST_F(DisplayDate, WhileMessagesAreOffABadDateSilentlyBecomesToday)
{
    book.messages.MessagesEnabled = false;
    EXPECT_EQ(core::FormatDisplayDate(book.messages, "31/12/1949"), "15/Jun/2025");
    EXPECT_TRUE(services.messageBoxes().empty());
}

class DateBoxForm : public platform::Form {
public:
    explicit DateBoxForm(platform::Services& services) : Form(services, "DateBoxForm") { endDesign(); }
    platform::TextBox Date{*this, "Date"};
};

class DateBox : public BookTest {
protected:
    // The box's text after the user types `typed` and leaves it.
    std::string left(const std::string& typed)
    {
        form.Date.setText(typed);
        core::LeaveDateBox(book.messages, form.Date);
        return form.Date.Text();
    }
    DateBoxForm form{services};
};

TEST_F(DateBox, LeavingReadsTheWholeTextInItsOwnYear)
{
    const std::pair<const char*, const char*> cases[] = {
        {"15 March 2025", "15/Mar/2025"},   {"3 August 2025", "03/Aug/2025"},
        {"15 August 2025", "15/Aug/2025"},  {"1 December 2024", "01/Dec/2024"},
        {"15 / 03 / 2025", "15/Mar/2025"},  {"15/03/2025   ", "15/Mar/2025"},
        {"  29 February 2024", "29/Feb/2024"},
    };
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(left(typed), shown);
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(DateBox, ABlankBoxStaysAndATextThatIsNoDateWholeIsRefused)
{
    EXPECT_EQ(left(""), "");
    EXPECT_EQ(left("   "), "   ");
    EXPECT_TRUE(services.messageBoxes().empty());

    // Its first 11 characters would read as 15 March 2020.
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_EQ(left("15 March 2020 or so  "), "15/Jun/2025");
    EXPECT_EQ(onlyBox().text.rfind("'15 March 2020 or so' is not a valid date - resetting to today's date.", 0), 0u);
}

class PickDate : public BookTest {
protected:
    platform::Form calendar{services, "Calendar"};
};

TEST_F(PickDate, ThePickerStartsFromTheTextAndAnswersThePickedDate)
{
    runtime::Date startedFrom;
    services.onModal("Calendar", [&](platform::Form&) {
        startedFrom = book.PickedDate;
        book.PickedDate = *runtime::Date::fromYmd(2024, 3, 17);
    });
    EXPECT_EQ(core::PickDate(book, calendar, "05/Mar/2024"), "17/03/2024");
    EXPECT_EQ(startedFrom, *runtime::Date::fromYmd(2024, 3, 5));
    EXPECT_EQ(book.PickedDate, runtime::Date()) << "the shared date is cleared after the pick";
    EXPECT_EQ(services.modalForms(), std::vector<std::string>{"Calendar"});
}

TEST_F(PickDate, ACancelAnswersTheStartingDateAndAnUnreadableTextStartsAtToday)
{
    services.onModal("Calendar", [](platform::Form&) {});
    EXPECT_EQ(core::PickDate(book, calendar, "05/Mar/2024"), "05/03/2024");

    runtime::Date startedFrom;
    services.onModal("Calendar", [&](platform::Form&) { startedFrom = book.PickedDate; });
    EXPECT_EQ(core::PickDate(book, calendar, "not a date"), "15/06/2025");
    EXPECT_EQ(startedFrom, *runtime::Date::fromYmd(2025, 6, 15));
    EXPECT_TRUE(services.messageBoxes().empty());
}

} // namespace
