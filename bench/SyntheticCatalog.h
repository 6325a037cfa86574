#pragma once

#include <QByteArray>

#include <vector>

// The content of the benchmark's synthetic catalog: cable series of foam, air and waveguide
// cables in realistic sizes, bands and figures, their connectors and standard assemblies, and
// the texts and prices of their price-list lines. Everything is a function of the sizes asked,
// so every run writes the same catalog.
namespace SyntheticCatalog {

enum class TFamily { Foam, Air, Waveguide };

struct TSizeSpec {
    const char* Code; // size digit, or the band code of a waveguide
    const char* Name; // "1/2" (inches), or the band of a waveguide
    double Diameter;
    double K1;
    double K2;
    double PowerFactor;
    double MaxPower;
    double PricePerFoot;
    double ConnectorPrice;
    double Charge;
    int BandLow = 0;
    int BandHigh = 0;
    const char* Construction = "Foam";
};

struct TInterface {
    const char* Actual;
    const char* MatesTo;
    const char* Code;
    const char* Picture;
};

// A family of cables of one size and construction, in up to three grades that share their
// connectors.
struct TSeries {
    TFamily Family = TFamily::Foam;
    const TSizeSpec* Size = nullptr;
    QByteArray Letters;
    int BandLow = 0;
    int BandHigh = 0;
    QByteArray Grades; // "S", "SP", "SPR", ...
    bool Prenvo = true;
    int Variation = 0;
};

struct TConnectorSpec {
    int Id = 0;
    QByteArray PartNumber;
    QByteArray Actual;
    QByteArray Characteristics;
    QByteArray MatesTo;
    QByteArray Inner;
    QByteArray Code;
    char Grade = 'P';
    char Attachment = 'S';
    double Price = 0;
    QByteArray Description;
};

struct TAssemblySpec {
    const TConnectorSpec* A = nullptr;
    const TConnectorSpec* B = nullptr;
    QByteArray Stem;
    QByteArray Description;
    QByteArray Feet;
    QByteArray Metres;
    double BasePrice = 0;
    double PricePerFoot = 0;
};

// A number with '.' and no exponent, without trailing zeros: 0.00009, 2.1, 40.
QByteArray Num(double value, int decimals = 6);
QByteArray Money(double value);
// A fixed spread in [0, 1) for a text: the same catalog at every run.
double Spread(const QByteArray& text);
// How a metre length is written into a part number: 3 gives 3M, 3.5 gives 3M5, 0.5 gives M5.
QByteArray MetreCode(const QByteArray& metres);

// The series of a catalog of this many cables: foam, air and waveguide series of every size,
// then the driven series (KRV4-50A, and KRV4-50B in three grades) at the end.
std::vector<TSeries> CatalogSeries(int cables);
QByteArray Model(const TSeries& series, char grade);
QByteArray CableKind(const TSeries& series);
QByteArray CableDescription(const TSeries& series, char grade);
QByteArray ChargePartNumber(const TSeries& series);
double CablePrice(const TSeries& series, char grade);
// The value of the cable's "TLine" key in tlineconnectors.dat.
QByteArray CableLine(const TSeries& series, char grade);
// The connectors that fit the cables of a series, in catalog order.
std::vector<TConnectorSpec> Connectors(const TSeries& series, int count);
// The standard assemblies of one cable: pairs of male connectors of one grade and attachment.
// The pair of the first connector with itself comes last, so that finding it walks the section.
std::vector<TAssemblySpec> Assemblies(const TSeries& series, char grade,
                                      const std::vector<TConnectorSpec>& connectors, int count);

// Every interface that has pictures, each once.
std::vector<const TInterface*> PictureInterfaces();
// The n-th accessory line that fills the price list up to its size.
struct TAccessory {
    QByteArray PartNumber;
    QByteArray Description;
    double Price = 0;
};
TAccessory Accessory(int n);
// The lines of xcngrate.dat: a rate for every currency.
std::vector<QByteArray> RateLines();

} // namespace SyntheticCatalog
