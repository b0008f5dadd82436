#include <exception>

#include "billpane/InvTemplate.h"
#include "core/BusyPointer.h"
#include "documents/TemplateFile.h"
#include "runtime/Error.h"

namespace billpane {

std::string InvTemplate::SetUpDocumentDialog(int mode)
{
    CMDialog.filter = "QB Invoice (*.INV)|*.INV|QB Remit (*.REM)|*.REM|QB Letter (*.LET)|*.LET|Text (*.TXT)|*.TXT|All Files (*.*)|*.*";
    CMDialog.cancelError = true;
    CMDialog.defaultExt = "INV";
    CMDialog.flags = 2;
    if (mode == LoadMode) {
        CMDialog.title = "Quillbook : Load...";
        CMDialog.kind = platform::FileDialog::Kind::Open;
    } else if (mode == SaveMode) {
        CMDialog.title = "Quillbook : Save As...";
        CMDialog.kind = platform::FileDialog::Kind::Save;
    } else {
        return {};
    }
    return services().fileDialog(CMDialog);
}

bool InvTemplate::LoadOrSaveDocument(int mode)
{
    try {
        const std::string fileName = SetUpDocumentDialog(mode);
        const core::BusyPointer busy(services());
        if (mode == LoadMode) {
            if (!documents::LoadTemplateFile(fileName, Document, setup().ShowError))
                return false;
            ScrollFrame.setVisible(false);
            BuildDocumentScreen();
            ScrollFrame.setVisible(true);
            return true;
        }
        return mode == SaveMode && documents::SaveTemplateFile(fileName, Document, setup().ShowError);
    } catch (const std::exception& error) {
        const auto* raised = dynamic_cast<const runtime::Error*>(&error);
        if (raised && raised->number() == runtime::DialogCancelled)
            return false;
        ShowErrorBox(std::string(mode == LoadMode ? "Error while attempting to load template : "
                                                  : "Error while attempting to save template : ") +
                     error.what());
    }
    return false;
}

} // namespace billpane
