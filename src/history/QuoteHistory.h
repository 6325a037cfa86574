#pragma once

#include <QObject>
#include <QString>

class QAction;
class TWindowHost;

// File > Quote History... (QuoteHistory1): the archive's quotes in a dialog; the one opened
// replaces the order (after the question File > Open asks about changes not saved), untitled and
// with its quote's number and revision.
class TQuoteHistory : public QObject
{
    Q_OBJECT
public:
    explicit TQuoteHistory(TWindowHost& window);

    void QuoteHistory1Click();

    QAction* QuoteHistory1 = nullptr;

private:
    TWindowHost& Host;
};

// Records the window's order as a quote in the user's quote archive, saved to file (empty when
// it was printed), and keeps the quote's number and revision with the order. When the archive
// cannot be used, the status bar says why and the order is left as it was: saving and printing
// go on without the history.
void RecordOrderQuote(TWindowHost& host, const QString& file);

// Where the window's quote archive is: the user's unless set (tests set it).
QString QuoteArchivePath();
void SetQuoteArchivePath(const QString& path);
