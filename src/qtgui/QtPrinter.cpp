#include "qtgui/QtPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <algorithm>

#include "qtgui/FontFamilies.h"
#include "qtgui/QtText.h"
#include "platform/TextMetrics.h"
#include "runtime/Error.h"

namespace qtgui {
namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerMillimetre = TwipsPerInch / 25.4;
// The platform's "Printer error", raised when the printer cannot start a document.
constexpr int PrinterError = 482;

QStringList linesOf(const std::string& text)
{
    return toDisplayText(text).split(u'\n');
}

// The offered name's own spelling of `name`; else, when a font substitution set up for the name
// (QFont::insertSubstitution) leads to an installed family, the name itself; else "".
std::string usableFontName(const std::string& name)
{
    if (std::string known = platform::findFontName(offeredFontNames(), name); !known.empty())
        return known;
    const std::vector<std::string> installed = installedFontFamilies();
    for (const QString& substitute : QFont::substitutes(toQString(name)))
        if (!platform::findFontName(installed, fromQString(substitute)).empty())
            return name;
    return {};
}

} // namespace

// Arial 10 point where Arial can be used, as the system expects; the desktop's own font otherwise.
QtPrinter::QtPrinter() : printer_(QPrinter::HighResolution)
{
    fontName_ = usableFontName("Arial");
    if (fontName_.empty())
        fontName_ = fromQString(QFont().family());
    font_.setFamily(toQString(fontName_));
    font_.setPointSizeF(10);
}

QtPrinter::QtPrinter(const std::filesystem::path& pdfFile) : QtPrinter()
{
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QFile::decodeName(pdfFile.c_str()));
}

QtPrinter::~QtPrinter()
{
    if (painter_.isActive())
        painter_.end();
}

std::string QtPrinter::FontName() const
{
    return fontName_;
}

// A font the printer cannot use is refused as the platform refuses it (error 380).
void QtPrinter::setFontName(const std::string& name)
{
    std::string usable = usableFontName(name);
    if (usable.empty())
        platform::throwInvalidPropertyValue();
    fontName_ = std::move(usable);
    font_.setFamily(toQString(fontName_));
}

double QtPrinter::FontSize() const
{
    return font_.pointSizeF();
}

void QtPrinter::setFontSize(double points)
{
    if (points <= 0)
        platform::throwInvalidPropertyValue();
    font_.setPointSizeF(points);
}

bool QtPrinter::FontBold() const
{
    return font_.bold();
}

void QtPrinter::setFontBold(bool on)
{
    font_.setBold(on);
}

bool QtPrinter::FontItalic() const
{
    return font_.italic();
}

void QtPrinter::setFontItalic(bool on)
{
    font_.setItalic(on);
}

bool QtPrinter::FontUnderline() const
{
    return font_.underline();
}

void QtPrinter::setFontUnderline(bool on)
{
    font_.setUnderline(on);
}

std::vector<std::string> QtPrinter::fonts() const
{
    return offeredFontNames();
}

// The printable area, measured in millimetres: points are rounded to whole ones.
double QtPrinter::ScaleWidth() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).width() * TwipsPerMillimetre;
}

double QtPrinter::ScaleHeight() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).height() * TwipsPerMillimetre;
}

double QtPrinter::TextWidth(const std::string& text) const
{
    const QFontMetricsF metrics(font_, &printer_);
    double widest = 0;
    for (const QString& line : linesOf(text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return toTwips(widest);
}

double QtPrinter::TextHeight(const std::string& text) const
{
    const QFontMetricsF metrics(font_, &printer_);
    return toTwips(metrics.lineSpacing() * static_cast<double>(linesOf(text).size()));
}

int QtPrinter::Page() const
{
    return std::max(1, static_cast<int>(pages_.size()));
}

void QtPrinter::drawText(const std::string& text, double x, double y)
{
    const QSizeF area = printer_.pageRect(QPrinter::DevicePixel).size();
    page().push_back([font = font_, at = toDevice(x, y), area, shown = toDisplayText(text)](QPainter& p) {
        p.setFont(font);
        p.drawText(QRectF(at, area), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, shown);
    });
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    page().push_back([from = toDevice(x1, y1), to = toDevice(x2, y2)](QPainter& p) { p.drawLine(from, to); });
}

void QtPrinter::drawRectangle(double x1, double y1, double x2, double y2)
{
    page().push_back([box = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized()](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    });
}

void QtPrinter::startPage()
{
    page();
    pages_.emplace_back();
}

void QtPrinter::endDocument()
{
    // A document with nothing drawn sends nothing.
    if (pages_.empty())
        return;
    const std::vector<PageDrawings> pages = std::move(pages_);
    pages_.clear();
    writeOut(pages);
}

void QtPrinter::killDocument()
{
    pages_.clear();
}

void QtPrinter::endRun()
{
    if (painter_.isActive())
        painter_.end();
}

int QtPrinter::setCopies(int copies)
{
    // The count belongs to a document: it cannot change one already begun.
    if (copies <= 0 || !pages_.empty())
        return -1;
    printer_.setCopyCount(copies);
    return 1;
}

double QtPrinter::toPixels(double twips) const
{
    return twips * printer_.resolution() / TwipsPerInch;
}

double QtPrinter::toTwips(double pixels) const
{
    return pixels * TwipsPerInch / printer_.resolution();
}

QPointF QtPrinter::toDevice(double x, double y) const
{
    return {toPixels(x), toPixels(y)};
}

QtPrinter::PageDrawings& QtPrinter::page()
{
    if (pages_.empty())
        pages_.emplace_back();
    return pages_.back();
}

bool QtPrinter::printsToFile() const
{
    return !printer_.outputFileName().isEmpty();
}

void QtPrinter::writeOut(const std::vector<PageDrawings>& pages)
{
    const bool toFile = printsToFile();
    if (painter_.isActive()) {
        printer_.newPage();
    } else {
        if (!painter_.begin(&printer_))
            throw runtime::Error(PrinterError, "Printer error");
        painter_.setPen(QPen(Qt::black, 0));
    }
    // A printer makes its copies itself; a file holds each of them.
    const int copies = toFile ? printer_.copyCount() : 1;
    for (int copy = 0; copy < copies; ++copy) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (copy > 0 || i > 0)
                printer_.newPage();
            for (const Drawing& draw : pages[i])
                draw(painter_);
        }
    }
    if (!(toFile && InRun()))
        painter_.end();
}

} // namespace qtgui
