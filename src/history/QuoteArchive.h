#pragma once

#include "order/Order.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// A quote's number and revision: "Q-2026-00042/2" as order files carry it.
struct TQuoteReference {
    int Year = 0;
    int Sequence = 0;
    int Revision = 0;

    bool IsValid() const { return Year > 0 && Sequence > 0 && Revision > 0; }
    // "Q-2026-00042"
    QString Number() const;
    // "Q-2026-00042/2"
    QString Text() const;
    // A reference of that form; nothing for any other text.
    static std::optional<TQuoteReference> Parse(const QString& text);
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
};

// What a record says of an order.
struct TQuoteRecord {
    QList<TOrderLine> OrderLines;
    TOrderInfo Info;
    QString File;
    // The reference the order carries (from its file or the archive); an invalid one for none.
    TQuoteReference Reference;
};

// The quote archive: an SQLite database in one file, with a schema version (SQLite's
// user_version) and a migration from each version to the next. Every change is one transaction
// that takes the write lock at its start, so that copies of the program recording at once wait
// for each other and never lose or duplicate a record.
class TQuoteArchive
{
public:
    // The schema this build writes.
    static constexpr int SchemaVersion = 2;

    // Opens the archive, making it (and its folder) when it does not exist, and brings its
    // schema up to date. Throws TDataError naming the file when the path is not a regular file
    // (links are refused), when the database cannot be opened, is damaged, or has a schema newer
    // than this build's.
    explicit TQuoteArchive(const QString& path);
    ~TQuoteArchive();
    TQuoteArchive(const TQuoteArchive&) = delete;
    TQuoteArchive& operator=(const TQuoteArchive&) = delete;

    // The archive of this user: quotes.db in the per-user data folder.
    static QString DefaultPath();

    // Records the order as a quote and returns its reference: a new quote, numbered after the
    // year's last one, when the record's reference is invalid or names a quote this archive does
    // not hold; else the next revision of that quote when the order differs from its latest
    // revision; else (the same order) that latest revision, and nothing is added. The
    // reference's revision itself does not matter. Throws TDataError when it cannot be written.
    TQuoteReference Record(const TQuoteRecord& record, const QDateTime& when, const QString& user);

    // The revisions whose company, quote number, job or proposal number, author or one of whose
    // part numbers contains text (without regard to case), newest first; every revision for an
    // empty text. At most limit of them.
    QList<TArchivedQuote> Search(const QString& text, int limit = 10000) const;
    // One revision, with its order.
    std::optional<TArchivedQuote> Find(const TQuoteReference& reference) const;
    // Removes one revision; false when there is none.
    bool Remove(const TQuoteReference& reference);

    // The login name of the user running the program.
    static QString LoginName();

private:
    QString Path;
    QString Connection;
};
