#include <gtest/gtest.h>

#include <functional>

#include "core/TemplateRecord.h"

using core::TemplateRecord;

namespace {

TemplateRecord designedTemplate()
{
    TemplateRecord t;
    t.Name = "Remittance";
    t.TopMargin = 360;
    t.SideMargin = 720;
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        auto& o = t.Objects[static_cast<std::size_t>(i)];
        o.Text = "Text " + std::to_string(i);
        o.FontName = "Arial";
        o.FontSize = "10";
        o.Alignment = 'L';
        o.Visible = 'Y';
        o.Left = static_cast<float>(i * 100);
        o.Top = static_cast<float>(i * 50);
        o.Width = 1000;
        o.Height = 200;
    }
    return t;
}

struct Change {
    const char* name;
    std::function<void(TemplateRecord&)> apply;
};

} // namespace

TEST(TemplateRecord, ACopyIsIndependentAndEqual)
{
    const TemplateRecord stored = designedTemplate();
    TemplateRecord working = stored;
    EXPECT_TRUE(core::AreTemplatesEqual(working, stored));
    working.Objects[3].Text += " edited";
    EXPECT_EQ(stored.Objects[3].Text, "Text 3");
    EXPECT_FALSE(core::AreTemplatesEqual(working, stored));
}

TEST(TemplateRecord, ChangesThatCountMakeRecordsDiffer)
{
    const Change changes[] = {
        {"top margin", [](TemplateRecord& t) { t.TopMargin = 0; }},
        {"side margin", [](TemplateRecord& t) { t.SideMargin = 1; }},
        {"font name only", [](TemplateRecord& t) { t.Objects[7].FontName = "Times"; }},
        {"font size 10 vs 10.00", [](TemplateRecord& t) { t.Objects[0].FontSize = "10.00"; }},
        {"text case", [](TemplateRecord& t) { t.Objects[29].Text = "TEXT 29"; }},
        {"bold flag", [](TemplateRecord& t) { t.Objects[1].Bold = 'Y'; }},
        {"boxed flag", [](TemplateRecord& t) { t.Objects[1].Boxed = 'Y'; }},
        {"alignment", [](TemplateRecord& t) { t.Objects[2].Alignment = 'R'; }},
        {"left", [](TemplateRecord& t) { t.Objects[4].Left += 1; }},
        {"top of the last object", [](TemplateRecord& t) { t.Objects[29].Top += 0.5f; }},
    };
    const TemplateRecord original = designedTemplate();
    for (const auto& change : changes) {
        SCOPED_TRACE(change.name);
        TemplateRecord changed = original;
        change.apply(changed);
        EXPECT_FALSE(core::AreTemplatesEqual(changed, original));
        EXPECT_FALSE(core::AreTemplatesEqual(original, changed));
    }
}

TEST(TemplateRecord, NameSizesAndSlotThirtyDoNotCount)
{
    const Change changes[] = {
        {"name", [](TemplateRecord& t) { t.Name = "Other"; }},
        {"width", [](TemplateRecord& t) { t.Objects[5].Width = 1; }},
        {"height", [](TemplateRecord& t) { t.Objects[5].Height = 1; }},
        {"slot 30", [](TemplateRecord& t) { t.Objects[30].Text = "unused"; }},
    };
    const TemplateRecord original = designedTemplate();
    for (const auto& change : changes) {
        SCOPED_TRACE(change.name);
        TemplateRecord changed = original;
        change.apply(changed);
        EXPECT_TRUE(core::AreTemplatesEqual(changed, original));
    }
}
