#pragma once

#include <exception>
#include <QString>
#include <QStringList>

// A failure while reading data: a malformed number, a line with too few fields, an unreadable
// file. It carries the plain message and, when known, the file and line it came from.
class TDataError : public std::exception
{
public:
    explicit TDataError(QString message) : Message(std::move(message)) {}

    const char* what() const noexcept override;

    // Message followed by the file name and line number when they are known.
    QString FullText() const;

    // Adds the location unless an inner reader already set one.
    TDataError& At(const QString& file, int line);

    QString Message;
    QString File;
    int Line = 0;
    // Why a file cannot be opened or read, when Message names the file and gives this reason.
    QString Reason;

private:
    mutable QByteArray Utf8;
};

// The first shown texts joined by separator, followed by "and N more." when there are more: a
// message box stays readable however many lines a file gets wrong.
QString JoinBounded(const QStringList& texts, const QString& separator, int shown = 5);
