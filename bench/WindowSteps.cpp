#include "WindowSteps.h"

#include "band/BandPanel.h"
#include "documents/DatasheetPdf.h"
#include "documents/OrderDocument.h"

#include "BenchConfig.h"
#include "main/TfrmMain.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/RadioGroup.h"
#include "quote/BatchQuote.h"
#include "quote/QuoteCommand.h"
#include "SyntheticInstallation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineSeries>

#include <malloc.h>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>

namespace {

// The messages the window showed since the last call, as one text; empty when none.
QString ShownMessages()
{
    QStringList texts;
    for (const Dialogs::TShownMessage& message : Dialogs::TakeMessages())
        texts.append(message.Text);
    Dialogs::TakeBeeps();
    return texts.isEmpty()
               ? QString()
               : QStringLiteral("the window showed: ") + texts.join(QStringLiteral(" | "));
}

QString PageName(TPage page)
{
    static const char* const names[] = {"Page1",      "Page2",   "tsNoPN",
                                        "tsNoLength", "tsFinal", "tsOrder"};
    return QLatin1String(names[static_cast<int>(page)]);
}

double Ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

// Drives one main window through the wizard by object names and public handlers.
class TWizardDriver
{
public:
    TWizardDriver(const TBenchConfig& config, const TSyntheticInstallation& installation)
        : Config(config), Installation(installation)
    {
        Window = std::make_unique<TfrmMain>();
        if (Window->Terminated())
            BenchFailure(QStringLiteral("the window ended at start-up"));
        if (Config.Show)
            Window->show();
        Settle();
        if (const QString problem = ShownMessages(); !problem.isEmpty())
            BenchFailure(QStringLiteral("start-up: ") + problem);
    }

    QList<TStepResult> Run();

private:
    template <typename T> T* Find(const char* name) const
    {
        T* control = Window->findChild<T*>(QLatin1String(name));
        if (control == nullptr)
            BenchFailure(QStringLiteral("the window has no control %1").arg(QLatin1String(name)));
        return control;
    }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    TRadioGroup* Group(const char* name) const { return Find<TRadioGroup>(name); }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    QTableWidget* Grid(const char* name) const { return Find<QTableWidget>(name); }
    TPage Page() const { return Window->CurrentPage(); }

    void Next() { Button("btnNext")->click(); }
    void Choose(QComboBox* box, const QString& text);
    void Expect(TPage page, const QString& context) const;
    QString PageProblem(TPage page) const;
    QString Cell(const char* grid, int row, int column) const;

    // Page 1 with a jumper of foam cable of this length, then Next to page 2.
    void ToPage2(const QString& length);
    // On page 2: standard cable grade, the main cable, Plated and Prenvo, a 7-16 DIN Male at the
    // top and this interface at the bottom.
    void ChooseOnPage2(const QString& bottomInterface);
    void ToResult(const QString& length, const QString& bottomInterface, TPage expected);
    void OpenOrder();
    void TriggerOpen();

    TStepResult Step(const QString& name, const std::function<void(int)>& setup,
                     const std::function<void(int)>& action,
                     const std::function<QString(int)>& check);

