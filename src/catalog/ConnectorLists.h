#pragma once

#include "CatalogRecords.h"

#include <QStringList>

#include <optional>

// Codes behind the radio items of the cable and connector option groups; an index outside the
// items (no item chosen) gives the group's fallback code.
QString ConnectorGradeCode(int itemIndex); // 0 "P", 1 "S", else "S"
QString CableGradeCode(int itemIndex);     // 0 "S", 1 "P", 2 "R", else ""
QString AttachmentCodeFor(int itemIndex);  // 0 "S", 1 "R", else "R"

// Sorted without regard to case; a text that occurs again (without regard to case) is dropped.
QStringList SortedUnique(const QStringList& texts);

struct TInterfaceLists {
    QStringList Actual;
    QStringList MatesTo;
};

// Interfaces of the cable's connectors of this grade and attachment (codes compared with the
// connector's fields upper-cased), each list sorted and unique.
TInterfaceLists InterfaceLists(const TTransmissionLine& cable, const QString& gradeCode,
                               const QString& attachmentCode);

// A list to show in a combo, and the raw catalog values it was built from (to decide whether a
// remembered choice is still offered).
struct TChoiceList {
    QStringList Items;
    QStringList Values;
    // The remembered text when some value equals it, else the first item (empty when none).
    QString Pick(const QString& remembered) const;
};

inline const QString NoCharacteristics = QStringLiteral("(none)");
inline const QString NoInnerAttachment = QStringLiteral("(N/A)");

// Characteristics of the connectors with this interface (actual or mates-to) and attachment,
// of any grade; empty ones read "(none)".
TChoiceList CharacteristicsList(const TTransmissionLine& cable, bool actual,
                                const QString& interfaceText, const QString& attachmentCode);

// Inner attachments of the connectors with this interface, characteristics (the combo text;
// "(none)" means empty) and attachment; empty ones read "(N/A)".
TChoiceList InnerAttachmentList(const TTransmissionLine& cable, bool actual,
                                const QString& interfaceText, const QString& characteristicsText,
                                const QString& attachmentCode);

// The actual interface of the first connector whose actual or mates-to interface equals text.
std::optional<QString> InterfaceName(const TTransmissionLine& cable, bool actual,
                                     const QString& interfaceText);

// True when the text contains "RIGHT ANGLE" in any case.
bool IsRightAngle(const QString& text);

// The picture file of the first image-table row for this interface (without regard to case),
// right-angle form and Prenvo attachment; empty when no row fits.
QString ConnectorPictureFile(const QStringList& imageTable, const QString& interfaceName,
                             bool rightAngle, bool prenvo);
