#include "TfrmQuoteHistory.h"

#include "base/DataError.h"
#include "base/LineFormat.h"
#include "base/SafeFile.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "quote/Csv.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum TColumn { ColNumber, ColRevision, ColDate, ColCompany, ColAuthor, ColTotal, ColLines };
constexpr int SortRole = Qt::UserRole;

// A cell that sorts by its key (a number, a date) rather than by the text it shows.
class TSortedItem : public QTableWidgetItem
{
public:
    TSortedItem(const QString& text, const QVariant& key) : QTableWidgetItem(text)
    {
        setData(SortRole, key);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return QVariant::compare(data(SortRole), other.data(SortRole)) < 0;
    }
};

} // namespace

TfrmQuoteHistory::TfrmQuoteHistory(const TArchiveSetting& setting, const QString& localPath,
                                   QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmQuoteHistory"));
    setWindowTitle(tr("Quote History"));
    auto* layout = new QVBoxLayout(this);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setPlaceholderText(
        tr("Search by company, quote number, job or proposal number, author or part number"));
    edtSearch->setClearButtonEnabled(true);
    layout->addWidget(edtSearch);

    grdQuotes = new QTableWidget(0, 7, this);
    grdQuotes->setObjectName(QStringLiteral("grdQuotes"));
    grdQuotes->setHorizontalHeaderLabels({tr("Quote"), tr("Revision"), tr("Date"), tr("Company"),
                                          tr("Author"), tr("Total"), tr("Lines")});
    grdQuotes->verticalHeader()->setVisible(false);
    grdQuotes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdQuotes->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdQuotes->setSelectionMode(QAbstractItemView::SingleSelection);
    grdQuotes->horizontalHeader()->setStretchLastSection(false);
    grdQuotes->horizontalHeader()->setSectionResizeMode(ColCompany, QHeaderView::Stretch);
    grdQuotes->setSortingEnabled(true);
    layout->addWidget(grdQuotes, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption) {
        auto* pushButton = new QPushButton(caption, this);
        pushButton->setObjectName(QLatin1String(name));
        buttons->addWidget(pushButton);
        return pushButton;
    };
    btnOpen = button("btnOpen", tr("&Open"));
    btnExport = button("btnExport", tr("&Export..."));
    btnDelete = button("btnDelete", tr("&Delete"));
    buttons->addStretch(1);
    QPushButton* btnClose = button("btnClose", tr("Close"));
    layout->addLayout(buttons);
    btnOpen->setDefault(true);

    connect(edtSearch, &QLineEdit::textChanged, this, &TfrmQuoteHistory::Search);
    connect(grdQuotes, &QTableWidget::itemSelectionChanged, this, &TfrmQuoteHistory::ShowButtons);
    connect(grdQuotes, &QTableWidget::itemDoubleClicked, this, &TfrmQuoteHistory::btnOpenClick);
    connect(btnOpen, &QPushButton::clicked, this, &TfrmQuoteHistory::btnOpenClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmQuoteHistory::btnExportClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmQuoteHistory::btnDeleteClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 460);

    QString problem;
    try {
        Archive = OpenQuoteArchive(setting, localPath);
    } catch (const TDataError& error) {
        problem = error.FullText();
    }
    try {
        if (setting.OnServer && QFileInfo::exists(localPath))
            Local = std::make_unique<TQuoteArchive>(localPath);
    } catch (const TDataError& error) {
        problem += (problem.isEmpty() ? QString() : QStringLiteral("\n")) + error.FullText();
    }
    if (!problem.isEmpty()) {
        auto* label = new QLabel(problem, this);
        label->setObjectName(QStringLiteral("lblProblem"));
        label->setWordWrap(true);
        layout->insertWidget(0, label);
        edtSearch->setEnabled(Archive != nullptr || Local != nullptr);
    }
    OnServer = setting.OnServer;
    Search();
}

TfrmQuoteHistory::~TfrmQuoteHistory() = default;

TQuoteArchive* TfrmQuoteHistory::Held() const
{
    // This computer's archive, which is the one shown when quotes are recorded here.
    return Local != nullptr ? Local.get() : OnServer ? nullptr : Archive.get();
}

