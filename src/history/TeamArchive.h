#pragma once

#include "QuoteArchive.h"

#include <memory>
#include <optional>

// Where quotes are recorded: this computer's archive, or a team's archive on a server. Kept in
// the program's settings (Ferrolyn.ini, section QuoteArchive), without the password; the window
// and the command line read the same.
struct TArchiveSetting {
    bool OnServer = false;
    TArchiveServer Server; // its password is never part of the setting

    static TArchiveSetting Read(const QString& settingsFile);
    // The setting of the program's settings file, with its server's password when one is known
    // in this run or kept in the keyring.
    static TArchiveSetting Current();
    // Throws TDataError naming the file when it cannot be written.
    void Write(const QString& settingsFile) const;
};

// Where passwords of servers are kept between runs: the system keyring.
class TPasswordStore
{
public:
    virtual ~TPasswordStore() = default;
    // The password kept under key; nothing when there is none or no keyring answers.
    virtual std::optional<QString> Read(const QString& key) = 0;
    // False when no keyring answers.
    virtual bool Write(const QString& key, const QString& password) = 0;
};

// The system keyring (QtKeychain); tests put another store in its place.
TPasswordStore& Keyring();
void SetKeyring(TPasswordStore* store);

// The password of the server in this run: the one given in this run, else the keyring's.
std::optional<QString> KnownPassword(const TArchiveServer& server);
// Keeps the password for this run, and in the keyring when one answers (true then).
bool RememberPassword(const TArchiveServer& server, const QString& password);
// Forgets the passwords given in this run (tests start afresh).
void ForgetPasswords();

// What recording a quote did.
struct TRecorded {
    TQuoteReference Reference;
    // Kept on this computer with a local number: the server could not be used.
    bool Held = false;
    // Why the server could not be used.
    QString Problem;
    // Records that had waited on this computer, sent before this one.
    int Sent = 0;
    std::optional<TArchiveServerError::TKind> ProblemKind;
};

// Records the order in the archive of the setting. On a server, the records waiting on this
// computer are sent first; when the server cannot be used the record is held in the archive at
// localPath with a local number of login. Throws TDataError when it cannot be recorded at all.
TRecorded RecordQuote(const TArchiveSetting& setting, const QString& localPath,
                      const TQuoteRecord& record, const QDateTime& when, const QString& user,
                      const QString& login);

// Sends the records waiting in the archive at localPath to the setting's server; returns how many
// were sent. Throws TDataError when the server or the local archive cannot be used. Stops early
// when stop says so.
int SendWaitingQuotes(const TArchiveSetting& setting, const QString& localPath,
                      const std::function<bool()>& stop = {});
// How many records wait in the archive at localPath (0 when it cannot be read).
int WaitingQuotes(const QString& localPath);

// The archive the setting names: the server's, or the file at localPath. Throws TDataError.
std::unique_ptr<TQuoteArchive> OpenQuoteArchive(const TArchiveSetting& setting,
                                                const QString& localPath);
