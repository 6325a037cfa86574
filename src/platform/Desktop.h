#pragma once

#include <QString>

#include <optional>

class QLabel;

namespace Desktop {

// True when an installed application declares that it opens application/vnd.ms-excel files.
// Asked afresh on every call.
bool SpreadsheetAvailable();
// Tests fix the answer; std::nullopt returns to asking the system.
void SetSpreadsheetAvailableOverride(std::optional<bool> available);

// Shows the picture file in label. A missing or unreadable file shows a neutral placeholder
// instead and returns false.
bool ShowPicture(QLabel* label, const QString& path);
// The property set on a label that shows the placeholder instead of its picture.
inline constexpr const char* PlaceholderProperty = "noPicture";

} // namespace Desktop
