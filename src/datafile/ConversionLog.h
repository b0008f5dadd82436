#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "runtime/Date.h"

namespace datafile {

// The conversion log "QBERRORS.TXT" in the working folder: always appended to, one run after the
// other. Each write opens and closes it, so what was written stays even when the run stops.
class ConversionLog {
public:
    static constexpr const char* FileName = "QBERRORS.TXT";

    // `versionWord` is "QB2" or "QB3".
    ConversionLog(std::filesystem::path path, std::string versionWord);

    const std::filesystem::path& path() const { return path_; }

    void writeRunStart(const std::filesystem::path& oldFile, runtime::Date now) const;
    void writeDroppedRecord(std::string_view original, std::string_view converted) const;
    // The closing line, with the notes on the record layout before it when records were dropped.
    void writeRunEnd(bool recordsDropped, runtime::Date now) const;
    void writeRuleLine() const;

private:
    void append(std::initializer_list<std::string_view> lines) const;

    std::filesystem::path path_;
    std::string versionWord_;
};

} // namespace datafile
