#include "OrderDocument.h"

#include "history/QuoteHistory.h"

#include "main/WindowHost.h"
#include "order/OrderFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Translation.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>

namespace {

const QString ProgramTitle = QStringLiteral("Ferrolyn\u2122");
const QString OrderSuffix = QStringLiteral("fyn");
constexpr TTrKey UnsavedOrderKey = TrKey(
    "TOrderDocument",
    "The current order has changes that are not saved. Save them before opening another order?");
constexpr TTrKey UnsavedOnCloseKey =
    TrKey("TOrderDocument",
          "The current order has changes that are not saved. Save them before closing Ferrolyn?");
} // namespace

const QString UnsavedOrderQuestion = QString::fromUtf8(UnsavedOrderKey.Source);
const QString UnsavedOnCloseQuestion = QString::fromUtf8(UnsavedOnCloseKey.Source);

TOrderDocument::TOrderDocument(TWindowHost& window)
    : QObject(&window.MainWindow()), Host(window), Window(window.MainWindow())
{
    setObjectName(QStringLiteral("OrderDocument"));
    // The package's icon, built in: window managers and task bars show it beside the title.
    Window.setWindowIcon(QIcon(QStringLiteral(":/ferrolyn.png")));
    Saved = Bytes();
    // Open and Save go through the document; Save As follows Save in the File menu.
    auto* open = Window.findChild<QAction*>(QStringLiteral("Open1"));
    auto* save = Window.findChild<QAction*>(QStringLiteral("Save1"));
    connect(open, &QAction::triggered, this, &TOrderDocument::Open1Click);
    connect(save, &QAction::triggered, this, &TOrderDocument::Save1Click);
    if (auto* button = Window.findChild<QPushButton*>(QStringLiteral("btnSave")))
        connect(button, &QPushButton::clicked, this, &TOrderDocument::Save1Click);
    SaveAs1 = new QAction(&Window);
    SaveAs1->setObjectName(QStringLiteral("SaveAs1"));
    BindText(SaveAs1, "text", TrKey("TOrderDocument", "Save &As..."));
    // Ctrl+Shift+S everywhere: a desktop without a theme of its own (X11 under a plain window
    // manager) has no Save As key, and QKeySequence::SaveAs is empty there.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    const QKeySequence saveAs(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    keys.removeAll(saveAs);
    keys.prepend(saveAs);
    SaveAs1->setShortcuts(keys);
    SaveAs1->setEnabled(save->isEnabled());
    if (QMenu* file = Window.menuBar()->findChild<QMenu*>(QStringLiteral("File1"))) {
        const QList<QAction*> items = file->actions();
        file->insertAction(items.value(items.indexOf(save) + 1), SaveAs1);
    }
    connect(SaveAs1, &QAction::triggered, this, &TOrderDocument::SaveAs1Click);
    connect(save, &QAction::changed, SaveAs1,
            [this, save] { SaveAs1->setEnabled(save->isEnabled()); });

    // Closing the window (its close box, Exit, Close) and the desktop's logout ask first about
    // changes that are not saved.
    Window.installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TOrderDocument::CommitData);

    connect(&Host.Events(), &TWindowEvents::OrderLoaded, this, &TOrderDocument::OrderLoaded);
    connect(&Host.Events(), &TWindowEvents::OrderShown, this, &TOrderDocument::ShowTitle);
    ShowTitle();
}

QByteArray TOrderDocument::Bytes() const
{
    return OrderFileBytes(Host.CurrentOrder().OrderLines, Host.CurrentOrder().Info);
}

bool TOrderDocument::Modified() const
{
    if (File.isEmpty())
        return !Host.CurrentOrder().OrderLines.isEmpty();
    return Bytes() != Saved;
}

void TOrderDocument::ShowTitle()
{
    if (File.isEmpty() && Host.CurrentOrder().OrderLines.isEmpty()) {
        Window.setWindowTitle(ProgramTitle);
        Window.setWindowModified(false);
        return;
    }
    // Bound while untitled, so that "Untitled" follows the language.
    if (File.isEmpty())
        BindText(&Window, "windowTitle",
                 TTrText{TrKey("TOrderDocument", "Untitled[*] - %1"), {ProgramTitle}});
    else
        Window.setWindowTitle(QFileInfo(File).fileName() + QStringLiteral("[*] - ") + ProgramTitle);
    Window.setWindowModified(Modified());
}

