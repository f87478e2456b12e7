#include "gui/widgets/page_control.h"

namespace kr::gui {

FixedWidthTabBar::FixedWidthTabBar(QWidget* parent) : QTabBar(parent)
{
    setElideMode(Qt::ElideRight);
    setUsesScrollButtons(false);
    setExpanding(false);
    setDrawBase(true);
}

void FixedWidthTabBar::SetTabWidth(int width)
{
    if (tabWidth_ == width)
        return;
    tabWidth_ = width;
    // Setting a tab's text makes the bar measure its tabs again.
    for (int i = 0; i < count(); ++i)
        setTabText(i, tabText(i));
    updateGeometry();
}

QSize FixedWidthTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    if (tabWidth_ > 0)
        size.setWidth(tabWidth_);
    return size;
}

QSize FixedWidthTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent), tabs_(new FixedWidthTabBar(this))
{
    setTabBar(tabs_);
}

void PageControl::SetTabWidth(int width)
{
    tabs_->SetTabWidth(width);
}

int PageControl::TabWidth() const
{
    return tabs_->TabWidth();
}

}  // namespace kr::gui
