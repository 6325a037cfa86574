#include "SyntheticCatalog.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace SyntheticCatalog {

namespace {

// clang-format off
const TSizeSpec FoamSizes[] = {
    {"1", "1/4", 0.32, 0.19, 0.0003, 2.6, 10, 0.95, 18.0, 8},
    {"2", "3/8", 0.44, 0.123, 0.00025, 3.0, 16, 1.45, 24.0, 10},
    {"3", "1/2", 0.52, 0.108, 0.0002, 3.1, 28, 2.35, 31.0, 11, 0, 0, "Superflexible Foam"},
    {"4", "1/2", 0.63, 0.0689, 0.00015, 3.3, 40, 2.10, 38.5, 12},
    {"5", "7/8", 1.10, 0.0375, 0.00012, 4.2, 91, 4.20, 62.0, 18},
    {"6", "1-1/4", 1.55, 0.0272, 0.0001, 4.6, 145, 6.80, 95.0, 24},
    {"7", "1-5/8", 1.98, 0.0222, 0.00009, 5.2, 200, 8.90, 130.0, 30},
    {"8", "2-1/4", 2.40, 0.018, 0.00008, 5.6, 260, 12.50, 175.0, 36},
    {"9", "5/8", 0.82, 0.052, 0.00013, 3.8, 55, 3.20, 48.0, 15},
};
const TSizeSpec AirSizes[] = {
    {"4", "1/2", 0.62, 0.06, 0.00012, 3.6, 40, 3.10, 45.0, 14},
    {"5", "7/8", 1.09, 0.0335, 0.00008, 5.0, 91, 5.60, 70.0, 20},
    {"6", "1-1/4", 1.55, 0.026, 0.00007, 5.5, 160, 8.20, 110.0, 26},
    {"7", "1-5/8", 1.98, 0.0205, 0.00006, 6.0, 250, 11.40, 150.0, 32},
};
const TSizeSpec WaveguideSizes[] = {
    {"17", "1.7-2.3 GHz", 2.87, 1350, 950, 8.8, 60, 14.50, 420.0, 60, 1700, 2300},
    {"20", "1.9-2.7 GHz", 2.40, 1500, 1000, 8.0, 55, 14.00, 400.0, 58, 1900, 2700},
    {"34", "3.1-4.2 GHz", 1.71, 2350, 1500, 6.0, 40, 12.80, 360.0, 52, 3100, 4200},
    {"37", "3.6-4.2 GHz", 1.55, 2500, 1550, 5.6, 36, 12.60, 350.0, 50, 3600, 4200},
    {"52", "5.6-6.425 GHz", 1.25, 3650, 1150, 2.9, 25, 11.20, 320.0, 46, 5600, 6425},
    {"63", "6.425-7.125 GHz", 1.10, 3900, 1250, 2.7, 22, 11.60, 330.0, 46, 6425, 7125},
    {"77", "7.125-8.5 GHz", 0.98, 4600, 1900, 2.4, 19, 12.40, 340.0, 48, 7125, 8500},
    {"90", "10.0-11.7 GHz", 0.85, 6550, 3200, 3.1, 15, 13.90, 380.0, 50, 10000, 11700},
};
const int FoamBands[][2] = {{800, 2200}, {700, 2700}, {400, 3000}, {150, 2200}, {1700, 2300},
                            {698, 2700}, {800, 2700}, {1400, 2500}, {350, 1000}, {2300, 2700},
                            {3300, 3800}, {600, 6000}};
const int AirBands[][2] = {{150, 3000}, {150, 2200}, {800, 6000}, {50, 1000}};


// In the order the connectors of a cable are made, so that a small catalog still has a 7-16 DIN
// Male, an N Female and a few other males.
const TInterface CoaxInterfaces[] = {
    {"7-16 DIN Male", "7-16 DIN Female", "DM", "716dinm"},
    {"N Female", "N Male", "NF", "nf"},
    {"N Male", "N Female", "NM", "nm"},
    {"4.3-10 Male", "4.3-10 Female", "QM", "4310m"},
    {"7-16 DIN Female", "7-16 DIN Male", "DF", "716dinf"},
    {"4.3-10 Female", "4.3-10 Male", "QF", "4310f"},
    {"SMA Male", "SMA Female", "SM", "smam"},
    {"SMA Female", "SMA Male", "SF", "smaf"},
    {"2.2-5 Male", "2.2-5 Female", "TM", "225m"},
    {"2.2-5 Female", "2.2-5 Male", "TF", "225f"},
    {"NEX10 Male", "NEX10 Female", "XM", "nex10m"},
    {"NEX10 Female", "NEX10 Male", "XF", "nex10f"},
};
const TInterface WaveguideInterfaces[] = {
    {"CPR229G Flange", "CPR229G Flange", "CG", "cpr229g"},
    {"PDR220 Flange", "UDR220 Flange", "PD", "pdr220"},
    {"UDR220 Flange", "PDR220 Flange", "UD", "udr220"},
    {"CPR137G Flange", "CPR137G Flange", "CH", "cpr137g"},
    {"N Female", "N Male", "NF", "nf"},
    {"N Male", "N Female", "NM", "nm"},
    {"7-16 DIN Female", "7-16 DIN Male", "DF", "716dinf"},
    {"7-16 DIN Male", "7-16 DIN Female", "DM", "716dinm"},
};
const char* const Variants[][2] = {{"", ""},
                                   {"Right Angle", "R"},
                                   {"Low PIM", "L"},
                                   {"Low PIM Right Angle", "LR"},
                                   {"Weatherproof", "W"},
                                   {"Straight Captive", "C"}};
const char* const InnerAttachments[] = {"Captivated Pin", "Spring Finger", "Solder Pin"};
const char* const LengthLists[][2] = {{"3,6,10,15,20", "1,2,3,5"},
                                      {"3,6,10", "1,2,3"},
                                      {"2,3,4,6,8,10", "0.5,1,1.5,2,3"},
                                      {"1,2,3,6,10,15", "1,2,3,5"}};
const char* const Accessories[][2] = {{"GK", "Grounding Kit"},
                                      {"SH", "Snap-In Hanger"},
                                      {"HG", "Hoisting Grip"},
                                      {"WF", "Wall Feed-Through"},
                                      {"WK", "Weatherproofing Kit"},
                                      {"CT", "Cable Tie Pack"},
                                      {"ST", "Cable Stripping Tool"}};
const char* const Rates[][2] = {
    {"CAD", "0.7395"}, {"DEM", "0.552195"}, {"EUR", "1.08"}, {"JPY", "0.00669"},
    {"GBP", "1.2685"}, {"BRL", "0.2012"}, {"CNY", "0.1389"}, {"ZAR", "0.0531"},
    {"HKD", "0.1279"}, {"INR", "0.01205"}, {"KRW", "0.000752"}, {"PHP", "0.01788"},
    {"SGD", "0.7452"}, {"TWD", "0.03162"}, {"ATS", "0.0784867"}, {"BEF", "0.0267725"},
    {"CHF", "1.1315"}, {"DKK", "0.14482"}, {"ESP", "0.00649093"}, {"FIM", "0.181643"},
    {"FRF", "0.164645"}, {"GRD", "0.00316948"}, {"IEP", "1.37132"}, {"ITL", "0.000557773"},
    {"NLG", "0.490083"}, {"NOK", "0.09415"}, {"PTE", "0.00538702"}, {"SEK", "0.09602"},
    {"AED", "0.27229"}, {"SAR", "0.26664"}, {"MXP", "0.05905"}, {"AUD", "0.6598"},
    {"IDR", "0.0000638"}, {"NZD", "0.6112"}, {"ARS", "0.001182"}};
// clang-format on

// Series letters without I, O, P, Q and R: no model of one series reads as the premium ("P") or
// flame-retardant ("R") model of another.
QByteArray SeriesLetters(int n)
{
    static const char alphabet[] = "ABCDEFGHJKLMNSTUVWXYZ";
    constexpr int base = sizeof alphabet - 1;
    QByteArray letters;
    ++n;
    while (n > 0) {
        --n;
        letters.prepend(alphabet[n % base]);
        n /= base;
    }
    return letters;
}

QByteArray BaseModel(const TSeries& series)
{
    switch (series.Family) {
    case TFamily::Foam:
        return "KRV" + QByteArray(series.Size->Code) + "-50" + series.Letters;
    case TFamily::Air:
        return "KRA" + QByteArray(series.Size->Code) + "-50" + series.Letters;
    case TFamily::Waveguide:
        break;
    }
    return "KWE" + QByteArray(series.Size->Code) + series.Letters;
}

} // namespace

