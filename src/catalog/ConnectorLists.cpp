#include "ConnectorLists.h"

#include "base/LineFormat.h"

#include <algorithm>

QString ConnectorGradeCode(int itemIndex)
{
    return itemIndex == 0 ? QStringLiteral("P") : QStringLiteral("S");
}

QString CableGradeCode(int itemIndex)
{
    switch (itemIndex) {
    case 0:
        return QStringLiteral("S");
    case 1:
        return QStringLiteral("P");
    case 2:
        return QStringLiteral("R");
    default:
        return {};
    }
}

QString AttachmentCodeFor(int itemIndex)
{
    return itemIndex == 0 ? QStringLiteral("S") : QStringLiteral("R");
}

QStringList SortedUnique(const QStringList& texts)
{
    QStringList result;
    for (const QString& text : texts) {
        const bool seen = std::any_of(result.cbegin(), result.cend(), [&](const QString& item) {
            return item.compare(text, Qt::CaseInsensitive) == 0;
        });
        if (!seen)
            result.append(text);
    }
    std::stable_sort(result.begin(), result.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return result;
}

namespace {

bool AttachmentMatches(const TConnector& connector, const QString& attachmentCode)
{
    return connector.AttachmentCode.toUpper() == attachmentCode;
}

const QString& SideInterface(const TConnector& connector, bool actual)
{
    return actual ? connector.ActualInterface : connector.MatesToInterface;
}

} // namespace

TInterfaceLists InterfaceLists(const TTransmissionLine& cable, const QString& gradeCode,
                               const QString& attachmentCode)
{
    TInterfaceLists lists;
    for (const TConnector& connector : cable.Connectors()) {
        if (connector.Grade.toUpper() == gradeCode &&
            AttachmentMatches(connector, attachmentCode)) {
            lists.Actual.append(connector.ActualInterface);
            lists.MatesTo.append(connector.MatesToInterface);
        }
    }
    lists.Actual = SortedUnique(lists.Actual);
    lists.MatesTo = SortedUnique(lists.MatesTo);
    return lists;
}

QString TChoiceList::Pick(const QString& remembered) const
{
    if (Values.contains(remembered) && Items.contains(remembered))
        return remembered;
    return Items.isEmpty() ? QString() : Items.first();
}

TChoiceList CharacteristicsList(const TTransmissionLine& cable, bool actual,
                                const QString& interfaceText, const QString& attachmentCode)
{
    TChoiceList list;
    for (const TConnector& connector : cable.Connectors()) {
        if (SideInterface(connector, actual) == interfaceText &&
            AttachmentMatches(connector, attachmentCode)) {
            list.Values.append(connector.Characteristics);
            list.Items.append(DefaultIfEmpty(connector.Characteristics, NoCharacteristics));
        }
    }
    list.Items = SortedUnique(list.Items);
    return list;
}

TChoiceList InnerAttachmentList(const TTransmissionLine& cable, bool actual,
                                const QString& interfaceText, const QString& characteristicsText,
                                const QString& attachmentCode)
{
    const QString characteristics =
        characteristicsText == NoCharacteristics ? QString() : characteristicsText;
    TChoiceList list;
    for (const TConnector& connector : cable.Connectors()) {
        if (SideInterface(connector, actual) == interfaceText &&
            connector.Characteristics == characteristics &&
            AttachmentMatches(connector, attachmentCode)) {
            list.Values.append(connector.InnerAttachment);
            list.Items.append(DefaultIfEmpty(connector.InnerAttachment, NoInnerAttachment));
        }
    }
    list.Items = SortedUnique(list.Items);
    return list;
}

std::optional<QString> InterfaceName(const TTransmissionLine& cable, bool actual,
                                     const QString& interfaceText)
{
    for (const TConnector& connector : cable.Connectors())
        if (SideInterface(connector, actual) == interfaceText)
            return connector.ActualInterface;
    return std::nullopt;
}

bool IsRightAngle(const QString& text)
{
    return text.toUpper().contains(QLatin1String("RIGHT ANGLE"));
}

QString ConnectorPictureFile(const QStringList& imageTable, const QString& interfaceName,
                             bool rightAngle, bool prenvo)
{
    for (const QString& row : imageTable) {
        if (GetField(row, 1).compare(interfaceName, Qt::CaseInsensitive) != 0)
            continue;
        if (GetField(row, 2).isEmpty() == rightAngle)
            continue;
        if (GetField(row, 3).isEmpty() == prenvo)
            continue;
        return GetField(row, 4);
    }
    return {};
}
