// The CSV of assemblies to quote: any bytes read as a table or refused with a located error; a
// table written back with CsvLine reads as the same table.

#include "FuzzSupport.h"

#include "catalog/DataError.h"
#include "quote/Csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TCsvTable table;
    try {
        table = ParseCsv(Fuzz::Bytes(data, size));
    } catch (const TDataError& error) {
        error.FullText();
        return 0;
    }
    Fuzz::Require(table.Rows.size() == table.RowLines.size(), "a row without its line");
    QByteArray written = CsvLine(table.Headings).toUtf8() + "\r\n";
    for (const QStringList& row : table.Rows)
        written += CsvLine(row).toUtf8() + "\r\n";
    TCsvTable again;
    try {
        again = ParseCsv(written);
    } catch (const TDataError& error) {
        Fuzz::Fail("a written table does not read back", error.FullText());
    }
    Fuzz::Require(again.Headings == table.Headings, "the headings read back differ");
    Fuzz::Require(again.Rows == table.Rows, "the table read back differs");
    return 0;
}
