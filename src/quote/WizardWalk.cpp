#include "WizardWalk.h"

#include "catalog/Catalog.h"

namespace {

const QString CableGradeCodes[3] = {QStringLiteral("S"), QStringLiteral("P"), QStringLiteral("R")};

// The item of items equal to text without regard to case; empty when none is.
QString Offered(const QStringList& items, const QString& text)
{
    for (const QString& item : items)
        if (item.compare(text, Qt::CaseInsensitive) == 0)
            return item;
    return {};
}

} // namespace

TWizardWalk::TWizardWalk(const TCableRefs& matching, bool feeder, bool includeTop,
                         bool includeBottom)
    : Matching(matching), Feeder(feeder)
{
    // A feeder starts with the regular attachment; a side left out shows "N/A".
    AttachmentChoice = feeder ? 1 : 0;
    Sides[0].Caption = QStringLiteral("Top Connector Desc.");
    Sides[1].Caption = QStringLiteral("Bottom Connector Desc");
    Sides[0].Included = includeTop;
    Sides[1].Included = includeBottom;
    for (TSide& side : Sides) {
        side.Label = side.Caption;
        side.InterfaceChoice = DefaultInterface;
        if (!side.Included)
            side.Characteristics = side.Inner = QStringLiteral("N/A");
    }
    // The cable grades that some cable has; the remembered one, else the first of them.
    for (const TTransmissionLine* cable : Matching)
        for (int i = 0; i < 3; ++i)
            if (cable->Grade == CableGradeCodes[i])
                CableGradeEnabled[i] = true;
    if (CableGradeEnabled[CableGradeChoice]) {
        CableGrade = CableGradeChoice;
    } else {
        for (int i = 0; i < 3; ++i)
            if (CableGradeEnabled[i]) {
                CableGrade = i;
                break;
            }
    }
    CableGradeClick();
}

void TWizardWalk::CableGradeClick()
{
    CableGradeChoice = CableGrade;
    const QString code = CableGradeCode(CableGrade);
    if (code.isEmpty()) {
        GradeCables = Matching;
    } else {
        TCableCriteria criteria;
        criteria.Grade = code;
        GradeCables = SelectCables(Matching, criteria);
    }
    // The cable list: the remembered model's cable of this grade when listed, else the first.
    QStringList partNumbers;
    for (const TTransmissionLine* cable : GradeCables)
        partNumbers.append(cable->PartNumber);
    partNumbers = SortedUnique(partNumbers);
    QString selected = partNumbers.isEmpty() ? QString() : partNumbers.first();
    if (!CableModel.isEmpty()) {
        for (const TTransmissionLine* cable : GradeCables) {
            if (cable->Model == CableModel && cable->Grade == code) {
                if (partNumbers.contains(cable->PartNumber))
                    selected = cable->PartNumber;
                break;
            }
        }
    }
    CableChange(selected);
    for (TSide& side : Sides)
        if (side.Included)
            InterfaceChange(side);
}

void TWizardWalk::CableChange(const QString& partNumber)
{
    CurrentCable = nullptr;
    if (!GradeCables.isEmpty()) {
        CurrentCable = GradeCables.last();
        for (const TTransmissionLine* cable : GradeCables) {
            if (cable->PartNumber == partNumber) {
                CurrentCable = cable;
                break;
            }
        }
    }
    if (CurrentCable != nullptr)
        CableModel = CurrentCable->Model;
    const bool anyIncluded = Sides[0].Included || Sides[1].Included;
    if (anyIncluded) {
        UpdateAttachmentAndGradeOptions();
        FillConnectorLists();
    }
    for (TSide& side : Sides)
        if (side.Included)
            InterfaceChange(side);
    if (anyIncluded) {
        GradeClick();
        AttachmentClick();
    }
}

void TWizardWalk::UpdateAttachmentAndGradeOptions()
{
    AttachmentEnabled[0] =
        CurrentCable != nullptr && !CurrentCable->PrenvoOption.isEmpty() && !Feeder;
    if (AttachmentChoice >= 0 && AttachmentChoice < 2 && AttachmentEnabled[AttachmentChoice])
        SetAttachment(AttachmentChoice);
    else
        SetAttachment(AttachmentEnabled[0] ? 0 : 1);

    GradeEnabled[0] = CurrentCable != nullptr && !CurrentCable->PlatedOption.isEmpty();
    GradeEnabled[1] =
        CurrentCable != nullptr && !CurrentCable->StandardOption.isEmpty() && Attachment != 0;
    if (GradeChoice >= 0 && GradeChoice < 2 && GradeEnabled[GradeChoice])
        SetGrade(GradeChoice);
    else
        SetGrade(GradeEnabled[0] ? 0 : 1);
}

// A radio item set by the program acts as a click when it changes the group's choice.
void TWizardWalk::SetAttachment(int index)
{
    if (index == Attachment)
        return;
    Attachment = index;
    AttachmentClick();
}

void TWizardWalk::SetGrade(int index)
{
    if (index == Grade)
        return;
    Grade = index;
    GradeClick();
}

void TWizardWalk::AttachmentClick()
{
    AttachmentChoice = Attachment;
    if (Attachment == 0) {
        GradeEnabled[1] = false;
        SetGrade(0);
    } else {
        UpdateAttachmentAndGradeOptions();
    }
    GradeClick();
}

