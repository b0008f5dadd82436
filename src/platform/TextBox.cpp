#include "platform/TextBox.h"

#include <algorithm>

#include "platform/TextEditing.h"

namespace platform {

namespace {

int length(const std::string& text)
{
    return static_cast<int>(text.size());
}

} // namespace

const std::string& TextBox::Text() const { touch(); return state_.text; }

void TextBox::setText(const std::string& text)
{
    touch();
    storeText(text, 0);
}

void TextBox::storeText(std::string text, int caret)
{
    const bool differs = text != state_.text;
    state_.text = std::move(text);
    state_.selStart = std::clamp(caret, 0, length(state_.text));
    state_.selLength = 0;
    if (!differs)
        return;
    changed("Text");
    fire(Change);
}

int TextBox::SelStart() const { touch(); return state_.selStart; }

void TextBox::setSelStart(int start)
{
    touch();
    state_.selStart = std::clamp(start, 0, length(state_.text));
    state_.selLength = 0;
    changed("SelStart");
}

int TextBox::SelLength() const { touch(); return state_.selLength; }

void TextBox::setSelLength(int selLength)
{
    touch();
    state_.selLength = std::clamp(selLength, 0, length(state_.text) - state_.selStart);
    changed("SelLength");
}

std::string TextBox::SelText() const
{
    touch();
    return state_.text.substr(static_cast<std::size_t>(state_.selStart), static_cast<std::size_t>(state_.selLength));
}

void TextBox::setSelText(const std::string& text)
{
    touch();
    std::string edited = state_.text;
    edited.replace(static_cast<std::size_t>(state_.selStart), static_cast<std::size_t>(state_.selLength), text);
    storeText(std::move(edited), state_.selStart + length(text));
}

int TextBox::MaxLength() const { touch(); return state_.maxLength; }
void TextBox::setMaxLength(int maxLength) { assign(state_.maxLength, maxLength, "MaxLength"); }
bool TextBox::Locked() const { touch(); return state_.locked; }
void TextBox::setLocked(bool on) { assign(state_.locked, on, "Locked"); }
bool TextBox::MultiLine() const { touch(); return state_.multiLine; }
void TextBox::setMultiLine(bool on) { assign(state_.multiLine, on, "MultiLine"); }
int TextBox::Alignment() const { touch(); return state_.alignment; }
void TextBox::setAlignment(int alignment) { assign(state_.alignment, alignment, "Alignment"); }

void TextBox::userSetText(const std::string& text)
{
    if (!userCanAct() || state_.locked)
        return;
    storeText(text, length(text));
}

bool TextBox::wantsEnter() const
{
    return state_.multiLine;
}

void TextBox::typeCharacter(int keyAscii)
{
    if (!userCanAct() || state_.locked)
        return;
    if (auto edit = typeInto(state_.text, state_.selStart, state_.selLength, keyAscii, state_.multiLine, state_.maxLength))
        storeText(std::move(edit->text), edit->caret);
}

void TextBox::keepDesign()
{
    Control::keepDesign();
    design_ = state_;
}

void TextBox::restoreDesign()
{
    Control::restoreDesign();
    state_ = design_;
}

} // namespace platform
