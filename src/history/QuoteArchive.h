#pragma once

#include "base/DataError.h"
#include "order/Order.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A quote's number and revision as order files carry it: "Q-2026-00042/2", or "L-ann-7/1" for a
// local number, given on this computer while the team's server could not be reached.
struct TQuoteReference {
    int Year = 0;
    int Sequence = 0;
    int Revision = 0;
    // The login of a local number; empty for a "Q-" number.
    QString Login;

    bool IsLocal() const { return !Login.isEmpty(); }
    bool IsValid() const
    {
        return Sequence > 0 && Revision > 0 && (IsLocal() ? Year == 0 : Year > 0);
    }
    // "Q-2026-00042" or "L-ann-7"
    QString Number() const;
    // "Q-2026-00042/2" or "L-ann-7/1"
    QString Text() const;
    // A reference of either form; nothing for any other text.
    static std::optional<TQuoteReference> Parse(const QString& text);
    // A login as a local number carries it: letters, digits, '.', '_' and '-' (others become
    // '_'), at most 20 of them.
    static QString LocalLogin(const QString& login);
    bool operator==(const TQuoteReference&) const = default;
};

// One revision of a quote as the archive keeps it.
struct TArchivedQuote {
    TQuoteReference Reference;
    QDateTime Saved; // when it was recorded (UTC)
    QString User;    // the login name that recorded it
    TOrderDetails Details;
    QString Currency; // the order's currency code; empty when it has none
    double Total = 0;
    int Lines = 0;
    QString File; // the file it was saved to; empty for none
    // The order, as the bytes of its order file.
    QByteArray Order;
    // Its other number: the local one ("L-ann-7/1") a server's quote had before it was sent, or
    // the server's one ("Q-2026-00042/1") a local record got when it was sent; empty for none.
    QString OtherNumber;
    // A local record not yet sent to the team's server.
    bool Waiting = false;
};

// What a record says of an order.
struct TQuoteRecord {
    QList<TOrderLine> OrderLines;
    TOrderInfo Info;
    QString File;
    // The reference the order carries (from its file or the archive); an invalid one for none.
    TQuoteReference Reference;
    // What makes the record itself known again when it is sent twice (a new one when empty).
    QString Key;
};

// A team's archive on a PostgreSQL server.
struct TArchiveServer {
    // A host name, an address, or the folder of the server's Unix socket.
    QString Host;
    int Port = 5432;
    QString Database;
    QString User;
    // Empty: the server's own ways (~/.pgpass, PGPASSWORD) or none.
    QString Password;
    // How long a connection is waited for, and a statement.
    int TimeoutSeconds = 3;

    // "user@host:port/database": what names the password in the keyring.
    QString Key() const;
};

// Why a server archive cannot be used.
class TArchiveServerError : public TDataError
{
public:
    enum class TKind { NoDriver, Unreachable, UnknownHost, TimedOut, Password, NoDatabase, Other };
    TArchiveServerError(TKind kind, const QString& message) : TDataError(message), Kind(kind) {}
    TKind Kind;
    // True when another try may work: the server was away rather than refusing.
    bool ServerAway() const
    {
        return Kind == TKind::Unreachable || Kind == TKind::TimedOut || Kind == TKind::Other;
    }
};

// The quote archive: an SQLite database in one file, or a PostgreSQL database shared by a team,
// with a schema version and a migration from each version to the next. Every change is one
// transaction that takes its locks at its start (SQLite's write lock; on a server, the year's
// counter row or the quote's lock), so that copies of the program recording at once wait for each
// other and never lose or duplicate a record. Quote numbers come from a counter per year, kept in
// the same transaction.
//
// The file archive also holds the records made while the team's server could not be reached:
// numbered locally ("L-ann-7/1"), and marked sent, with the number the server gave, once sent.
class TQuoteArchive
{
public:
    // The schema this build writes.
    static constexpr int SchemaVersion = 3;

    // Opens the archive, making it (and its folder) when it does not exist, and brings its
    // schema up to date. Throws TDataError naming the file when the path is not a regular file
    // (links are refused), when the database cannot be opened, is damaged, or has a schema newer
    // than this build's.
    explicit TQuoteArchive(const QString& path);
    // Connects to the server, making the schema on first use. Throws TArchiveServerError saying
    // plainly what failed.
    explicit TQuoteArchive(const TArchiveServer& server);
    ~TQuoteArchive();
    TQuoteArchive(const TQuoteArchive&) = delete;
    TQuoteArchive& operator=(const TQuoteArchive&) = delete;

    bool OnServer() const;

    // The archive of this user: quotes.db in the per-user data folder.
    static QString DefaultPath();

    // Records the order as a quote and returns its reference: a new quote, numbered after the
    // year's last one, when the record's reference is invalid or names a quote this archive does
    // not hold; else the next revision of that quote when the order differs from its latest
    // revision; else (the same order) that latest revision, and nothing is added. The
    // reference's revision itself does not matter. A local reference names the quote the server
    // numbered it as. Throws TDataError when it cannot be written.
    TQuoteReference Record(const TQuoteRecord& record, const QDateTime& when, const QString& user);

    // The revisions whose company, quote number, job or proposal number, author or one of whose
    // part numbers contains text (without regard to case), newest first; every revision for an
    // empty text. At most limit of them.
    QList<TArchivedQuote> Search(const QString& text, int limit = 10000) const;
    // One revision, with its order.
    std::optional<TArchivedQuote> Find(const TQuoteReference& reference) const;
    // Removes one revision (recorded by onlyBy, unless that is empty, and on a server by this
    // database user too); false when there is none.
    bool Remove(const TQuoteReference& reference, const QString& onlyBy = QString());

    // --- Records waiting for the server (the file archive only) ---
    // Keeps the record with a local number of login: the next revision of the local quote the
    // record's reference names (or that same revision when the order is unchanged), else a new
    // local quote that will become the next revision of the "Q-" quote it names, if any.
    TQuoteReference Hold(const TQuoteRecord& record, const QDateTime& when, const QString& user,
                         const QString& login);
    // The held records not yet sent whose search text contains text, oldest first.
    QList<TArchivedQuote> Waiting(const QString& text = QString()) const;
    // Sends the waiting records, oldest first, to the server archive; each gets its number there
    // and is marked sent. One the server refuses waits on (and so do that local quote's later
    // revisions) while the others go. Returns how many were sent; throws TDataError (the ones
    // sent stay sent) when the server stops answering. Stops early when stop says so.
    int SendWaiting(TQuoteArchive& server, const std::function<bool()>& stop = {});
    // The number the server gave the local quote (its latest revision sent); nothing when it has
    // not been sent.
    std::optional<TQuoteReference> SentAs(const TQuoteReference& local) const;

    // The login name of the user running the program.
    static QString LoginName();

    // Called on a server archive just before a record's transaction commits (tests take the
    // server away there).
    static inline std::function<void()> BeforeCommit;

private:
    struct TRow;
    static TRow RowOf(const TQuoteRecord& record, const QDateTime& when, const QString& user);
    // True when the connection still answers.
    bool Answers() const;
    TQuoteReference RecordRow(const TRow& row, const TQuoteReference& reference,
                              const QString& localNumber);
    void Migrate();
    QString Sql(QString text) const;

    QString Where; // the file, or the server as "user@host:port/database"
    QString Connection;
    bool Server = false;
};
