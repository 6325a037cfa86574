#pragma once

#include "base/Translate.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Signed updates: an installer is opened only when its detached Ed25519 signature verifies
// against a key the installation trusts.

// The trusted keys: update-keys.txt of the program folder (never a per-user folder), one key a
// line as the base64 of its 32 bytes; lines starting with '#', blank lines and lines that are no
// such key are ignored.
inline const QString UpdateKeysFileName = QStringLiteral("update-keys.txt");
// The largest key file and signature read: a few lines.
inline constexpr qint64 UpdateKeysLimit = 64 * 1024;
inline constexpr qint64 SignatureLimit = 4 * 1024;

// The keys of the file's text.
QList<QByteArray> ParseUpdateKeys(const QByteArray& text);
// The keys of the installation's update-keys.txt; none when it is missing or cannot be read (a
// file that is not a regular file included).
QList<QByteArray> ReadUpdateKeys(const QString& path);

// The 64 bytes of a signature written as base64 (whitespace ignored); nothing for anything else.
std::optional<QByteArray> ParseSignature(const QByteArray& text);

// True when some key verifies the signature of these bytes.
bool SignatureVerifies(const uchar* data, qint64 size, const QByteArray& signature,
                       const QList<QByteArray>& keys);

// What a failed verification says, in sentences of their own, in the user's language when used
// as a text.
struct TUpdateMessage : TTrKey {
    operator QString() const { return Text(); }
};
inline constexpr TUpdateMessage NoUpdateKey{TrKey(
    "UpdateSignature",
    "Updates cannot be verified: this installation has no update key. Install the new version by "
    "hand from https://www.vantrel.example/.")};
inline constexpr TUpdateMessage NoSignature{TrKey(
    "UpdateSignature", "The download could not be verified: the server offers no signature.")};
inline constexpr TUpdateMessage SignatureMismatch{
    TrKey("UpdateSignature",
          "The download could not be verified: its signature does not match the maker's key.")};
