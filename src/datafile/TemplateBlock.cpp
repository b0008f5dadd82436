#include "datafile/TemplateBlock.h"

#include <cmath>
#include <exception>
#include <limits>

#include "datafile/LineBreakEscape.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Number.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

void writeEscaped(runtime::TextWriter& file, std::string text)
{
    EscapeLineBreaks(text);
    file.writeLine(text);
}

std::string readUnescaped(runtime::TextReader& file)
{
    std::string text = file.readLine();
    UnescapeLineBreaks(text);
    return text;
}

void writeNumber(runtime::TextWriter& file, double value)
{
    file.writeLine(runtime::format(value, "000000"));
}

void writeFlag(runtime::TextWriter& file, char flag)
{
    file.writeLine(std::string(1, flag));
}

char readFlag(runtime::TextReader& file)
{
    const std::string line = file.readLine();
    return line.empty() ? ' ' : line.front();
}

// Positions are single-precision and read as the nearest such number. Past the point where that
// would be infinity the value is an overflow, not a wrapped number; the largest position, written
// rounded to 15 digits, lies short of that point and reads back as itself.
float readPosition(runtime::TextReader& file)
{
    constexpr double FloatOverflowPoint = 0x1.ffffffp127; // the largest float and half a step more
    const double value = runtime::val(file.readLine());
    if (!(std::fabs(value) < FloatOverflowPoint))
        throw runtime::Error(runtime::Overflow);
    return static_cast<float>(value);
}

} // namespace

void WriteTemplateBlock(runtime::TextWriter& file, const core::TemplateRecord& tmpl)
{
    writeEscaped(file, tmpl.Name);
    writeNumber(file, tmpl.TopMargin);
    writeNumber(file, tmpl.SideMargin);
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        const core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(i)];
        writeEscaped(file, object.Text);
        writeEscaped(file, object.FontName);
        file.writeLine(object.FontSize);
        for (char flag : {object.Bold, object.Italic, object.Underline, object.Alignment, object.Visible, object.Boxed})
            writeFlag(file, flag);
        for (float position : {object.Left, object.Top, object.Width, object.Height})
            writeNumber(file, position);
    }
}

void ReadTemplateBlock(runtime::TextReader& file, core::TemplateRecord& tmpl)
{
    tmpl.Name = readUnescaped(file);
    tmpl.TopMargin = runtime::toInt16(runtime::val(file.readLine()));
    tmpl.SideMargin = runtime::toInt16(runtime::val(file.readLine()));
    for (int i = 0; i < core::TemplateObjectCount; ++i) {
        core::TemplateObject& object = tmpl.Objects[static_cast<std::size_t>(i)];
        object.Text = readUnescaped(file);
        object.FontName = readUnescaped(file);
        object.FontSize = file.readLine();
        for (char* flag : {&object.Bold, &object.Italic, &object.Underline, &object.Alignment, &object.Visible, &object.Boxed})
            *flag = readFlag(file);
        for (float* position : {&object.Left, &object.Top, &object.Width, &object.Height})
            *position = readPosition(file);
    }
}

bool WriteTemplate(runtime::TextWriter& file, const core::TemplateRecord& tmpl, const ErrorReporter& showError)
{
    try {
        WriteTemplateBlock(file, tmpl);
        return true;
    } catch (const std::exception& error) {
        showError(std::string("Error saving Letter template : ") + error.what());
        return false;
    }
}

bool ReadTemplate(runtime::TextReader& file, core::TemplateRecord& tmpl, const ErrorReporter& showError)
{
    try {
        ReadTemplateBlock(file, tmpl);
        return true;
    } catch (const std::exception& error) {
        showError(std::string("Error Loading Letter Template : ") + error.what());
        return false;
    }
}

} // namespace datafile
