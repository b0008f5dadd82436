#pragma once

#include <string>

#include "core/TemplateRecord.h"

// An object with its text, font, place and width; visible, Arial 10, left-aligned unless told.
inline core::TemplateObject DocumentObject(const std::string& text, float left, float top, char alignment = 'L',
                                           float width = 0)
{
    core::TemplateObject object;
    object.Text = text;
    object.FontName = "Arial";
    object.FontSize = "10";
    object.Alignment = alignment;
    object.Visible = 'Y';
    object.Left = left;
    object.Top = top;
    object.Width = width;
    return object;
}
