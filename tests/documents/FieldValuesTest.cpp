#include <string>
#include <vector>

#include "DocumentTest.h"
#include "documents/FieldValues.h"
#include "runtime/Text.h"

namespace {

using documents::EditBoxSource;
using documents::GetTemplateFieldValue;
using documents::MailMergeSource;

class FieldValuesTest : public DocumentTest {
protected:
    FieldValuesTest() { book.MailMergeCustomerCode = "ACME"; }
};

TEST_F(FieldValuesTest, EveryTagFromEachSource)
{
    const std::string name = runtime::padRight("Acme Widgets Ltd", 20);
    const std::string address = runtime::padRight("1 High Street\r\nLeeds", 80);
    struct Case {
        const char* tag;
        std::string record;
        std::string editBox;
        std::string mailMerge;
    };
    const std::vector<Case> cases = {
        {"~TG", "     117.50", "     117.50", "~TG"},
        {"~TN", "     100.00", "     100.00", "~TN"},
        {"~TV", "      17.50", "      17.50", "~TV"},
        {"~CN", name, name, name},
        {"~CA", address, address, address},
        {"~TR", "000123", "000123", "~TR"},
        {"~VC", "S  ", "S   Standard", "~VC"},
        {"~VR", "000000017.50", "000000017.50", "~VR"},
        {"~DT", "01/Jun/2025", "01/Jun/2025", "~DT"},
        {"~DD", "15/Jun/2025", "15/Jun/2025", "15/Jun/2025"},
        {"~YN", "Quill Traders", "Quill Traders", "Quill Traders"},
        {"~YA", "2 Low Road\r\nYork", "2 Low Road\r\nYork", "2 Low Road\r\nYork"},
        {"~YT", "01904 123456", "01904 123456", "01904 123456"},
        {"~TM", runtime::padRight("Widgets as ordered", 74), "Widgets as ordered", "~TM"},
        {"~ID", "", "", "~ID"},
        {"~IN", "", "", "~IN"},
        {"~IV", "", "", "~IV"},
        {"~IG", "", "", "~IG"},
        {"~IC", "", "", "~IC"},
        {"~VT", "", "", "~VT"},
        {"~NT", "", "", "~NT"},
        {"~GT", "", "", "~GT"},
        // Unpaid, undeleted invoices 000123, 000124 and 000128, less bill 000127.
        {"~KI", "     234.50", "     234.50", "     234.50"},
        {"~KB", "     204.50", "     204.50", "     204.50"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTemplateFieldValue(book, 1, c.tag), c.record) << c.tag;
        EXPECT_EQ(GetTemplateFieldValue(book, EditBoxSource, c.tag), c.editBox) << c.tag;
        EXPECT_EQ(GetTemplateFieldValue(book, MailMergeSource, c.tag), c.mailMerge) << c.tag;
    }
    EXPECT_TRUE(services.messageBoxes().empty());
}

TEST_F(FieldValuesTest, OnlyALeadingTagInItsOwnCaseIsReplacedWhole)
{
    EXPECT_EQ(GetTemplateFieldValue(book, 1, "Total ~TG"), "Total ~TG");
    EXPECT_EQ(GetTemplateFieldValue(book, 1, "~TG and more words"), "     117.50");
    EXPECT_EQ(GetTemplateFieldValue(book, 1, "~tg"), "~tg");
    EXPECT_EQ(GetTemplateFieldValue(book, 1, "~XX"), "~XX");
    EXPECT_EQ(GetTemplateFieldValue(book, 1, ""), "");
}

TEST_F(FieldValuesTest, ASplitTransactionShowsItsStoredVatAndItsSplitColumns)
{
    EXPECT_EQ(GetTemplateFieldValue(book, 2, "~TV"), "       7.45");
    EXPECT_EQ(GetTemplateFieldValue(book, 2, "~TN"), "      62.55");
    EXPECT_EQ(GetTemplateFieldValue(book, 2, "~ID"), runtime::padRight("Paper", 30) + "\r\n" + runtime::padRight("Books", 30));
    EXPECT_EQ(GetTemplateFieldValue(book, 2, "~IV"), "       7.45\r\n ");
    EXPECT_EQ(GetTemplateFieldValue(book, 2, "~IG"), "      50.00\r\n      20.00");
    EXPECT_EQ(GetTemplateFieldValue(book, 2, "~GT"), "      50.00\r\n      20.00\r\n      70.00");
}

TEST_F(FieldValuesTest, AVatCodeMissingFromTheListCountsAsRateZero)
{
    editBox.shown.VAT = "Q   Unknown";
    EXPECT_EQ(GetTemplateFieldValue(book, EditBoxSource, "~TV"), "       0.00");
    EXPECT_EQ(GetTemplateFieldValue(book, EditBoxSource, "~TN"), "     117.50");
    EXPECT_EQ(GetTemplateFieldValue(book, EditBoxSource, "~VR"), "000000000.00");
}

TEST_F(FieldValuesTest, AnUnknownCustomerHasNoNameOrAddress)
{
    book.MailMergeCustomerCode = "NOBODY";
    EXPECT_EQ(GetTemplateFieldValue(book, MailMergeSource, "~CN"), "");
    EXPECT_EQ(GetTemplateFieldValue(book, MailMergeSource, "~CA"), "");
    EXPECT_EQ(GetTemplateFieldValue(book, MailMergeSource, "~KI"), "       0.00");
}

TEST_F(FieldValuesTest, ARecordNumberOutsideTheTableIsReportedAndGivesNothing)
{
    services.answerMessageBox(platform::Answer::OK);
    services.answerMessageBox(platform::Answer::OK);
    EXPECT_EQ(GetTemplateFieldValue(book, 999, "~TG"), "");
    EXPECT_EQ(GetTemplateFieldValue(book, 0, "~CN"), "");
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Error extracting invoice details for ID =  999, text = ~TG : Subscript out of range",
                                        "Error extracting invoice details for ID =  0, text = ~CN : Subscript out of range"}));
    EXPECT_EQ(GetTemplateFieldValue(book, 999, "~DD"), "15/Jun/2025") << "today's date needs no record";
}

} // namespace
