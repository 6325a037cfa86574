#include "UpdateSignature.h"

#include "base/DataError.h"
#include "base/TextBuffer.h"

#include <sodium.h>

namespace {

// The bytes of base64 text, whitespace ignored; nothing for text that is not base64.
std::optional<QByteArray> Base64(QByteArray text)
{
    text = text.simplified().replace(' ', QByteArray());
    const auto decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

bool SodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

QList<QByteArray> ParseUpdateKeys(const QByteArray& text)
{
    QList<QByteArray> keys;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const std::optional<QByteArray> key = Base64(line);
        if (key && key->size() == crypto_sign_PUBLICKEYBYTES)
            keys.append(*key);
    }
    return keys;
}

QList<QByteArray> ReadUpdateKeys(const QString& path)
{
    try {
        return ParseUpdateKeys(ReadRegularFile(path, UpdateKeysLimit, true));
    } catch (const TDataError&) {
        return {};
    }
}

std::optional<QByteArray> ParseSignature(const QByteArray& text)
{
    if (text.size() > SignatureLimit)
        return std::nullopt;
    const std::optional<QByteArray> signature = Base64(text);
    if (!signature || signature->size() != crypto_sign_BYTES)
        return std::nullopt;
    return signature;
}

bool SignatureVerifies(const uchar* data, qint64 size, const QByteArray& signature,
                       const QList<QByteArray>& keys)
{
    if (!SodiumReady() || signature.size() != crypto_sign_BYTES || (data == nullptr && size > 0))
        return false;
    for (const QByteArray& key : keys)
        if (key.size() == crypto_sign_PUBLICKEYBYTES &&
            crypto_sign_verify_detached(
                reinterpret_cast<const unsigned char*>(signature.constData()), data,
                static_cast<unsigned long long>(size),
                reinterpret_cast<const unsigned char*>(key.constData())) == 0)
            return true;
    return false;
}
