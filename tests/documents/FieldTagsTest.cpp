#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "documents/FieldTags.h"

namespace {

using documents::GetSpecialFieldName;
using documents::GetSpecialFieldSample;
using documents::GetSpecialFieldToken;

TEST(FieldTags, LookUpsIgnoreTrailingBlanksButNotCase)
{
    EXPECT_EQ(GetSpecialFieldName("~CA  "), "Customer Address");
    EXPECT_EQ(GetSpecialFieldName("~ca"), "");
    EXPECT_EQ(GetSpecialFieldName(" ~CA"), "") << "leading blanks count";
    EXPECT_EQ(GetSpecialFieldToken("VAT Rate"), "~VR");
    EXPECT_EQ(GetSpecialFieldToken("Vat Rate"), "");
    EXPECT_EQ(GetSpecialFieldToken("Customer's Net Balance "), "~KB");
    EXPECT_EQ(GetSpecialFieldSample("~KI"), "<INV9,999.99>");
    EXPECT_EQ(GetSpecialFieldSample("~ZZ"), "");
}

TEST(FieldTags, SplitSamplesShowAColumnOfThreeLines)
{
    EXPECT_EQ(GetSpecialFieldSample("~ID"),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD\r\nXXXXXXXX  SPLIT DESC  XXXXXXXX\r\nABCDEFGHIJKLMNOPQRSTUVWXYZABCD");
    EXPECT_EQ(GetSpecialFieldSample("~TM"), "<Memo                \r\n : \r\n :                Memo>");
}

TEST(FieldTags, EveryTagIsATildeAndTwoCapitalsAndAppearsOnce)
{
    std::set<std::string> tags;
    for (const documents::SpecialField& field : documents::SpecialFieldTable()) {
        const std::string tag(field.Tag);
        ASSERT_EQ(tag.size(), 3u);
        EXPECT_EQ(tag[0], '~');
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(tag[1])) && std::isupper(static_cast<unsigned char>(tag[2])));
        EXPECT_EQ(GetSpecialFieldToken(field.Name), tag);
        tags.insert(tag);
    }
    EXPECT_EQ(tags.size(), 24u);
}

} // namespace
