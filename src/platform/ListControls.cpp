#include "platform/ListControls.h"

#include <algorithm>

#include "platform/TextEditing.h"
#include "runtime/Error.h"

namespace platform {

namespace {

[[noreturn]] void invalidValue()
{
    throw runtime::Error(380, "Invalid property value");
}

} // namespace

// ---- ListControl ----

ListControl::ListControl(Parent parent, std::string name, int index) : Control(parent, std::move(name), index)
{
    model_->addObserver(*this);
}

ListControl::~ListControl()
{
    model_->removeObserver(*this);
}

void ListControl::setModel(ListModel& model)
{
    if (&model == model_)
        return;
    touch();
    model_->removeObserver(*this);
    model_ = &model;
    model_->addObserver(*this);
    listIndex_ = -1;
    newIndex_ = -1;
    topIndex_ = 0;
    selected_.assign(static_cast<std::size_t>(model_->ListCount()), false);
    changed("List");
}

int ListControl::ListIndex() const { touch(); return listIndex_; }

void ListControl::moveIndex(int index)
{
    if (listIndex_ == index)
        return;
    listIndex_ = index;
    changed("ListIndex");
}

void ListControl::setListIndex(int index)
{
    touch();
    if (index < -1 || index >= model_->ListCount())
        invalidValue();
    if (index == listIndex_)
        return;
    moveIndex(index);
    chosen();
    fire(Click);
}

int ListControl::ListCount() const { touch(); return model_->ListCount(); }
std::string ListControl::List(int index) const { touch(); return model_->List(index); }
void ListControl::setList(int index, const std::string& text) { touch(); model_->setList(index, text); }
long ListControl::ItemData(int index) const { touch(); return model_->ItemData(index); }
void ListControl::setItemData(int index, long data) { touch(); model_->setItemData(index, data); }

int ListControl::AddItem(const std::string& text, int index)
{
    touch();
    newIndex_ = model_->AddItem(text, index);
    return newIndex_;
}

void ListControl::RemoveItem(int index) { touch(); model_->RemoveItem(index); }
void ListControl::Clear() { touch(); model_->Clear(); }
int ListControl::NewIndex() const { touch(); return newIndex_; }
bool ListControl::Sorted() const { touch(); return model_->Sorted(); }
void ListControl::setSorted(bool sorted) { touch(); model_->setSorted(sorted); }
int ListControl::TopIndex() const { touch(); return topIndex_; }

void ListControl::setTopIndex(int index)
{
    touch();
    if (index < 0 || (index > 0 && index >= model_->ListCount()))
        invalidValue();
    assign(topIndex_, index, "TopIndex");
}

void ListControl::userSelect(int index)
{
    if (userCanAct())
        setListIndex(index);
}

void ListControl::itemInserted(int index)
{
    selected_.insert(selected_.begin() + index, false);
    if (listIndex_ >= index)
        ++listIndex_;
    if (newIndex_ >= index)
        ++newIndex_;
    changed("List");
}

void ListControl::itemRemoved(int index)
{
    selected_.erase(selected_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    if (newIndex_ == index)
        newIndex_ = -1;
    else if (newIndex_ > index)
        --newIndex_;
    topIndex_ = std::min(topIndex_, std::max(0, model_->ListCount() - 1));
    changed("List");
}

void ListControl::itemChanged(int /*index*/)
{
    changed("List");
}

void ListControl::cleared()
{
    selected_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    topIndex_ = 0;
    changed("List");
}

void ListControl::reordered()
{
    selected_.assign(selected_.size(), false);
    listIndex_ = -1;
    changed("List");
}

void ListControl::modelDestroyed()
{
    model_ = &ownModel_;
    ownModel_.addObserver(*this);
    ownModel_.Clear();
}

void ListControl::keepDesign()
{
    Control::keepDesign();
    designItems_.clear();
    if (model_ == &ownModel_)
        for (int i = 0; i < ownModel_.ListCount(); ++i)
            designItems_.push_back(ownModel_.List(i));
    designSorted_ = model_->Sorted();
}

void ListControl::restoreDesign()
{
    Control::restoreDesign();
    if (model_ == &ownModel_) {
        ownModel_.Clear();
        ownModel_.setSorted(designSorted_);
        for (const std::string& item : designItems_)
            ownModel_.AddItem(item);
    }
    listIndex_ = -1;
    newIndex_ = -1;
    topIndex_ = 0;
    selected_.assign(static_cast<std::size_t>(model_->ListCount()), false);
}

// ---- ListBox ----

std::string ListBox::Text() const
{
    return List(ListIndex());
}

int ListBox::MultiSelect() const { touch(); return multiSelect_; }
void ListBox::setMultiSelect(int mode) { assign(multiSelect_, mode, "MultiSelect"); }

bool ListBox::Selected(int index) const
{
    touch();
    if (index < 0 || index >= static_cast<int>(selected_.size()))
        throw runtime::Error(381, "Invalid property array index");
    if (multiSelect_ == 0)
        return index == ListIndex();
    return selected_[static_cast<std::size_t>(index)];
}

void ListBox::setSelected(int index, bool on)
{
    touch();
    if (index < 0 || index >= static_cast<int>(selected_.size()))
        throw runtime::Error(381, "Invalid property array index");
    if (multiSelect_ == 0) {
        if (on)
            setListIndex(index);
        else if (index == ListIndex())
            setListIndex(-1);
        return;
    }
    auto mark = selected_.begin() + index;
    if (*mark == on)
        return;
    *mark = on;
    moveIndex(index);
    changed("Selected");
    fire(Click);
}

int ListBox::SelCount() const
{
    touch();
    if (multiSelect_ == 0)
        return ListIndex() >= 0 ? 1 : 0;
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ListBox::userSetSelected(int index, bool on)
{
    if (userCanAct())
        setSelected(index, on);
}

void ListBox::keepDesign()
{
    ListControl::keepDesign();
    designMultiSelect_ = multiSelect_;
}

void ListBox::restoreDesign()
{
    ListControl::restoreDesign();
    multiSelect_ = designMultiSelect_;
}

// ---- ComboBox ----

const std::string& ComboBox::Text() const { touch(); return state_.text; }

void ComboBox::storeText(const std::string& text)
{
    if (text == state_.text)
        return;
    state_.text = text;
    changed("Text");
    fire(Change);
}

void ComboBox::setText(const std::string& text)
{
    touch();
    if (state_.style == 2) {
        for (int i = 0; i < ListCount(); ++i)
            if (compareListText(List(i), text) == 0) {
                setListIndex(i);
                return;
            }
        throw runtime::Error(383, "'Text' property is read-only");
    }
    if (ListIndex() >= 0 && List(ListIndex()) != text)
        moveIndex(-1);
    state_.selStart = 0;
    state_.selLength = 0;
    storeText(text);
}

int ComboBox::Style() const { touch(); return state_.style; }
void ComboBox::setStyle(int style) { assign(state_.style, style, "Style"); }
int ComboBox::SelStart() const { touch(); return state_.selStart; }

void ComboBox::setSelStart(int start)
{
    touch();
    state_.selStart = std::clamp(start, 0, static_cast<int>(state_.text.size()));
    state_.selLength = 0;
    changed("SelStart");
}

int ComboBox::SelLength() const { touch(); return state_.selLength; }

void ComboBox::setSelLength(int length)
{
    touch();
    state_.selLength = std::clamp(length, 0, static_cast<int>(state_.text.size()) - state_.selStart);
    changed("SelLength");
}

void ComboBox::userSetText(const std::string& text)
{
    if (!userCanAct() || state_.style == 2)
        return;
    if (ListIndex() >= 0 && List(ListIndex()) != text)
        moveIndex(-1);
    state_.selStart = static_cast<int>(text.size());
    state_.selLength = 0;
    storeText(text);
}

void ComboBox::typeCharacter(int keyAscii)
{
    if (!userCanAct() || state_.style == 2)
        return;
    if (auto edit = typeInto(state_.text, state_.selStart, state_.selLength, keyAscii, false, 0)) {
        userSetText(edit->text);
        state_.selStart = edit->caret;
    }
}

void ComboBox::chosen()
{
    // Choosing an item shows it in the edit part; that is a Click, not a Change.
    const std::string text = List(ListIndex());
    if (text == state_.text)
        return;
    state_.text = text;
    state_.selStart = 0;
    state_.selLength = 0;
    changed("Text");
}

void ComboBox::focusArrived()
{
    if (state_.style == 2)
        return;
    state_.selStart = 0;
    state_.selLength = static_cast<int>(state_.text.size());
    changed("SelLength");
}

void ComboBox::keepDesign()
{
    ListControl::keepDesign();
    design_ = state_;
}

void ComboBox::restoreDesign()
{
    ListControl::restoreDesign();
    state_ = design_;
}

} // namespace platform
