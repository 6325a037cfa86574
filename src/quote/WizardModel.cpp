#include "WizardModel.h"

#include "base/LineFormat.h"
#include "base/Translate.h"
#include "catalog/Catalog.h"
#include "catalog/ConnectorLists.h"

#include <algorithm>

namespace {

// The item of items equal to text without regard to case; empty when none is.
QString Offered(const QStringList& items, const QString& text)
{
    for (const QString& item : items)
        if (item.compare(text, Qt::CaseInsensitive) == 0)
            return item;
    return {};
}

// The text a list shows when the program chooses this text in it: the item, or none.
QString Shown(const QStringList& items, const QString& text)
{
    return !text.isEmpty() && items.contains(text) ? text : QString();
}

// A list whose items are these, with the item of this index chosen.
void Fill(TEditList& list, const QStringList& items, int index)
{
    list.Items = items;
    list.Index = index >= 0 && index < items.size() ? index : -1;
    list.Text = list.Index >= 0 ? items.at(list.Index) : QString();
}

// Chooses text in the list, adding it at the end when it is not an item.
void ChooseAdding(TEditList& list, const QString& text)
{
    qsizetype index = list.Items.indexOf(text);
    if (index < 0) {
        list.Items.append(text);
        index = list.Items.size() - 1;
    }
    Fill(list, list.Items, static_cast<int>(index));
}

// A box left with a text that is no number shows its first item again; false then.
bool CheckValue(TEditList& list, const QString& text)
{
    list.Text = text;
    if (TWizardModel::NumericText(text))
        return true;
    if (!list.Items.isEmpty())
        Fill(list, list.Items, 0);
    else
        list.Text.clear();
    return false;
}

} // namespace

// --- The cables of page 1's choices ---------------------------------------------------------

TCableChoices::TCableChoices(TCableRefs matching) : MatchingCables(std::move(matching))
{
    for (const TTransmissionLine* cable : MatchingCables) {
        for (int i = 0; i < 3; ++i)
            if (cable->Grade == CableGradeCode(i))
                Grades[size_t(i)] = true;
        if (Grades[0] && Grades[1] && Grades[2])
            break;
    }
}

bool TCableChoices::HasGrade(int grade) const
{
    return grade >= 0 && grade < 3 && Grades[size_t(grade)];
}

const TCableChoices::TList& TCableChoices::List(int grade) const
{
    const int at = grade >= 0 && grade < 3 ? grade + 1 : 0;
    TList& list = Lists[size_t(at)];
    if (!list.Built) {
        list.Built = true;
        if (at == 0) {
            list.Cables = MatchingCables;
        } else {
            TCableCriteria criteria;
            criteria.Grade = CableGradeCode(grade);
            list.Cables = SelectCables(MatchingCables, criteria);
        }
        QStringList partNumbers;
        partNumbers.reserve(list.Cables.size());
        const QString code = CableGradeCode(grade);
        for (const TTransmissionLine* cable : list.Cables) {
            partNumbers.append(cable->PartNumber);
            if (!list.ByPartNumber.contains(cable->PartNumber))
                list.ByPartNumber.insert(cable->PartNumber, cable);
            if (cable->Grade == code && !list.ByModel.contains(cable->Model))
                list.ByModel.insert(cable->Model, cable);
        }
        list.PartNumbers = SortedUnique(partNumbers);
        for (const QString& partNumber : std::as_const(list.PartNumbers))
            list.ByFoldedPartNumber.insert(partNumber.toCaseFolded(), partNumber);
    }
    return list;
}

const TTransmissionLine* TCableChoices::Named(int grade, const QString& partNumber) const
{
    return List(grade).ByPartNumber.value(partNumber, nullptr);
}

const TTransmissionLine* TCableChoices::OfModel(int grade, const QString& model) const
{
    return List(grade).ByModel.value(model, nullptr);
}

bool TCableChoices::Listed(int grade, const QString& partNumber) const
{
    // A part number is listed when its first cable's is (the list drops only case-repeats).
    const TList& list = List(grade);
    return list.ByFoldedPartNumber.value(partNumber.toCaseFolded()) == partNumber;
}

