#include "Quote.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "pricing/Prices.h"

namespace {

const QString NoCharacteristics = QStringLiteral("(none)");
const QString NoInnerAttachment = QStringLiteral("(N/A)");
const QString CR = QStringLiteral("\r");

// A side's choices with the words page 2 shows for empty catalog fields read as empty.
TConnectorChoice CatalogTexts(const TConnectorChoice& choice)
{
    TConnectorChoice texts = choice;
    if (texts.Characteristics == NoCharacteristics)
        texts.Characteristics.clear();
    if (texts.InnerAttachment == NoInnerAttachment)
        texts.InnerAttachment.clear();
    return texts;
}

bool Fits(const TConnector& connector, const TConnectorChoice& choice,
          const QString& attachmentCode)
{
    return connector.ActualInterface == choice.Interface &&
           connector.Characteristics == choice.Characteristics &&
           connector.InnerAttachment == choice.InnerAttachment &&
           connector.AttachmentCode == attachmentCode;
}

QString CableKind(TCableFamily family)
{
    switch (family) {
    case TCableFamily::Air:
        return QStringLiteral("2");
    case TCableFamily::Foam:
        return QStringLiteral("3");
    case TCableFamily::EllipticalWaveguide:
        return QStringLiteral("5");
    }
    return QStringLiteral("3");
}

TPartsRow ConnectorRow(const TConnector& connector, const QString& description, double price,
                       TCableFamily family)
{
    const bool waveguide = family == TCableFamily::EllipticalWaveguide;
    return {RegionalDigits(QStringLiteral("1")),
            QStringLiteral("Each"),
            connector.PartNumber,
            description,
            price,
            ExtendedPrice(1, price),
            waveguide ? QStringLiteral("6") : QStringLiteral("4")};
}

} // namespace

TMatchedConnectors MatchConnectors(const TTransmissionLine& cable, const TConnectorChoice& top,
                                   const TConnectorChoice& bottom, const QString& attachmentCode,
                                   const QString& gradeCode)
{
    const TConnectorChoice topTexts = CatalogTexts(top);
    const TConnectorChoice bottomTexts = CatalogTexts(bottom);
    // The first fitting connector of the chosen grade, per side.
    TMatchedConnectors graded;
    // The catalog-order walk, for a side without a connector of that grade.
    TMatchedConnectors walked;
    bool walking = true;
    for (const TConnector& connector : cable.Connectors()) {
        const bool fitsTop = Fits(connector, topTexts, attachmentCode);
        const bool fitsBottom = Fits(connector, bottomTexts, attachmentCode);
        const bool ofGrade = connector.Grade.toUpper() == gradeCode;
        if (fitsTop && ofGrade && graded.Top == nullptr)
            graded.Top = &connector;
        if (fitsBottom && ofGrade && graded.Bottom == nullptr)
            graded.Bottom = &connector;
        if (walking) {
            if (fitsTop)
                walked.Top = &connector;
            if (fitsBottom)
                walked.Bottom = &connector;
            walking = walked.Top == nullptr || walked.Bottom == nullptr;
        }
        if (graded.Top != nullptr && graded.Bottom != nullptr)
            break;
    }
    TMatchedConnectors matched;
    matched.Top = graded.Top != nullptr ? graded.Top : walked.Top;
    matched.Bottom = graded.Bottom != nullptr ? graded.Bottom : walked.Bottom;
    matched.TopOtherGrade = graded.Top == nullptr && walked.Top != nullptr;
    matched.BottomOtherGrade = graded.Bottom == nullptr && walked.Bottom != nullptr;
    return matched;
}

QString PartsListIntro(bool feeder)
{
    if (feeder)
        return Tr("Quote", "Below is a list of the part numbers that correspond to your "
                           "specifications:");
    return Tr("Quote", "There is no standard part number that matches your selections.") + CR + CR +
           Tr("Quote", "Below is a list of the individual components that will make up your "
                       "cable assembly,") +
           CR +
           Tr("Quote", "along with the charges to have the connectors attached to the cable (if "
                       "applicable).");
}