void TWizardWalk::GradeClick()
{
    GradeChoice = Grade;
    FillConnectorLists();
    for (TSide& side : Sides)
        if (side.Included)
            InterfaceChange(side);
}

QString TWizardWalk::AttachmentCode() const
{
    return AttachmentCodeFor(Attachment);
}

QStringList TWizardWalk::Interfaces() const
{
    if (CurrentCable == nullptr)
        return {};
    return InterfaceLists(*CurrentCable, ConnectorGradeCode(Grade), AttachmentCode()).Actual;
}

void TWizardWalk::FillConnectorLists()
{
    const QStringList list = Interfaces();
    for (TSide& side : Sides) {
        if (!side.Included)
            continue;
        if (!side.InterfaceChoice.isEmpty() && list.contains(side.InterfaceChoice))
            side.Interface = side.InterfaceChoice;
        else
            side.Interface = list.isEmpty() ? QString() : list.first();
    }
}

QStringList TWizardWalk::CharacteristicsItems(int side) const
{
    if (CurrentCable == nullptr)
        return {};
    return CharacteristicsList(*CurrentCable, true, Sides[side].Interface, AttachmentCode()).Items;
}

QStringList TWizardWalk::InnerItems(int side) const
{
    if (CurrentCable == nullptr)
        return {};
    return InnerAttachmentList(*CurrentCable, true, Sides[side].Interface,
                               Sides[side].Characteristics, AttachmentCode())
        .Items;
}

void TWizardWalk::InterfaceChange(TSide& side)
{
    side.InterfaceChoice = side.Interface;
    TChoiceList list;
    if (CurrentCable != nullptr)
        list = CharacteristicsList(*CurrentCable, true, side.Interface, AttachmentCode());
    side.Characteristics = list.Pick(side.CharacteristicsChoice);
    CharacteristicsChange(side);
}

void TWizardWalk::CharacteristicsChange(TSide& side)
{
    std::optional<QString> name;
    if (CurrentCable != nullptr)
        name = InterfaceName(*CurrentCable, true, side.Interface);
    side.Label = name.value_or(side.Caption);
    side.CharacteristicsChoice = side.Characteristics;
    TChoiceList list;
    if (CurrentCable != nullptr)
        list = InnerAttachmentList(*CurrentCable, true, side.Interface, side.Characteristics,
                                   AttachmentCode());
    side.Inner = list.Pick(side.InnerChoice);
}

bool TWizardWalk::PickCable(const QString& partNumber)
{
    // The shown list first, then the lists of the other cable grades in their order.
    for (int grade = -1; grade < 3; ++grade) {
        if (grade >= 0 && (grade == CableGrade || !CableGradeEnabled[grade]))
            continue;
        TCableRefs cables = GradeCables;
        if (grade >= 0) {
            TCableCriteria criteria;
            criteria.Grade = CableGradeCode(grade);
            cables = SelectCables(Matching, criteria);
        }
        QStringList partNumbers;
        for (const TTransmissionLine* cable : cables)
            partNumbers.append(cable->PartNumber);
        const QString offered = Offered(SortedUnique(partNumbers), partNumber);
        if (offered.isEmpty())
            continue;
        if (grade >= 0) {
            CableGrade = grade;
            CableGradeClick();
        }
        CableChange(offered);
        return true;
    }
    return false;
}

bool TWizardWalk::PickAttachment(bool prenvo)
{
    const int index = prenvo ? 0 : 1;
    if (!AttachmentEnabled[index])
        return false;
    SetAttachment(index);
    return true;
}

bool TWizardWalk::PickGrade(bool plated)
{
    const int index = plated ? 0 : 1;
    if (!GradeEnabled[index])
        return false;
    SetGrade(index);
    return true;
}

bool TWizardWalk::PickInterface(int side, const QString& text)
{
    const QString offered = Offered(Interfaces(), text);
    if (offered.isEmpty() || !Sides[side].Included)
        return false;
    Sides[side].Interface = offered;
    InterfaceChange(Sides[side]);
    return true;
}

bool TWizardWalk::PickCharacteristics(int side, const QString& text)
{
    const QString offered = Offered(CharacteristicsItems(side), text);
    if (offered.isEmpty() || !Sides[side].Included)
        return false;
    Sides[side].Characteristics = offered;
    CharacteristicsChange(Sides[side]);
    return true;
}

bool TWizardWalk::PickInner(int side, const QString& text)
{
    const QString offered = Offered(InnerItems(side), text);
    if (offered.isEmpty() || !Sides[side].Included)
        return false;
    Sides[side].Inner = Sides[side].InnerChoice = offered;
    return true;
}

void TWizardWalk::Fill(TQuoteRequest& request) const
{
    request.Cable = CurrentCable;
    request.ConnectorGrade = ConnectorGradeCode(Grade);
    request.Attachment = Attachment == 0 ? QStringLiteral("S") : QStringLiteral("R");
    request.Top = {Sides[0].Label, Sides[0].Characteristics, Sides[0].Inner};
    request.Bottom = {Sides[1].Label, Sides[1].Characteristics, Sides[1].Inner};
}
