#pragma once

#include <QString>

#include <optional>

class QLabel;
class QWidget;

namespace Desktop {

// True when an installed application declares that it opens application/vnd.ms-excel files.
// Asked afresh on every call.
bool SpreadsheetAvailable();
// Tests fix the answer; std::nullopt returns to asking the system.
void SetSpreadsheetAvailableOverride(std::optional<bool> available);

// True when an installed application declares that it opens files of this MIME type (desktop
// files in the standard applications folders). Asked afresh on every call; tests fix the answer.
bool ApplicationDeclares(const QString& mimeType);
bool OpenerAvailable(const QString& mimeType);
void SetOpenerAvailableOverride(std::optional<bool> available);
// A document the program has just written (a PDF, a workbook), opened with the user's application
// for its type; without one, a message says where it was saved.
void OpenWritten(QWidget* parent, const QString& path, const QString& mimeType);

// Whether a window can be shown: on X11 and Wayland a display is named in the environment, or a
// platform is (QT_QPA_PLATFORM, Qt's -platform option). Without one, Qt would abort.
bool DisplayAvailable(int argc, char* argv[]);

// Shows the picture file in label. A missing or unreadable file shows a neutral placeholder
// instead and returns false.
bool ShowPicture(QLabel* label, const QString& path);
// The property set on a label that shows the placeholder instead of its picture.
inline constexpr const char* PlaceholderProperty = "noPicture";

} // namespace Desktop