QByteArray Num(double value, int decimals)
{
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text;
}

QByteArray Money(double value)
{
    return QByteArray::number(value, 'f', 2);
}

double Spread(const QByteArray& text)
{
    quint64 x = 0xcbf29ce484222325ULL;
    for (const char c : text)
        x = (x ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return static_cast<double>(x >> 11) / static_cast<double>(1ULL << 53);
}

QByteArray Model(const TSeries& series, char grade)
{
    return grade == 'S' ? BaseModel(series) : BaseModel(series) + grade;
}

QByteArray CableType(const TSeries& series)
{
    switch (series.Family) {
    case TFamily::Foam:
        return "FOAM";
    case TFamily::Air:
        return "AIR";
    case TFamily::Waveguide:
        break;
    }
    return "EW";
}

QByteArray ChargePartNumber(const TSeries& series)
{
    switch (series.Family) {
    case TFamily::Foam:
        return "FAC-" + QByteArray(series.Size->Code);
    case TFamily::Air:
        return "FAC-A" + QByteArray(series.Size->Code);
    case TFamily::Waveguide:
        break;
    }
    return "FAC-EW" + QByteArray(series.Size->Code);
}

QByteArray CableKind(const TSeries& series)
{
    switch (series.Family) {
    case TFamily::Foam:
        return QByteArray(series.Size->Name) + " in. " + series.Size->Construction +
               " Coaxial Cable";
    case TFamily::Air:
        return QByteArray(series.Size->Name) + " in. Air Dielectric Coaxial Cable";
    case TFamily::Waveguide:
        break;
    }
    return "Elliptical Waveguide " + QByteArray(series.Size->Name);
}

QByteArray CableDescription(const TSeries& series, char grade)
{
    const QByteArray jacket = grade == 'P'   ? "Premium Low Loss Black PE Jacket"
                              : grade == 'R' ? "Flame Retardant Jacket"
                                             : "Standard Black PE Jacket";
    if (series.Family == TFamily::Waveguide)
        return CableKind(series) + " " + jacket;
    return CableKind(series) + " 50 Ohm " + jacket;
}

double CablePrice(const TSeries& series, char grade)
{
    const double gradeFactor = grade == 'P' ? 1.17 : grade == 'R' ? 1.31 : 1.0;
    return series.Size->PricePerFoot * gradeFactor * (1 + 0.01 * (series.Variation % 7));
}

QByteArray CableLine(const TSeries& series, char grade)
{
    const TSizeSpec& size = *series.Size;
    const bool waveguide = series.Family == TFamily::Waveguide;
    const double k1 = size.K1 * (1 + 0.012 * (series.Variation % 5)) * (grade == 'P' ? 0.975 : 1.0);
    const QByteArray model = Model(series, grade);
    return QByteArray::number(series.BandLow) + '|' + QByteArray::number(series.BandHigh) + '|' +
           model + '|' + model + '|' + CableType(series) + '|' + Num(k1) + '|' + Num(size.K2) +
           '|' + Num(size.Diameter + (grade == 'R' ? 0.01 : 0), 2) + '|' + grade + '|' +
           ChargePartNumber(series) + '|' + (series.Prenvo ? "Y" : "") + '|' +
           (waveguide ? "" : "Y") + "|Y|" + Num(size.PowerFactor * (grade == 'P' ? 1.03 : 1), 2) +
           '|' + Num(size.MaxPower) + '|';
}

std::vector<TConnectorSpec> Connectors(const TSeries& series, int count)
{
    const bool waveguide = series.Family == TFamily::Waveguide;
    const TInterface* interfaces = waveguide ? WaveguideInterfaces : CoaxInterfaces;
    const int interfaceCount = waveguide ? static_cast<int>(std::size(WaveguideInterfaces))
                                         : static_cast<int>(std::size(CoaxInterfaces));
    const QByteArray attachments = series.Prenvo ? "SR" : "R";
    const QByteArray familyLetter = series.Family == TFamily::Foam  ? "V"
                                    : series.Family == TFamily::Air ? "A"
                                                                    : "E";
    const QByteArray prefix = familyLetter + series.Size->Code + series.Letters;
    const int idBase = (std::atoi(series.Size->Code) % 100) * 1000;
    const QByteArray kind = CableKind(series);

    std::vector<TConnectorSpec> connectors;
    connectors.reserve(count);
    for (int variant = 0; static_cast<int>(connectors.size()) < count; ++variant) {
        QByteArray characteristics;
        QByteArray variantCode;
        if (variant < static_cast<int>(std::size(Variants))) {
            characteristics = Variants[variant][0];
            variantCode = Variants[variant][1];
        } else {
            characteristics = "Series " + QByteArray::number(variant);
            variantCode = "S" + QByteArray::number(variant);
        }
        for (const char attachment : attachments) {
            for (const char grade : {'P', 'S'}) {
                for (int i = 0; i < interfaceCount; ++i) {
                    if (static_cast<int>(connectors.size()) == count)
                        return connectors;
                    const TInterface& face = interfaces[i];
                    TConnectorSpec c;
                    c.Id = idBase + static_cast<int>(connectors.size()) + 1;
                    c.Actual = face.Actual;
                    c.MatesTo = face.MatesTo;
                    c.Characteristics = characteristics;
                    c.Inner = attachment == 'S' ? QByteArray()
                                                : QByteArray(InnerAttachments[(variant + i) % 3]);
                    c.Code = face.Code + variantCode;
                    c.Grade = grade;
                    c.Attachment = attachment;
                    c.PartNumber = prefix + c.Code + '-' + grade + (attachment == 'S' ? "V" : "");
                    c.Description = c.Actual + " Connector for " + kind +
                                    (grade == 'P' ? ", Plated" : ", Standard") +
                                    (c.Characteristics.isEmpty() ? "" : ", " + c.Characteristics) +
                                    (c.Inner.isEmpty() ? "" : ", " + c.Inner) +
                                    (attachment == 'S' ? ", Prenvo" : "");
                    c.Price = series.Size->ConnectorPrice * (grade == 'P' ? 1.0 : 0.86) *
                              (variant > 0 ? 1.12 : 1.0) * (attachment == 'S' ? 1.08 : 1.0) *
                              (0.95 + 0.1 * Spread(c.PartNumber));
                    connectors.push_back(std::move(c));
                }
            }
        }
    }
    return connectors;
}

std::vector<TAssemblySpec> Assemblies(const TSeries& series, char grade,
                                      const std::vector<TConnectorSpec>& connectors, int count)
{
    std::vector<TAssemblySpec> assemblies;
    if (series.Family == TFamily::Waveguide)
        return assemblies;
    std::vector<const TConnectorSpec*> males;
    for (const TConnectorSpec& c : connectors)
        if (c.Actual.endsWith(" Male"))
            males.push_back(&c);
    const QByteArray stemPrefix = "KJ" + QByteArray(series.Family == TFamily::Air ? "A" : "") +
                                  series.Size->Code + series.Letters +
                                  (grade == 'S' ? QByteArray() : QByteArray(1, grade));
    // Pairs in the order of the sum of their positions among the males: (0,0), (0,1), (0,2),
    // (1,1), (0,3), (1,2), ... so that the first assemblies mix same and different ends.
    const int m = static_cast<int>(males.size());
    for (int sum = 0; sum <= 2 * (m - 1) && static_cast<int>(assemblies.size()) < count; ++sum) {
        for (int a = std::max(0, sum - (m - 1)); a <= sum / 2; ++a) {
            if (static_cast<int>(assemblies.size()) == count)
                break;
            const TConnectorSpec& x = *males[a];
            const TConnectorSpec& y = *males[sum - a];
            if (x.Grade != y.Grade || x.Attachment != y.Attachment)
                continue;
            TAssemblySpec assembly;
            assembly.A = &x;
            assembly.B = &y;
            const QByteArray option = QByteArray(1, x.Grade) + (x.Attachment == 'S' ? "V" : "");
            assembly.Stem = stemPrefix + '-' + x.Code + y.Code + '-' + option + '-';
            auto side = [](const TConnectorSpec& c) {
                return c.Characteristics.isEmpty() ? c.Actual : c.Actual + ' ' + c.Characteristics;
            };
            assembly.Description = side(x) + " to " + side(y) +
                                   (x.Grade == 'P' ? " Plated" : " Standard") +
                                   (x.Attachment == 'S' ? " Prenvo" : "");
            assembly.BasePrice = x.Price + y.Price + 2 * series.Size->Charge + 20;
            assembly.PricePerFoot = CablePrice(series, grade) * 1.25;
            assemblies.push_back(std::move(assembly));
        }
    }
    if (!assemblies.empty())
        std::rotate(assemblies.begin(), assemblies.begin() + 1, assemblies.end());
    for (std::size_t k = 0; k < assemblies.size(); ++k) {
        const std::size_t list = k + 1 == assemblies.size() ? 0 : k % std::size(LengthLists);
        assemblies[k].Feet = LengthLists[list][0];
        assemblies[k].Metres = LengthLists[list][1];
    }
    return assemblies;
}

QByteArray MetreCode(const QByteArray& metres)
{
    const qsizetype dot = metres.indexOf('.');
    if (dot < 0)
        return metres + 'M';
    QByteArray whole = metres.left(dot);
    if (whole.toInt() == 0)
        whole.clear();
    return whole + 'M' + metres.mid(dot + 1);
}

std::vector<TSeries> CatalogSeries(int cables)
{
    constexpr int driven = 4; // KRV4-50A, and KRV4-50B in three grades
    std::vector<TSeries> list;
    int made = 0;
    int foam = 0;
    int air = 0;
    int waveguide = 0;
    for (int s = 0; made < cables - driven; ++s) {
        TSeries series;
        series.Variation = s;
        const int kind = s % 10;
        if (kind < 7) {
            const int n = foam++;
            const int sizes = static_cast<int>(std::size(FoamSizes));
            series.Family = TFamily::Foam;
            series.Size = &FoamSizes[n % sizes];
            // KRV4-50A and KRV4-50B are the driven cables.
            const int letter = n / sizes + (std::string_view(series.Size->Code) == "4" ? 2 : 0);
            series.Letters = SeriesLetters(letter);
            const int* band = FoamBands[(n * 7 + n / sizes) % std::size(FoamBands)];
            series.BandLow = band[0];
            series.BandHigh = band[1];
            static const char* const grades[] = {"SPR", "S", "SP", "SR"};
            series.Grades = grades[n % 4];
        } else if (kind < 9) {
            const int n = air++;
            const int sizes = static_cast<int>(std::size(AirSizes));
            series.Family = TFamily::Air;
            series.Size = &AirSizes[n % sizes];
            series.Letters = SeriesLetters(n / sizes);
            const int* band = AirBands[(n / sizes) % std::size(AirBands)];
            series.BandLow = band[0];
            series.BandHigh = band[1];
            series.Grades = n % 2 == 0 ? "SP" : "S";
            series.Prenvo = n % 2 == 0;
        } else {
            const int n = waveguide++;
            const int sizes = static_cast<int>(std::size(WaveguideSizes));
            series.Family = TFamily::Waveguide;
            series.Size = &WaveguideSizes[n % sizes];
            series.Letters = SeriesLetters(n / sizes);
            series.BandLow = series.Size->BandLow;
            series.BandHigh = series.Size->BandHigh;
            series.Grades = "S";
            series.Prenvo = false;
        }
        series.Grades.truncate(std::min<qsizetype>(series.Grades.size(), cables - driven - made));
        made += static_cast<int>(series.Grades.size());
        list.push_back(series);
    }
    for (const auto& [letters, grades] : {std::pair{"A", "S"}, std::pair{"B", "SPR"}}) {
        TSeries series;
        series.Family = TFamily::Foam;
        series.Size = &FoamSizes[3];
        series.Letters = letters;
        series.BandLow = 800;
        series.BandHigh = 2200;
        series.Grades = grades;
        list.push_back(series);
    }
    return list;
}

std::vector<const TInterface*> PictureInterfaces()
{
    std::vector<const TInterface*> faces;
    for (const TInterface& face : CoaxInterfaces)
        faces.push_back(&face);
    for (const TInterface& face : WaveguideInterfaces) {
        const bool known = std::any_of(faces.begin(), faces.end(), [&face](const TInterface* f) {
            return std::string_view(f->Actual) == face.Actual;
        });
        if (!known)
            faces.push_back(&face);
    }
    return faces;
}

TAccessory Accessory(int n)
{
    const auto& [code, name] = Accessories[n % std::size(Accessories)];
    const TSizeSpec& size = FoamSizes[(n / 7) % std::size(FoamSizes)];
    TAccessory accessory;
    accessory.PartNumber = QByteArray(code) + '-' + size.Code + '-' +
                           QByteArray::number(n / 63 + 1).rightJustified(5, '0');
    accessory.Description = QByteArray(name) + " for " + size.Name + " in. Cable" +
                            ((n / 63) % 3 == 1 ? ", pack of 10" : "");
    accessory.Price = 4 + 60 * Spread(accessory.PartNumber);
    return accessory;
}

std::vector<QByteArray> RateLines()
{
    std::vector<QByteArray> lines;
    for (const auto& [code, rate] : Rates)
        lines.push_back(QByteArray(code) + '|' + rate + '|');
    return lines;
}

} // namespace SyntheticCatalog