TPartsList BuildPartsList(const TPartsListInput& input)
{
    // A cable that was never chosen lists as an empty record.
    const TTransmissionLine noCable;
    const TTransmissionLine& cable = input.Cable != nullptr ? *input.Cable : noCable;
    const TCablePrice cablePrice =
        CablePriceInCurrency(input.CablePrices, input.Currency, input.Prenvo);

    TPartsList list;
    list.Label = cablePrice.Label;
    list.Rows.append({RegionalDigits(input.LengthText),
                      input.Metres ? QStringLiteral("Meters") : QStringLiteral("Feet"),
                      cable.PartNumber, input.CablePrices.PriceDescription, cablePrice.UnitPrice,
                      ExtendedPrice(input.Length, cablePrice.UnitPrice), CableKind(input.Family)});

    // An included side without a connector record has nothing to list.
    qsizetype topRow = -1;
    if (input.IncludeTop && input.Top != nullptr) {
        const double price = ConnectorPriceInCurrency(input.TopPrices, input.Currency);
        topRow = list.Rows.size();
        list.Rows.append(
            ConnectorRow(*input.Top, input.TopPrices.PriceDescription, price, input.Family));
    }
    if (input.IncludeBottom && input.Bottom != nullptr) {
        const double price = ConnectorPriceInCurrency(input.BottomPrices, input.Currency);
        if (topRow >= 0 && input.Bottom->PartNumber == input.Top->PartNumber) {
            TPartsRow& row = list.Rows[topRow];
            row.Qty = RegionalDigits(QStringLiteral("2"));
            row.Extended = ExtendedPrice(2, price);
        } else {
            list.Rows.append(ConnectorRow(*input.Bottom, input.BottomPrices.PriceDescription, price,
                                          input.Family));
        }
    }

    if (!input.Feeder || input.FeederChoice != TFeederChoice::None) {
        const bool both = !input.Feeder || input.FeederChoice == TFeederChoice::Both;
        const double charge = cablePrice.Charge;
        list.Rows.append({RegionalDigits(both ? QStringLiteral("2") : QStringLiteral("1")),
                          QStringLiteral("Each"), cable.AttachChargePartNumber,
                          QStringLiteral("Factory attachment charge for ") + cable.PartNumber +
                              QStringLiteral(" connectors"),
                          charge, ExtendedPrice(both ? 2 : 1, charge), QStringLiteral("7")});
    }
    // The total of the rows as they show.
    for (const TPartsRow& row : list.Rows)
        list.Total += row.Extended;
    list.Total = RoundToCent(list.Total);
    return list;
}

QList<TOrderLine> PartsListResultRows(const TPartsList& list)
{
    QList<TOrderLine> rows;
    for (const TPartsRow& row : list.Rows)
        rows.append(MakeOrderLine(ToDataNumber(row.Qty), row.Uom, row.PartNumber, row.Description,
                                  FormatFixed2Data(row.Price), row.Kind));
    return rows;
}

QString AssemblyDescription(const TDescriptionInput& input)
{
    const auto gradeName = [&input](const QString& code) {
        const QString upper = code.toUpper();
        const bool plated =
            upper == QLatin1String("P") || (upper != QLatin1String("S") && input.Plated);
        return plated ? QStringLiteral("Plated") : QStringLiteral("Standard");
    };
    const QString topGrade = gradeName(input.TopGrade);
    const QString bottomGrade = gradeName(input.BottomGrade);
    const QString size =
        input.DiameterShown ? QLatin1Char('(') + input.Diameter + QLatin1Char(')') : QString();
    const auto special = [](const QString& characteristics) {
        return characteristics == NoCharacteristics ? QString()
                                                    : characteristics + QLatin1Char(' ');
    };
    const QString unit = input.Metres ? QStringLiteral(" meter cable assembly, ")
                                      : QStringLiteral(" foot cable assembly, ");

    return input.LengthText + unit + input.Cable + QStringLiteral(", ") + size + CR +
           QStringLiteral("SPECIAL INSTRUCTIONS: ") + CR + QStringLiteral("Connector1 = ") +
           topGrade + QLatin1Char(' ') + special(input.TopCharacteristics) + input.TopInterface +
           QStringLiteral(" with ") + input.TopInner +
           QStringLiteral(" inner contact attachment.  ") + CR + QStringLiteral("Connector2 = ") +
           bottomGrade + QLatin1Char(' ') + special(input.BottomCharacteristics) +
           input.BottomInterface + QStringLiteral(" with ") + input.BottomInner +
           QStringLiteral(" inner contact attachment");
}

TOrderLine FinalResultRow(const QString& partNumber, const QString& description,
                          const QString& priceText)
{
    return MakeOrderLine(QStringLiteral("1"), QStringLiteral("Each"), partNumber, description,
                         ToDataNumber(priceText), QStringLiteral("1"));
}
