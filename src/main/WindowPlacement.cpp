#include "WindowPlacement.h"

#include "platform/PageFrame.h"

#include "base/DataError.h"
#include "platform/AppPaths.h"
#include "platform/IniSettings.h"
#include "platform/RadioGroup.h"
#include "platform/WindowGeometry.h"
#include "TfrmMain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

namespace {

const QString GeometryKey = QStringLiteral("Window/Geometry");
const QString MaximizedKey = QStringLiteral("Window/Maximized");

// The available areas of the screens, the primary one first.
QList<QRect> AvailableAreas()
{
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

// An editor open in a cell of a table or list: Return is its own.
bool InCellEditor(const QWidget* widget)
{
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr;
         parent = parent->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(parent) != nullptr)
            return true;
    return false;
}

} // namespace

TWindowPlacement::TWindowPlacement(TfrmMain& window) : QObject(&window), Window(window)
{
    setObjectName(QStringLiteral("WindowPlacement"));

    connect(window.PageControl, &QStackedWidget::currentChanged, this,
            [this](int index) { FocusFirstControl(Window.PageControl->widget(index)); });

    // The pages scroll in a window smaller than they need, so that the window always fits a
    // screen and its buttons stay in reach.
    if (QWidget* central = window.PageControl->parentWidget()) {
        if (auto* layout = qobject_cast<QBoxLayout*>(central->layout())) {
            auto* scroll = new QScrollArea(central);
            scroll->setObjectName(QStringLiteral("PageScroller"));
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setWidgetResizable(true);
            delete layout->replaceWidget(window.PageControl, scroll);
            auto* frame = new TPageFrame(window.PageControl);
            scroll->setWidget(frame);
            // Each page opens at its top, the area laid out for it at once (after the page's
            // first control has the focus, which may have scrolled an area of the page).
            connect(window.PageControl, &QStackedWidget::currentChanged, this, [scroll, frame] {
                frame->updateGeometry();
                scroll->setWidgetResizable(true);
                for (QScrollArea* area : frame->findChildren<QScrollArea*>())
                    area->verticalScrollBar()->setValue(0);
                scroll->verticalScrollBar()->setValue(0);
                scroll->horizontalScrollBar()->setValue(0);
            });
        }
    }

    // Page 2 is read by column: the cable, then the top connector, then the bottom one, then
    // the buttons. The diameter only shows: it is no tab stop.
    window.edtTlineSize->setFocusPolicy(Qt::NoFocus);
    QList<QWidget*> order = {window.cboTLineData};
    if (auto* compare = window.Page2->findChild<QPushButton*>(QStringLiteral("btnCompare")))
        order.append(compare);
    const auto radios = [&order](const TRadioGroup* group) {
        for (int i = 0; i < group->Count(); ++i)
            order.append(group->Button(i));
    };
    radios(window.rgCableGrade);
    for (const auto* side : {&window.TopSide, &window.BottomSide}) {
        order += {side->rbActual, side->rbMatesTo, side->cboMatesTo, side->cboDescription,
                  side->cboInner};
        radios(side == &window.TopSide ? window.rgConnectorGrade : window.rgConnectorAttachment);
    }
    order += {window.btnRestart, window.btnClose, window.btnBack, window.btnNext};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));

    window.Open1->setShortcut(QKeySequence::Open);
    window.Save1->setShortcut(QKeySequence::Save);
    window.Print1->setShortcut(QKeySequence::Print);
    window.Exit1->setShortcut(QKeySequence::Quit);

    window.installEventFilter(this);
    qApp->installEventFilter(this);
}

void TWindowPlacement::Restore()
{
    // A settings file that cannot be read (not a regular file, damaged) leaves the window at
    // its default place.
    TIniSettings settings;
    try {
        settings = TIniSettings::ReadFile(AppPaths::WindowSettingsFile());
    } catch (const TDataError&) {
    }
    QRect wanted = settings.RectValue(GeometryKey).value_or(QRect());
    const bool maximized = settings.BoolValue(MaximizedKey).value_or(false);
    if (!wanted.isValid() || wanted.width() < 200 || wanted.height() < 150) {
        wanted = QRect(0, 0, DefaultWidth, DefaultHeight);
        if (const QScreen* primary = QGuiApplication::primaryScreen())
            wanted.moveCenter(primary->availableGeometry().center());
    }
    // The frame (title bar and borders) counts: it is fitted, and the window placed inside it.
    const QMargins frame(Window.geometry().left() - Window.frameGeometry().left(),
                         Window.geometry().top() - Window.frameGeometry().top(),
                         Window.frameGeometry().right() - Window.geometry().right(),
                         Window.frameGeometry().bottom() - Window.geometry().bottom());
    const QRect fitted = FittedGeometry(wanted.marginsAdded(frame), AvailableAreas());
    Window.setGeometry(fitted.marginsRemoved(frame));
    if (maximized)
        Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
    FocusFirstControl(Window.PageControl->currentWidget());
}

void TWindowPlacement::Save() const
{
    // Not a reason to keep a closing window open: a place that cannot be kept is forgotten.
    try {
        TIniSettings::UpdateFile(AppPaths::WindowSettingsFile(), [this](TIniSettings& settings) {
            settings.SetRect(GeometryKey, Window.normalGeometry());
            settings.SetBool(MaximizedKey, Window.isMaximized());
            return true;
        });
    } catch (const TDataError&) {
    }
}

void TWindowPlacement::FocusFirstControl(QWidget* page)
{
    if (page == nullptr)
        return;
    for (QWidget* widget = page->nextInFocusChain(); widget != nullptr && widget != page;
         widget = widget->nextInFocusChain()) {
        if (!page->isAncestorOf(widget))
            continue;
        if (widget->isEnabled() && widget->isVisibleTo(page) &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TWindowPlacement::PressDefaultButton()
{
    QPushButton* next = Window.btnNext;
    if (next == nullptr || !next->isVisible() || !next->isEnabled())
        return false;
    next->click();
    return true;
}

bool TWindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &Window && event->type() == QEvent::Close) {
        Save();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &Window || QApplication::activePopupWidget() ||
        InCellEditor(widget))
        return false;
    return PressDefaultButton();
}