void TOrderDocument::OrderLoaded(const QString& path)
{
    // The last-order file (or an order from the archive) is no file of the order's own: Save
    // asks for one.
    const bool lastOrder =
        path.isEmpty() || QFileInfo(path).absoluteFilePath() ==
                              QFileInfo(AppPaths::LastOrderFile()).absoluteFilePath();
    File = lastOrder ? QString() : QFileInfo(path).absoluteFilePath();
    Saved = Bytes();
    ShowTitle();
}

void TOrderDocument::Open1Click()
{
    if (MayReplace())
        Host.Open1Click();
}

bool TOrderDocument::MayReplace()
{
    return MayDrop(UnsavedOrderKey.Text());
}

bool TOrderDocument::MayClose()
{
    return MayDrop(UnsavedOnCloseKey.Text());
}

bool TOrderDocument::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &Window)
        return false;
    // A window shown again asks again when it next closes.
    if (event->type() == QEvent::Show)
        Closing = false;
    if (event->type() != QEvent::Close || Closing)
        return false;
    if (MayClose()) {
        // Asked once for this close: should it not happen after all, the next one asks again.
        Closing = true;
        QTimer::singleShot(0, this, [this] { Closing = !Window.isVisible(); });
        return false;
    }
    event->ignore();
    return true;
}

void TOrderDocument::CommitData(QSessionManager& manager)
{
    if (!Modified())
        return;
    if (!manager.allowsInteraction()) {
        // The session ends without asking: the last-order file keeps the order.
        return;
    }
    const bool close = MayClose();
    manager.release();
    if (!close)
        manager.cancel();
}

bool TOrderDocument::MayDrop(const QString& question)
{
    if (!Modified())
        return true;
    switch (Dialogs::Message(&Window, Dialogs::TIcon::Confirmation, question,
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                             QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveTo(false);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool TOrderDocument::Save1Click()
{
    return SaveTo(false);
}

bool TOrderDocument::SaveAs1Click()
{
    return SaveTo(true);
}

bool TOrderDocument::SaveTo(bool ask)
{
    QString path = File;
    if (ask || path.isEmpty()) {
        // An order with a file of its own is saved again beside it; a new one where orders were
        // last saved or opened.
        const QString folder = File.isEmpty() ? DialogFolders::Start(TDialogFolder::Orders)
                                              : QFileInfo(File).absolutePath();
        path = FileDialogs::GetSaveFileName(&Window, ask ? tr("Save Order As") : tr("Save Order"),
                                            folder, tr("Ferrolyn Files (*.fyn)"), OrderSuffix,
                                            File.isEmpty() ? QStringLiteral("order.fyn")
                                                           : QFileInfo(File).fileName());
        if (path.isEmpty())
            return false;
        DialogFolders::Remember(TDialogFolder::Orders, path);
    }
    RecordOrderQuote(Host, QFileInfo(path).absoluteFilePath());
    if (!Host.WriteOrderFile(path))
        return false;
    File = QFileInfo(path).absoluteFilePath();
    Saved = Bytes();
    ShowTitle();
    return true;
}

QString ProposedFileName(TWindowHost& window, const QString& suffix)
{
    QString base;
    const TQuoteResult& quote = window.CurrentQuote();
    switch (window.CurrentPage()) {
    case TPage::Final:
        base = quote.Assembly.PartNumber;
        break;
    case TPage::NoPN:
        if (quote.Assembly.Cable != nullptr)
            base = quote.Assembly.Cable->PartNumber + QStringLiteral(" parts");
        break;
    default:
        if (const auto* document = window.MainWindow().findChild<TOrderDocument*>())
            base = QFileInfo(document->FilePath()).completeBaseName();
        if (base.isEmpty())
            base = QStringLiteral("order");
        break;
    }
    // Nothing a file name cannot hold on any system.
    static const QString Unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : base)
        if (Unsafe.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('-');
    base = base.trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Ferrolyn");
    return base + QLatin1Char('.') + suffix;
}
