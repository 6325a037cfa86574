#include "QuoteHistory.h"

#include "base/DataError.h"
#include "base/TextBuffer.h"
#include "base/Translate.h"
#include "documents/OrderDocument.h"
#include "main/WindowHost.h"
#include "order/OrderFile.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Translation.h"
#include "QuoteArchive.h"
#include "TeamArchive.h"
#include "TfrmQuoteArchive.h"
#include "TfrmQuoteHistory.h"

#include <QAction>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QThread>
#include <QTimer>

namespace {

QString ArchivePath;
// Servers whose password was asked in this run.
QSet<QString> Asked;

// Asks for the server's password after it refused the one it was given (or none): once a run,
// unless a password typed here was refused too. Nothing when the user gives none.
std::optional<QString> AskPassword(const TArchiveServer& server, QWidget* parent)
{
    const QString key = server.Key();
    const bool refusedTyped = Asked.contains(key) && KnownPassword(server).has_value();
    if (Asked.contains(key) && !refusedTyped)
        return std::nullopt;
    Asked.insert(key);
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgArchivePassword"));
    dialog.setWindowTitle(Tr("QuoteHistory", "Quote Archive"));
    dialog.setLabelText(
        Tr("QuoteHistory", "Password of user \"%1\" on the quote archive server %2:")
            .arg(server.User, server.Host));
    dialog.setTextEchoMode(QLineEdit::Password);
    if (dialog.exec() != QDialog::Accepted || dialog.textValue().isEmpty())
        return std::nullopt;
    RememberPassword(server, dialog.textValue());
    return dialog.textValue();
}

} // namespace

QString QuoteArchivePath()
{
    return ArchivePath.isEmpty() ? TQuoteArchive::DefaultPath() : ArchivePath;
}

void SetQuoteArchivePath(const QString& path)
{
    ArchivePath = path;
}

void ForgetAskedPasswords()
{
    Asked.clear();
    ForgetPasswords();
}

void RecordOrderQuote(TWindowHost& host, const QString& file)
{
    // A quote is dated: without a date of the user's, the day it is first recorded, saved as a
    // PDF or printed becomes its date, kept with the order so that a reprint shows the same.
    if (host.CurrentOrder().Info.Details.Date.isEmpty()) {
        TOrderDetails details = host.CurrentOrder().Info.Details;
        details.Date = QuoteDateToday();
        host.SetOrderDetails(details);
    }
    const TOrder& order = host.CurrentOrder();
    TQuoteRecord record;
    record.OrderLines = order.OrderLines;
    record.Info = order.Info;
    record.File = file;
    record.Reference = TQuoteReference::Parse(order.Info.Quote).value_or(TQuoteReference());
    TArchiveSetting setting = TArchiveSetting::Current();
    try {
        const auto recordIn = [&](const TArchiveSetting& archive) {
            return RecordQuote(archive, QuoteArchivePath(), record, QDateTime::currentDateTime(),
                               TQuoteArchive::LoginName(), TQuoteArchive::LoginName());
        };
        TRecorded recorded = recordIn(setting);
        if (recorded.Held && recorded.ProblemKind == TArchiveServerError::TKind::Password) {
            // The record waits here; with the password it is sent at once, and recording it
            // again finds it sent.
            if (const std::optional<QString> password =
                    AskPassword(setting.Server, &host.MainWindow())) {
                setting.Server.Password = *password;
                record.Reference = recorded.Reference;
                recorded = recordIn(setting);
                recorded.Sent = std::max(0, recorded.Sent - 1);
            }
        }
        const TQuoteReference& reference = recorded.Reference;
        host.SetOrderQuote(reference.Text());
        if (recorded.Held) {
            host.ShowStatus(Tr("QuoteHistory", "Kept on this computer as quote %1, revision %2, "
                                               "not yet sent: %3")
                                .arg(reference.Number())
                                .arg(reference.Revision)
                                .arg(recorded.Problem.simplified()));
        } else if (recorded.Sent > 0) {
            host.ShowStatus(Tr("QuoteHistory", "Recorded as quote %1, revision %2. Quotes that "
                                               "waited on this computer, now sent: %3.")
                                .arg(reference.Number())
                                .arg(reference.Revision)
                                .arg(recorded.Sent));
        } else {
            host.ShowStatus(Tr("QuoteHistory", "Recorded as quote %1, revision %2.")
                                .arg(reference.Number())
                                .arg(reference.Revision));
        }
    } catch (const TDataError& error) {
        host.ShowStatus(
            Tr("QuoteHistory", "Not recorded in the quote history: %1").arg(error.FullText()));
    }
}