    const TBenchConfig& Config;
    const TSyntheticInstallation& Installation;
    std::unique_ptr<TfrmMain> Window;
};

void TWizardDriver::Choose(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly);
    if (index < 0)
        BenchFailure(QStringLiteral("%1 does not offer \"%2\"").arg(box->objectName(), text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString TWizardDriver::PageProblem(TPage page) const
{
    if (Page() == page)
        return {};
    return QStringLiteral("expected page %1, the window shows %2")
        .arg(PageName(page), PageName(Page()));
}

void TWizardDriver::Expect(TPage page, const QString& context) const
{
    QString problem = ShownMessages();
    if (problem.isEmpty())
        problem = PageProblem(page);
    if (!problem.isEmpty())
        BenchFailure(context + QStringLiteral(": ") + problem);
}

QString TWizardDriver::Cell(const char* grid, int row, int column) const
{
    const QTableWidgetItem* item = Grid(grid)->item(row, column);
    return item != nullptr ? item->text() : QString();
}

void TWizardDriver::ToPage2(const QString& length)
{
    if (Page() != TPage::Page1)
        Window->btnRestartClick();
    Group("rgApp")->Button(0)->click();
    Group("rgCableType")->Button(1)->click();
    Combo("cboLength")->setEditText(length);
    Next();
    Expect(TPage::Page2, QStringLiteral("page 1 Next"));
}

void TWizardDriver::ChooseOnPage2(const QString& bottomInterface)
{
    Group("rgCableGrade")->Button(0)->click();
    Choose(Combo("cboTLineData"), BenchCatalog::MainCable);
    Group("rgConnectorAttachment")->Button(0)->click();
    Group("rgConnectorGrade")->Button(0)->click();
    Choose(Combo("cboC1MatesTo"), BenchCatalog::StandardInterface);
    Choose(Combo("cboC2MatesTo"), bottomInterface);
    Expect(TPage::Page2, QStringLiteral("choosing on page 2"));
}

void TWizardDriver::ToResult(const QString& length, const QString& bottomInterface, TPage expected)
{
    ToPage2(length);
    ChooseOnPage2(bottomInterface);
    Next();
    Expect(expected, QStringLiteral("page 2 Next"));
}

void TWizardDriver::TriggerOpen()
{
    // An order with unsaved changes is dropped without saving, as a user answers Discard.
    const bool asks = Window->findChild<TOrderDocument*>()->Modified();
    if (asks)
        Dialogs::SetNextAnswer(QMessageBox::Discard);
    Action("Open1")->trigger();
    if (asks)
        Dialogs::ForgetMessage(UnsavedOrderQuestion);
}

void TWizardDriver::OpenOrder()
{
    FileDialogs::SetNextFileName(Installation.OrderFile);
    TriggerOpen();
    FileDialogs::TakeShownDialogs();
    Expect(TPage::Order, QStringLiteral("opening the order"));
    if (Window->CurrentOrder().OrderLines.size() != Installation.OrderItems)
        BenchFailure(QStringLiteral("the order has %1 lines instead of %2")
                         .arg(Window->CurrentOrder().OrderLines.size())
                         .arg(Installation.OrderItems));
}

TStepResult TWizardDriver::Step(const QString& name, const std::function<void(int)>& setup,
                                const std::function<void(int)>& action,
                                const std::function<QString(int)>& check)
{
    TStepResult result = MeasureStep(name, Config.Runs, true, setup, action, [&check](int run) {
        QString problem = ShownMessages();
        if (problem.isEmpty() && check)
            problem = check(run);
        return problem;
    });
    std::printf("  %-62s median %9s ms\n", qPrintable(name), qPrintable(FormatMs(result.Median())));
    std::fflush(stdout);
    return result;
}

QList<TStepResult> TWizardDriver::Run()
{
    using namespace BenchCatalog;
    QList<TStepResult> results;
    const QString orderSize = QString::number(Installation.OrderItems);

    results.append(Step(
        QStringLiteral("page 1 Next -> page 2"),
        [this](int) {
            if (Page() != TPage::Page1)
                Window->btnRestartClick();
            Group("rgApp")->Button(0)->click();
            Group("rgCableType")->Button(1)->click();
            Combo("cboLength")->setEditText(StandardLength);
        },
        [this](int) { Next(); },
        [this](int) {
            if (Window->WizardModel().GradeCables().isEmpty())
                return QStringLiteral("page 2 offers no cable");
            return PageProblem(TPage::Page2);
        }));

    // Page-2 refreshes: every run is a real change.
    ToPage2(StandardLength);
    ChooseOnPage2(StandardInterface);
    auto cableOf = [](int run) {
        return run % 2 == 0 ? OtherCable : MainCable;
    };
    results.append(Step(
        QStringLiteral("page 2 refresh: cable change (cboTLineDataChange)"), nullptr,
        [&](int run) { Choose(Combo("cboTLineData"), cableOf(run)); },
        [&](int run) {
            if (Window->WizardModel().Cable() == nullptr ||
                Window->WizardModel().Cable()->PartNumber != cableOf(run))
                return QStringLiteral("the cable is not %1").arg(cableOf(run));
            return QString();
        }));
    results.append(Step(
        QStringLiteral("page 2 refresh: cable grade change (rgCableGrade)"), nullptr,
        [this](int run) { Group("rgCableGrade")->Button(run % 2 == 0 ? 1 : 0)->click(); },
        [this](int run) {
            if (Window->WizardModel().CableGradeChoice() != (run % 2 == 0 ? 1 : 0))
                return QStringLiteral("the cable grade did not change");
            return QString();
        }));

    // Next on page 2 to each result page.
    results.append(Step(
        QStringLiteral("page 2 Next -> parts list (no standard assembly)"),
        [&](int) {
            ToPage2(StandardLength);
            ChooseOnPage2(CustomInterface);
        },
        [this](int) { Next(); },
        [this](int) {
            if (const QString problem = PageProblem(TPage::NoPN); !problem.isEmpty())
                return problem;
            if (Cell("grdJumper", 0, 2) != MainCable)
                return QStringLiteral("the parts list does not start with the cable");
            return QString();
        }));
    results.append(Step(
        QStringLiteral("page 2 Next -> nearest lengths"),
        [&](int) {
            ToPage2(NearLength);
            ChooseOnPage2(StandardInterface);
        },
        [this](int) { Next(); },
        [this](int) {
            if (const QString problem = PageProblem(TPage::NoLength); !problem.isEmpty())
                return problem;
            if (Cell("grdLengths", 0, 1) != StandardStem + NearLength)
                return QStringLiteral("the nearest-lengths page shows %1")
                    .arg(Cell("grdLengths", 0, 1));
            return QString();
        }));
    results.append(Step(
        QStringLiteral("page 2 Next -> final summary (standard length)"),
        [&](int) {
            ToPage2(StandardLength);
            ChooseOnPage2(StandardInterface);
        },
        [this](int) { Next(); },
        [this](int) {
            if (const QString problem = PageProblem(TPage::Final); !problem.isEmpty())
                return problem;
            if (Cell("grdFinal", 0, 1) != StandardStem + StandardLength)
                return QStringLiteral("the summary shows %1").arg(Cell("grdFinal", 0, 1));
            return QString();
        }));
    results.append(Step(
        QStringLiteral("nearest lengths Next -> final summary (picked length)"),
        [&](int) {
            ToResult(NearLength, StandardInterface, TPage::NoLength);
            Group("rgStdLengths")->Button(1)->click();
        },
        [this](int) { Next(); }, [this](int) { return PageProblem(TPage::Final); }));

    // Page 2's Compare...: frmCompare built and shown with every cable of the list, then closed.
    ToPage2(StandardLength);
    // The name is the same at every scale, so that --compare finds the step at both.
    std::printf("  page 2 lists %d cables for Compare...\n",
                Find<QComboBox>("cboTLineData")->count());
    results.append(Step(
        QStringLiteral("Compare... opens frmCompare (every cable of page 2's list)"), nullptr,
        [this](int) {
            QTimer::singleShot(0, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
            Button("btnCompare")->click();
        },
        [this](int) { return PageProblem(TPage::Page2); }));

    // The band panel alone, as the final summary rebuilds it (part of the steps above).
    ToResult(StandardLength, StandardInterface, TPage::Final);
    results.append(Step(
        QStringLiteral("band panel of the final summary (TBandPanel::Show)"), nullptr,
        [this](int run) {
            auto* panel =
                Window->findChild<QWidget*>(QStringLiteral("tsFinal"))->findChild<TBandPanel*>();
            panel->Show(Window->CurrentQuote().Assembly.Cable, run % 2 == 0, 800, 2200, 10 + run);
        },
        [this](int) {
            auto* panel =
                Window->findChild<QWidget*>(QStringLiteral("tsFinal"))->findChild<TBandPanel*>();
            if (panel->AttenuationSeries->count() != TBandPanel::CurvePoints)
                return QStringLiteral("the chart has %1 points")
                    .arg(panel->AttenuationSeries->count());
            return QString();
        }));

    // The datasheet of the final summary, made and drawn as File > Datasheet PDF... makes it.
    QByteArray datasheet;
    results.append(Step(
        QStringLiteral("datasheet PDF of the final summary (DatasheetOf and DatasheetPdfBytes)"),
        nullptr,
        [&](int) {
            datasheet = DatasheetPdfBytes(
                DatasheetOf(Window->CurrentQuote(), Window->CurrentRequest(), QString()));
        },
        [&](int) {
            return datasheet.startsWith("%PDF-") ? QString() : QStringLiteral("no PDF was made");
        }));

    // A currency change re-prices the shown result page.
    auto currencyOf = [](int run) {
        return run % 2 == 0 ? "Euro1" : "US1";
    };
    auto currencyChecked = [this, currencyOf](int run) {
        if (!Action(currencyOf(run))->isChecked())
            return QStringLiteral("%1 is not checked").arg(QLatin1String(currencyOf(run)));
        return QString();
    };
    ToResult(StandardLength, StandardInterface, TPage::Final);
    results.append(Step(
        QStringLiteral("currency change on the final summary"), nullptr,
        [&](int run) { Action(currencyOf(run))->trigger(); }, currencyChecked));
    Action("US1")->trigger();
    ToResult(StandardLength, CustomInterface, TPage::NoPN);
    results.append(Step(
        QStringLiteral("currency change on the parts list"), nullptr,
        [&](int run) { Action(currencyOf(run))->trigger(); }, currencyChecked));
    Action("US1")->trigger();
    Settle();

    // The order.
    results.append(Step(
        QStringLiteral("AddResultToOrder into an order of %1 lines").arg(orderSize),
        [this](int) {
            OpenOrder();
            ToResult(StandardLength, StandardInterface, TPage::Final);
        },
        [this](int) { Next(); },
        [this](int) {
            if (const QString problem = PageProblem(TPage::Order); !problem.isEmpty())
                return problem;
            // The assembly is appended, or merged into an equal line already there.
            const QList<TOrderLine>& order = Window->CurrentOrder().OrderLines;
            const bool appended = order.size() == Installation.OrderItems + 1 &&
                                  order.last().PartNumber.contains(StandardStem + StandardLength);
            if (!appended && order.size() != Installation.OrderItems)
                return QStringLiteral("the result did not reach the order");
            return QString();
        }));
    OpenOrder();
    const QString savedOrder =
        QDir(Installation.ProgramFolder).filePath(QStringLiteral("data/bench-saved.fyn"));
    QDir().mkpath(QFileInfo(savedOrder).absolutePath());
    results.append(Step(
        QStringLiteral("save an order of %1 lines (Save As)").arg(orderSize),
        [&](int) {
            QFile::remove(savedOrder);
            FileDialogs::SetNextFileName(savedOrder);
        },
        [this](int) { Action("SaveAs1")->trigger(); },
        [&](int) {
            FileDialogs::TakeShownDialogs();
            if (QFileInfo(savedOrder).size() == 0)
                return QStringLiteral("the order file was not written");
            return QString();
        }));
    results.append(Step(
        QStringLiteral("open an order of %1 lines (Open1Click)").arg(orderSize),
        [this](int) { FileDialogs::SetNextFileName(Installation.OrderFile); },
        [this](int) { TriggerOpen(); },
        [this](int) {
            FileDialogs::TakeShownDialogs();
            if (Window->CurrentOrder().OrderLines.size() != Installation.OrderItems)
                return QStringLiteral("the order has %1 lines")
                    .arg(Window->CurrentOrder().OrderLines.size());
            return PageProblem(TPage::Order);
        }));

    // Exports of the order.
    struct TExport {
        const char* Action;
        const char* File;
        const char* Name;
    };
    for (const TExport& output :
         {TExport{"ToATextFile1", "txt/bench.txt", "text"},
          TExport{"ToanHTMLDocument1", "html/bench.html", "HTML"},
          TExport{"ToanMSExcelSpreadsheet1", "xls/bench.xls", "spreadsheet"},
          TExport{"ToXlsx1", "xlsx/bench.xlsx", "workbook (.xlsx)"},
          TExport{"SaveQuotePdf1", "txt/bench-quote.pdf", "quote PDF"}}) {
        const QString path = QDir(Installation.ProgramFolder).filePath(QLatin1String(output.File));
        // The file dialog starts in Documents; the folder chosen is made here, as a user would.
        QDir().mkpath(QFileInfo(path).absolutePath());
        results.append(Step(
            QStringLiteral("%1 export of an order of %2 lines")
                .arg(QLatin1String(output.Name), orderSize),
            [&](int) {
                QFile::remove(path);
                FileDialogs::SetNextFileName(path);
            },
            [&](int) { Action(output.Action)->trigger(); },
            [&](int) {
                FileDialogs::TakeShownDialogs();
                Dialogs::TakeOpenedUrls();
                if (QFileInfo(path).size() == 0)
                    return QStringLiteral("%1 was not written").arg(path);
                return QString();
            }));
    }
    results.append(Step(
        QStringLiteral("clipboard copy of an order of %1 lines").arg(orderSize), nullptr,
        [this](int) { Action("CopyToClipboard1")->trigger(); },
        [](int) {
            if (QApplication::clipboard()->text().isEmpty())
                return QStringLiteral("the clipboard is empty");
            return QString();
        }));

    // Batch quoting: 1,000 assemblies of the main cable, standard, nearest and custom in turn.
    QStringList rows = {BatchColumns().join(QLatin1Char(','))};
    for (int row = 0; row < 1000; ++row) {
        const bool custom = row % 3 == 2;
        rows.append(
            QStringList{QStringLiteral("jumper"),
                        row % 3 == 1 ? BenchCatalog::NearLength : BenchCatalog::StandardLength,
                        row % 2 == 0 ? QStringLiteral("ft") : QStringLiteral("m"),
                        {},
                        {},
                        BenchCatalog::MainCable,
                        QStringLiteral("plated"),
                        QStringLiteral("prenvo"),
                        BenchCatalog::StandardInterface,
                        {},
                        {},
                        custom ? BenchCatalog::CustomInterface : BenchCatalog::StandardInterface,
                        {},
                        {},
                        {},
                        QString::number(1 + row % 4)}
                .join(QLatin1Char(',')));
    }
    const QByteArray batch = rows.join(QStringLiteral("\r\n")).toUtf8();
    const QString batchFile =
        QDir(Installation.ProgramFolder).filePath(QStringLiteral("batch.csv"));
    QFile file(batchFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(batch) != batch.size())
        BenchFailure(QStringLiteral("cannot write %1").arg(batchFile));
    file.close();
    QList<TBatchItem> quoted;
    results.append(Step(
        QStringLiteral("quote 1,000 CSV rows (ParseCsv and QuoteBatch, core)"), nullptr,
        [&](int) {
            TBatchSources sources;
            sources.Cables = &Window->Catalog();
            sources.Quote = Window->QuoteSources();
            quoted = QuoteBatch(ParseCsv(batch), sources, 1);
        },
        [&](int) {
            for (const TBatchItem& item : std::as_const(quoted))
                if (!item.Error.isEmpty())
                    return QStringLiteral("row %1: %2").arg(item.Row).arg(item.Error);
            return quoted.size() == 1000 ? QString() : QStringLiteral("rows are missing");
        }));
    // ferrolyn quote --datasheets: the same rows, each quoted row's datasheet written to a folder.
    const QString sheets = QDir(Installation.ProgramFolder).filePath(QStringLiteral("sheets"));
    QStringList written;
    results.append(Step(
        QStringLiteral("--datasheets for 1,000 CSV rows (quote, draw and write each PDF)"),
        [&](int) { QDir(sheets).removeRecursively(); },
        [&](int) {
            TBatchSources sources;
            sources.Cables = &Window->Catalog();
            sources.Quote = Window->QuoteSources();
            sources.Datasheets = true;
            const QList<TBatchItem> items = QuoteBatch(ParseCsv(batch), sources, 1);
            QDir().mkpath(sheets);
            const QStringList names = DatasheetFileNames(items);
            written.clear();
            for (qsizetype i = 0, n = 0; i < items.size(); ++i)
                if (items.at(i).Error.isEmpty() &&
                    WriteDatasheetPdf(items.at(i).Datasheet, QDir(sheets).filePath(names.at(n++)))
                        .isEmpty())
                    written.append(names.at(n - 1));
        },
        [&](int) {
            return QDir(sheets).entryList(QDir::Files).size() == 1000 && written.size() == 1000
                       ? QString()
                       : QStringLiteral("%1 datasheets were written").arg(written.size());
        }));
    results.append(Step(
        QStringLiteral("Import Assemblies of 1,000 rows (with progress) into an empty order"),
        [&](int) {
            Window->ShowNewOrder({}, Window->CurrentCurrencyTag());
            FileDialogs::SetNextFileName(batchFile);
        },
        [this](int) { Action("ImportAssemblies1")->trigger(); },
        [this](int) {
            Dialogs::TakeMessages();
            FileDialogs::TakeShownDialogs();
            if (Page() != TPage::Order || Window->CurrentOrder().OrderLines.size() < 3)
                return QStringLiteral("the order has %1 lines")
                    .arg(Window->CurrentOrder().OrderLines.size());
            return QString();
        }));
    return results;
}

} // namespace

QList<TStepResult> MeasureStartups(const TBenchConfig& config,
                                   const TSyntheticInstallation& installation, int runs)
{
    TStepResult construct;
    construct.Name = QStringLiteral("start-up: construct TfrmMain (registry to page 1)");
    TStepResult show;
    show.Name = QStringLiteral("start-up: show and paint page 1");
    show.Info = true;
    TStepResult close;
    close.Name = QStringLiteral("closing the window (destroy TfrmMain)");
    close.Info = true;
    for (int run = 0; run < runs; ++run) {
        Settle();
        // Each start-up begins with the heap handed back to the system, as in a new process;
        // otherwise later runs reuse the pages of earlier ones, which no user's start-up can.
        malloc_trim(0);
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<TfrmMain>();
        construct.Ms.append(Ms(timer.nsecsElapsed()));
        if (window->Terminated())
            BenchFailure(QStringLiteral("the window ended at start-up"));
        if (const QString problem = ShownMessages(); !problem.isEmpty())
            BenchFailure(QStringLiteral("start-up: ") + problem);
        if (window->CurrentPage() != TPage::Page1 ||
            window->Catalog().size() != static_cast<std::size_t>(installation.Cables))
            BenchFailure(QStringLiteral("start-up did not end on page 1 with %1 cables (%2)")
                             .arg(installation.Cables)
                             .arg(window->Catalog().size()));
        timer.restart();
        if (config.Show)
            window->show();
        Settle();
        show.Ms.append(Ms(timer.nsecsElapsed()));
        timer.restart();
        window.reset();
        Settle();
        close.Ms.append(Ms(timer.nsecsElapsed()));
    }
    return {construct, show, close};
}

QList<TStepResult> MeasureWizardSteps(const TBenchConfig& config,
                                      const TSyntheticInstallation& installation)
{
    TWizardDriver driver(config, installation);
    return driver.Run();
}

int RunStartupChild(const QString& root, const QElapsedTimer& sinceMain)
{
    UseInstallation(root);
    QElapsedTimer timer;
    timer.start();
    TfrmMain window;
    const qint64 construct = timer.nsecsElapsed();
    if (window.Terminated()) {
        std::fprintf(stderr, "ferrolyn_bench: the window ended at start-up\n");
        return 1;
    }
    window.show();
    Settle();
    const qint64 toPage1 = sinceMain.nsecsElapsed();
    if (const QString problem = ShownMessages(); !problem.isEmpty()) {
        std::fprintf(stderr, "ferrolyn_bench: start-up: %s\n", qPrintable(problem));
        return 1;
    }
    const TMemory memory = ProcessMemory();
    std::printf("STARTUP %lld %lld %lld %lld\n", static_cast<long long>(construct),
                static_cast<long long>(toPage1), static_cast<long long>(memory.HighWaterKb),
                static_cast<long long>(memory.MaxRssKb));
    std::fflush(stdout);
    return 0;
}
