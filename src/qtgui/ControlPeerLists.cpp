#include "qtgui/ControlPeerLists.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "qtgui/FormPeer.h"
#include "qtgui/ListItemsModel.h"
#include "qtgui/QtText.h"
#include "qtgui/WidgetText.h"

namespace qtgui {

// ---- ListBoxPeer ----

ListBoxPeer::ListBoxPeer(platform::ListBox& list, FormPeer& form)
    : WidgetPeer(list, form), list_(list), listView_(new QListView(containerArea(list, form)))
{
    // The list's ListIndex and TopIndex follow their items silently; the view is shown them once
    // the change of the items is through.
    items_ = new ListItemsModel(
        form,
        [this] {
            if (canReadControl())
                formPeer().applying([this] {
                    showUserState();
                    showTopIndex();
                });
        },
        listView_);
    items_->follow(list.model());
    listView_->setModel(items_);
    listView_->setUniformItemSizes(true);
    listView_->setTextElideMode(Qt::ElideNone);
    listView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int mode = list.MultiSelect();
    listView_->setSelectionMode(mode == 1   ? QAbstractItemView::MultiSelection
                                : mode == 2 ? QAbstractItemView::ExtendedSelection
                                            : QAbstractItemView::SingleSelection);
    adopt(listView_, {listView_->viewport()});
    QItemSelectionModel* selection = listView_->selectionModel();
    if (mode == 0)
        QObject::connect(selection, &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
            if (current.isValid())
                fromUser([&] { list_.userSelect(current.row()); });
        });
    else
        QObject::connect(selection, &QItemSelectionModel::selectionChanged, this, [this] { selectionFromWidget(); });
    // The view also scrolls by itself when it lays out its items again, later, after the form may
    // have unloaded.
    QObject::connect(listView_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (isApplying() || !canReadControl() || top < 0 || top >= list_.ListCount())
            return;
        shownTopIndex_ = top;
        list_.setTopIndex(top);
    });
}

void ListBoxPeer::selectionFromWidget()
{
    // Every mark is read before the model takes any: each one it takes shows the model's marks on
    // the widget again, which would undo the rest of the user's change (a click that clears others).
    if (isApplying() || !canReadControl())
        return;
    const QItemSelectionModel& selection = *listView_->selectionModel();
    std::vector<bool> marks;
    for (int i = 0; i < items_->rowCount(); ++i)
        marks.push_back(selection.isSelected(items_->index(i)));
    fromUser([&] {
        for (std::size_t i = 0; i < marks.size(); ++i)
            if (marks[i] != list_.Selected(static_cast<int>(i)))
                list_.userSetSelected(static_cast<int>(i), marks[i]);
    });
}

void ListBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (property == "*")
        shownTopIndex_ = -1;
    if (concerns(property, {"List"}))
        items_->follow(list_.model());
    // Amid a change of the items the view cannot take a choice yet; it is shown once they are through.
    if (items_->isChanging())
        return;
    if (concerns(property, {"List", "ListIndex", "Selected"}))
        showUserState();
    if (concerns(property, {"List", "TopIndex"}))
        showTopIndex();
}

void ListBoxPeer::showTopIndex()
{
    // Scrolling lays the view out first: done only when TopIndex moved, so adding items stays cheap.
    const int top = list_.TopIndex();
    if (top == shownTopIndex_ || top >= items_->rowCount())
        return;
    shownTopIndex_ = top;
    listView_->scrollTo(items_->index(top), QAbstractItemView::PositionAtTop);
}

