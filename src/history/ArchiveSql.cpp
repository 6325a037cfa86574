#include "ArchiveSql.h"

#include "base/Translate.h"

#include <QRegularExpression>
#include <QUuid>

namespace ArchiveSql {

QString NumberText(int year, int sequence)
{
    return QStringLiteral("Q-%1-%2").arg(year).arg(sequence, 5, 10, QLatin1Char('0'));
}

QString SearchText(const QString& number, const TOrderDetails& details, const QString& partNumbers)
{
    return QStringList{
        number,     details.CompanyName, details.Author, details.JobNumber, details.ProposalNumber,
        partNumbers}
        .join(QLatin1Char('\n'))
        .toLower();
}

TDataError ArchiveError(const QString& reason)
{
    return TDataError(Tr("QuoteArchive", "The quote archive cannot be used: %1").arg(reason));
}

TDataError ArchiveFailure(const QString& reported, const QString& file)
{
    TDataError error = ArchiveError(reported);
    error.Reason = reported;
    if (!file.isEmpty())
        error.At(file, 0);
    return error;
}

QString ContainsPattern(const QString& text)
{
    QString pattern = text;
    pattern.replace(QLatin1Char('!'), QLatin1String("!!"))
        .replace(QLatin1Char('%'), QLatin1String("!%"))
        .replace(QLatin1Char('_'), QLatin1String("!_"));
    return QLatin1Char('%') + pattern + QLatin1Char('%');
}

QString NewRecordKey()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TArchivedQuote QuoteOfRow(const QSqlQuery& row)
{
    TArchivedQuote quote;
    quote.Reference = {row.value(0).toInt(), row.value(1).toInt(), row.value(2).toInt(), QString()};
    quote.Saved = QDateTime::fromString(row.value(3).toString(), Qt::ISODateWithMs);
    quote.User = row.value(4).toString();
    quote.Details.CompanyName = row.value(5).toString();
    quote.Details.Author = row.value(6).toString();
    quote.Details.Date = row.value(7).toString();
    quote.Details.JobNumber = row.value(8).toString();
    quote.Details.ProposalNumber = row.value(9).toString();
    quote.Currency = row.value(10).toString();
    quote.Total = row.value(11).toDouble();
    quote.Lines = row.value(12).toInt();
    quote.File = row.value(13).toString();
    quote.OtherNumber = row.value(14).toString();
    quote.Order = row.value(15).toByteArray();
    return quote;
}

TArchivedQuote HeldOfRow(const QSqlQuery& row)
{
    TArchivedQuote quote = QuoteOfRow(row);
    quote.Reference.Login = row.value(16).toString();
    quote.Waiting = row.value(17).toInt() == 0;
    if (!quote.Waiting)
        quote.OtherNumber = TQuoteReference{row.value(17).toInt(), row.value(18).toInt(),
                                            row.value(19).toInt(), QString()}
                                .Text();
    return quote;
}

} // namespace ArchiveSql

using namespace ArchiveSql;

QString TQuoteReference::Number() const
{
    if (IsLocal())
        return QStringLiteral("L-%1-%2").arg(Login).arg(Sequence);
    return NumberText(Year, Sequence);
}

QString TQuoteReference::Text() const
{
    return Number() + QLatin1Char('/') + QString::number(Revision);
}

std::optional<TQuoteReference> TQuoteReference::Parse(const QString& text)
{
    static const QRegularExpression Form(QStringLiteral("^Q-(\\d{4})-(\\d{5,9})/(\\d{1,9})$"));
    static const QRegularExpression LocalForm(
        QStringLiteral("^L-([A-Za-z0-9._-]{1,20})-(\\d{1,9})/(\\d{1,9})$"));
    TQuoteReference reference;
    if (const QRegularExpressionMatch match = Form.match(text.trimmed()); match.hasMatch())
        reference = {match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt(), QString()};
    else if (const QRegularExpressionMatch local = LocalForm.match(text.trimmed());
             local.hasMatch())
        reference = {0, local.captured(2).toInt(), local.captured(3).toInt(), local.captured(1)};
    if (!reference.IsValid())
        return std::nullopt;
    return reference;
}

QString TQuoteReference::LocalLogin(const QString& login)
{
    QString text;
    for (const QChar c : login.left(20))
        text += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('.') ||
                        c == QLatin1Char('_') || c == QLatin1Char('-')
                    ? c
                    : QLatin1Char('_');
    return text.isEmpty() ? QStringLiteral("user") : text;
}

QString TArchiveServer::Key() const
{
    return QStringLiteral("%1@%2:%3/%4").arg(User, Host, QString::number(Port), Database);
}