QString TCableChoices::Offered(int grade, const QString& partNumber) const
{
    const QString item = List(grade).ByFoldedPartNumber.value(partNumber.toCaseFolded());
    // The folded forms agree with a comparison without regard to case; checked all the same.
    return item.compare(partNumber, Qt::CaseInsensitive) == 0 ? item : QString();
}

TCableRefs Page1Cables(const TCableRefs& cables, double beginFrequency, double endFrequency,
                       TCableFamily family)
{
    TCableCriteria criteria;
    criteria.UseBand = true;
    criteria.BeginFrequency = beginFrequency;
    criteria.EndFrequency = endFrequency;
    criteria.Air = family == TCableFamily::Air;
    criteria.Foam = family == TCableFamily::Foam;
    criteria.EllipticalWaveguide = family == TCableFamily::EllipticalWaveguide;
    return SelectCables(cables, criteria);
}

// --- Page 1 -----------------------------------------------------------------------------------

TWizardModel::TWizardModel()
{
    Sides[0].Caption = QStringLiteral("Top Connector Desc.");
    Sides[1].Caption = QStringLiteral("Bottom Connector Desc");
    Fill(LengthList, {}, -1);
}

void TWizardModel::Defaults()
{
    Sides[0].InterfaceChoice = Sides[1].InterfaceChoice = DefaultInterface;
    CableModelChoice = DefaultCableModel;
    GradeRemembered = 0;
    CableGradeRemembered = 0;
    AttachmentRemembered = 0;
    LoadLengthCombo(1, 50, 5);
}

bool TWizardModel::NumericText(const QString& text)
{
    return text.isEmpty() || IsUserNumber(text);
}

void TWizardModel::LoadLengthCombo(int first, int last, int itemIndex)
{
    QStringList items;
    for (int value = first; value <= last; ++value)
        items.append(QString::number(value));
    Fill(LengthList, items, itemIndex);
}

void TWizardModel::CatalogLoaded(const TCableList* cables, const QStringList& beginningFrequencies,
                                 const QStringList& endingFrequencies)
{
    Catalog = cables;
    BeginningFrequencies = beginningFrequencies;
    EndingFrequencies = endingFrequencies;
    Fill(BeginningList, beginningFrequencies,
         static_cast<int>(beginningFrequencies.indexOf(RegionalDigits(QStringLiteral("800")))));
    Fill(EndingList, endingFrequencies,
         static_cast<int>(endingFrequencies.indexOf(RegionalDigits(QStringLiteral("2200")))));
    // Elliptical waveguide is for feeders only.
    Waveguide = false;
}

void TWizardModel::PicturesLoaded(const QStringList& imageTable)
{
    ImageTable = imageTable;
}

bool TWizardModel::FeederItemEnabled(int item) const
{
    return item == FeederNone || (item >= 0 && item < 3 && FeederItems[size_t(item)]);
}

const TCableRefs& TWizardModel::MatchingCables() const
{
    static const TCableRefs none;
    return Choices ? Choices->Matching() : none;
}

void TWizardModel::ApplicationClick(int item)
{
    App = item == Feeder ? Feeder : Jumper;
    if (App == Feeder) {
        SetFeederItem(FeederBoth);
        AttachmentRemembered = Regular;
        LoadLengthCombo(100, 500, 100);
    } else {
        Family = static_cast<int>(TCableFamily::Foam);
        Sides[0].Included = Sides[1].Included = true;
        IncludeConnectorClick();
        SetFeederItem(-1);
        AttachmentRemembered = Prenvo;
        LoadLengthCombo(1, 50, 5);
    }
    Waveguide = App == Feeder;
}

void TWizardModel::SetFeederItem(int item)
{
    if (item < FeederBoth || item > FeederNone)
        item = -1;
    if (item == FeederItem)
        return;
    FeederItem = item;
    FeederClick(item);
}

void TWizardModel::FeederClick(int item)
{
    FeederItem = item;
    // Choosing an item sets the include boxes to match it, so that the boxes, the items and the
    // parts list always agree.
    if (item < FeederBoth || item > FeederNone)
        return;
    const bool top = item == FeederBoth || item == FeederTop;
    const bool bottom = item == FeederBoth || item == FeederBottom;
    if (Sides[0].Included == top && Sides[1].Included == bottom)
        return;
    Sides[0].Included = top;
    Sides[1].Included = bottom;
    IncludeConnectorClick();
}

