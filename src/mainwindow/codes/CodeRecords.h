#pragma once

#include <string>

#include "core/CodeKind.h"
#include "core/CodeLines.h"

namespace mainwindow {

// A record that holds no code yet: every text field blank (after right-trimming), every amount 0.
bool IsBankAccountRecordEmpty(const core::BankAccountRecord& record);
bool IsVatCodeRecordEmpty(const core::VatCodeRecord& record);
bool IsCustomerRecordEmpty(const core::CustomerRecord& record);
bool IsCategoryRecordEmpty(const core::CategoryRecord& record);

// The text a code line gives the main window's combo of its kind: code, blank and name (the bank
// and customer lines' first 27 characters, the VAT code with the name from column 17), the whole
// line for a category.
std::string MirrorText(core::CodeKind kind, const std::string& line);

} // namespace mainwindow
