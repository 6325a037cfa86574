#pragma once

#include "catalog/AsBuilt.h"
#include "quote/QuoteEngine.h"
#include "reports/ResultContent.h"

#include <QList>
#include <QString>
#include <QStringList>

// A datasheet of one assembly, as an engineer files it with a site design: what it is, a drawing
// of its ends and cable, the seven figures, the assembly as built at the band's beginning, middle
// and end, a chart of the band, and its mechanical data. No price: a datasheet is not a quote.
// Texts are in the user's format; what the data does not give reads "not specified".
struct TDatasheet {
    // The part number, or for an assembly without one (a custom jumper or feeder) its
    // description; and the description.
    QString Name;
    QString Description;
    QString PricingDate;

    // The drawing: the top connector's interface (empty: none fitted), the cable's part number
    // with its length ("KRV4-50B, 6 ft"), the bottom connector's interface.
    QString TopInterface;
    QString CableCaption;
    QString BottomInterface;

    // The seven figures at the middle of the band, named as the summary names them.
    QList<TLabelValue> Figures;
    // The assembly as built: its headings (the band's three frequencies) and rows, and the note
    // on connectors whose loss was not specified.
    QStringList AsBuiltHeadings;
    QList<TAsBuiltRow> AsBuilt;
    QString AsBuiltNote;
    // The chart: insertion loss as built and the return-loss limit across the band.
    QList<double> CurveMHz;
    QList<double> CurveInsertionLoss;
    QList<double> CurveReturnLoss;

    // Velocity factor, bend radii, weight, fire rating, PIM.
    QList<TLabelValue> Mechanical;
};

// "not specified", in the user's language when it is used as a text.
struct TNotSpecified {
    operator QString() const;
};
inline constexpr TNotSpecified NotSpecified;

// The datasheet of the quote's assembly (a parts list or a summary), for the band and length of
// its request; pricingDate as the result pages show it.
TDatasheet DatasheetOf(const TQuoteResult& quote, const TQuoteRequest& request,
                       const QString& pricingDate);
