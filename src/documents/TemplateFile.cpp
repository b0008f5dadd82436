#include "documents/TemplateFile.h"

#include "runtime/AtomicFile.h"
#include "runtime/PathText.h"
#include "runtime/TextFile.h"

namespace documents {

bool LoadTemplateFile(const std::string& fileName, core::TemplateRecord& tmpl, const datafile::ErrorReporter& showError)
{
    runtime::TextReader file(runtime::pathFromText(fileName));
    core::TemplateRecord read;
    if (!datafile::ReadTemplate(file, read, showError)) {
        showError("Unable to Load Template file " + fileName + " : ");
        return false;
    }
    tmpl = read;
    return true;
}

bool SaveTemplateFile(const std::string& fileName, const core::TemplateRecord& tmpl, const datafile::ErrorReporter& showError)
{
    runtime::AtomicFile file(runtime::pathFromText(fileName));
    if (!datafile::WriteTemplate(file.writer(), tmpl, showError)) {
        showError("Unable to Save File As " + fileName + " : ");
        return false;
    }
    file.commit();
    return true;
}

} // namespace documents
