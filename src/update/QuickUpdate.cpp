#include "QuickUpdate.h"

#include "base/DataError.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "TfrmUpdate.h"
#include "update/Downloader.h"
#include "update/UpdateSettings.h"
#include "update/UpdateSignature.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// How many Quick Update dialogs have been closed in this run.
int& ClosedDialogs()
{
    static int count = 0;
    return count;
}

} // namespace

QString UpdateReminderMessage()
{
    return Tr("QuickUpdate", "It appears you have not updated your application files lately. You "
                             "can download the latest data files from here.");
}

QUrl InstallerUrl()
{
    const QString overridden = qEnvironmentVariable("FERROLYN_UPDATE_URL").trimmed();
    if (!overridden.isEmpty())
        return QUrl(overridden);
#ifdef Q_OS_WIN
    return QUrl(QStringLiteral("https://downloads.vantrel.example/ferrolyn/fnsetup.exe"));
#else
    // The Debian package, beside the Windows installer on the same server.
    return QUrl(QStringLiteral("https://downloads.vantrel.example/ferrolyn/ferrolyn_amd64.deb"));
#endif
}

QString InstallerPath(const QUrl& source)
{
    // The last part of the address names the file; it never holds a '/', and an address that
    // ends in '/' or in a dot segment gives the usual name.
    QString name = source.fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("fnsetup.exe");
    return QDir(AppPaths::UserDataFolder()).filePath(name);
}

void ShowQuickUpdate(QWidget* parent, const QString& message)
{
    // On the heap: should the parent go while the dialog runs, it takes the dialog with it.
    const QPointer<TfrmUpdate> dialog = new TfrmUpdate(parent);
    if (!message.isEmpty())
        dialog->SetMessage(message);
    dialog->exec();
    delete dialog.data();
    ++ClosedDialogs();
}

namespace {

// Says what failed; false, for the caller to return.
bool Failed(QWidget* parent, const TDownloadResult& result)
{
    switch (result.Failure) {
    case TDownloadResult::TFailure::None:
        return true;
    case TDownloadResult::TFailure::Connection:
        Dialogs::Error(parent, Tr("QuickUpdate", "Unable to dowload files. Please make sure you "
                                                 "have an active Internet connection."));
        break;
    case TDownloadResult::TFailure::Cancelled:
        // The user's own choice needs no message.
        break;
    case TDownloadResult::TFailure::Other:
        Dialogs::Error(parent, result.Text);
        break;
    }
    return false;
}

// The detached signature offered beside the installer (its address with ".sig" appended), read
// into signature; false after saying what failed.
bool FetchSignature(QWidget* parent, const QUrl& source, QByteArray& signature)
{
    QUrl address = source;
    address.setPath(source.path() + QStringLiteral(".sig"));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("installer.sig"));
    TDownloadOptions options;
    options.Limit = SignatureLimit;
    options.ProgressName = QLatin1String(SignatureProgressName);
    options.ProgressText = Tr("QuickUpdate", "Downloading the update's signature...");
    const TDownloadResult result = DownloadFile(parent, address, path, options);
    if (result.HttpStatus == 404) {
        Dialogs::Error(parent, NoSignature);
        return false;
    }
    if (!Failed(parent, result))
        return false;
    std::optional<QByteArray> parsed;
    try {
        parsed = ParseSignature(ReadRegularFile(path, SignatureLimit));
    } catch (const TDataError&) {
    }
    if (!parsed) {
        Dialogs::Error(parent, SignatureMismatch);
        return false;
    }
    signature = *parsed;
    return true;
}

} // namespace

bool DownloadAndInstall(QWidget* parent, const QUrl& source, const QString& target)
{
    // Only an installer signed with a key this installation trusts is ever opened: without a
    // key, or a signature, nothing is downloaded.
    const QList<QByteArray> keys = ReadUpdateKeys(AppPaths::ProgramFile(UpdateKeysFileName));
    if (keys.isEmpty()) {
        Dialogs::Error(parent, NoUpdateKey);
        return false;
    }
    QByteArray signature;
    if (!FetchSignature(parent, source, signature))
        return false;
    TDownloadOptions options;
    options.Check = [&](const uchar* data, qint64 size) {
        return SignatureVerifies(data, size, signature, keys) ? QString() : SignatureMismatch;
    };
    const TDownloadResult result = DownloadFile(parent, source, target, options);
    if (!Failed(parent, result))
        return false;
    Dialogs::Information(parent, Tr("QuickUpdate",
                                    "Update files have been downloaded. Press OK to continue with "
                                    "installation"));
    Dialogs::OpenUrl(QUrl::fromLocalFile(target));
    return true;
}

TUpdateReminder::TUpdateReminder(QObject* parent) : QObject(parent), ClosedAtStart(ClosedDialogs())
{
}

bool TUpdateReminder::Blocked() const
{
    return Pending || Showing || ClosedDialogs() != ClosedAtStart ||
           QApplication::activeModalWidget() != nullptr || Dialogs::MessageShowing();
}

void TUpdateReminder::Check(QWidget* mainWindow)
{
    if (Blocked())
        return;

    QString error;
    bool due = false;
    try {
        due = CheckUpdateReminder();
    } catch (const TDataError& failure) {
        // Reported once: closing the message box reactivates the window, which would bring it
        // back.
        if (!ErrorShown)
            error = failure.FullText();
    }
    if (!due && error.isEmpty())
        return;

    // Opened from the event loop rather than inside the activation that asked for it.
    Pending = true;
    QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(mainWindow), error] {
        Pending = false;
        if (!window || Blocked())
            return;
        const QPointer<TUpdateReminder> self = this;
        Showing = true;
        if (!error.isEmpty()) {
            ErrorShown = true;
            Dialogs::Error(window, error);
        } else {
            ShowQuickUpdate(window, UpdateReminderMessage());
        }
        if (self)
            Showing = false;
    });
}
