#pragma once

#include "TeamArchive.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

// File > Quote History...: the archive's quotes, newest first, searched as the user types
// (company, quote number, job or proposal number, author, or a part number of the quote) and
// sortable by any column; Open hands the chosen revision to the window, Export writes the list
// as CSV, Delete removes the chosen revision after a question whose default is No (on a server,
// only one's own). A quote shows both its numbers when it had a local one; records waiting for
// the server are listed too, marked "not yet sent".
class TfrmQuoteHistory : public QDialog
{
    Q_OBJECT
public:
    // The archive of the setting (its server's password given), with the records waiting in the
    // archive at localPath for that server; an archive that cannot be used is said in the dialog.
    TfrmQuoteHistory(const TArchiveSetting& setting, const QString& localPath,
                     QWidget* parent = nullptr);
    ~TfrmQuoteHistory() override;

    // The revision to open once the dialog is accepted by Open.
    std::optional<TArchivedQuote> Chosen() const { return ChosenQuote; }

private:
    void Search();
    const TArchivedQuote* Selected() const;
    // Where the records waiting for a server are; none when it cannot be read.
    TQuoteArchive* Held() const;
    void btnOpenClick();
    void btnExportClick();
    void btnDeleteClick();
    void ShowButtons();

    std::unique_ptr<TQuoteArchive> Archive;
    // This computer's archive, for the records waiting for the server, when on one.
    std::unique_ptr<TQuoteArchive> Local;
    QLineEdit* edtSearch = nullptr;
    QTableWidget* grdQuotes = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnDelete = nullptr;
    QList<TArchivedQuote> Shown;
    bool OnServer = false;
    std::optional<TArchivedQuote> ChosenQuote;
};
