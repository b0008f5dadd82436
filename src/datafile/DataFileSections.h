#pragma once

#include <string_view>

// The section heads of the current data-file format, in file order.
namespace datafile::sections {

inline constexpr std::string_view Header = "[Company Name V2000]";
inline constexpr std::string_view Statistics = "[Statistics]";
inline constexpr std::string_view BankAccounts = "[Bank Accounts]";
inline constexpr std::string_view VatCodes = "[VAT Codes]";
inline constexpr std::string_view CustomerCodes = "[Customer Codes]";
inline constexpr std::string_view AnalysisCodes = "[Analysis Codes]";
inline constexpr std::string_view StandingOrders = "[Standing Orders]";
inline constexpr std::string_view Transactions = "[Transactions]";
inline constexpr std::string_view DateIndex = "[Date Index]";
inline constexpr std::string_view QueryIndex = "[Query Index]";
inline constexpr std::string_view FilterSettings = "[Filter Settings]";
inline constexpr std::string_view InvoiceTemplates = "[Invoice Templates]";
inline constexpr std::string_view LetterTemplates = "[Letter Templates]";
// Written as heads with nothing under them, and skipped on reading.
inline constexpr std::string_view TrailingHeads[] = {"[Stock List]", "[SO1 Section]", "[SO2 Section]",
                                                     "[SO3 Section]", "[SO4 Section]", "[SO5 Section]"};

// Statistics lines 11-18 and 20-24 are reserved: written with these values, not read.
inline constexpr int ReservedCountLines = 8;
inline constexpr std::string_view ReservedCount = "000000";
inline constexpr int ReservedGrossLines = 5;
inline constexpr std::string_view ReservedGross = "GROSS";
inline constexpr std::string_view ByDate = "BYDATE";
inline constexpr std::string_view ByReference = "BYREF";

} // namespace datafile::sections
