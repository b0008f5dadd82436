#include "datafile/OlderDataFile.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/Book.h"
#include "core/BusyPointer.h"
#include "core/GatheredLines.h"
#include "core/IndexOperations.h"
#include "core/TransactionRecord.h"
#include "datafile/ConversionLog.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileContents.h"
#include "datafile/DataFileWindow.h"
#include "datafile/OldFileCopy.h"
#include "datafile/UnshownDataFileWindow.h"
#include "runtime/Error.h"
#include "runtime/PathText.h"
#include "runtime/Text.h"
#include "runtime/TextFile.h"

namespace datafile {

namespace {

struct OlderVersion {
    DataFileLayout layout;
    const char* word;      // "QB2"
    const char* extension; // the old file's copy: "qb2"
};

const OlderVersion Version2{{2, "Expected [Company Name] section, found '", "Error while loading Ver 2 file : ", false, false},
                            "QB2", "qb2"};
const OlderVersion Version3{{3, "Not a Quillbook Data File : Expected [Company Name V3] section, found '",
                             "Error while loading Ver 3 file : ", false, true},
                            "QB3", "qb3"};

// The converted records, gathered in one text that the table keeps.
struct ConvertedRecords {
    core::GatheredLines lines;
    bool dropped = false;
};

// Room for the records converted from these: a record gains its date's century, and one too
// damaged to copy is assembled to a whole fixed part at least.
std::size_t convertedSizeOf(const std::vector<std::string_view>& oldRecords)
{
    constexpr std::size_t Century = 2;
    std::size_t size = 0;
    for (std::string_view old : oldRecords)
        size += std::max(old.size() + Century, static_cast<std::size_t>(core::RecordFixedLength));
    return size;
}

// Each older record in the current layout: copied with its date's century when it is in stored
// form, else parsed and assembled. A record whose values do not fit
// (its assembly has shown why) is dropped and logged; the next one takes its place.
ConvertedRecords convertRecords(const std::vector<std::string_view>& oldRecords, core::Book& book,
                                const ConversionLog& log)
{
    ConvertedRecords converted;
    converted.lines.Reserve(convertedSizeOf(oldRecords), oldRecords.size());
    std::string& text = converted.lines.text();
    // The parse leaves each record's split tail in the book, where the edit box keeps its own.
    const std::string editedTail = book.SplitTail;
    for (std::string_view old : oldRecords) {
        if (core::AppendOldRecordInStoredForm(text, old)) {
            converted.lines.EndLine();
            continue;
        }
        core::TransactionFields fields;
        core::ParseOldTransactionRecord(book, old, fields);
        const std::string record = core::AssembleTransactionRecordMarked(book, fields);
        if (!record.empty() && record.front() == core::OverLongRecordMarker) {
            log.writeDroppedRecord(old, std::string_view(record).substr(1));
            converted.dropped = true;
            continue;
        }
        text.append(record);
        converted.lines.EndLine();
    }
    book.SplitTail = editedTail;
    return converted;
}

// An older set-up's date "yymmdd" in the current form, years below 80 in the 2000s. Blank and
// never-filled dates stay as they are.
void widenSetUpDate(core::FixedText<8>& date)
{
    const std::string text = runtime::rtrim(std::string(date.view()));
    if (text.size() != 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return;
    date = (std::stoi(text.substr(0, 2)) < 80 ? "20" : "19") + text;
}

void widenSetUpDates(DataFileContents& contents)
{
    for (core::FilterSetup* setup : {&contents.currentFilter, &contents.previousFilter})
        for (core::FixedText<8>* date : {&setup->FromDate, &setup->ToDate})
            widenSetUpDate(*date);
    for (core::FilterSetup& setup : contents.namedFilters)
        for (core::FixedText<8>* date : {&setup.FromDate, &setup.ToDate})
            widenSetUpDate(*date);
}

void adoptConverted(DataFileContents& contents, ConvertedRecords&& converted)
{
    core::GatheredLines::Lines lines = converted.lines.Take();
    contents.transactions = std::move(lines.views);
    contents.transactionText = std::move(lines.keeper);
}

// Puts the converted contents into a book and builds its indexes afresh: the date index from the
// table, the query index under the book's current filter, in the menu's sort order.
void putConvertedIntoBook(DataFileContents&& contents, core::Book& book, DataFileWindow& window)
{
    PutContentsIntoBook(std::move(contents), book, window);
    core::RebuildDateIndex(book);
    core::ApplyFilterInSortOrder(book);
    window.SyncQueryScrollBar();
    window.RefreshQueryGrid();
}

// The converted book, saved over the old file from a book of its own, so that a failed save leaves
// the open book as it was.
class ConvertedBook {
public:
    ConvertedBook(const DataFileContents& contents, core::Book& book, DataFileWindow& window)
        : window_(window.SortOrder(), window.workingFolder()), book_(book.services())
    {
        book_.messages.MessagesEnabled = book.messages.MessagesEnabled;
        // Saved with the shown window's sort order, from a book no one sees.
        book_.ledger.AttachWindow(window_);
        putConvertedIntoBook(DataFileContents(contents), book_, window_);
    }

    bool save(const std::filesystem::path& path)
    {
        // Known by the path it is saved as, so that the save notes the file it wrote.
        book_.CurrentDataFilePath = path;
        return SaveDataFile(path, book_, window_);
    }

    // The open book takes the contents and the file saved; the indexes built for the save are its
    // indexes too, since both books hold the same transactions under the same filter and sort order.
    void putInto(DataFileContents&& contents, core::Book& book, DataFileWindow& window) const
    {
        PutContentsIntoBook(std::move(contents), book, window);
        book.LastSeenDataFile = book_.LastSeenDataFile;
        core::Ledger& ledger = book.ledger;
        ledger.DateIndex = book_.ledger.DateIndex;
        ledger.QueryIndex = book_.ledger.QueryIndex;
        ledger.Totals = book_.ledger.Totals;
        window.SyncQueryScrollBar();
        window.RefreshQueryGrid();
    }

private:
    UnshownDataFileWindow window_;
    core::Book book_;
};

std::string errorsBoxText(const OlderVersion& version, const ConversionLog& log)
{
    const std::string word = version.word;
    return "Errors were encountered during the conversion of the file. It is unlikely that the bad record(s) were "
           "visible in your "
           + word + " Accounts.\r\rThe bad record(s) have been removed and have been placed in the file '"
           + runtime::textOfPath(log.path()) + "'.\r\rPlease check that your QBMAIN accounts balance with your "
           + word + " accounts.";
}

// Where the old file went: the extension alone when only that differs from the old name, else the
// copy's whole path.
std::string keptCopyText(const std::filesystem::path& path, const std::filesystem::path& copy,
                         const OlderVersion& version)
{
    if (copy == std::filesystem::path(path).replace_extension(version.extension))
        return "Your old file has been saved with the extension ." + runtime::ucase(version.extension);
    return "Your old file has been saved as '" + runtime::textOfPath(copy) + "'";
}

void showPlainBox(platform::Services& services, const std::string& text)
{
    core::SetMousePointer(services, core::DefaultPointer);
    services.messageBox({text, "", platform::Buttons::OK, platform::Icon::None});
}

bool convert(const OlderVersion& version, const std::filesystem::path& path, runtime::TextReader& in,
             const std::optional<runtime::FileIdentity>& readAs, core::Book& book, DataFileWindow& window)
{
    ExpectAttached(book.ledger, window);
    platform::Services& services = book.services();
    const OldFileAsRead old{in.rest(), readAs};
    const ConversionLog log(window.workingFolder() / ConversionLog::FileName, version.word);
    try {
        log.writeRunStart(path, services.now());
        std::optional<DataFileContents> contents = ReadDataFileContents(in, book, version.layout);
        if (!contents)
            return false;
        ConvertedRecords converted = convertRecords(contents->transactions, book, log);
        const bool dropped = converted.dropped;
        adoptConverted(*contents, std::move(converted));
        widenSetUpDates(*contents);
        if (version.layout.version == 2) {
            // Version 2 kept no templates: the book's stay, as for a new company.
            for (std::size_t i = 0; i < contents->templates.size(); ++i)
                contents->templates[i] = book.Templates[i + 1];
        }

        showPlainBox(services, "Converting your data to Year 2000 format\rThis may take some time.......\r\r"
                               "Press ENTER to begin the conversion");
        core::BusyPointer busy(services);
        const std::filesystem::path copy = KeepCopyOfOldFile(path, version.extension, old);
        ConvertedBook convertedBook(*contents, book, window);
        if (!convertedBook.save(path)) {
            // The original is still in place: a copy of it left behind would only crowd the folder.
            std::error_code ignored;
            std::filesystem::remove(copy, ignored);
            return false;
        }

        showPlainBox(services, "Your data has been converted for Year 2000 compatablilty.\r"
                                   + keptCopyText(path, copy, version));
        log.writeRunEnd(dropped, services.now());
        if (dropped)
            book.messages.ShowWarningBox(errorsBoxText(version, log));
        log.writeRuleLine();
        // Nothing after this can fail: a run stopped before it (the log could not be written) leaves
        // the open book, and the name it is saved under, as they were.
        convertedBook.putInto(std::move(*contents), book, window);
        services.doEvents();
        if (dropped)
            services.startProgram("Notepad.exe " + runtime::textOfPath(log.path()), platform::WindowStyle::Maximized);
        return true;
    } catch (const runtime::Error& error) {
        book.messages.ShowErrorBox(std::string(version.layout.errorPrefix) + error.description());
    } catch (const std::exception& error) {
        book.messages.ShowErrorBox(std::string(version.layout.errorPrefix) + error.what());
    }
    return false;
}

} // namespace

bool ConvertDataFileV2(const std::filesystem::path& path, runtime::TextReader& in,
                       const std::optional<runtime::FileIdentity>& readAs, core::Book& book, DataFileWindow& window)
{
    return convert(Version2, path, in, readAs, book, window);
}

bool ConvertDataFileV3(const std::filesystem::path& path, runtime::TextReader& in,
                       const std::optional<runtime::FileIdentity>& readAs, core::Book& book, DataFileWindow& window)
{
    return convert(Version3, path, in, readAs, book, window);
}

} // namespace datafile
