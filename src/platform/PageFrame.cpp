#include "PageFrame.h"

#include <QStackedWidget>

#include <algorithm>

TPageFrame::TPageFrame(QStackedWidget* pages) : Pages(pages)
{
    pages->setParent(this);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize TPageFrame::sizeHint() const
{
    return Shown() ? Shown()->sizeHint() : QSize();
}

QSize TPageFrame::minimumSizeHint() const
{
    return Shown() ? Shown()->minimumSizeHint() : QSize();
}

int TPageFrame::heightForWidth(int width) const
{
    if (Shown() == nullptr)
        return -1;
    return std::max(Shown()->heightForWidth(width), Shown()->minimumSizeHint().height());
}

void TPageFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Pages->setGeometry(rect());
}

QWidget* TPageFrame::Shown() const
{
    return Pages->currentWidget();
}
