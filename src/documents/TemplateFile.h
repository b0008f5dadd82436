#pragma once

#include <string>

#include "core/TemplateRecord.h"
#include "datafile/TemplateBlock.h"

namespace documents {

// Reads the template block of a file the user chose into `tmpl`. The block is read into a record
// of its own and taken only when it was read whole: a file that ends early or holds a bad value
// gets the reader's message, then "Unable to Load Template file <name> : ", and changes nothing.
// Raises when the file cannot be opened.
bool LoadTemplateFile(const std::string& fileName, core::TemplateRecord& tmpl, const datafile::ErrorReporter& showError);

// Writes `tmpl` as one template block to the file the user chose, replacing it only once the whole
// block is written; a failure gets the writer's message, then "Unable to Save File As <name> : ".
bool SaveTemplateFile(const std::string& fileName, const core::TemplateRecord& tmpl, const datafile::ErrorReporter& showError);

} // namespace documents
