#include "DataError.h"

#include "Translate.h"

#include <QFileInfo>

const char* TDataError::what() const noexcept
{
    Utf8 = FullText().toUtf8();
    return Utf8.constData();
}

QString TDataError::FullText() const
{
    if (File.isEmpty())
        return Message;
    QString where = QFileInfo(File).fileName();
    if (Line > 0)
        where += Tr("DataError", ", line %1").arg(Line);
    return Message + QStringLiteral("\n(") + where + QLatin1Char(')');
}

TDataError& TDataError::At(const QString& file, int line)
{
    if (File.isEmpty()) {
        File = file;
        Line = line;
    }
    return *this;
}

QString JoinBounded(const QStringList& texts, const QString& separator, int shown)
{
    // "and 1 more" would hide what naming it takes no more room than saying so.
    if (texts.size() <= shown + 1)
        return texts.join(separator);
    return texts.first(shown).join(separator) + separator +
           Tr("DataError", "and %1 more.").arg(texts.size() - shown);
}
