#pragma once

#include <QWidget>

class QStackedWidget;

// Holds a page stack in a scrolling area and sizes it by the page shown alone: a stacked widget
// asks every page for its height (QStackedLayout::heightForWidth ignores even an Ignored size
// policy), so the tallest page would make every page scroll and spread a short page's groups
// apart.
class TPageFrame : public QWidget
{
public:
    explicit TPageFrame(QStackedWidget* pages);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // A page of wrapping texts is as tall as it needs at this width, and never shorter than its
    // layout's least height.
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* Shown() const;

    QStackedWidget* Pages;
};
