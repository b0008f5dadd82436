#pragma once

#include <string>
#include <vector>

namespace platform {

// A font as controls, forms and the printer carry it.
struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

// Black, in the platform's 0x00BBGGRR colour form.
inline constexpr long Black = 0;

// One print() call: the text, where it started and in which font.
struct TextRun {
    std::string text;
    double x = 0;
    double y = 0;
    Font font;
};

// A line or a rectangle, by its two corners.
struct Stroke {
    enum class Kind { Line, Rectangle };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// What was drawn on one printed page.
struct RecordedPage {
    std::vector<TextRun> runs;
    std::vector<Stroke> strokes;
    // The runs' texts in order, each with its position, for short assertions: "x,y:text".
    std::vector<std::string> lines() const;
};

} // namespace platform
