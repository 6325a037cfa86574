#pragma once

#include "reports/Datasheet.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// Draws the datasheet on device, on as many pages as it needs (a block that does not fit the
// rest of a page starts the next): the name, description and pricing date; a drawing of the
// assembly (top connector, cable with its length, bottom connector, the interfaces named, not to
// scale); the seven figures; the assembly as built; a chart of the insertion loss as built and
// the return-loss limit across the band; the mechanical data; "Page N of M" on every page. The
// number of pages; 0 when the device cannot be painted on.
int DrawDatasheet(const TDatasheet& sheet, QPagedPaintDevice* device);

// The datasheet as PDF bytes on the region's paper (as the quote PDF); empty when it cannot be
// drawn.
QByteArray DatasheetPdfBytes(const TDatasheet& sheet);

// Writes the datasheet as a PDF file, replaced only when the whole document is written. An empty
// text on success, else the message to show.
QString WriteDatasheetPdf(const TDatasheet& sheet, const QString& path);