void TWizardModel::IncludeClick(bool top, bool bottom)
{
    Sides[0].Included = top;
    Sides[1].Included = bottom;
    IncludeConnectorClick();
}

void TWizardModel::IncludeConnectorClick()
{
    const bool top = Sides[0].Included;
    const bool bottom = Sides[1].Included;
    int item = FeederNone;
    if (top && bottom)
        item = FeederBoth;
    else if (top)
        item = FeederTop;
    else if (bottom)
        item = FeederBottom;
    SetFeederItem(item);
    FeederItems = {top && bottom, top, bottom};
}

int TWizardModel::LengthLeft(const QString& length, bool& numeric)
{
    numeric = CheckValue(LengthList, length);
    return numeric ? NoBox : LengthBox;
}

int TWizardModel::EndingLeft(const QString& beginning, const QString& ending, bool& numeric)
{
    numeric = CheckValue(EndingList, ending);
    int changed = numeric ? NoBox : EndingBox;
    double end = 0;
    if (!TryUserStrToFloat(EndingList.Text, end))
        return changed;
    QStringList below;
    for (const QString& text : BeginningFrequencies) {
        double value = 0;
        if (TryUserStrToFloat(text, value) && value < end)
            below.append(text);
    }
    double begin = 0;
    if (TryUserStrToFloat(beginning, begin) && begin <= end) {
        BeginningList.Items = below;
        ChooseAdding(BeginningList, beginning);
    } else {
        Fill(BeginningList, below, static_cast<int>(below.size()) - 1);
    }
    return changed | BeginningBox;
}

int TWizardModel::BeginningLeft(const QString& beginning, const QString& ending, bool& numeric)
{
    numeric = CheckValue(BeginningList, beginning);
    int changed = numeric ? NoBox : BeginningBox;
    double begin = 0;
    if (!TryUserStrToFloat(BeginningList.Text, begin))
        return changed;
    QStringList above;
    for (const QString& text : EndingFrequencies) {
        double value = 0;
        if (TryUserStrToFloat(text, value) && value > begin)
            above.append(text);
    }
    Fill(EndingList, above, above.isEmpty() ? -1 : 0);
    double end = 0;
    if (TryUserStrToFloat(ending, end) && !(end < begin))
        ChooseAdding(EndingList, ending);
    return changed | EndingBox;
}

TPage1Problem TWizardModel::Page1Next(const QString& length, const QString& beginning,
                                      const QString& ending)
{
    BeginningList.Text = beginning;
    EndingList.Text = ending;
    // The numbers as a quote takes them: 0 for a text that is none.
    const auto number = [](const QString& text) {
        double value = 0;
        return TryUserStrToFloat(text, value) ? value : 0.0;
    };
    return Page1Next(length, number(length), number(beginning), number(ending));
}

TPage1Problem TWizardModel::Page1Next(const QString& lengthText, double length,
                                      double beginFrequency, double endFrequency)
{
    LengthList.Text = lengthText;
    LengthValue = length;
    BeginValue = beginFrequency;
    EndValue = endFrequency;
    if (!(beginFrequency > 0))
        return {Tr("WizardModel", "The beginning frequency must be a number greater than 0 MHz."),
                false};
    if (!(endFrequency > 0))
        return {Tr("WizardModel", "The ending frequency must be a number greater than 0 MHz."),
                false};
    if (beginFrequency > endFrequency)
        return {BandReversed.Text(), true};
    if (!(length > 0))
        return {Tr("WizardModel", "The length must be a number greater than 0."), false};
    // Larger values give no sound figures or prices.
    if (beginFrequency > MaxTypedFrequency || endFrequency > MaxTypedFrequency)
        return {Tr("WizardModel", "The frequency must be at most %1 MHz.")
                    .arg(FloatToStr(MaxTypedFrequency)),
                false};
    if (length > MaxTypedLength)
        return {Tr("WizardModel", "The length must be at most %1.").arg(FloatToStr(MaxTypedLength)),
                false};

    const TCableFamily family = static_cast<TCableFamily>(std::clamp(Family, 0, 2));
    const QString key = QStringLiteral("%1|%2|%3")
                            .arg(beginFrequency, 0, 'g', 17)
                            .arg(endFrequency, 0, 'g', 17)
                            .arg(static_cast<int>(family));
    Choices.reset();
    if (Cache != nullptr)
        Choices = Cache->value(key);
    if (!Choices) {
        Choices = std::make_shared<const TCableChoices>(
            Page1Cables(Catalog != nullptr ? CableRefs(*Catalog) : TCableRefs(), beginFrequency,
                        endFrequency, family));
        if (Cache != nullptr)
            Cache->insert(key, Choices);
    }
    if (Choices->Matching().isEmpty())
        return {NoMatch.Text(), false, true};
    return {};
}

