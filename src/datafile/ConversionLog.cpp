#include "datafile/ConversionLog.h"

#include "runtime/PathText.h"
#include "runtime/TextFile.h"

namespace datafile {

namespace {

std::string dateTimeText(runtime::Date now)
{
    return runtime::format(now, "dd/mm/yyyy hh:nn:ss");
}

} // namespace

ConversionLog::ConversionLog(std::filesystem::path path, std::string versionWord)
    : path_(std::move(path)), versionWord_(std::move(versionWord))
{
}

void ConversionLog::append(std::initializer_list<std::string_view> lines) const
{
    runtime::TextWriter out(path_, runtime::TextWriter::Mode::Append);
    for (std::string_view line : lines)
        out.writeLine(line);
    out.close();
}

void ConversionLog::writeRuleLine() const
{
    append({std::string(80, '-')});
}

void ConversionLog::writeRunStart(const std::filesystem::path& oldFile, runtime::Date now) const
{
    writeRuleLine();
    append({"Converting " + versionWord_ + " file: " + runtime::textOfPath(oldFile) + " : " + dateTimeText(now), ""});
}

void ConversionLog::writeDroppedRecord(std::string_view original, std::string_view converted) const
{
    append({versionWord_ + " File Conversion error - Original record:", original, "Converted Record:", converted, ""});
}

void ConversionLog::writeRunEnd(bool recordsDropped, runtime::Date now) const
{
    if (!recordsDropped) {
        append({"No errors found. Conversion finished at " + dateTimeText(now)});
        return;
    }
    append({"Notes on parts of the record structure:",
            "The first 12 characters of the Original Record should only be numbers - any other character is illegal.",
            "The first 14 characters of the Converted Record should only be numbers - any other character is illegal.",
            "The illegal records would have been ignored in QB2 and QB3 but, as these sections contain date "
            "information,",
            "these illegal entries cannot be ignored in later versions (QBMAIN and above).",
            "Characters in positions 1 to 6 are the record number (all versions)",
            "Characters in positions 7 to 12 are the date - QB2 and QB3 (Orignial Records)",
            "Characters in positions 7 to 14 are the date - QBMAIN (Converted Records)",
            "Errors found. Conversion finished at " + dateTimeText(now)});
}

} // namespace datafile
