#include "reports/ReportFile.h"

#include <stdexcept>

#include "reports/ReportDesk.h"
#include "reports/ReportTitle.h"
#include "runtime/Format.h"

namespace reports {

ReportFile::ReportFile(ReportDesk& desk) : desk_(desk)
{
    writer_.emplace(desk.folder() / std::string(ReportFileName));
}

void ReportFile::WriteHead(int kind)
{
    if (desk_.host().ChosenOutput() == ReportOutput::Datapeek) {
        const ReportSettings& settings = desk_.Settings;
        WriteLine(settings.FontName);
        WriteLine(settings.FontSize);
        WriteLine(runtime::format(settings.LeftMargin, "000000"));
        WriteLine(runtime::format(settings.TopMargin, "000000"));
        WriteLine(runtime::format(kind, "000000"));
    }
    WriteLine(BuildReportTitle(desk_, kind));
}

void ReportFile::WriteMarker()
{
    WriteLine(ReportStartMarker);
    WriteLine(" ");
    WriteLine(" ");
}

void ReportFile::WriteLine(std::string_view text)
{
    writer().writeLine(text);
}

void ReportFile::WriteRow(std::initializer_list<std::string_view> cells)
{
    writer().writeLine(JoinCells(cells));
}

void ReportFile::Write(std::string_view text)
{
    writer().write(text);
}

void ReportFile::Close()
{
    if (!writer_)
        return;
    writer_->close();
    writer_.reset();
}

runtime::TextWriter& ReportFile::writer()
{
    if (!writer_)
        throw std::logic_error("the report file is written after it was closed");
    return *writer_;
}

namespace {

void AppendCells(std::string& text, std::initializer_list<std::string_view> cells)
{
    bool first = true;
    for (const std::string_view cell : cells) {
        if (!first)
            text += '\t';
        text += cell;
        first = false;
    }
}

} // namespace

std::string JoinCells(std::initializer_list<std::string_view> cells)
{
    std::size_t width = cells.size();
    for (const std::string_view cell : cells)
        width += cell.size();
    std::string row;
    row.reserve(width);
    AppendCells(row, cells);
    return row;
}

void AppendRow(std::string& text, std::initializer_list<std::string_view> cells)
{
    AppendCells(text, cells);
    text += "\r\n";
}

} // namespace reports
