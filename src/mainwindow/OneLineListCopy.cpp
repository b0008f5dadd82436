#include "mainwindow/OneLineListCopy.h"

#include "datafile/LineBreakEscape.h"

namespace mainwindow {

std::string ShownOnOneLine(std::string item)
{
    datafile::EscapeLineBreaks(item);
    datafile::FlattenLineBreaks(item);
    return item;
}

OneLineListCopy::OneLineListCopy(platform::ListModel& source) : source_(&source)
{
    refill();
    source_->addObserver(*this);
}

OneLineListCopy::~OneLineListCopy()
{
    if (source_)
        source_->removeObserver(*this);
}

std::string OneLineListCopy::shownItem(int index) const
{
    return ShownOnOneLine(source_->List(index));
}

void OneLineListCopy::refill()
{
    shown_.Clear();
    for (int i = 0; i < source_->ListCount(); ++i)
        shown_.AddItem(shownItem(i));
}

void OneLineListCopy::itemInserted(int index)
{
    shown_.AddItem(shownItem(index), index);
}

void OneLineListCopy::itemRemoved(int index)
{
    shown_.RemoveItem(index);
}

void OneLineListCopy::itemChanged(int index)
{
    shown_.setList(index, shownItem(index));
}

void OneLineListCopy::cleared()
{
    shown_.Clear();
}

void OneLineListCopy::reordered()
{
    refill();
}

void OneLineListCopy::modelDestroyed()
{
    source_ = nullptr;
    shown_.Clear();
}

} // namespace mainwindow
