#pragma once

#include <string>
#include <vector>

#include "platform/Printer.h"
#include "platform/TextMetrics.h"

namespace bench {

// A printer that draws nothing: an A4 page measured with the fixed metrics, so that a benchmark
// times the printing code and not a device.
class SilentPrinter : public platform::Printer {
public:
    std::string FontName() const override { return name_; }
    void setFontName(const std::string& name) override { name_ = name; }
    double FontSize() const override { return size_; }
    void setFontSize(double points) override { size_ = points; }
    bool FontBold() const override { return bold_; }
    void setFontBold(bool on) override { bold_ = on; }
    bool FontItalic() const override { return false; }
    void setFontItalic(bool) override {}
    bool FontUnderline() const override { return false; }
    void setFontUnderline(bool) override {}
    std::vector<std::string> fonts() const override { return {"Arial"}; }

    double ScaleWidth() const override { return 11906; }
    double ScaleHeight() const override { return 16838; }
    int Page() const override { return page_; }
    double TextWidth(const std::string& text) const override { return platform::fixedTextWidth(text, size_); }
    double TextHeight(const std::string& text) const override { return platform::fixedTextHeight(text, size_); }
    int setCopies(int) override { return 1; }

protected:
    void drawText(const std::string&, double, double) override {}
    void drawLine(double, double, double, double) override {}
    void drawRectangle(double, double, double, double) override {}
    void startPage() override { ++page_; }
    void endDocument() override { page_ = 1; }
    void killDocument() override { page_ = 1; }

private:
    std::string name_ = "Arial";
    double size_ = 10;
    bool bold_ = false;
    int page_ = 1;
};

} // namespace bench
