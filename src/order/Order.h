#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The order: its lines (one per item, in the order the grid shows them), its currency and
// details. Quantities and prices are kept as numbers with their texts in the data format ('.' as
// decimal point, ASCII digits, as order files write them); the order page shows them in the
// user's format. Order files are the only place an order is written as text.

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
// The same in the documents a customer receives: the year in four digits.
QString DocumentOrderDate(const QString& dataDate);
// Today as an order's details keep a date ("2026-12-08").
QString QuoteDateToday();
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
    // The quote the order was recorded as in the quote archive, "Q-2026-00042/2" (as a file
    // gave it); empty for an order never recorded.
    QString Quote;
};

// A quantity or unit price of an order line: its text in the data format as it was given (order
// files and the grid show that text, so "10.50" stays "10.50"), and its value when the text is a
// number.
struct TOrderNumber {
    QString Text;
    std::optional<double> Value;

    // The text trimmed, and read as a number in the data format.
    static TOrderNumber FromText(const QString& dataText);
    // A quantity written as QuantityText writes it.
    static TOrderNumber Quantity(double quantity);
    // The value follows from the text.
    bool operator==(const TOrderNumber& other) const { return Text == other.Text; }
};

// One line of an order, or one row a result page offers to it.
struct TOrderLine {
    TOrderNumber Quantity;
    QString Unit;
    QString PartNumber;
    QString Description;
    TOrderNumber UnitPrice;
    // The item kind, one digit: "1" a whole assembly, "2" to "7" the rows of a parts list (the
    // cable, connectors and charges); an order file's item without an item number reads as "2".
    QString Kind;

    bool operator==(const TOrderLine&) const = default;
};

// An order line from texts as a result page or a file gives them: each trimmed as GetField trims,
// the quantity and price in the data format.
TOrderLine MakeOrderLine(const QString& quantity, const QString& unit, const QString& partNumber,
                         const QString& description, const QString& price, const QString& kind);

// The order the window keeps: its lines and what goes with them.
struct TOrder {
    QList<TOrderLine> OrderLines;
    TOrderInfo Info;
    // The order has received something (a result, a file's order): from then on the last-order
    // file mirrors it, also once its last item is deleted.
    bool Started = false;
};

// The currency new items join the order in: the order's own once it has items, else the chosen
// one (an order is in the currency of its first item).
int OrderCurrency(const TOrderInfo& info, const QList<TOrderLine>& orderLines, int chosenTag);

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

// A number text read from a data file in the data format: every decimal digit (Arabic-Indic,
// ...) as its ASCII digit, and ',' and the Arabic decimal separator as '.', whatever the locale.
// Other characters stay, so a text that is not a number stays one that is not.
QString NormalisedDataNumber(QStringView text);

// Adds result rows to the order. A row whose part number, unit and unit price (as numbers) equal
// those of a line adds its quantity to the first such line, which keeps its description and kind;
// any other row is appended, so feet and metres, or two prices of one part, never merge. False,
// with the order unchanged, when a unit price or a quantity would be out of its bounds.
[[nodiscard]] bool AddResultRows(QList<TOrderLine>& orderLines,
                                 const QList<TOrderLine>& resultRows);

// Line breaks (carriage returns and line feeds) in the lines' texts become blanks.
void FlattenLineBreaks(QList<TOrderLine>& orderLines);

// A line's quantity and unit price as the totals count them: 0 for a text that is not a number
// within its bounds.
double QuantityOrZero(const TOrderLine& line);
double PriceOrZero(const TOrderLine& line);

// Each line's extended price (quantity x unit price, to the cent) and their sum. A quantity or
// price that is not a number counts 0.
struct TOrderTotals {
    QList<double> Extended;
    double Total = 0;
};
TOrderTotals OrderTotals(const QList<TOrderLine>& orderLines);

// The order's rows as the order page shows them: quantity, unit, part number, description, unit
// price and extended price (of these totals), the numbers in the user's format.
QList<QStringList> OrderRowsShown(const QList<TOrderLine>& orderLines, const TOrderTotals& totals);

// Removes the lines at these positions (0 for the first); the other lines keep their order.
// Positions outside the order are ignored.
void RemoveItems(QList<TOrderLine>& orderLines, const QList<int>& positions);
