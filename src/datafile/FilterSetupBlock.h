#pragma once

#include "core/FilterSetup.h"
#include "runtime/TextFile.h"

// The 31-line form of a filter set-up in the data file, one line per field in the record's order:
// text fields at their full width as held (a never-filled field as characters of code 0), numbers
// as signed decimals.
namespace datafile {

inline constexpr int FilterSetupBlockLineCount = 31;

// Both raise runtime::Error on a failed write or read (a missing line is "Input past end of file";
// a number beyond 16 bits is "Overflow").
void WriteFilterSetupBlock(runtime::TextWriter& file, const core::FilterSetup& setup);
// A date stored with 6 characters ("yymmdd") gets its century: 20 below 80, else 19.
core::FilterSetup ReadFilterSetupBlock(runtime::TextReader& file);

} // namespace datafile
