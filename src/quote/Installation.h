#pragma once

#include "base/DataError.h"
#include "catalog/CatalogRecords.h"
#include "catalog/Specs.h"
#include "platform/AppPaths.h"
#include "pricing/ExchangeRates.h"
#include "pricing/PriceList.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// What start-up loads: the shared data folder's registration, the price list, the exchange rates,
// the catalog with its frequency lists, and the picture table. The window and `ferrolyn quote`
// load it with the same function and word what went wrong each in its own way.
struct TInstallation {
    // The registration of the shared data folder ("Path"); Path is empty when there is none.
    AppPaths::TCommonFilesKey Key;

    // The exchange rates: there is a rate file that can be read (RatesUnreadable says why one
    // that is there cannot be), and it was read (RatesError says why not; the rates are then
    // taken as absent).
    QString RatesFile;
    bool RatesAvailable = false;
    QString RatesUnreadable;
    std::optional<TDataError> RatesError;
    QStringList RateLines;
    TExchangeRates Rates;
    QDate RatesDate;

    // The first required file that is missing or cannot be read, and why (empty when it is
    // missing); loading stops there.
    std::optional<QString> MissingFile;
    QString MissingReason;

    // The files, in the order they are read; loading stops at the first damaged one (Error).
    QString PriceFile;
    TPriceList PriceList;
    QString CatalogFile;
    TCableList Cables;
    QStringList BeginningFrequencies;
    QStringList EndingFrequencies;
    QString ImagesFile;
    QStringList ImageTable;
    QString JumpersFile;
    // The optional part data, and the lines of it that could not be read (each with
    // its file and line; the rest of the file is used).
    QString SpecsFile;
    TSpecData Specs;
    QList<TDataError> SpecProblems;

    // How far loading got: each stage is done only when the ones before it were.
    enum class TStage { Nothing, PriceList, Rates, Catalog, Pictures };
    TStage Reached = TStage::Nothing;
    std::optional<TDataError> Error;
};

struct TInstallationOptions {
    // The picture table (images.dat) is required and read: the window shows pictures.
    bool Pictures = true;
};

// Loads the installation of AppPaths' program folder and registered shared data folder.
TInstallation LoadInstallation(const TInstallationOptions& options = {});

// Why a file that is there cannot be read: it is not a regular file (after following links), or
// it cannot be opened. Empty when it can be read, or when nothing is there.
QString UnreadableFile(const QString& path);
