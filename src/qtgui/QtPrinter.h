#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <filesystem>
#include <optional>

#include "platform/Printer.h"

// The printer device drawn with QPainter on a QPrinter: the user's printer, or a PDF file.
// A document starts with the first drawing and ends with EndDoc (printed) or KillDoc (abandoned).
// The system's twips (1440 to the inch) map to the device's pixels by its resolution; the origin is
// the top left of the printable area.
namespace qtgui {

class QtPrinter : public platform::Printer {
public:
    // The user's default printer.
    QtPrinter();
    // Every document goes to this PDF file instead; an abandoned document leaves no file.
    explicit QtPrinter(const std::filesystem::path& pdfFile);
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // The printer the print dialog sets up.
    QPrinter& device() { return printer_; }

    std::string FontName() const override;
    void setFontName(const std::string& name) override;
    double FontSize() const override;
    void setFontSize(double points) override;
    bool FontBold() const override;
    void setFontBold(bool on) override;
    bool FontItalic() const override;
    void setFontItalic(bool on) override;
    bool FontUnderline() const override;
    void setFontUnderline(bool on) override;
    std::vector<std::string> fonts() const override;

    double ScaleWidth() const override;
    double ScaleHeight() const override;
    int Page() const override { return page_; }
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

private:
    double toPixels(double twips) const;
    double toTwips(double pixels) const;
    QPointF toDevice(double x, double y) const;
    // The painter of the document, beginning the document on first use.
    QPainter& painter();

    QPrinter printer_;
    QPainter painter_;
    QFont font_;
    std::string fontName_;
    std::optional<std::filesystem::path> pdfFile_;
    int page_ = 1;
};

} // namespace qtgui
