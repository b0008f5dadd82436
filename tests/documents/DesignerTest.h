#pragma once

#include <functional>
#include <string>
#include <utility>

#include "DocumentTest.h"
#include "documents/InvTemplate.h"
#include "documents/ScrnObjForm.h"
#include "documents/TextForm.h"

// The template designer over the documents' book, with stored template 1 made of: 0 "Smith & Sons"
// (Arial 12, left), 1 the gross amount's tag (right, boxed), 2 a hidden note, 3 a second line
// under 0, 4 a font the screen lacks, and 5 an empty, hidden, left-aligned object; margins 360
// top and side.
class DesignerTest : public DocumentTest {
protected:
    DesignerTest() { book.Templates[core::SimpleInvoice] = designedTemplate(); }

    static core::TemplateRecord designedTemplate()
    {
        core::TemplateRecord tmpl;
        tmpl.Name = "Designed";
        tmpl.TopMargin = 360;
        tmpl.SideMargin = 360;
        tmpl.Objects[0] = object("Smith & Sons", 720, 720);
        tmpl.Objects[0].FontSize = "12";
        tmpl.Objects[1] = object("~TG", 6000, 1440, 'R', 1300);
        tmpl.Objects[1].Boxed = 'Y';
        tmpl.Objects[2] = object("Internal note", 720, 4000);
        tmpl.Objects[2].Visible = ' ';
        tmpl.Objects[3] = object("Second line", 720, 1080);
        tmpl.Objects[4] = object("Odd font", 720, 2000);
        tmpl.Objects[4].FontName = "Wingdings";
        tmpl.Objects[5].Alignment = 'L';
        tmpl.Objects[5].Left = 3000;
        tmpl.Objects[5].Top = 5000;
        return tmpl;
    }

    // Opens stored template n through the designer's one entry and acts on the window while it
    // shows, as the user would.
    void edit(int n, std::function<void(documents::InvTemplate&)> act)
    {
        services.onModal<documents::InvTemplate>("InvTemplate", std::move(act));
        designer.EditStoredTemplate(n);
    }
    // The next properties dialog (and text dialog) run these scripts.
    void onObjectDialog(std::function<void(documents::ScrnObjForm&)> act)
    {
        services.onModal<documents::ScrnObjForm>("ScrnObjForm", std::move(act));
    }
    void onTextDialog(std::function<void(documents::TextForm&)> act)
    {
        services.onModal<documents::TextForm>("TextForm", std::move(act));
    }
    static int indexOf(const platform::ListControl& list, const std::string& item)
    {
        for (int i = 0; i < list.ListCount(); ++i)
            if (list.List(i) == item)
                return i;
        ADD_FAILURE() << "no item " << item;
        return -1;
    }

    documents::InvTemplate designer{desk};
};
