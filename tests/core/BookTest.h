#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/Book.h"
#include "platform/ScriptedServices.h"
#include "runtime/Date.h"

// A fresh book over scripted services per test, with error boxes on (as after the main window has
// loaded) and the clock fixed at 15 June 2025.
class BookTest : public testing::Test {
protected:
    BookTest()
    {
        services.setNow(*runtime::Date::fromYmd(2025, 6, 15));
        book.messages.MessagesEnabled = true;
    }

    // The one message box shown so far; fails the test when there is not exactly one.
    const platform::MessageBox& onlyBox() const
    {
        EXPECT_EQ(services.messageBoxes().size(), 1u);
        static const platform::MessageBox none;
        return services.messageBoxes().empty() ? none : services.messageBoxes().back().box;
    }

    platform::ScriptedServices services;
    core::Book book{services};
};
