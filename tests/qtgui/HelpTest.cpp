#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <string_view>

#include "QtTestApplication.h"
#include "qtgui/HelpTopics.h"
#include "qtgui/HelpWindow.h"
#include "qtgui/help/HelpPages.h"

namespace {

TEST(Help, CommandsAndTopicsOpenTheirPages)
{
    const struct {
        int command;
        long topic;
        const char* source;
        bool search;
        bool close;
    } cases[] = {
        {1, 1, "contents.html", false, false},
        {1, 47, "start.html#new-company", false, false},
        {1, 60, "start.html#bank-accounts", false, false},
        {1, 120, "start.html#vat", false, false},
        {1, 9999, "contents.html", false, false},
        {3, 0, "contents.html", false, false},
        {0x105, 0, "contents.html", true, false},
        {4, 0, "usinghelp.html", false, false},
        {2, 0, "", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command * 10000 + c.topic);
        const qtgui::HelpRequest request = qtgui::helpRequestFor(c.command, c.topic);
        EXPECT_EQ(request.source, QString::fromLatin1(c.source));
        EXPECT_EQ(request.search, c.search);
        EXPECT_EQ(request.close, c.close);
    }
}

// Every link and every topic leads to a page that exists, to an anchor that page has.
TEST(Help, NoLinkOrTopicIsBroken)
{
    const auto expectTarget = [](const QString& source) {
        SCOPED_TRACE(source.toStdString());
        const QString page = source.section(u'#', 0, 0);
        const QString anchor = source.section(u'#', 1);
        const QString html = qtgui::helpPageHtml(page);
        ASSERT_FALSE(html.isEmpty());
        if (!anchor.isEmpty()) {
            EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)));
        }
    };
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& name : qtgui::helpPageNames()) {
        auto links = link.globalMatch(qtgui::helpPageHtml(name));
        while (links.hasNext())
            expectTarget(links.next().captured(1));
    }
    for (const long topic : {1L, 47L, 60L, 120L})
        expectTarget(qtgui::helpRequestFor(1, topic).source);
    expectTarget(qtgui::helpRequestFor(4, 0).source);
}

TEST(Help, SearchFindsTheNextPageHoldingTheWords)
{
    qtTestApplication();
    EXPECT_EQ(qtgui::nextPageContaining(QStringLiteral("reconciliation"), QStringLiteral("contents.html")),
              "transactions.html");
    EXPECT_EQ(qtgui::nextPageContaining(QStringLiteral("BANK STATEMENTS"), QStringLiteral("contents.html")),
              "start.html");
    // Words in a tag's name are not text.
    EXPECT_EQ(qtgui::nextPageContaining(QStringLiteral("href"), QStringLiteral("contents.html")), "");
    EXPECT_EQ(qtgui::nextPageContaining(QStringLiteral("   "), QStringLiteral("contents.html")), "");
    // Past the last page the search wraps round.
    const QString last = qtgui::helpPageNames().back();
    EXPECT_EQ(qtgui::nextPageContaining(QStringLiteral("Quillbook Help"), last), "contents.html");
}

TEST(Help, TheWindowOpensAtTheTopicsAnchor)
{
    qtTestApplication();
    qtgui::HelpWindow window;
    window.open(qtgui::helpRequestFor(1, 120));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentSource(), "start.html#vat");
    const auto* browser = window.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("VAT (tax) codes")));
}

// The pages tell what the program does: a row loads on double-click, and All Off changes the
// dialog only until Filter is pressed.
TEST(Help, PagesDescribeWhatTheProgramDoes)
{
    const struct {
        const char* page;
        const char* says;
        const char* mustNotSay;
    } cases[] = {
        {"transactions.html", "Double-click a row of the grid", "Click a row of the grid to load"},
        {"filters.html", "changes only when you then press\n<b>Filter</b>", "so that every transaction is listed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        const qtgui::help::Page* page = nullptr;
        for (const qtgui::help::Page& p : qtgui::help::pages)
            if (std::string_view(p.name) == c.page)
                page = &p;
        ASSERT_NE(page, nullptr);
        const std::string_view html(page->html);
        EXPECT_NE(html.find(c.says), std::string_view::npos);
        EXPECT_EQ(html.find(c.mustNotSay), std::string_view::npos);
    }
}

} // namespace

TEST(Help, EscapeInTheWindowClosesIt)
{
    qtTestApplication();
    qtgui::HelpWindow window;
    window.open(qtgui::helpRequestFor(3, 0));
    ASSERT_TRUE(window.isVisible());
    // From the page, where the focus is when the window opens: the page passes Escape on.
    QWidget* page = window.findChild<QTextBrowser*>();
    ASSERT_NE(page, nullptr);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(page, &escape);
    EXPECT_FALSE(window.isVisible());
}
