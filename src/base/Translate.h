#pragma once

#include <QString>

// Texts the user reads are translated through Tr, which lupdate reads as QCoreApplication's
// translate (context, source text, disambiguation, count for "%n"), and TrKey, which it reads as
// QT_TRANSLATE_NOOP: a key kept to translate later, or again when the language changes.
//
// What is data stays English in every language: descriptions of parts and assemblies, order
// files, update.ini and the batch output. Code that writes such data and shares its messages
// with the window writes it under a TEnglishTexts scope.

struct TTrKey {
    const char* Context = nullptr;
    const char* Source = nullptr;
    // The text in the current language (English under TEnglishTexts).
    QString Text() const;
};

constexpr TTrKey TrKey(const char* context, const char* source)
{
    return {context, source};
}

QString Tr(const char* context, const char* source, const char* disambiguation = nullptr,
           int n = -1);

// While one lives, Tr and TTrKey::Text give the English source texts on this thread.
class TEnglishTexts
{
public:
    TEnglishTexts();
    ~TEnglishTexts();
    TEnglishTexts(const TEnglishTexts&) = delete;
    TEnglishTexts& operator=(const TEnglishTexts&) = delete;

    static bool Active();
};
