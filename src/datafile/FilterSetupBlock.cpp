#include "datafile/FilterSetupBlock.h"

#include "runtime/Number.h"
#include "runtime/Text.h"

namespace datafile {

namespace {

class BlockWriter {
public:
    explicit BlockWriter(runtime::TextWriter& file) : file_(file) {}
    template <std::size_t N> void text(const core::FixedText<N>& field) { file_.writeLine(field.view()); }
    void number(double value) { file_.writeLine(runtime::signedText(value)); }

private:
    runtime::TextWriter& file_;
};

class BlockReader {
public:
    explicit BlockReader(runtime::TextReader& file) : file_(file) {}
    template <std::size_t N> void text(core::FixedText<N>& field) { field = file_.readLine(); }
    void number(std::int16_t& value) { value = runtime::toInt16(runtime::val(file_.readLine())); }
    void number(double& value) { value = runtime::val(file_.readLine()); }
    void date(core::FixedText<8>& field)
    {
        std::string line = file_.readLine();
        if (runtime::trim(line).size() == 6) {
            line = runtime::trim(line);
            line = (runtime::val(runtime::left(line, 2)) < 80 ? "20" : "19") + line;
        }
        field = line;
    }

private:
    runtime::TextReader& file_;
};

} // namespace

void WriteFilterSetupBlock(runtime::TextWriter& file, const core::FilterSetup& s)
{
    BlockWriter w(file);
    w.text(s.Name);
    w.number(s.DateOn);
    w.text(s.FromDate);
    w.text(s.ToDate);
    w.number(s.RefOn);
    w.number(s.RefOp);
    w.text(s.Reference);
    w.number(s.BankOn);
    w.number(s.BankOp);
    w.text(s.BankCode);
    w.number(s.CustOn);
    w.number(s.CustOp);
    w.text(s.CustCode);
    w.number(s.VATOn);
    w.number(s.VATOp);
    w.text(s.VATCode);
    w.number(s.CatOn);
    w.number(s.CatOp);
    w.text(s.CatCode);
    w.number(s.TypeOn);
    w.number(s.TypeOp);
    w.text(s.Types);
    w.number(s.CommentOn);
    w.text(s.Comment);
    w.number(s.AmountOn);
    w.number(s.AmountOp);
    w.number(s.Amount);
    w.number(s.RecOn);
    w.number(s.RecState);
    w.number(s.PaidA);
    w.number(s.PaidB);
}

core::FilterSetup ReadFilterSetupBlock(runtime::TextReader& file)
{
    core::FilterSetup s;
    BlockReader r(file);
    r.text(s.Name);
    r.number(s.DateOn);
    r.date(s.FromDate);
    r.date(s.ToDate);
    r.number(s.RefOn);
    r.number(s.RefOp);
    r.text(s.Reference);
    r.number(s.BankOn);
    r.number(s.BankOp);
    r.text(s.BankCode);
    r.number(s.CustOn);
    r.number(s.CustOp);
    r.text(s.CustCode);
    r.number(s.VATOn);
    r.number(s.VATOp);
    r.text(s.VATCode);
    r.number(s.CatOn);
    r.number(s.CatOp);
    r.text(s.CatCode);
    r.number(s.TypeOn);
    r.number(s.TypeOp);
    r.text(s.Types);
    r.number(s.CommentOn);
    r.text(s.Comment);
    r.number(s.AmountOn);
    r.number(s.AmountOp);
    r.number(s.Amount);
    r.number(s.RecOn);
    r.number(s.RecState);
    r.number(s.PaidA);
    r.number(s.PaidB);
    return s;
}

} // namespace datafile
