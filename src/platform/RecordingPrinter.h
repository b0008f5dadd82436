#pragma once

#include <string>
#include <vector>

#include "platform/Drawing.h"
#include "platform/Printer.h"

namespace platform {

// A finished (EndDoc) or abandoned (KillDoc) document.
struct RecordedDocument {
    std::vector<RecordedPage> pages;
    int copies = 1;
    bool killed = false;
    // The run (platform::PrintRun) it was printed in, counted from 1; 0 outside any run.
    int run = 0;
};

// The headless printer: measures with the fixed metrics of TextMetrics.h and records every page.
// Defaults: an A4 page of 11906 x 16838 twips, the fonts "Arial", "Courier New" and
// "Times New Roman", Arial 10 point. A font name the list lacks is refused with error 380, as a
// real printer refuses a font it cannot use. The first print or drawing starts a document.
class RecordingPrinter : public Printer {
public:
    RecordingPrinter();

    void setPageSize(double width, double height);
    void setFonts(std::vector<std::string> fonts);
    // What setCopies answers (the copy-count escape: 0 unsupported, < 0 failed, > 0 done); 1 by default.
    void setCopiesAnswer(int answer) { copiesAnswer_ = answer; }

    // Documents ended or killed so far, oldest first, and the one being drawn (empty when none).
    const std::vector<RecordedDocument>& documents() const { return documents_; }
    const RecordedDocument& current() const { return current_; }
    int endedDocuments() const;
    int killedDocuments() const;

    std::string FontName() const override { return font_.name; }
    void setFontName(const std::string& name) override;
    double FontSize() const override { return font_.size; }
    void setFontSize(double points) override;
    bool FontBold() const override { return font_.bold; }
    void setFontBold(bool on) override { font_.bold = on; }
    bool FontItalic() const override { return font_.italic; }
    void setFontItalic(bool on) override { font_.italic = on; }
    bool FontUnderline() const override { return font_.underline; }
    void setFontUnderline(bool on) override { font_.underline = on; }
    std::vector<std::string> fonts() const override { return fonts_; }

    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    int Page() const override;
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;

    int setCopies(int copies) override;

protected:
    void drawText(const std::string& text, double x, double y) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawRectangle(double x1, double y1, double x2, double y2) override;
    void startPage() override;
    void endDocument() override;
    void killDocument() override;
    void endRun() override { ++runsEnded_; }

private:
    RecordedPage& page();
    void finish(bool killed);

    double width_ = 11906;
    double height_ = 16838;
    std::vector<std::string> fonts_;
    Font font_;
    int copies_ = 1;
    int copiesAnswer_ = 1;
    int runsEnded_ = 0;
    RecordedDocument current_;
    std::vector<RecordedDocument> documents_;
};

} // namespace platform
