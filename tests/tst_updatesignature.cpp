#include "update/UpdateSignature.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestUpdateSignature : public QObject
{
    Q_OBJECT
private slots:
    void keyLines_data();
    void keyLines();
    void signedByTheScript();
};

// clang-format off
void TestUpdateSignature::keyLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("keys");
    const QByteArray key = QByteArray(32, 'k').toBase64();
    QTest::newRow("a comment, a blank line, two keys") << "# keys\n\n" + key + "\r\n " + key + " \n" << 2;
    QTest::newRow("not 32 bytes") << QByteArray(31, 'k').toBase64() + "\n" + QByteArray(33, 'k').toBase64() << 0;
    QTest::newRow("not base64") << QByteArray("!!!!\n") + key.left(20) + "*" + key.mid(21) << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}
// clang-format on

void TestUpdateSignature::keyLines()
{
    QFETCH(QByteArray, text);
    QFETCH(int, keys);
    QCOMPARE(ParseUpdateKeys(text).size(), keys);
}

void TestUpdateSignature::signedByTheScript()
{
    // The maker's way: an OpenSSL key, scripts/sign-update.sh, and the line it prints.
    QTemporaryDir dir;
    const QString key = dir.filePath(QStringLiteral("maker.pem"));
    const QString installer = dir.filePath(QStringLiteral("ferrolyn_amd64.deb"));
    QCOMPARE(QProcess::execute(QStringLiteral("openssl"),
                               {QStringLiteral("genpkey"), QStringLiteral("-algorithm"),
                                QStringLiteral("ed25519"), QStringLiteral("-out"), key}),
             0);
    QFile file(installer);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("installer ").repeated(10000));
    file.close();
    QProcess sign;
    sign.start(QStringLiteral("bash"), {QStringLiteral(FERROLYN_SIGN_SCRIPT), key, installer});
    QVERIFY(sign.waitForFinished(30000));
    QCOMPARE(sign.exitCode(), 0);
    const QList<QByteArray> keys =
        ParseUpdateKeys(sign.readAllStandardOutput().split('\n').value(2));
    QCOMPARE(keys.size(), 1);

    QFile signature(installer + QStringLiteral(".sig"));
    QVERIFY(signature.open(QIODevice::ReadOnly));
    const std::optional<QByteArray> bytes = ParseSignature(signature.readAll());
    QVERIFY(bytes.has_value());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray body = file.readAll();
    const auto verifies = [&](const QByteArray& data, const QList<QByteArray>& trusted) {
        return SignatureVerifies(reinterpret_cast<const uchar*>(data.constData()), data.size(),
                                 *bytes, trusted);
    };
    QVERIFY(verifies(body, keys));
    QVERIFY(!verifies(body, {QByteArray(32, 'k')}));
    body[5] = 'X';
    QVERIFY(!verifies(body, keys));
    QVERIFY(!ParseSignature(QByteArray(64, 's').toBase64().chopped(4)).has_value());
}

QTEST_GUILESS_MAIN(TestUpdateSignature)
#include "tst_updatesignature.moc"
