#pragma once

#include <functional>
#include <string>
#include <vector>

#include "MainTest.h"
#include "mainwindow/dialogs/Filter.h"

// The main window over tests/data/company.QBD (listed by reference) with four more transactions:
// DEP002 (receipt 200.00, 15/Apr/2024, CASH01, bolt02, ZER, SALE), BIL777 (unpaid bill 45.00,
// 20/Apr/2024, BANK01, bolt02, STD, STAT, "Paper order"), INV002 (unpaid invoice 99.00,
// 02/May/2024, BANK01, ACME01, STD, SALE) and CHQ101 (reconciled payment 117.50, 03/May/2024,
// CASH01, ZER, STAT, "Stamps and paper").
class FilterDialogTest : public MainTest {
protected:
    void SetUp() override;

    // Opens the whole filter window from the menu; `use` acts on it while it is shown.
    void withFullFilter(const std::function<void(mainwindow::Filter&)>& use);
    // All Off, then `set`, then Filter, in the whole window.
    void applyFull(const std::function<void(mainwindow::Filter&)>& set);
    // The references the grid lists, top down.
    std::vector<std::string> gridRefs() const;
    // Chooses the item of a code list whose code is `code`.
    static void pick(platform::ComboBox& list, const std::string& code);
    // Ticks exactly the given type boxes.
    static void onlyTypes(mainwindow::Filter& filter, std::initializer_list<platform::CheckBox*> types);
};
