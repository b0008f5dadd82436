#pragma once

// The pages of the program's help, shown by the help window. Links between pages are page names,
// optionally with an anchor ("start.html#vat").
namespace qtgui::help {

struct Page {
    const char* name;
    const char* html;
};

inline constexpr Page pages[] = {
{"contents.html", R"(<html><body>
<h1>Quillbook Help</h1>
<p>Quillbook keeps the books of a small business: its payments and receipts, its invoices and bills,
its bank accounts and its VAT.</p>
<ul>
<li><a href="start.html">Getting started</a>
  <ul>
  <li><a href="start.html#new-company">Creating a company</a></li>
  <li><a href="start.html#vat">VAT (tax) codes</a></li>
  <li><a href="start.html#bank-accounts">Bank accounts</a></li>
  </ul></li>
<li><a href="transactions.html">Entering transactions</a></li>
<li><a href="filters.html">Filters</a></li>
<li><a href="reports.html">Reports</a></li>
<li><a href="usinghelp.html">Using help</a></li>
</ul>
</body></html>)"},

{"start.html", R"(<html><body>
<h1>Getting started</h1>
<p>All the records of one business, its <i>company</i>, live in one data file (ending in .QBD). The
program reopens the company you used last. When there is none, the Smart Start window offers to create
a new company, to open an existing data file, or to show this help.</p>
<h2><a name="new-company">Creating a company</a></h2>
<p>Choose <b>New</b> from the File menu (or the first choice of Smart Start), give the company's name
and details, and choose where its data file is to be kept. Smart Start then asks whether you are
registered for VAT and opens the bank account window so that you can enter your first account.</p>
<h2><a name="vat">VAT (tax) codes</a></h2>
<p>Each transaction carries a VAT code, and each VAT code has a rate. If your business is registered
for VAT, set up a code for every rate you use in the code maintenance window, on its VAT page. If it is
not, one code with the rate 0 is enough.</p>
<h2><a name="bank-accounts">Bank accounts</a></h2>
<p>Every payment and receipt goes through a bank account (a cash box counts as one). In the code
maintenance window, on its bank account page, press <b>New</b>, enter the account's code, name and
details and its balance on the day it was opened, then press <b>Update</b> to save it. Have your bank
statements to hand: the start balance should be the one they show.</p>
<p>Customers, suppliers and categories are kept in the same window, each on its own page.</p>
<p><a href="contents.html">Contents</a></p>
</body></html>)"},

{"transactions.html", R"(<html><body>
<h1>Entering transactions</h1>
<p>The grid of the main window lists the transactions of the current filter; the edit box above it
shows one transaction.</p>
<h2>A new transaction</h2>
<p>Choose its kind: a <b>payment</b>, a <b>receipt</b>, a <b>transfer</b> between two of your bank
accounts, an <b>invoice</b> you send or a <b>bill</b> you receive. Fill in the date, reference, bank
account, customer or supplier, VAT code, category, memo and amount, then press <b>Update</b>. The
amount includes VAT; type it with a trailing N to enter it net of VAT.</p>
<h2>Changing or deleting</h2>
<p>Double-click a row of the grid (or click it and choose <b>Edit Selected Transaction</b> from
the Transactions menu) to load that transaction into the edit box; a single click only selects the
row. Change the transaction and press <b>Update</b>, or press <b>Delete</b>
to delete it. Deleted transactions are removed for good when the
database is packed (Options menu).</p>
<h2>Invoices and bills</h2>
<p>An invoice or a bill stays unpaid until it is paid. <b>Pay</b> creates the receipt or payment that
settles the invoice or bill in the edit box.</p>
<h2>Splits, standing orders and reconciliation</h2>
<p>A transaction can be split across several VAT codes and categories. Standing orders enter regular
transactions for you, and the reconciliation window lets you tick off transactions against a bank
statement.</p>
<p>If Auto Save is ticked in the Options menu, the data file is saved after every change; otherwise
use <b>Save</b> in the File menu.</p>
<p><a href="contents.html">Contents</a></p>
</body></html>)"},

{"filters.html", R"(<html><body>
<h1>Filters</h1>
<p>A filter chooses which transactions the grid lists, and which the printed list and the list
reports take. Choose <b>By All Criteria</b> from the Filter menu to see every criterion, or double-click
a column heading of the grid to set that column's criterion alone.</p>
<h2>Criteria</h2>
<p>Each criterion is switched on or off; a frame whose caption is green is on. A transaction is
listed when it passes every criterion that is on: a date range, a reference, the transaction types,
a bank account, a customer or supplier, a VAT code, a category, words in the memo, an amount
compared with a figure, and whether it is reconciled. <b>All Off</b> switches every criterion of
the window off and ticks every transaction type; the grid's list changes only when you then press
<b>Filter</b>, and <b>Cancel</b> leaves the filter in use as it was.</p>
<h2>Named filters</h2>
<p>Give the criteria a name and press <b>Save</b> to keep them with the company. A saved filter is
chosen again from the list in the filter window, or from the filter list under the buttons of the
main window. <b>Delete</b> removes the chosen one. The names (CURRENT), (PREVIOUS) and (CUSTOMISED)
are kept by the program for the filter in use, the one before it and criteria changed since a
filter was chosen.</p>
<p><b>Explain Filter</b> on the Filter menu says in words what the current filter lists.</p>
<p><a href="contents.html">Contents</a></p>
</body></html>)"},

{"reports.html", R"(<html><body>
<h1>Reports</h1>
<p>Choose a report from the Reports menu, set its dates, accounts and other choices in the report
window, and press <b>Report</b>. A filter set-up can fill in those choices for you.</p>
<p>Text reports are shown in the report viewer, or in the desktop's text viewer if you chose
Notepad or Write in the Options menu. From the report viewer they can be printed, saved and
exported. Printed lists go straight to the printer; the font they use is chosen with <b>Fonts</b> at
the end of the Reports menu.</p>
<p>The reports include the current filtered list, category analysis, bank activity, aged debtors and
creditors, customer statements, income and expenditure, the VAT report and the final accounts.</p>
<p><a href="contents.html">Contents</a></p>
</body></html>)"},

{"usinghelp.html", R"(<html><body>
<h1>Using help</h1>
<p>Click an underlined link to go to that page. <b>Back</b> and <b>Forward</b> retrace your steps, and
<b>Contents</b> returns to the list of pages.</p>
<p>To search, type a word in the search box and press Enter: help shows the next page that contains
it, with the word highlighted. Press Enter again to find the next place.</p>
<p><a href="contents.html">Contents</a></p>
</body></html>)"},
};

} // namespace qtgui::help
