#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <vector>

#include "platform/Printer.h"

// The printer device drawn with QPainter on a QPrinter: the user's printer, or a PDF file.
// A document starts with the first drawing and ends with EndDoc (printed) or KillDoc (abandoned).
// Its pages are kept until EndDoc and only then painted on the device, so an abandoned document
// reaches neither the printer nor the file. Printing to a file, the documents of a run (see
// platform::Printer) go one after the other into that one file, and every copy asked for is
// written out, each from a new page.
// The system's twips (1440 to the inch) map to the device's pixels by its resolution; the origin is
// the top left of the printable area.
namespace qtgui {

class QtPrinter : public platform::Printer {
public:
    // The user's default printer.
    QtPrinter();
    // Every document goes to this PDF file instead; an abandoned document writes nothing.
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
    void endRun() override;

private:
    using Drawing = std::function<void(QPainter&)>;
    using PageDrawings = std::vector<Drawing>;

    double toPixels(double twips) const;
    double toTwips(double pixels) const;
    QPointF toDevice(double x, double y) const;
    // The page being drawn, starting the document with its first page.
    PageDrawings& page();
    bool printsToFile() const;
    // Paints the document's pages on the device: a job of its own on a printer; on a file, after
    // what the run has already written there.
    void writeOut(const std::vector<PageDrawings>& pages);

    QPrinter printer_;
    QPainter painter_;
    QFont font_;
    std::string fontName_;
    // The document being drawn, page by page; empty before its first drawing.
    std::vector<PageDrawings> pages_;
};

} // namespace qtgui
