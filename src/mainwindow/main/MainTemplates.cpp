#include "mainwindow/main/Main.h"

namespace mainwindow {

void Main::wireTemplates()
{
    const auto edit = [this](int n) { return [this, n] { templateDesigner.EditStoredTemplate(n); }; };
    ItemSimpleInvoice.Click = edit(core::SimpleInvoice);
    ItemMultiInvoice.Click = edit(core::MultiLineInvoice);
    ItemRemittanceTemp.Click = edit(core::RemittanceAdvice);
    ItemMailTemp.Click = edit(core::MailMergeLetter);
}

} // namespace mainwindow
