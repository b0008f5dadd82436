#pragma once

#include <string>

#include "platform/Printer.h"

namespace reports {

class CancelForm;
class ReportDesk;

// A run of several documents, each printed as a job of its own in the print-job window and all in
// one print run, so that printed to a file they go one after the other into that file. The user's
// Cancel in the window stops the run after the document it was pressed in; the run starts and ends
// with no Cancel pending.
class DocumentRun {
public:
    explicit DocumentRun(ReportDesk& desk);
    ~DocumentRun();
    DocumentRun(const DocumentRun&) = delete;
    DocumentRun& operator=(const DocumentRun&) = delete;

    // Prints the next document, named for the user, by the job of `tag`; false when the user asked
    // the run to stop.
    bool Print(const std::string& name, const std::string& tag);

private:
    ReportDesk& desk_;
    CancelForm& window_;
    const platform::PrintRun run_;
};

} // namespace reports
