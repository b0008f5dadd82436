#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace core {

// One positioned text object of a document page. Positions and sizes are twips.
struct TemplateObject {
    std::string Text;     // may hold CR LF line breaks or a special-field tag
    std::string FontName;
    std::string FontSize; // kept as typed: "10" and "10.00" are different sizes
    // One character each; "Y" is on, anything else off. Alignment is "L", "C" or "R".
    char Bold = ' ';
    char Italic = ' ';
    char Underline = ' ';
    char Alignment = ' ';
    char Visible = ' ';
    char Boxed = ' ';
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// Whether a one-character flag of an object is on: only "Y" is.
inline bool IsFlagOn(char flag)
{
    return flag == 'Y';
}

// Objects 0 to 29 are the page's objects; the array keeps a 31st slot that nothing reads or stores.
constexpr int TemplateObjectCount = 30;

// A document template or a filled-in document.
struct TemplateRecord {
    std::string Name;
    std::int16_t TopMargin = 0;  // top and bottom margin, twips
    std::int16_t SideMargin = 0; // left and right margin, twips
    std::array<TemplateObject, TemplateObjectCount + 1> Objects;
};

// The book's templates by number; slot 0 is never used.
enum TemplateNumber : int { SimpleInvoice = 1, MultiLineInvoice = 2, RemittanceAdvice = 3, MailMergeLetter = 4 };
using StoredTemplates = std::array<TemplateRecord, 5>;

// True when the designer has nothing to store: margins, and per object its texts, flags and
// position. Name, Width and Height do not count, since the screen lays out sizes anew.
bool AreTemplatesEqual(const TemplateRecord& a, const TemplateRecord& b);

} // namespace core
