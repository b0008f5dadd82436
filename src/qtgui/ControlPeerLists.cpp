#include "qtgui/ControlPeerLists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <vector>

#include "qtgui/QtText.h"
#include "qtgui/WidgetText.h"

namespace qtgui {

namespace {

QStringList itemsOf(const platform::ListControl& list)
{
    QStringList items;
    for (int i = 0; i < list.ListCount(); ++i)
        items.append(toQString(list.List(i)));
    return items;
}

} // namespace

// ---- ListBoxPeer ----

ListBoxPeer::ListBoxPeer(platform::ListBox& list, FormPeer& form)
    : WidgetPeer(list, form), list_(list), listWidget_(new QListWidget(containerArea(list, form)))
{
    listWidget_->setUniformItemSizes(true);
    const int mode = list.MultiSelect();
    listWidget_->setSelectionMode(mode == 1   ? QAbstractItemView::MultiSelection
                              : mode == 2 ? QAbstractItemView::ExtendedSelection
                                          : QAbstractItemView::SingleSelection);
    adopt(listWidget_, {listWidget_->viewport()});
    if (mode == 0)
        QObject::connect(listWidget_, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0)
                fromUser([&] { list_.userSelect(row); });
        });
    else
        QObject::connect(listWidget_, &QListWidget::itemSelectionChanged, this, [this] { selectionFromWidget(); });
    QObject::connect(listWidget_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (!isApplying() && top >= 0 && top < list_.ListCount())
            list_.setTopIndex(top);
    });
}

void ListBoxPeer::selectionFromWidget()
{
    // Every mark is read before the model takes any: each one it takes shows the model's marks on
    // the widget again, which would undo the rest of the user's change (a click that clears others).
    if (isApplying())
        return;
    std::vector<bool> marks;
    for (int i = 0; i < listWidget_->count() && i < list_.ListCount(); ++i)
        marks.push_back(listWidget_->item(i)->isSelected());
    fromUser([&] {
        for (std::size_t i = 0; i < marks.size(); ++i)
            if (marks[i] != list_.Selected(static_cast<int>(i)))
                list_.userSetSelected(static_cast<int>(i), marks[i]);
    });
}

void ListBoxPeer::show(std::string_view property)
{
    WidgetPeer::show(property);
    if (concerns(property, {"List"}))
        showItems();
    if (concerns(property, {"List", "ListIndex", "Selected"}))
        showUserState();
    if (concerns(property, {"List", "TopIndex"}))
        showTopIndex();
}

void ListBoxPeer::showItems()
{
    listWidget_->clear();
    listWidget_->addItems(itemsOf(list_));
}

void ListBoxPeer::showTopIndex()
{
    if (QListWidgetItem* top = listWidget_->item(list_.TopIndex()))
        listWidget_->scrollToItem(top, QAbstractItemView::PositionAtTop);
}

void ListBoxPeer::showUserState()
{
    const int index = list_.ListIndex();
    if (list_.MultiSelect() == 0) {
        if (index < 0)
            listWidget_->clearSelection();
        listWidget_->setCurrentRow(index);
        return;
    }
    for (int i = 0; i < listWidget_->count(); ++i)
        listWidget_->item(i)->setSelected(list_.Selected(i));
    listWidget_->setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

// ---- ComboBoxPeer ----

ComboBoxPeer::ComboBoxPeer(platform::ComboBox& combo, FormPeer& form)
    : WidgetPeer(combo, form), combo_(combo), comboBox_(new QComboBox(containerArea(combo, form)))
{
    comboBox_->setEditable(combo.Style() != 2);
    comboBox_->setInsertPolicy(QComboBox::NoInsert);
    comboBox_->setMaxVisibleItems(8);
    adopt(comboBox_);
    QObject::connect(comboBox_, &QComboBox::activated, this, [this](int index) { fromUser([&] { combo_.userSelect(index); }); });
    if (QLineEdit* edit = comboBox_->lineEdit()) {
        comboBox_->setCompleter(nullptr);
        QObject::connect(edit, &QLineEdit::textEdited, this,
                         [this](const QString& text) { fromUser([&] { combo_.userSetText(fromQString(text)); }); });
        auto caret = [this, edit] {
            if (isApplying())
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
        showItems();
    if (concerns(property, {"List", "ListIndex", "Text", "SelStart", "SelLength"}) && !followingCaret_)
        showUserState();
}

void ComboBoxPeer::showItems()
{
    comboBox_->clear();
    comboBox_->addItems(itemsOf(combo_));
}

void ComboBoxPeer::showUserState()
{
    comboBox_->setCurrentIndex(combo_.ListIndex());
    if (QLineEdit* edit = comboBox_->lineEdit())
        showLineEdit(*edit, combo_);
}

} // namespace qtgui
