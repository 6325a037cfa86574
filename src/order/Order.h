#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The order: once it has received anything, a header line at position 0, then one line per item,
// quantity|unit|part number|description|unit price|kind| . Quantities and prices are kept in the
// data format ('.' as decimal point, as order files write them); the order page shows them in the
// user's format. A price may carry the leading blank that the result pages give it.

inline const QString OrderHeaderLine = QStringLiteral("qty|uom|pn|desc|price|0|");

// The details a quote names: who it is for, who wrote it, when, and its job and proposal
// numbers. Date is in the data format yyyy-MM-dd (ASCII digits), or the text a file held when it
// is no such date. No value holds a line break.
struct TOrderDetails {
    QString CompanyName;
    QString Author;
    QString Date;
    QString JobNumber;
    QString ProposalNumber;

    bool IsEmpty() const;
    bool operator==(const TOrderDetails&) const = default;
};

// A date of the details as the user sees it (the regional short format), and a typed date in
// that format (or yyyy-MM-dd) as the details keep it; empty for an empty text, nullopt for a text
// that is no date.
QString ShownOrderDate(const QString& dataDate);
std::optional<QString> DataOrderDate(const QString& typed);

// What an order holds beside its lines: the currency its prices are in, as a currency tag (0
// while the order has no items and so no currency yet: it takes the one of its first item), and
// the details confirmed by the user, and what its file held beside them. All go with the order
// when it is replaced or its last line is deleted.
// What an order file holds that the order does not use, kept so that writing the order back
// loses none of it, each part in its place: Header lines of other keys (after the Header lines
// the program writes), the five site lines, and further sections (after the order's own), all as
// read. Empty for an order that no file gave.
struct TOrderFileExtras {
    QStringList HeaderLines;
    QStringList SiteLines;
    // Each further section's lines from its "[name]" line on, then an empty line.
    QStringList Sections;

    bool operator==(const TOrderFileExtras&) const = default;
};

struct TOrderInfo {
    int CurrencyTag = 0;
    TOrderDetails Details;
    TOrderFileExtras Extras;
};

// The currency new items join the order in: the order's own once it has items, else the chosen
// one (an order is in the currency of its first item).
int OrderCurrency(const TOrderInfo& info, const QStringList& orderLines, int chosenTag);

struct TOrderItem {
    QString Quantity;
    QString Unit;
    QString PartNumber;
    QString Description;
    QString Price;
    QString Kind;
};

// The same fields as views into the line they were read from, for reading many lines without
// copying them; valid while that line is neither changed nor destroyed.
struct TOrderItemView {
    QStringView Quantity;
    QStringView Unit;
    QStringView PartNumber;
    QStringView Description;
    QStringView Price;
    QStringView Kind;
};

// Fields 1 to 6 of an order line, each as GetField gives it: trimmed, empty when no delimiter
// follows it.
TOrderItem OrderItem(const QString& line);
TOrderItemView OrderItemView(const QString& line);
// The fields, each followed by '|'.
QString OrderLine(const TOrderItem& item);

// A quantity in the data format: a whole number as "12", any other in its shortest form ("10.5").
QString QuantityText(double quantity);
// A number in the data format ('.' or the regional separator), from 0 to MaxOrderQuantity or
// MaxUnitPrice. False for anything else (empty, text, infinite, negative, too large).
bool ParseQuantity(const QString& text, double& quantity);
bool ParsePrice(const QString& text, double& price);

// A number text in the user's format as the data format writes it, and back: the regional
// decimal separator becomes '.' and back, and the regional digits (Arabic-Indic, ...) ASCII
// digits and back.
QString ToDataNumber(const QString& userText);
QString ToUserNumber(const QString& dataText);

// A result row (quantity and price as the result pages show them, in the user's format) as an
// order line in the data format.
QString OrderLineFromResultRow(const QString& resultRow);

// A number text read from a data file in the data format: every decimal digit (Arabic-Indic,
// ...) as its ASCII digit, and ',' and the Arabic decimal separator as '.', whatever the locale.
// Other characters stay, so a text that is not a number stays one that is not.
QString NormalisedDataNumber(QStringView text);

// Adds result rows to the order, adding the header line first when the order is empty. A row
// whose part number, unit and unit price (as numbers) equal those of an item line adds its
// quantity to the first such line, which keeps its description and kind; any other row is
// appended, so feet and metres, or two prices of one part, never merge. False, with the order
// unchanged, when a unit price or a quantity would be out of its bounds.
[[nodiscard]] bool AddResultRows(QStringList& orderLines, const QStringList& resultRows);

// Line breaks (carriage returns and line feeds) in the item lines become blanks.
void FlattenLineBreaks(QStringList& orderLines);

// Each item line's extended price (quantity x unit price, to the cent) and their sum. A field
// that is not a number counts 0.
struct TOrderTotals {
    QList<double> Extended;
    double Total = 0;
};
TOrderTotals OrderTotals(const QStringList& orderLines);

// Removes the item lines at these positions (1 for the first item); the header and the other
// lines keep their order. Positions outside the items are ignored.
void RemoveItems(QStringList& orderLines, const QList<int>& positions);
