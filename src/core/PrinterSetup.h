#pragma once

namespace core {

class Messages;

// The printer set-up dialog ("Quillbook : Set Up Printer"). A choice of more than one copy is
// passed to the printer; a driver that cannot print copies is reported and the set-up still
// answers true, a failure to set them is reported and answers false. A cancel, or any other
// failure, answers false without a message.
bool SetUpPrinter(Messages& messages);

} // namespace core
