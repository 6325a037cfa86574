#pragma once

#include "catalog/CatalogRecords.h"
#include "quote/QuoteEngine.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

// An editable list of page 1: its items, the chosen item (-1: none) and the text in its box.
struct TEditList {
    QStringList Items;
    int Index = -1;
    QString Text;
};

// Page 1's problem with its choices on Next: nothing, a warning, or an error.
struct TPage1Problem {
    QString Text;
    bool Error = false;
    // No cable fits the choices (Text is NoMatch).
    bool NothingFits = false;
    bool Any() const { return !Text.isEmpty(); }
};

// The cables that fit page 1's choices, and page 2's cable list for each cable grade, built once
// and shared by every wizard that has the same page-1 choices (batch rows among them).
class TCableChoices
{
public:
    explicit TCableChoices(TCableRefs matching);

    const TCableRefs& Matching() const { return MatchingCables; }
    // Which of the cable grades (0 standard, 1 premium, 2 flame retardant) some cable has.
    bool HasGrade(int grade) const;
    // The cables of a cable grade (-1: of all grades), and their part numbers sorted and unique.
    const TCableRefs& Cables(int grade) const { return List(grade).Cables; }
    const QStringList& PartNumbers(int grade) const { return List(grade).PartNumbers; }
    // Look-ups that cost the same whatever the number of cables:
    // the first cable of the grade with this part number (exactly); null for none;
    const TTransmissionLine* Named(int grade, const QString& partNumber) const;
    // the first cable of the grade of this model whose grade code is the grade's exactly;
    const TTransmissionLine* OfModel(int grade, const QString& model) const;
    // whether PartNumbers(grade) holds the text exactly;
    bool Listed(int grade, const QString& partNumber) const;
    // the item of PartNumbers(grade) equal to the text without regard to case; empty for none.
    QString Offered(int grade, const QString& partNumber) const;

private:
    struct TList {
        bool Built = false;
        TCableRefs Cables;
        QStringList PartNumbers;
        QHash<QString, const TTransmissionLine*> ByPartNumber;
        QHash<QString, const TTransmissionLine*> ByModel;
        QHash<QString, QString> ByFoldedPartNumber;
    };
    const TList& List(int grade) const;

    TCableRefs MatchingCables;
    std::array<bool, 3> Grades{};
    mutable std::array<TList, 4> Lists;
};

// The cables page 1 lets through: those covering the band, of the family.
TCableRefs Page1Cables(const TCableRefs& cables, double beginFrequency, double endFrequency,
                       TCableFamily family);

// The wizard's first two pages without a widget: what each control offers, shows and has
// enabled, the choices remembered across visits, and the rules that tie them together. The
// window passes the user's picks to it and shows it; batch quoting drives it the same way. A
// radio item chosen by a rule acts as a click when it changes its group's choice, exactly as a
// radio group of the window does.
class TWizardModel
{
public:
    // Page 1's radio items.
    enum { Jumper = 0, Feeder = 1 };
    enum { FeederBoth = 0, FeederTop = 1, FeederBottom = 2, FeederNone = 3 };
    // Page 2's radio items.
    enum { Plated = 0, Standard = 1 };
    enum { Prenvo = 0, Regular = 1 };

    // One side of page 2: the top (0) or the bottom (1) connector.
    struct TSide {
        bool Included = true;
        bool Actual = true; // "Actual" rather than "Mates To"
        QStringList Interfaces;
        QString Interface; // the chosen item; empty for none
        QStringList CharacteristicsItems;
        QString Characteristics;
        QStringList InnerItems;
        QString Inner;
        // The actual interface's name, else the side's caption; empty for a side left out.
        QString Label;
        // The connector's picture file (in the images folder); empty for none.
        QString Picture;
        // English, as the request takes it; the window shows its own caption in its place.
        QString Caption;
        QString InterfaceChoice;
        QString CharacteristicsChoice;
        QString InnerChoice;
    };

    TWizardModel();

    // --- Page 1 ---
    // The choices of a started window: defaults, and the length list of a jumper.
    void Defaults();
    // The length list: the whole numbers first to last, item itemIndex chosen.
    void LoadLengthCombo(int first, int last, int itemIndex);
    // A box's text that is empty or a number in the user's format (what leaving it accepts).
    static bool NumericText(const QString& text);
    // The catalog is loaded, with its frequency lists (800 and 2200 MHz chosen).
    void CatalogLoaded(const TCableList* cables, const QStringList& beginningFrequencies,
                       const QStringList& endingFrequencies);
    // The picture table (images.dat) is read.
    void PicturesLoaded(const QStringList& imageTable);

    int Application() const { return App; }
    bool IsFeeder() const { return App == Feeder; }
    const TEditList& Length() const { return LengthList; }
    bool Metres() const { return InMetres; }
    const TEditList& Beginning() const { return BeginningList; }
    const TEditList& Ending() const { return EndingList; }
    int CableType() const { return Family; }
    bool WaveguideOffered() const { return Waveguide; }
    int FeederChoice() const { return FeederItem; }
    bool FeederItemEnabled(int item) const;
    bool IncludeTop() const { return Sides[0].Included; }
    bool IncludeBottom() const { return Sides[1].Included; }
    const TCableRefs& MatchingCables() const;

    void ApplicationClick(int item);
    void FeederClick(int item);
    void IncludeClick(bool top, bool bottom);
    void UnitClick(bool metres) { InMetres = metres; }
    void CableTypeClick(int item) { Family = item; }