TQuoteHistory::TQuoteHistory(TWindowHost& window) : QObject(&window.MainWindow()), Host(window)
{
    setObjectName(QStringLiteral("QuoteHistory"));
    QMainWindow& main = Host.MainWindow();
    QMenu* file = main.findChild<QMenu*>(QStringLiteral("File1"));
    QuoteHistory1 = new QAction(file);
    QuoteHistory1->setObjectName(QStringLiteral("QuoteHistory1"));
    BindText(QuoteHistory1, "text", TrKey("TQuoteHistory", "Quote Histo&ry..."));
    // Beside View Last Order: the orders of earlier days.
    QAction* before = main.findChild<QAction*>(QStringLiteral("QuickUpdate1"));
    file->insertAction(before, QuoteHistory1);
    connect(QuoteHistory1, &QAction::triggered, this, &TQuoteHistory::QuoteHistory1Click);

    // Options, before About: where quotes are recorded.
    QMenu* options = Bound(new QMenu(main.menuBar()), "title", TrKey("TQuoteHistory", "&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    options->menuAction()->setObjectName(QStringLiteral("Options1"));
    main.menuBar()->insertMenu(main.findChild<QAction*>(QStringLiteral("Help1")), options);
    QuoteArchive1 =
        Bound(options->addAction(QString()), "text", TrKey("TQuoteHistory", "&Quote Archive..."));
    QuoteArchive1->setObjectName(QStringLiteral("QuoteArchive1"));
    connect(QuoteArchive1, &QAction::triggered, this, &TQuoteHistory::QuoteArchive1Click);

    // Records that waited on this computer go to the server when the program starts, without
    // holding the window up.
    QTimer::singleShot(0, this, &TQuoteHistory::SendWaiting);
}

TQuoteHistory::~TQuoteHistory()
{
    if (Sender != nullptr) {
        // The sending stops after the record it is at.
        Stopping->store(true);
        Sender->wait();
        delete Sender;
    }
}

void TQuoteHistory::SendWaiting()
{
    const QString path = QuoteArchivePath();
    if (!TArchiveSetting::Read(AppPaths::WindowSettingsFile()).OnServer || WaitingQuotes(path) == 0)
        return;
    // The keyring may be waited for: the window may be gone by then.
    const QPointer<TQuoteHistory> alive(this);
    const TArchiveSetting setting = TArchiveSetting::Current();
    if (alive.isNull() || !setting.OnServer)
        return;
    auto result = std::make_shared<std::pair<int, QString>>(0, QString());
    std::shared_ptr<std::atomic<bool>> stopping = Stopping;
    Sender = QThread::create([setting, path, result, stopping] {
        try {
            result->first =
                SendWaitingQuotes(setting, path, [stopping] { return stopping->load(); });
        } catch (const TDataError& error) {
            result->second = error.FullText().simplified();
        }
    });
    connect(Sender, &QThread::finished, this, [this, path, result] {
        if (!result->second.isEmpty())
            Host.ShowStatus(Tr("QuoteHistory", "Quotes waiting on this computer for the quote "
                                               "archive server: %1. Not sent: %2")
                                .arg(WaitingQuotes(path))
                                .arg(result->second));
        else if (result->first > 0)
            Host.ShowStatus(Tr("QuoteHistory", "Quotes that waited on this computer, now sent "
                                               "to the quote archive server: %1.")
                                .arg(result->first));
    });
    Sender->start();
}

void TQuoteHistory::QuoteArchive1Click()
{
    TfrmQuoteArchive dialog(TArchiveSetting::Current(), &Host.MainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TArchiveSetting setting = dialog.Setting();
    try {
        setting.Write(AppPaths::WindowSettingsFile());
    } catch (const TDataError& error) {
        Dialogs::Error(&Host.MainWindow(), error.FullText());
        return;
    }
    if (setting.OnServer && !dialog.Password().isEmpty()) {
        if (!RememberPassword(setting.Server, dialog.Password()))
            Host.ShowStatus(Tr("QuoteHistory", "No keyring answered: the password is kept until "
                                               "Ferrolyn closes."));
    } else if (!setting.OnServer) {
        if (const int waiting = WaitingQuotes(QuoteArchivePath()); waiting > 0)
            Host.ShowStatus(Tr("QuoteHistory", "Quotes waiting on this computer for the quote "
                                               "archive server: %1. They are sent when the server "
                                               "is chosen again.")
                                .arg(waiting));
    }
}

void TQuoteHistory::QuoteHistory1Click()
{
    TArchiveSetting setting = TArchiveSetting::Current();
    if (setting.OnServer) {
        // A server that refuses the password known (or none): asked for it first.
        try {
            const TQuoteArchive tried(setting.Server);
        } catch (const TArchiveServerError& error) {
            if (error.Kind == TArchiveServerError::TKind::Password)
                if (const std::optional<QString> password =
                        AskPassword(setting.Server, &Host.MainWindow()))
                    setting.Server.Password = *password;
        } catch (const TDataError&) {
            // Said in the dialog.
        }
    }
    TfrmQuoteHistory dialog(setting, QuoteArchivePath(), &Host.MainWindow());
    if (dialog.exec() != QDialog::Accepted || !dialog.Chosen())
        return;
    auto* document = Host.MainWindow().findChild<TOrderDocument*>();
    if (document != nullptr && !document->MayReplace())
        return;
    // A copy: Chosen() gives the dialog's choice by value.
    const TArchivedQuote quote = *dialog.Chosen();
    try {
        TOrderFileContents contents =
            ParseOrderFile(TextLines(quote.Order), quote.Reference.Number());
        contents.Quote = quote.Reference.Text();
        Host.ShowOrder(contents);
    } catch (const TDataError& error) {
        Dialogs::Error(&Host.MainWindow(), error.FullText());
    }
}
