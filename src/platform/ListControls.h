#pragma once

#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/ListModel.h"

namespace platform {

// What list boxes and combo boxes share: the items, held in a ListModel that the control owns or
// shares (setModel), and the chosen item. Setting ListIndex to a new value fires Click, from code
// as from the user; -1 means nothing chosen. When the model changes under it, ListIndex follows its
// item (and becomes -1 when that item goes), without events.
class ListControl : public Control, private ListModel::Observer {
public:
    ListControl(Parent parent, std::string name, int index = -1);
    ~ListControl() override;

    // Shows another model (the company book's code table, say) instead of the control's own.
    void setModel(ListModel& model);
    ListModel& model() const { return *model_; }

    int ListIndex() const;
    // -1 .. ListCount()-1; anything else is error 380.
    void setListIndex(int index);
    int ListCount() const;
    std::string List(int index) const;
    void setList(int index, const std::string& text);
    long ItemData(int index) const;
    void setItemData(int index, long data);
    // Answers the index the item took, as the platform's NewIndex tells.
    int AddItem(const std::string& text, int index = -1);
    void RemoveItem(int index);
    void Clear();
    // The index of the last item added through this control; -1 when none.
    int NewIndex() const;
    bool Sorted() const;
    void setSorted(bool sorted);
    int TopIndex() const;
    void setTopIndex(int index);

    // The user chose an item (Click when it is a new choice).
    void userSelect(int index);

protected:
    // Called after the chosen item changed, before Click: a combo box takes its text.
    virtual void chosen() {}
    void keepDesign() override;
    void restoreDesign() override;
    // Sets ListIndex without events.
    void moveIndex(int index);

private:
    void itemInserted(int index) override;
    void itemRemoved(int index) override;
    void itemChanged(int index) override;
    void cleared() override;
    void reordered() override;
    // A shared model that goes first leaves the control showing its own, empty one.
    void modelDestroyed() override;

    ListModel ownModel_;
    ListModel* model_ = &ownModel_;
    int listIndex_ = -1;
    int newIndex_ = -1;
    int topIndex_ = 0;
    std::vector<std::string> designItems_;
    bool designSorted_ = false;

protected:
    // Multi-select marks, one per item, kept in step with the model.
    std::vector<bool> selected_;
};

// A list box. With MultiSelect (1 simple, 2 extended) each item has its own Selected mark; setting
// a mark to a new value fires Click. Text is the chosen item's text.
class ListBox : public ListControl {
public:
    using ListControl::ListControl;

    std::string Text() const;
    int MultiSelect() const;
    void setMultiSelect(int mode);
    bool Selected(int index) const;
    void setSelected(int index, bool on);
    int SelCount() const;
    // The user marked or unmarked an item of a multi-select list (Click when the mark changed).
    void userSetSelected(int index, bool on);

protected:
    void keepDesign() override;
    void restoreDesign() override;

private:
    int multiSelect_ = 0;
    int designMultiSelect_ = 0;
};

// A combo box. Style 0 (drop-down combo) and 1 (simple combo) have an edit part: Text can be set
// and typed, firing Change when it takes a new value, and a text that differs from the chosen item
// leaves nothing chosen. Style 2 (drop-down list) shows only its items: setting Text chooses the
// item of that text (letter case ignored) or is error 383. Choosing an item (by code or user)
// sets Text to it and fires Click, not Change. The edit part selects its whole text whenever the
// combo takes the focus, by code, Tab or mouse (a click then places the caret), so typing
// replaces a pre-filled code.
class ComboBox : public ListControl {
public:
    using ListControl::ListControl;

    const std::string& Text() const;
    void setText(const std::string& text);
    int Style() const;
    void setStyle(int style);
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);

    // The user's edit left this text in the edit part.
    void userSetText(const std::string& text);

    Event Change;

protected:
    void chosen() override;
    void focusArrived() override;
    void typeCharacter(int keyAscii) override;
    void keepDesign() override;
    void restoreDesign() override;

private:
    void storeText(const std::string& text);

    struct State {
        std::string text;
        int style = 0;
        int selStart = 0;
        int selLength = 0;
    };
    State state_;
    State design_;
};

} // namespace platform
