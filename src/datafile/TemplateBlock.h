#pragma once

#include <functional>
#include <string>

#include "core/TemplateRecord.h"
#include "runtime/TextFile.h"

// The 393-line text form of one template: the data file, template files and document files all
// store templates this way. The routines use a file the caller has opened and close nothing.
namespace datafile {

constexpr int TemplateBlockLineCount = 393;

// Shows one error message; each program passes its own error box.
using ErrorReporter = std::function<void(const std::string& message)>;

// Write or read the block; a failure raises runtime::Error.
void WriteTemplateBlock(runtime::TextWriter& file, const core::TemplateRecord& tmpl);
void ReadTemplateBlock(runtime::TextReader& file, core::TemplateRecord& tmpl);

// The same, reporting a failure through the error box and answering false. A failed read keeps
// the fields read so far.
bool WriteTemplate(runtime::TextWriter& file, const core::TemplateRecord& tmpl, const ErrorReporter& showError);
bool ReadTemplate(runtime::TextReader& file, core::TemplateRecord& tmpl, const ErrorReporter& showError);

} // namespace datafile
