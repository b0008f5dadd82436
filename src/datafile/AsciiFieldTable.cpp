#include "datafile/AsciiFieldTable.h"

#include <span>

#include "runtime/Text.h"

namespace datafile {

namespace {

struct AsciiField {
    const char* exportText;
    const char* importText;
    const char* example;
};

constexpr AsciiField TransactionFields[] = {
    {"  001 Tran System ID          ", "  001 Tran System ID          ", "- '012345'"},
    {"  002 Tran Date               ", "* 002 Tran Date          REQ  ", "- '01/Jan/94'"},
    {"  003 Tran Reference          ", "  003 Tran Reference          ", "- '0123456'"},
    {"  004 Tran Bank Code          ", "* 004 Tran Bank Code REQ ", "- 'ABCDEF'"},
    {"  005 Tran Customer Code    ", "  005 Tran Customer Code    ", "- 'ABCDEF'"},
    {"  006 Tran VAT Code           ", "  006 Tran VAT Code           ", "- 'VAT'"},
    {"  007 Tran Category Code      ", "  007 Tran Category Code      ", "- 'ABCD'"},
    {"  008 Tran Memo               ", "  008 Tran Memo               ", "- 'XXX 74 Chars XXX'"},
    {"  009 Tran Amount             ", "  009 Tran Amount             ", "- '00000000.00'"},
    {"  010 Tran Reconciled Flag    ", "  010 Tran Reconciled Flag    ", "- 'Y'"},
    {"  011 Tran Paid Flag          ", "  011 Tran Paid Flag          ", "- 'Y'"},
    {"  012 Tran Amount Paid        ", "  012 Tran Amount Paid        ", "- '00000000.00'"},
    {"  013 Tran VAT Amount         ", "  013 Tran VAT Amount         ", "- '00000000.00'"},
    {"  014 Tran Number of Splits   ", "  014 Tran Number of Splits   ", "- '012'"},
    {"  015 Tran EEC Flag           ", "  015 Tran EEC Flag           ", "- 'Y'"},
    {"  016 Tran Type               ", "* 016 Tran Type          REQ ", "- 'ABC'"},
};

constexpr AsciiField CustomerFields[] = {
    {"  001 Customer Code           ", "* 001 Customer Code           ", "- 'ABCDEF'"},
    {"  002 Customer Name           ", "* 002 Customer Name           ", "- 'XXX 20 Chars XXX'"},
    {"  003 Customer Address        ", "  003 Customer Address        ", "- 'XXX 80 Chars XXX'"},
    {"  004 Customer Tel            ", "  004 Customer Tel            ", "- 'XXX 15 Chars XXX'"},
    {"  005 Customer Fax            ", "  005 Customer Fax            ", "- 'XXX 15 Chars XXX'"},
};

constexpr AsciiField CategoryFields[] = {
    {"  001 Category Code           ", "* 001 Category Code           ", "- 'ABCD'"},
    {"  002 Category Name           ", "* 002 Category Name           ", "- 'XXX 20 Chars XXX'"},
};

std::span<const AsciiField> fieldsOf(ExchangeKind kind)
{
    switch (kind) {
    case ExchangeKind::Transactions: return TransactionFields;
    case ExchangeKind::Customers: return CustomerFields;
    case ExchangeKind::Categories: return CategoryFields;
    }
    return {};
}

} // namespace

std::vector<std::string> AsciiFieldItems(ExchangeKind kind, bool forImport)
{
    std::vector<std::string> items;
    for (const AsciiField& field : fieldsOf(kind))
        items.push_back(std::string(forImport ? field.importText : field.exportText) + "\t" + field.example);
    return items;
}

int AsciiFieldCount(ExchangeKind kind)
{
    return static_cast<int>(fieldsOf(kind).size());
}

int FieldNumberOfItem(std::string_view item)
{
    return static_cast<int>(runtime::val(runtime::mid(item, 3, 3)));
}

} // namespace datafile
