#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QAction;
class QThread;
class TWindowHost;

// File > Quote History... (QuoteHistory1): the archive's quotes in a dialog; the one opened
// replaces the order (after the question File > Open asks about changes not saved), untitled and
// with its quote's number and revision.
class TQuoteHistory : public QObject
{
    Q_OBJECT
public:
    explicit TQuoteHistory(TWindowHost& window);
    ~TQuoteHistory() override;

    void QuoteHistory1Click();
    void QuoteArchive1Click();

    QAction* QuoteHistory1 = nullptr;
    QAction* QuoteArchive1 = nullptr;

private:
    void SendWaiting();

    TWindowHost& Host;
    // The start's sending of the records that waited on this computer, and its stop.
    QThread* Sender = nullptr;
    std::shared_ptr<std::atomic<bool>> Stopping = std::make_shared<std::atomic<bool>>(false);
};

// Records the window's order as a quote in the quote archive (this computer's, or the team's
// server as Options > Quote Archive... sets it), saved to file (empty when it was printed), and
// keeps the quote's number and revision with the order. A server that cannot be used leaves the
// record waiting here with a local number, and the status bar says so in one line. When no
// archive can be used, the status bar says why and the order is left as it was: saving and
// printing go on without the history.
void RecordOrderQuote(TWindowHost& host, const QString& file);

// Where the window's quote archive is: the user's unless set (tests set it).
QString QuoteArchivePath();
void SetQuoteArchivePath(const QString& path);
// Forgets the passwords given and asked in this run (tests start afresh).
void ForgetAskedPasswords();
