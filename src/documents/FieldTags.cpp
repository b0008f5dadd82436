#include "documents/FieldTags.h"

#include "runtime/Text.h"

namespace documents {

namespace {

constexpr std::array<SpecialField, SpecialFieldCount> Fields{{
    {"Transaction Gross", "~TG", "<GRS9,999.99>"},
    {"Transaction Net", "~TN", "<NET9,999.99>"},
    {"Transaction VAT", "~TV", "<VAT9,999.99>"},
    {"Customer Name", "~CN", "<Customer Name>"},
    {"Customer Address", "~CA", "<Customer Address\r\n :\r\n :\r\nCustomer Address>"},
    {"Transaction Reference", "~TR", "<012345>"},
    {"VAT Code", "~VC", "<VAT>"},
    {"VAT Rate", "~VR", "<VR9.99>"},
    {"Transaction Date", "~DT", "<01/Jan/1994>"},
    {"Today's Date", "~DD", "<Today>"},
    {"Your Company Name", "~YN", "<Company Name>"},
    {"Your Company Address", "~YA", "<Company Address>"},
    {"Your Company Telephone", "~YT", "<Company Telephone>"},
    {"Transaction Splits Descriptions", "~ID",
     "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD\r\nXXXXXXXX  SPLIT DESC  XXXXXXXX\r\nABCDEFGHIJKLMNOPQRSTUVWXYZABCD"},
    {"Transaction Splits Net Amounts", "~IN", "99,999,999.99\r\n99,9 NET 9.99\r\n99,999,999.99"},
    {"Transaction Splits VAT Amounts", "~IV", "99,999,999.99\r\n99,9 VAT 9.99\r\n99,999,999.99"},
    {"Transaction Splits Gross Amounts", "~IG", "99,999,999.99\r\n99, GRS 99.99\r\n99,999,999.99"},
    {"Transaction Memo", "~TM", "<Memo                \r\n : \r\n :                Memo>"},
    {"Transaction Splits VAT Codes", "~IC", "VAT\r\nVAT\r\nVAT"},
    {"Transaction Splits VAT Amounts & Total", "~VT",
     "99,999,999.99\r\n99,9 VAT 9.99\r\n99,999,999.99\r\n99,9 TOT 9.99"},
    {"Transaction Splits NET Amounts & Total", "~NT",
     "99,999,999.99\r\n99,9 NET 9.99\r\n99,999,999.99\r\n99,9 TOT 9.99"},
    {"Transaction Splits GROSS Amounts & Total", "~GT",
     "99,999,999.99\r\n99,9 GRS 9.99\r\n99,999,999.99\r\n99,9 TOT 9.99"},
    {"Customer's Unpaid Invoice Total", "~KI", "<INV9,999.99>"},
    {"Customer's Net Balance", "~KB", "<BAL9,999.99>"},
}};

template <typename Key, typename Answer>
std::string FindField(std::string_view wanted, Key key, Answer answer)
{
    const std::string trimmed = runtime::rtrim(wanted);
    for (const SpecialField& field : Fields) {
        if (runtime::rtrim(key(field)) == trimmed)
            return std::string(answer(field));
    }
    return {};
}

} // namespace

const std::array<SpecialField, SpecialFieldCount>& SpecialFieldTable()
{
    return Fields;
}

std::string GetSpecialFieldName(std::string_view tag)
{
    return FindField(tag, [](const SpecialField& f) { return f.Tag; }, [](const SpecialField& f) { return f.Name; });
}

std::string GetSpecialFieldSample(std::string_view tag)
{
    return FindField(tag, [](const SpecialField& f) { return f.Tag; }, [](const SpecialField& f) { return f.Sample; });
}

std::string GetSpecialFieldToken(std::string_view name)
{
    return FindField(name, [](const SpecialField& f) { return f.Name; }, [](const SpecialField& f) { return f.Tag; });
}

} // namespace documents
