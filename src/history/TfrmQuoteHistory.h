#pragma once

#include "QuoteArchive.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

// File > Quote History...: the archive's quotes, newest first, searched as the user types
// (company, quote number, job or proposal number, author, or a part number of the quote) and
// sortable by any column; Open hands the chosen revision to the window, Export writes the list
// as CSV, Delete removes the chosen revision after a question whose default is No.
class TfrmQuoteHistory : public QDialog
{
    Q_OBJECT
public:
    // The archive at archivePath; an archive that cannot be used is said in the dialog.
    explicit TfrmQuoteHistory(const QString& archivePath, QWidget* parent = nullptr);
    ~TfrmQuoteHistory() override;

    // The revision to open once the dialog is accepted by Open.
    std::optional<TArchivedQuote> Chosen() const { return ChosenQuote; }

private:
    void Search();
    std::optional<TQuoteReference> Selected() const;
    void btnOpenClick();
    void btnExportClick();
    void btnDeleteClick();
    void ShowButtons();

    std::unique_ptr<TQuoteArchive> Archive;
    QLineEdit* edtSearch = nullptr;
    QTableWidget* grdQuotes = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnDelete = nullptr;
    QList<TArchivedQuote> Shown;
    std::optional<TArchivedQuote> ChosenQuote;
};