void TfrmQuoteHistory::Search()
{
    Shown.clear();
    try {
        if (TQuoteArchive* held = Held())
            Shown = held->Waiting(edtSearch->text());
        if (Archive != nullptr)
            Shown += Archive->Search(edtSearch->text());
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
    const QLocale locale;
    grdQuotes->setSortingEnabled(false);
    grdQuotes->clearContents();
    grdQuotes->setRowCount(int(Shown.size()));
    for (int row = 0; row < Shown.size(); ++row) {
        const TArchivedQuote& quote = Shown.at(row);
        const QDateTime saved = quote.Saved.toLocalTime();
        // Both numbers of a quote that had a local one; a record still here, marked.
        QString number = quote.Reference.Number();
        if (quote.Waiting)
            number += QLatin1Char(' ') + tr("(not yet sent)");
        else if (!quote.OtherNumber.isEmpty())
            number += QStringLiteral(" (") + quote.OtherNumber + QLatin1Char(')');
        const QList<QTableWidgetItem*> cells = {
            new TSortedItem(number, quote.Reference.Number()),
            new TSortedItem(locale.toString(quote.Reference.Revision), quote.Reference.Revision),
            new TSortedItem(locale.toString(saved, QLocale::ShortFormat), saved),
            new TSortedItem(quote.Details.CompanyName, quote.Details.CompanyName.toLower()),
            new TSortedItem(quote.Details.Author, quote.Details.Author.toLower()),
            new TSortedItem(locale.toString(quote.Total, 'f', 2) + QLatin1Char(' ') +
                                quote.Currency,
                            quote.Total),
            new TSortedItem(locale.toString(quote.Lines), quote.Lines)};
        for (int column = 0; column < cells.size(); ++column) {
            cells.at(column)->setData(Qt::UserRole + 1, row);
            if (column == ColRevision || column == ColTotal || column == ColLines)
                cells.at(column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdQuotes->setItem(row, column, cells.at(column));
        }
    }
    grdQuotes->setSortingEnabled(true);
    grdQuotes->resizeColumnsToContents();
    grdQuotes->horizontalHeader()->setSectionResizeMode(ColCompany, QHeaderView::Stretch);
    if (grdQuotes->rowCount() > 0)
        grdQuotes->selectRow(0);
    ShowButtons();
}

const TArchivedQuote* TfrmQuoteHistory::Selected() const
{
    const QList<QTableWidgetItem*> items = grdQuotes->selectedItems();
    if (items.isEmpty())
        return nullptr;
    const int index = items.first()->data(Qt::UserRole + 1).toInt();
    if (index < 0 || index >= Shown.size())
        return nullptr;
    return &Shown.at(index);
}

void TfrmQuoteHistory::ShowButtons()
{
    const TArchivedQuote* chosen = Selected();
    btnOpen->setEnabled(chosen != nullptr);
    // On a team's server, one's own quotes only; a record waiting here, never.
    btnDelete->setEnabled(chosen != nullptr && !chosen->Waiting &&
                          (!OnServer || chosen->User == TQuoteArchive::LoginName()));
    btnExport->setEnabled(!Shown.isEmpty());
}

void TfrmQuoteHistory::btnOpenClick()
{
    const TArchivedQuote* chosen = Selected();
    TQuoteArchive* archive = chosen != nullptr && chosen->Waiting ? Held() : Archive.get();
    if (chosen == nullptr || archive == nullptr)
        return;
    try {
        ChosenQuote = archive->Find(chosen->Reference);
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
        return;
    }
    if (ChosenQuote)
        accept();
}

void TfrmQuoteHistory::btnExportClick()
{
    const QString path = FileDialogs::GetSaveFileName(
        this, tr("Export Quote History"), TDialogFolder::Exports, tr("CSV Files (*.csv)"),
        QStringLiteral("csv"), QStringLiteral("quote history.csv"));
    if (path.isEmpty())
        return;
    // Data, as the command line's list is: '.' and ASCII digits, dates as yyyy-MM-dd.
    QString text =
        CsvLine({QStringLiteral("number"), QStringLiteral("revision"), QStringLiteral("date"),
                 QStringLiteral("company"), QStringLiteral("author"), QStringLiteral("total"),
                 QStringLiteral("currency"), QStringLiteral("lines")}) +
        QStringLiteral("\r\n");
    for (const TArchivedQuote& quote : std::as_const(Shown))
        text +=
            CsvLine({quote.Reference.Number(), QString::number(quote.Reference.Revision),
                     quote.Saved.toLocalTime().date().toString(Qt::ISODate),
                     SpreadsheetText(quote.Details.CompanyName),
                     SpreadsheetText(quote.Details.Author), QString::number(quote.Total, 'f', 2),
                     quote.Currency, QString::number(quote.Lines)}) +
            QStringLiteral("\r\n");
    try {
        WriteFileAtomically(path, text.toUtf8(), tr("quote history"));
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
}

void TfrmQuoteHistory::btnDeleteClick()
{
    const TArchivedQuote* chosen = Selected();
    if (chosen == nullptr || !btnDelete->isEnabled() || Archive == nullptr)
        return;
    const std::optional<TQuoteReference> reference = chosen->Reference;
    if (Dialogs::Message(this, Dialogs::TIcon::Confirmation,
                         tr("Delete quote %1, revision %2, from the quote history? This cannot "
                            "be undone.")
                             .arg(reference->Number())
                             .arg(reference->Revision),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        if (!Archive->Remove(*reference, OnServer ? TQuoteArchive::LoginName() : QString()))
            Dialogs::Error(this, tr("Quote %1, revision %2, was not deleted: it is gone, or it "
                                    "is not one of yours.")
                                     .arg(reference->Number())
                                     .arg(reference->Revision));
    } catch (const TDataError& error) {
        Dialogs::Error(this, error.FullText());
    }
    Search();
}
