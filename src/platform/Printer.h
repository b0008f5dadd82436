#pragma once

#include <string>
#include <vector>

namespace platform {

// The printer device as the system uses it. Positions and sizes are in twips (1440 to the inch);
// CurrentX/CurrentY is where the next text goes, and print() moves it as the platform does. This
// class keeps the position and its rules; a device only draws.
// Properties keep the system's names: a getter is the property's name, a setter prefixes "set".
class Printer {
public:
    virtual ~Printer() = default;

    virtual std::string FontName() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual double FontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual bool FontBold() const = 0;
    virtual void setFontBold(bool on) = 0;
    virtual bool FontItalic() const = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual bool FontUnderline() const = 0;
    virtual void setFontUnderline(bool on) = 0;
    // The names of the fonts the printer offers.
    virtual std::vector<std::string> fonts() const = 0;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    double CurrentX() const { return currentX_; }
    void setCurrentX(double x) { currentX_ = x; }
    double CurrentY() const { return currentY_; }
    void setCurrentY(double y) { currentY_ = y; }
    // The number of the page being drawn, from 1.
    virtual int Page() const = 0;
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;
    // Whether `lines` lines of the present font, printed from CurrentY, end inside the printable
    // area: printed further down they would be cut at the page's end.
    bool LinesFit(int lines = 1) const;

    // Draws text at CurrentX/CurrentY in the current font. With endLine, CurrentX goes back to 0
    // and CurrentY moves down one line; otherwise CurrentX moves past the text.
    void print(const std::string& text, bool endLine = true);
    // Lines and rectangles leave the position at their end point, as the platform's Line does.
    void line(double x1, double y1, double x2, double y2);
    void rectangle(double x1, double y1, double x2, double y2);
    // Starts a new page; the position goes back to its top left.
    void NewPage();
    // Ends the document and sends it to the printer; the position starts again at the top left.
    void EndDoc();
    // Abandons the document: nothing is printed.
    void KillDoc();
    // The copy count that the copy-count escape sets; answers as the escape does (0 unsupported, <0 failed, >0 done).
    virtual int setCopies(int copies) = 0;

    // One user action that prints several documents one after the other (a batch of invoices, a
    // mail merge) is a run, opened and closed around them (platform::PrintRun). Each document
    // still ends with EndDoc: the user's printer gets a job of its own for each, while a printer
    // writing a file keeps every document of the run in that file, each from a new page, instead
    // of writing the file afresh for each. Runs may nest; the outermost one counts.
    void BeginRun();
    void EndRun();
    bool InRun() const { return runDepth_ > 0; }

protected:
    virtual void drawText(const std::string& text, double x, double y) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawRectangle(double x1, double y1, double x2, double y2) = 0;
    virtual void startPage() = 0;
    virtual void endDocument() = 0;
    virtual void killDocument() = 0;
    // The outermost run has closed; a device that keeps nothing between documents has nothing to do.
    virtual void endRun() {}

private:
    void moveTo(double x, double y);

    double currentX_ = 0;
    double currentY_ = 0;
    int runDepth_ = 0;
};

// Keeps a run open for its lifetime.
class PrintRun {
public:
    explicit PrintRun(Printer& printer) : printer_(printer) { printer_.BeginRun(); }
    ~PrintRun() { printer_.EndRun(); }
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

private:
    Printer& printer_;
};

} // namespace platform
