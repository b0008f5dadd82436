#include "mainwindow/dialogs/Start.h"

#include "core/Book.h"
#include "core/TextTests.h"
#include "mainwindow/dialogs/StartHost.h"

namespace mainwindow {

namespace {

// The platform's help calls, as it numbers them.
constexpr int HelpContext = 1;
constexpr int HelpContents = 3;
constexpr long NewCompanyTopic = 47;
constexpr long VatTopic = 120;
constexpr long BankAccountTopic = 60;
constexpr const char* HelpFile = "QBMAIN.HLP";

constexpr const char* NewCompanyCaption = "Create a New Company";
constexpr const char* Hints[] = {
    "Opens a dialog so you can create a New Company",
    "Locate your Quillbook Data (QBD) File or Restore a Backup File from disk",
    "Open the Quillbook Help File at the Contents page",
};

constexpr long LogoGreen = 0x406000;
constexpr long White = 0xFFFFFF;

} // namespace

Start::Start(core::Book& book, StartHost& host) : Form(book.services(), "Start"), book_(book), host_(host)
{
    setCaption("Quillbook Smart Start");
    Move(0, 0, 7200, 5400);

    Picture1.Move(240, 240, 1095, 1095);
    Picture1.setToolTipText("Quillbook Logo");
    Picture1.setFontName("Arial");
    Picture1.setFontSize(24);
    Picture1.setFontBold(true);
    Picture1.setForeColor(White);
    Label1.Move(1560, 240, 5400, 480);
    Label1.setCaption("Quillbook Smart Start");
    Label1.setFontSize(18);
    Label1.setFontBold(true);
    Label2.Move(1560, 780, 5400, 480);
    Label2.setCaption("Welcome to Quillbook - Powerful, Simple, Easy to use, Accounting Software.");

    Frame.Move(240, 1560, 6600, 1500);
    Frame.setCaption("&What would you like to do?");
    const char* captions[][2] = {
        {"Create a New Set of &Accounts...", ""},
        {"&Open a Quillbook data file...", "Open the Dialog to locate your QB Data (QBD) File or Restore a Backup"},
        {"Open the &Quillbook Help file", "Display the Quillbook Help File"},
    };
    for (platform::OptionButton& option : Options.elements()) {
        const int index = option.Index();
        option.Move(240, 300 + 360 * index, 6000, 300);
        option.setCaption(captions[index][0]);
        option.setToolTipText(captions[index][1]);
        option.setTabIndex(index);
        option.GotFocus = [this, index] { Options_GotFocus(index); };
        option.LostFocus = [this] { lblHints.setCaption(""); };
    }
    Options[0].setValue(true);

    lblHints.Move(240, 3180, 6600, 495);
    lblHints.setCaption("Hints");
    Label3.Move(240, 4200, 2400, 255);
    Label3.setCaption("Press F1 for Help");

    struct ButtonDesign {
        platform::CommandButton& button;
        const char* caption;
        const char* tip;
    };
    const ButtonDesign buttons[] = {
        {btnNext, "&Next >>", "Carry out the selected option"},
        {btnCancel, "&Cancel", "Close this window"},
        {btnHelp, "&Help", "Display the Help File"},
    };
    double left = 2760;
    int tabIndex = 3;
    for (const ButtonDesign& design : buttons) {
        design.button.Move(left, 4080, 1215, 375);
        design.button.setCaption(design.caption);
        design.button.setToolTipText(design.tip);
        design.button.setTabIndex(tabIndex++);
        left += 1365;
    }
    btnNext.setDefault(true);
    btnCancel.setCancel(true);

    btnNext.Click = [this] { btnNext_Click(); };
    btnCancel.Click = [this] { Unload(); };
    btnHelp.Click = [this] { btnHelp_Click(); };
    endDesign();
}

void Start::Form_Load()
{
    setLeft((services().screenWidth() - Width()) / 2);
    setTop((services().screenHeight() - Height()) / 2);
    DrawLogo();
}

void Start::DrawLogo()
{
    Picture1.line(0, 0, Picture1.ScaleWidth(), Picture1.ScaleHeight(), LogoGreen, platform::LineForm::FilledBox);
    const std::string mark = "QB";
    Picture1.setCurrentX((Picture1.ScaleWidth() - Picture1.TextWidth(mark)) / 2);
    Picture1.setCurrentY((Picture1.ScaleHeight() - Picture1.TextHeight(mark)) / 2);
    Picture1.print(mark);
}

void Start::Options_GotFocus(int index)
{
    Options[0].setCaption(NewCompanyCaption);
    lblHints.setCaption(Hints[index]);
}

void Start::btnNext_Click()
{
    if (Options[0].Value()) {
        CreateNewCompany();
    } else if (Options[1].Value()) {
        if (host_.OpenDataFile())
            Unload();
    } else if (Options[2].Value()) {
        services().showHelp(HelpContents, 0);
    }
}

void Start::btnHelp_Click()
{
    services().showHelp(HelpContext, NewCompanyTopic);
}

void Start::CreateNewCompany()
{
    core::CompanyDetails& company = book_.company;
    company.CompanyName = "";
    host_.CreateCompany();
    if (core::IsBlank(company.CompanyName.view())) {
        platform::MessageBox exit;
        exit.text = "Exit Quillbook Smart Start?";
        exit.title = "Smart Start";
        exit.buttons = platform::Buttons::YesNo;
        exit.icon = platform::Icon::Question;
        exit.defaultButton = 2;
        if (services().messageBox(exit) == platform::Answer::Yes)
            Unload();
        return;
    }

    platform::MessageBox vat;
    vat.text = "Are you Registered For VAT (Tax)?\n\nPressing the Help button below will give \nyou further "
               "information on VAT (Tax).";
    vat.title = "VAT (Tax) Registration";
    vat.buttons = platform::Buttons::YesNo;
    vat.icon = platform::Icon::Question;
    vat.helpFile = HelpFile;
    vat.helpContext = VatTopic;
    if (services().messageBox(vat) == platform::Answer::Yes)
        host_.EditVatCodes();

    platform::MessageBox bank;
    bank.text = "The Bank Account Dialog will now open. If you have\nthem, please have your bank statements to "
                "hand.\n\nNotes on using the Bank Account Dialog:\nPress 'New' and enter your Bank Account "
                "details.\nPress 'Update' to save your Account information.\n\nPressing the Help button below "
                "will show you a step\nby step demonstration of adding a Bank Account.";
    bank.title = "Enter Bank Account Details";
    bank.icon = platform::Icon::Information;
    bank.helpFile = HelpFile;
    bank.helpContext = BankAccountTopic;
    services().messageBox(bank);
    host_.EditBankAccounts();
    Unload();
}

} // namespace mainwindow
