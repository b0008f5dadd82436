#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "billpane/InvTemplate.h"
#include "core/TemplateRecord.h"
#include "datafile/TemplateBlock.h"
#include "documents/ScrnObjForm.h"
#include "documents/TextForm.h"
#include "platform/ScriptedServices.h"
#include "runtime/AtomicFile.h"
#include "support/DocumentObject.h"
#include "support/TempFolder.h"

using Lines = std::vector<std::string>;

// Scripted services that act at each yield to the message loop as a test says.
class ViewerServices : public platform::ScriptedServices {
public:
    void doEvents() override
    {
        ScriptedServices::doEvents();
        if (atYield)
            atYield(doEventsCalls());
    }

    // Runs at each yield, told how many yields there have been.
    std::function<void(int)> atYield;
};

// The document viewer started in a folder of its own over the headless services: the screen has
// Arial and Courier New, the printer (A4) Arial, Courier New and Times New Roman. Every character
// measures 10 twips per point.
class DocumentViewerTest : public testing::Test {
protected:
    DocumentViewerTest() { services.setScreenFonts({"Arial", "Courier New"}); }

    // Margins 360; 0 the title "Quote" centred in Arial 12 bold over 1000 to 3000 (600 twips of
    // text), 1 a right-aligned boxed amount over 6000 to 8000, 2 a two-line address, 3 a hidden note,
    // 4 a text in Times New Roman, which the screen lacks, 5 a centred line of 4000 twips over 1000
    // to 3000; the rest empty.
    static core::TemplateRecord HandedOverDocument()
    {
        core::TemplateRecord document;
        document.Name = "Invoice 000123";
        document.TopMargin = 360;
        document.SideMargin = 360;
        document.Objects[0] = DocumentObject("Quote", 1000, 720, 'C', 2000);
        document.Objects[0].FontSize = "12";
        document.Objects[0].Bold = 'Y';
        document.Objects[1] = DocumentObject("1,234.50", 6000, 1440, 'R', 2000);
        document.Objects[1].Boxed = 'Y';
        document.Objects[2] = DocumentObject("1 High Street\r\nLeeds", 720, 2000);
        document.Objects[3] = DocumentObject("Internal note", 720, 4000);
        document.Objects[3].Visible = ' ';
        document.Objects[4] = DocumentObject("Thank you", 720, 5000);
        document.Objects[4].FontName = "Times New Roman";
        document.Objects[5] = DocumentObject("Please pay within thirty days, thank you", 1000, 6000, 'C', 2000);
        return document;
    }

    void writeDocument(const std::string& name, const core::TemplateRecord& document) const
    {
        runtime::AtomicFile file(folder / name);
        datafile::WriteTemplateBlock(file.writer(), document);
        file.commit();
    }

    // Starts the viewer as the main program does, in the test's folder.
    billpane::InvTemplate& start()
    {
        window = std::make_unique<billpane::InvTemplate>(services, folder.path());
        window->Show();
        return *window;
    }

    billpane::InvTemplate& startOnHandedOverDocument()
    {
        writeDocument(billpane::HandOverFile, HandedOverDocument());
        return start();
    }

    void onObjectDialog(std::function<void(documents::ScrnObjForm&)> act)
    {
        services.onModal<documents::ScrnObjForm>("ScrnObjForm", std::move(act));
    }
    void onTextDialog(std::function<void(documents::TextForm&)> act)
    {
        services.onModal<documents::TextForm>("TextForm", std::move(act));
    }

    const platform::RecordedPage& onlyPage()
    {
        const auto& documents = services.recordingPrinter().documents();
        EXPECT_EQ(documents.size(), 1u);
        EXPECT_EQ(documents.at(0).pages.size(), 1u);
        return documents.at(0).pages.at(0);
    }

    TempFolder folder;
    ViewerServices services;
    std::unique_ptr<billpane::InvTemplate> window;
};