    // What leaving a page-1 box changed.
    enum TBoxes { NoBox = 0, LengthBox = 1, BeginningBox = 2, EndingBox = 4 };
    // Leaving the length box with this text: a text that is no number goes back to the first
    // item (numeric is then false).
    int LengthLeft(const QString& length, bool& numeric);
    // Leaving a frequency box: it is checked as the length box is, and the other box's list then
    // keeps only the frequencies on the right side of it (its typed text kept when it fits).
    int BeginningLeft(const QString& beginning, const QString& ending, bool& numeric);
    int EndingLeft(const QString& beginning, const QString& ending, bool& numeric);
    // Next on page 1 with the boxes' texts: the first problem, or none and the cables that fit.
    TPage1Problem Page1Next(const QString& length, const QString& beginning, const QString& ending);
    // The same with the numbers known (0 for a text that is none).
    TPage1Problem Page1Next(const QString& lengthText, double length, double beginFrequency,
                            double endFrequency);
    // Cable lists kept for other wizards too (batch rows), by page-1 choices.
    using TCableCache = QHash<QString, std::shared_ptr<const TCableChoices>>;
    void ShareCableLists(TCableCache* cache) { Cache = cache; }

    // --- Page 2 ---
    // Page 2 shown for page 1's choices.
    void Page2Show();

    bool CableGradeEnabled(int item) const;
    int CableGrade() const { return CableGradeItem; }
    const QStringList& CableItems() const;
    // The cable of each item of the cable list, in its order (the first of its part number).
    TCableRefs ListedCables() const;
    const QString& CableText() const { return CableName; }
    const TTransmissionLine* Cable() const { return CurrentCable; }
    const TCableRefs& GradeCables() const;
    bool AttachmentEnabled(int item) const;
    int Attachment() const { return AttachmentItem; }
    bool GradeEnabled(int item) const;
    int Grade() const { return GradeItem; }
    // The Prenvo badge beside the cable.
    bool PrenvoBadge() const { return Badge; }
    bool AnyIncluded() const { return Sides[0].Included || Sides[1].Included; }
    const TSide& Side(int side) const { return Sides[side]; }

    // The choices remembered across visits and changes.
    const QString& CableModel() const { return CableModelChoice; }
    int CableGradeChoice() const { return CableGradeRemembered; }
    int AttachmentChoice() const { return AttachmentRemembered; }
    int GradeChoice() const { return GradeRemembered; }

    // The user's picks on page 2, as its controls take them.
    void CableGradeClick(int item);
    void CableChange(const QString& partNumber);
    void AttachmentClick(int item);
    void GradeClick(int item);
    void ActualClick(int side, bool actual);
    void InterfaceChange(int side, const QString& text);
    void CharacteristicsChange(int side, const QString& text);
    void InnerChange(int side, const QString& text);

    // Picks of a text (without regard to case) among what is offered: false, changing nothing,
    // when it is not. A cable is looked for in the cable grade shown, then in the others in
    // their order, whose item is then chosen first.
    bool PickCable(const QString& partNumber);
    bool PickAttachment(int item);
    bool PickGrade(int item);
    bool PickInterface(int side, const QString& text);
    bool PickCharacteristics(int side, const QString& text);
    bool PickInner(int side, const QString& text);

    // The choices of both pages as a quote takes them (the currency is the caller's).
    TQuoteRequest Request() const;

private:
    void IncludeConnectorClick();
    void SetFeederItem(int item);
    void SetCableGrade(int item);
    void SetAttachment(int item);
    void SetGrade(int item);
    void UpdateCableGradeOptions();
    void CableGradeClick();
    void FillCableList();
    void CableChange();
    void UpdateAttachmentAndGradeOptions();
    void AttachmentClick();
    void GradeClick();
    void FillConnectorLists();
    // The remembered interface when the list offers it, else the first.
    static QString FindConnectorInList(const QStringList& list, const QString& remembered);
    void InterfaceChange(TSide& side);
    void CharacteristicsChange(TSide& side);
    QString AttachmentCode() const;

    // Page 1
    const TCableList* Catalog = nullptr;
    QStringList BeginningFrequencies;
    QStringList EndingFrequencies;
    QStringList ImageTable;
    int App = Jumper;
    TEditList LengthList;
    bool InMetres = false;
    TEditList BeginningList;
    TEditList EndingList;
    int Family = 1;
    bool Waveguide = true;
    int FeederItem = -1;
    std::array<bool, 3> FeederItems{true, true, true};
    // What Next on page 1 took.
    double LengthValue = 0;
    double BeginValue = 0;
    double EndValue = 0;
    std::shared_ptr<const TCableChoices> Choices;
    TCableCache* Cache = nullptr;

    // Page 2
    std::array<bool, 3> CableGrades{true, true, true};
    int CableGradeItem = -1;
    QString CableName;
    const TTransmissionLine* CurrentCable = nullptr;
    std::array<bool, 2> Attachments{true, true};
    int AttachmentItem = Prenvo;
    std::array<bool, 2> Grades{true, true};
    int GradeItem = Standard;
    bool Badge = false;
    std::array<TSide, 2> Sides;

    QString CableModelChoice;
    int CableGradeRemembered = 0;
    int AttachmentRemembered = 0;
    int GradeRemembered = 0;
};