// --- Page 2 -----------------------------------------------------------------------------------

void TWizardModel::Page2Show()
{
    for (TSide& side : Sides) {
        if (side.Included)
            continue;
        side.Interfaces = {Tr("WizardModel", "None")};
        side.Interface = side.Interfaces.first();
        side.CharacteristicsItems = {Tr("WizardModel", "N/A")};
        side.Characteristics = side.CharacteristicsItems.first();
        side.InnerItems = {Tr("WizardModel", "N/A")};
        side.Inner = side.InnerItems.first();
        side.Picture = QStringLiteral("noconnectors.gif");
        side.Label.clear();
    }
    UpdateCableGradeOptions();
    CableGradeClick();
}

bool TWizardModel::CableGradeEnabled(int item) const
{
    return item >= 0 && item < 3 && CableGrades[size_t(item)];
}

const QStringList& TWizardModel::CableItems() const
{
    static const QStringList none;
    return Choices ? Choices->PartNumbers(CableGradeItem) : none;
}

TCableRefs TWizardModel::ListedCables() const
{
    TCableRefs cables;
    if (!Choices)
        return cables;
    for (const QString& partNumber : CableItems())
        if (const TTransmissionLine* cable = Choices->Named(CableGradeItem, partNumber))
            cables.append(cable);
    return cables;
}

const TCableRefs& TWizardModel::GradeCables() const
{
    return Choices ? Choices->Cables(CableGradeItem) : MatchingCables();
}

bool TWizardModel::AttachmentEnabled(int item) const
{
    return item >= 0 && item < 2 && Attachments[size_t(item)];
}

bool TWizardModel::GradeEnabled(int item) const
{
    return item >= 0 && item < 2 && Grades[size_t(item)];
}

// A radio item chosen by a rule acts as a click when it changes the group's choice.
void TWizardModel::SetCableGrade(int item)
{
    if (item < 0 || item > 2)
        item = -1;
    if (item == CableGradeItem)
        return;
    CableGradeItem = item;
    CableGradeClick();
}

void TWizardModel::SetAttachment(int item)
{
    if (item < 0 || item > 1)
        item = -1;
    if (item == AttachmentItem)
        return;
    AttachmentItem = item;
    AttachmentClick();
}

void TWizardModel::SetGrade(int item)
{
    if (item < 0 || item > 1)
        item = -1;
    if (item == GradeItem)
        return;
    GradeItem = item;
    GradeClick();
}

void TWizardModel::UpdateCableGradeOptions()
{
    for (int i = 0; i < 3; ++i)
        CableGrades[size_t(i)] = Choices && Choices->HasGrade(i);
    if (CableGradeEnabled(CableGradeRemembered)) {
        SetCableGrade(CableGradeRemembered);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (CableGrades[size_t(i)]) {
            SetCableGrade(i);
            return;
        }
    }
}

void TWizardModel::CableGradeClick(int item)
{
    CableGradeItem = item >= 0 && item < 3 ? item : -1;
    CableGradeClick();
}

void TWizardModel::CableGradeClick()
{
    CableGradeRemembered = CableGradeItem;
    FillCableList();
    CableChange();
    for (TSide& side : Sides)
        if (side.Included)
            InterfaceChange(side);
}

void TWizardModel::FillCableList()
{
    // The remembered model's cable of this grade when listed, else the first.
    const QStringList& partNumbers = CableItems();
    CableName = partNumbers.isEmpty() ? QString() : partNumbers.first();
    if (!Choices || CableModelChoice.isEmpty())
        return;
    const TTransmissionLine* cable = Choices->OfModel(CableGradeItem, CableModelChoice);
    if (cable != nullptr && Choices->Listed(CableGradeItem, cable->PartNumber))
        CableName = cable->PartNumber;
}

