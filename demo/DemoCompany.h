#pragma once

#include <filesystem>

namespace demo {

// Writes the demo company: four months (January to April 2025) of a small VAT-registered joinery,
// with every kind of code, a standing order, named filters and payments, receipts, transfers,
// invoices and bills, one of them split and one with EEC status. It is entered through the book's
// own operations on a fixed day, so every run writes the same bytes.
bool WriteDemoCompany(const std::filesystem::path& file);

} // namespace demo
