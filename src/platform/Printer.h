#pragma once

#include <string>
#include <vector>

namespace platform {

// The printer device as the system uses it. Positions and sizes are in twips (1440 to the inch);
// CurrentX/CurrentY is where the next text goes, and print() moves it as the platform does.
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
    virtual double CurrentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual double CurrentY() const = 0;
    virtual void setCurrentY(double y) = 0;
    // The number of the page being drawn, from 1.
    virtual int Page() const = 0;
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double TextHeight(const std::string& text) const = 0;

    // Draws text at CurrentX/CurrentY in the current font. With endLine, CurrentX goes back to 0
    // and CurrentY moves down one line; otherwise CurrentX moves past the text.
    virtual void print(const std::string& text, bool endLine = true) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void rectangle(double x1, double y1, double x2, double y2) = 0;
    virtual void NewPage() = 0;
    // Ends the document and sends it to the printer.
    virtual void EndDoc() = 0;
    // Abandons the document: nothing is printed.
    virtual void KillDoc() = 0;
    // The copy count that the copy-count escape sets; answers as the escape does (0 unsupported, <0 failed, >0 done).
    virtual int setCopies(int copies) = 0;
};

} // namespace platform
