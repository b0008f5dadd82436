#include "datafile/SplitLinesNote.h"

namespace datafile {

std::string SplitLinesNotCarried(std::string_view done, std::size_t transactions)
{
    return "Split lines are not carried by a delimited file : " + std::to_string(transactions)
           + (transactions == 1 ? " transaction with splits was " : " transactions with splits were ")
           + std::string(done) + " without them.";
}

} // namespace datafile
