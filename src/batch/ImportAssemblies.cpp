#include "ImportAssemblies.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "main/WindowHost.h"
#include "order/Order.h"
#include "order/OrderFile.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/Translation.h"
#include "pricing/Currencies.h"
#include "quote/BatchQuote.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QStandardPaths>

#include <memory>

namespace {

// Files with more rows than this show their progress.
constexpr int ProgressRows = 300;

} // namespace

TImportAssemblies::TImportAssemblies(TWindowHost& window)
    : QObject(&window.MainWindow()), Host(window), Window(window.MainWindow())
{
    setObjectName(QStringLiteral("ImportAssemblies"));
    ImportAssemblies1 = new QAction(&Window);
    ImportAssemblies1->setObjectName(QStringLiteral("ImportAssemblies1"));
    BindText(ImportAssemblies1, "text", TrKey("TImportAssemblies", "&Import Assemblies..."));
    // In the File menu, before Save.
    if (QMenu* file = Window.menuBar()->findChild<QMenu*>(QStringLiteral("File1")))
        file->insertAction(Window.findChild<QAction*>(QStringLiteral("Save1")), ImportAssemblies1);
    connect(ImportAssemblies1, &QAction::triggered, this,
            &TImportAssemblies::ImportAssemblies1Click);
}

void TImportAssemblies::ImportAssemblies1Click()
{
    const QString path =
        FileDialogs::GetOpenFileName(&Window, tr("Import Assemblies"), TDialogFolder::Imports,
                                     tr("CSV files (*.csv);;All files (*)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        Import(path);
}

void TImportAssemblies::Import(const QString& path)
{
    TCsvTable table;
    try {
        table = ReadBatchFile(path);
    } catch (const TDataError& error) {
        Dialogs::Error(&Window, error.FullText());
        return;
    }
    if (table.Rows.isEmpty()) {
        Dialogs::Warning(&Window, tr("The file has no assemblies to import."));
        return;
    }

    // An order is in the currency of its first item; imported rows join it in that currency.
    const int chosen = Host.CurrentCurrencyTag();
    const TOrder& order = Host.CurrentOrder();
    const int orderCurrency = OrderCurrency(order.Info, order.OrderLines, chosen);
    std::unique_ptr<QProgressDialog> progress;
    if (table.Rows.size() > ProgressRows) {
        progress =
            std::make_unique<QProgressDialog>(tr("Quoting the assemblies..."), tr("Cancel"), 0,
                                              static_cast<int>(table.Rows.size()), &Window);
        progress->setObjectName(QStringLiteral("dlgImportProgress"));
        progress->setWindowTitle(tr("Import Assemblies"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        // A Cancel taken while the last row is told must count, so the dialog never resets.
        progress->setAutoReset(false);
        progress->setAutoClose(false);
    }
    TBatchSources sources;
    sources.Cables = &Host.Catalog();
    sources.Quote = Host.QuoteSources();
    const QList<TBatchItem> items =
        QuoteBatch(table, sources, orderCurrency, [&progress](int done) {
            if (!progress)
                return true;
            progress->setValue(done);
            return !progress->wasCanceled();
        });
    const bool cancelled = progress && progress->wasCanceled();
    progress.reset();
    if (cancelled)
        return;

    QList<TOrderLine> lines = order.OrderLines;
    QStringList failures;
    // What the window would say of an added row: a grade taken for another, parts without price.
    QStringList notes;
    int added = 0;
    for (const TBatchItem& item : items) {
        QString error = item.Error;
        if (error.isEmpty() && !AddResultRows(lines, item.ResultRows))
            error =
                tr("its unit price or quantity would be above %1.").arg(FloatToStr(MaxUnitPrice));
        if (error.isEmpty()) {
            ++added;
            for (const QString& warning : item.Warnings)
                notes.append(tr("Row %1: %2").arg(item.Row).arg(warning));
        } else
            failures.append(tr("Row %1: %2").arg(item.Row).arg(error));
    }
    // The order must open again from its file (the last-order file, a saved order).
    if (added > 0 && !OrderFileFits(lines, order.Info)) {
        Dialogs::Beep();
        Dialogs::Warning(&Window, tr("These assemblies cannot be added: the order would be too "
                                     "large to save. Import them in smaller parts or into a new "
                                     "order."));
        return;
    }
    if (added > 0) {
        Host.ShowNewOrder(lines, orderCurrency);
        QString note = tr("%1 of %2 rows were added to the order.").arg(added).arg(items.size());
        if (orderCurrency != chosen)
            note += tr(" The order is in %1: they were added at their prices in %1.")
                        .arg(CurrencyCaption(orderCurrency));
        Host.ShowStatus(note);
    }
    // The box names the first few; its details name every one, a line each.
    QStringList report;
    QStringList details;
    const QString refused =
        tr("%1 of %2 rows could not be added to the order:").arg(failures.size()).arg(items.size());
    const QString noted = tr("Notes on the rows added:");
    if (!failures.isEmpty()) {
        report.append(refused + QStringLiteral("\n\n") +
                      JoinBounded(failures, QStringLiteral("\n")));
        details.append(refused + QLatin1Char('\n') + failures.join(QLatin1Char('\n')));
    }
    if (added > 0 && !notes.isEmpty()) {
        report.append(noted + QStringLiteral("\n\n") + JoinBounded(notes, QStringLiteral("\n")));
        details.append(noted + QLatin1Char('\n') + notes.join(QLatin1Char('\n')));
    }
    if (!report.isEmpty()) {
        Dialogs::Beep();
        Dialogs::Message(&Window, Dialogs::TIcon::Warning, report.join(QStringLiteral("\n\n")),
                         QMessageBox::Ok, QMessageBox::NoButton,
                         details.join(QStringLiteral("\n\n")));
    }
}