void ListBoxPeer::showUserState()
{
    // A handler may have unloaded the form; reading its list would load it again.
    if (!canReadControl())
        return;
    const int index = list_.ListIndex();
    const QModelIndex current = index >= 0 ? items_->index(index) : QModelIndex();
    QItemSelectionModel& selection = *listView_->selectionModel();
    if (list_.MultiSelect() == 0) {
        if (index < 0)
            selection.clearSelection();
        listView_->setCurrentIndex(current);
        return;
    }
    QItemSelection marks;
    for (int i = 0; i < items_->rowCount(); ++i)
        if (list_.Selected(i))
            marks.select(items_->index(i), items_->index(i));
    selection.select(marks, QItemSelectionModel::ClearAndSelect);
    selection.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

// ---- ComboBoxPeer ----

namespace {

// A combo box whose drop-down list is as wide as its longest item, however narrow the box: saved
// names that differ only at their ends can be told apart. Measured as the list opens, so filling
// a long list costs nothing.
class WideListComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    // Qt's editable combo, losing the focus, chooses the item its text matches and says so as
    // `activated`: that is no choice of the user's.
    bool isLosingFocus() const { return losingFocus_; }

    void showPopup() override
    {
        const QFontMetrics metrics(view()->font());
        int widest = 0;
        // The items as the list shows them (itemText reads an editable combo's edit role).
        for (int i = 0; i < count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(model()->index(i, modelColumn()).data().toString()));
        const int margins = 2 * view()->frameWidth() + view()->verticalScrollBar()->sizeHint().width() +
                            4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view());
        QComboBox::showPopup();
        // Qt widens the list only of a combo without an edit part.
        QWidget* popup = view()->window();
        if (popup != window() && popup->width() < widest + margins)
            popup->resize(widest + margins, popup->height());
    }

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        losingFocus_ = true;
        QComboBox::focusOutEvent(event);
        losingFocus_ = false;
    }

private:
    bool losingFocus_ = false;
};

} // namespace

ComboBoxPeer::ComboBoxPeer(platform::ComboBox& combo, FormPeer& form)
    : WidgetPeer(combo, form), combo_(combo), comboBox_(new WideListComboBox(containerArea(combo, form)))
{
    items_ = new ListItemsModel(
        form,
        [this] {
            if (canReadControl())
                formPeer().applying([this] { showUserState(); });
        },
        comboBox_);
    items_->follow(combo.model());
    comboBox_->setModel(items_);
    comboBox_->setEditable(combo.Style() != 2);
    comboBox_->setInsertPolicy(QComboBox::NoInsert);
    comboBox_->setMaxVisibleItems(8);
    adopt(comboBox_);
    QObject::connect(comboBox_, &QComboBox::activated, this, [this](int index) {
        if (!static_cast<WideListComboBox*>(comboBox_)->isLosingFocus())
            fromUser([&] { combo_.userSelect(index); });
        else if (canReadControl())
            formPeer().applying([this] { showUserState(); });
    });
    if (QLineEdit* edit = comboBox_->lineEdit()) {
        comboBox_->setCompleter(nullptr);
        QObject::connect(edit, &QLineEdit::textEdited, this,
                         [this](const QString& text) { fromUser([&] { combo_.userSetText(fromQString(text)); }); });
        // The edit part also moves its caret by itself (a choice that a handler made shows), maybe
        // after the form unloaded.
        auto caret = [this, edit] {
            if (isApplying() || !canReadControl())
                return;
            followingCaret_ = true;
            caretFromLineEdit(*edit, combo_);
            followingCaret_ = false;
        };
        QObject::connect(edit, &QLineEdit::cursorPositionChanged, this, caret);
        QObject::connect(edit, &QLineEdit::selectionChanged, this, caret);
    }
}

bool ComboBoxPeer::modelEditsTyping() const
{
    return comboBox_->isEditable();
}

void ComboBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"List"}))
        items_->follow(combo_.model());
    if (concerns(property, {"List", "ListIndex", "Text", "SelStart", "SelLength"}) && !followingCaret_ &&
        !items_->isChanging())
        showUserState();
}

void ComboBoxPeer::showUserState()
{
    // A handler may have unloaded the form; reading its combo would load it again.
    if (!canReadControl())
        return;
    comboBox_->setCurrentIndex(combo_.ListIndex());
    if (QLineEdit* edit = comboBox_->lineEdit())
        showLineEdit(*edit, combo_);
}

} // namespace qtgui
