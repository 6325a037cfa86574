#include "Translate.h"

#include "base/LineFormat.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
thread_local int EnglishDepth = 0;
} // namespace

QString TTrKey::Text() const
{
    return Tr(Context, Source);
}

QString Tr(const char* context, const char* source, const char* disambiguation, int n)
{
    if (EnglishDepth == 0)
        return QCoreApplication::translate(context, source, disambiguation, n);
    QString text = QString::fromUtf8(source);
    if (n >= 0) {
        text.replace(QLatin1String("%Ln"),
                     (TDataNumbers::Active() ? QLocale::c() : QLocale()).toString(n));
        text.replace(QLatin1String("%n"), QString::number(n));
    }
    return text;
}

TEnglishTexts::TEnglishTexts()
{
    ++EnglishDepth;
}

TEnglishTexts::~TEnglishTexts()
{
    --EnglishDepth;
}

bool TEnglishTexts::Active()
{
    return EnglishDepth > 0;
}
