#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/Buttons.h"
#include "platform/Containers.h"
#include "platform/Form.h"
#include "platform/Menu.h"

// The access keys of a window, as the screen acts on them: "&" marks the letter after it ("&&" is a
// plain "&"). Buttons, check boxes, option buttons, frames and menu items take their key; a label
// shows its "&" as text.

// The marked letter of a caption, upper-cased; 0 when it marks none.
inline char AccessKeyOf(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

// The caption of a control that can carry an access key; null for any other control.
inline const std::string* AccessKeyCaption(const platform::Control& control)
{
    if (const auto* menu = dynamic_cast<const platform::Menu*>(&control))
        return &menu->Caption();
    if (const auto* button = dynamic_cast<const platform::CommandButton*>(&control))
        return &button->Caption();
    if (const auto* box = dynamic_cast<const platform::CheckBox*>(&control))
        return &box->Caption();
    if (const auto* option = dynamic_cast<const platform::OptionButton*>(&control))
        return &option->Caption();
    if (const auto* frame = dynamic_cast<const platform::Frame*>(&control))
        return &frame->Caption();
    return nullptr;
}

// Each letter that leads to more than one target among the targets a user reaches together: the
// menu bar's top items with the form's controls, and the items of each menu among themselves. A
// hidden control, or one in a hidden frame or menu, is out of reach, so a window whose pages show
// by turns is checked in each of its states.
// One line per clash: "Form: Alt+P CmdNewPay '&Payment', CmdPrint '&Print'".
inline std::vector<std::string> AccessKeyClashes(const platform::Form& form)
{
    // Keyed by the menu the targets share (null: the menu bar and the form), then by the letter.
    std::map<const platform::Control*, std::map<char, std::vector<std::string>>> groups;
    for (const platform::Control* control : form.controls()) {
        const std::string* caption = AccessKeyCaption(*control);
        const char key = caption && control->isShown() ? AccessKeyOf(*caption) : 0;
        if (key == 0)
            continue;
        const bool menuItem = dynamic_cast<const platform::Menu*>(control) != nullptr;
        const platform::Control* group = menuItem ? control->Container() : nullptr;
        std::string name = control->Name();
        if (control->Index() >= 0)
            name += "(" + std::to_string(control->Index()) + ")";
        groups[group][key].push_back(name + " '" + *caption + "'");
    }
    std::vector<std::string> clashes;
    for (const auto& [group, keys] : groups) {
        for (const auto& [key, targets] : keys) {
            if (targets.size() < 2)
                continue;
            std::string line = form.Name() + (group ? " menu " + group->Name() : std::string()) + ": Alt+" + key;
            for (std::size_t i = 0; i < targets.size(); ++i)
                line += (i == 0 ? " " : ", ") + targets[i];
            clashes.push_back(line);
        }
    }
    return clashes;
}
