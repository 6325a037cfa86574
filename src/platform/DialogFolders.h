#pragma once

#include <QString>

// Where file dialogs start. Each kind of file starts in the user's Documents folder (made when
// missing) the first time, then in the folder last used for that kind, remembered in the
// program's own settings (Ferrolyn.ini, section [Folders]). A remembered folder that is gone falls
// back to Documents.
enum class TDialogFolder {
    Orders,    // Open, Save and Save As of order files
    Exports,   // text, HTML, spreadsheet and workbook exports, charts, archive listings
    Documents, // quote PDFs and datasheets
    Imports    // Import Assemblies
};

namespace DialogFolders {

// The folder a dialog for this kind of file starts in.
QString Start(TDialogFolder kind);
// Remembers the folder of a file the user chose for this kind. A settings file that cannot be
// written costs only the memory.
void Remember(TDialogFolder kind, const QString& file);

} // namespace DialogFolders
