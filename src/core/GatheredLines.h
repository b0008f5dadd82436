#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Lines gathered one after another into one text, then handed on as views of that text together
// with what keeps it: many thousand lines without a string each.
class GatheredLines {
public:
    struct Lines {
        std::shared_ptr<const void> keeper;
        std::vector<std::string_view> views;
    };

    std::size_t size() const { return lineEnds_.size(); }
    // Room made at once: growing a large text piece by piece costs far more than the copying.
    void Reserve(std::size_t bytes, std::size_t lines);
    // The text the next line is appended to; EndLine marks where that line ends.
    std::string& text() { return *text_; }
    void EndLine() { lineEnds_.push_back(text_->size()); }
    // The lines gathered, as views of the text they keep; the gathering starts afresh.
    Lines Take();

private:
    std::shared_ptr<std::string> text_ = std::make_shared<std::string>();
    std::vector<std::size_t> lineEnds_;
};

} // namespace core
