#include "datafile/FilterSetupBlock.h"

#include "runtime/Number.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

class BlockWriter {
public:
    explicit BlockWriter(runtime::TextWriter& file) : file_(file) {}
    template <std::size_t N> void text(const core::FixedText<N>& field) { file_.writeLine(field.view()); }
    void date(const core::FixedText<8>& field) { text(field); }
    void number(double value) { file_.writeLine(runtime::storedNumberText(value)); }

private:
    runtime::TextWriter& file_;
};

class BlockReader {
public:
    explicit BlockReader(runtime::TextReader& file) : file_(file) {}
    template <std::size_t N> void text(core::FixedText<N>& field) { field = file_.readLine(); }
    void number(std::int16_t& value) { value = runtime::toInt16(runtime::val(file_.readLine())); }
    void number(double& value) { value = runtime::val(file_.readLine()); }
    // Dates of older files are "yymmdd" on a line of their own. This program writes the field at
    // its full width, and such a line is kept as it was written, whatever it holds, so a date
    // comes back from a save as it was held.
    void date(core::FixedText<8>& field)
    {
        std::string line = file_.readLine();
        const std::string trimmed = runtime::trim(line);
        if (static_cast<int>(line.size()) < field.Width && trimmed.size() == 6)
            line = (runtime::val(runtime::left(trimmed, 2)) < 80 ? "20" : "19") + trimmed;
        field = line;
    }

private:
    runtime::TextReader& file_;
};

// The 31 lines of a block, in their order; the writer and the reader walk the same list.
template <class Setup, class Block> void visitBlock(Setup& s, Block& b)
{
    b.text(s.Name);
    b.number(s.DateOn);
    b.date(s.FromDate);
    b.date(s.ToDate);
    b.number(s.RefOn);
    b.number(s.RefOp);
    b.text(s.Reference);
    b.number(s.BankOn);
    b.number(s.BankOp);
    b.text(s.BankCode);
    b.number(s.CustOn);
    b.number(s.CustOp);
    b.text(s.CustCode);
    b.number(s.VATOn);
    b.number(s.VATOp);
    b.text(s.VATCode);
    b.number(s.CatOn);
    b.number(s.CatOp);
    b.text(s.CatCode);
    b.number(s.TypeOn);
    b.number(s.TypeOp);
    b.text(s.Types);
    b.number(s.CommentOn);
    b.text(s.Comment);
    b.number(s.AmountOn);
    b.number(s.AmountOp);
    b.number(s.Amount);
    b.number(s.RecOn);
    b.number(s.RecState);
    b.number(s.PaidA);
    b.number(s.PaidB);
}

} // namespace

void WriteFilterSetupBlock(runtime::TextWriter& file, const core::FilterSetup& s)
{
    BlockWriter writer(file);
    visitBlock(s, writer);
}

core::FilterSetup ReadFilterSetupBlock(runtime::TextReader& file)
{
    core::FilterSetup s;
    BlockReader reader(file);
    visitBlock(s, reader);
    return s;
}

} // namespace datafile