void TWizardModel::CableChange(const QString& partNumber)
{
    CableName = partNumber;
    CableChange();
}

void TWizardModel::CableChange()
{
    // The cable named in the list; a text that names no cable takes the last one. With no cable
    // of the chosen grade there is no current cable, so no list offers stale choices.
    const TCableRefs& cables = GradeCables();
    CurrentCable = nullptr;
    if (!cables.isEmpty()) {
        CurrentCable = Choices->Named(CableGradeItem, CableName);
        if (CurrentCable == nullptr)
            CurrentCable = cables.last();
    }
    if (CurrentCable != nullptr)
        CableModelChoice = CurrentCable->Model;
    const bool anyIncluded = AnyIncluded();
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

void TWizardModel::UpdateAttachmentAndGradeOptions()
{
    Attachments[Prenvo] =
        CurrentCable != nullptr && !CurrentCable->PrenvoOption.isEmpty() && App != Feeder;
    if (AttachmentEnabled(AttachmentRemembered))
        SetAttachment(AttachmentRemembered);
    else if (AttachmentEnabled(Prenvo))
        SetAttachment(Prenvo);
    else
        SetAttachment(Regular);

    Grades[Plated] = CurrentCable != nullptr && !CurrentCable->PlatedOption.isEmpty();
    Grades[Standard] = CurrentCable != nullptr && !CurrentCable->StandardOption.isEmpty() &&
                       AttachmentItem != Prenvo;
    if (GradeEnabled(GradeRemembered))
        SetGrade(GradeRemembered);
    else if (GradeEnabled(Plated))
        SetGrade(Plated);
    else
        SetGrade(Standard);
}

void TWizardModel::AttachmentClick(int item)
{
    AttachmentItem = item >= 0 && item < 2 ? item : -1;
    AttachmentClick();
}

void TWizardModel::AttachmentClick()
{
    AttachmentRemembered = AttachmentItem;
    if (AttachmentItem == Prenvo) {
        Grades[Standard] = false;
        SetGrade(Plated);
        // The attachment's badge only where a connector is attached.
        Badge = AnyIncluded();
    } else {
        UpdateAttachmentAndGradeOptions();
        Badge = false;
    }
    GradeClick();
}

void TWizardModel::GradeClick(int item)
{
    GradeItem = item >= 0 && item < 2 ? item : -1;
    GradeClick();
}

void TWizardModel::GradeClick()
{
    GradeRemembered = GradeItem;
    FillConnectorLists();
    for (TSide& side : Sides)
        if (side.Included)
            InterfaceChange(side);
}

QString TWizardModel::AttachmentCode() const
{
    return AttachmentCodeFor(AttachmentItem);
}

void TWizardModel::FillConnectorLists()
{
    TInterfaceLists lists;
    if (CurrentCable != nullptr)
        lists = InterfaceLists(*CurrentCable, ConnectorGradeCode(GradeItem), AttachmentCode());
    for (TSide& side : Sides) {
        if (!side.Included)
            continue;
        side.Interfaces = side.Actual ? lists.Actual : lists.MatesTo;
        side.Interface = FindConnectorInList(side.Interfaces, side.InterfaceChoice);
    }
}

QString TWizardModel::FindConnectorInList(const QStringList& list, const QString& remembered)
{
    if (!remembered.isEmpty() && list.contains(remembered))
        return remembered;
    return list.isEmpty() ? QString() : list.first();
}

void TWizardModel::ActualClick(int side, bool actual)
{
    Sides[size_t(side)].Actual = actual;
    FillConnectorLists();
    InterfaceChange(Sides[size_t(side)]);
}

void TWizardModel::InterfaceChange(int side, const QString& text)
{
    Sides[size_t(side)].Interface = text;
    InterfaceChange(Sides[size_t(side)]);
}

void TWizardModel::InterfaceChange(TSide& side)
{
    side.InterfaceChoice = side.Interface;
    TChoiceList list;
    if (CurrentCable != nullptr)
        list = CharacteristicsList(*CurrentCable, side.Actual, side.Interface, AttachmentCode());
    side.CharacteristicsItems = list.Items;
    side.Characteristics = Shown(list.Items, list.Pick(side.CharacteristicsChoice));
    CharacteristicsChange(side);
}

void TWizardModel::CharacteristicsChange(int side, const QString& text)
{
    Sides[size_t(side)].Characteristics = text;
    CharacteristicsChange(Sides[size_t(side)]);
}

void TWizardModel::CharacteristicsChange(TSide& side)
{
    // With no connector of that interface the label returns to its caption, so it never names
    // a connector that is no longer offered; a side without a connector names none.
    std::optional<QString> name;
    if (CurrentCable != nullptr)
        name = InterfaceName(*CurrentCable, side.Actual, side.Interface);
    side.Label = side.Included ? name.value_or(side.Caption) : QString();
    if (side.Included)
        side.Picture = ConnectorPictureFile(
            ImageTable, side.Label, IsRightAngle(side.Characteristics), AttachmentItem == Prenvo);
    else
        side.Picture = QStringLiteral("noconnectors.gif");
    side.CharacteristicsChoice = side.Characteristics;
    TChoiceList list;
    if (CurrentCable != nullptr)
        list = InnerAttachmentList(*CurrentCable, side.Actual, side.Interface, side.Characteristics,
                                   AttachmentCode());
    side.InnerItems = list.Items;
    side.Inner = Shown(list.Items, list.Pick(side.InnerChoice));
}

void TWizardModel::InnerChange(int side, const QString& text)
{
    Sides[size_t(side)].Inner = Sides[size_t(side)].InnerChoice = text;
}

// --- Picks ------------------------------------------------------------------------------------

bool TWizardModel::PickCable(const QString& partNumber)
{
    if (!Choices)
        return false;
    // The list shown first, then the lists of the other cable grades in their order.
    for (int grade = -1; grade < 3; ++grade) {
        if (grade >= 0 && (grade == CableGradeItem || !CableGradeEnabled(grade)))
            continue;
        const QString offered = Choices->Offered(grade < 0 ? CableGradeItem : grade, partNumber);
        if (offered.isEmpty())
            continue;
        if (grade >= 0)
            CableGradeClick(grade);
        CableChange(offered);
        return true;
    }
    return false;
}

bool TWizardModel::PickAttachment(int item)
{
    if (!AttachmentEnabled(item))
        return false;
    SetAttachment(item);
    return true;
}

bool TWizardModel::PickGrade(int item)
{
    if (!GradeEnabled(item))
        return false;
    SetGrade(item);
    return true;
}

bool TWizardModel::PickInterface(int side, const QString& text)
{
    const QString offered = Offered(Sides[size_t(side)].Interfaces, text);
    if (offered.isEmpty() || !Sides[size_t(side)].Included)
        return false;
    InterfaceChange(side, offered);
    return true;
}

bool TWizardModel::PickCharacteristics(int side, const QString& text)
{
    const QString offered = Offered(Sides[size_t(side)].CharacteristicsItems, text);
    if (offered.isEmpty() || !Sides[size_t(side)].Included)
        return false;
    CharacteristicsChange(side, offered);
    return true;
}

bool TWizardModel::PickInner(int side, const QString& text)
{
    const QString offered = Offered(Sides[size_t(side)].InnerItems, text);
    if (offered.isEmpty() || !Sides[size_t(side)].Included)
        return false;
    InnerChange(side, offered);
    return true;
}

TQuoteRequest TWizardModel::Request() const
{
    TQuoteRequest request;
    request.Feeder = App == Feeder;
    request.LengthText = LengthList.Text;
    request.Length = LengthValue;
    request.Metres = InMetres;
    request.BeginFrequency = BeginValue;
    request.EndFrequency = EndValue;
    request.Family = static_cast<TCableFamily>(std::clamp(Family, 0, 2));
    request.Cable = CurrentCable;
    request.ConnectorGradeCode = ConnectorGradeCode(GradeItem);
    request.AttachmentCode = AttachmentCode();
    request.IncludeTop = Sides[0].Included;
    request.IncludeBottom = Sides[1].Included;
    request.FeederChoice = static_cast<TFeederChoice>(std::clamp(FeederItem, 0, 3));
    request.Top = {Sides[0].Label, Sides[0].Characteristics, Sides[0].Inner};
    request.Bottom = {Sides[1].Label, Sides[1].Characteristics, Sides[1].Inner};
    return request;
}
