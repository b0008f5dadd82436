#include "core/TemplateRecord.h"

namespace core {

namespace {

bool sameObject(const TemplateObject& a, const TemplateObject& b)
{
    return a.Text == b.Text && a.FontName == b.FontName && a.FontSize == b.FontSize && a.Bold == b.Bold
        && a.Italic == b.Italic && a.Underline == b.Underline && a.Alignment == b.Alignment
        && a.Visible == b.Visible && a.Boxed == b.Boxed && a.Left == b.Left && a.Top == b.Top;
}

} // namespace

bool AreTemplatesEqual(const TemplateRecord& a, const TemplateRecord& b)
{
    if (a.TopMargin != b.TopMargin || a.SideMargin != b.SideMargin)
        return false;
    for (int i = 0; i < TemplateObjectCount; ++i) {
        if (!sameObject(a.Objects[static_cast<std::size_t>(i)], b.Objects[static_cast<std::size_t>(i)]))
            return false;
    }
    return true;
}

} // namespace core
