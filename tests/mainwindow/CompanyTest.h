#pragma once

#include <filesystem>
#include <string>

#include "MainTest.h"

// The main window started on a copy of tests/data/company.QBD, listed by reference: CHQ100 (record
// 2, a reconciled payment of 70.00 in two splits, row 1), INV001 (record 1, row 2) and the deleted
// receipt DEP001 (record 3). Its bank accounts BANK01 (start balance 1000.00) and CASH01 (50.00),
// its VAT codes STD (17.5%) and ZER, and one standing order, "15 RENT01", a payment of 500.00.
class CompanyTest : public MainTest {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(std::filesystem::path(QB_TEST_DATA) / "company.QBD", company);
        writeSettings(fullSettings(company));
        start();
    }

    // Double-clicks a grid row, which loads its transaction into the edit box.
    void loadRow(int row)
    {
        main.QRYGrid.userClickCell(row, 4);
        main.QRYGrid.userDblClick();
    }
    std::string storedLine(int record) const { return std::string(main.book.ledger.Transactions.Line(record)); }

    std::filesystem::path company = folder / "company.QBD";
};
