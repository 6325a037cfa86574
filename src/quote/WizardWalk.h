#pragma once

#include "catalog/CatalogRecords.h"
#include "catalog/ConnectorLists.h"
#include "quote/QuoteEngine.h"

#include <QString>
#include <QStringList>

// Page 2 of the wizard as the window holds it, without a widget: what its controls offer and
// show, and the choices it remembers across a change of cable (the window keeps an attachment,
// grade, interface and characteristics that the new cable still offers). A walk starts as a
// freshly started window shows page 2 for page 1's choices, then takes the user's picks in the
// order a user makes them: cable (its cable grade first, when another), attachment, connector
// grade, then per side the interface, characteristics and inner attachment.
class TWizardWalk
{
public:
    // Page 2 shown for the cables that fit page 1 (matching, in catalog order).
    TWizardWalk(const TCableRefs& matching, bool feeder, bool includeTop, bool includeBottom);

    // Picks an item (texts compared without regard to case); false when the control does not
    // offer it. A cable is offered in the first cable grade that has it, the shown one first.
    bool PickCable(const QString& partNumber);
    bool PickAttachment(bool prenvo);
    bool PickGrade(bool plated);
    // side 0 is the top, 1 the bottom.
    bool PickInterface(int side, const QString& text);
    bool PickCharacteristics(int side, const QString& text);
    bool PickInner(int side, const QString& text);

    const TTransmissionLine* Cable() const { return CurrentCable; }
    bool Prenvo() const { return Attachment == 0; }
    bool PrenvoOffered() const { return AttachmentEnabled[0]; }
    bool GradeOffered(bool plated) const { return GradeEnabled[plated ? 0 : 1]; }
    // What a side's list offers now.
    QStringList Interfaces() const;
    QStringList CharacteristicsItems(int side) const;
    QStringList InnerItems(int side) const;

    // The page's choices into a request: cable, grade, attachment and both sides.
    void Fill(TQuoteRequest& request) const;

private:
    struct TSide {
        bool Included = true;
        QString Caption;
        QString Label;     // the actual interface's name, or the caption
        QString Interface; // the interface list's text
        QString Characteristics;
        QString Inner;
        QString InterfaceChoice;
        QString CharacteristicsChoice;
        QString InnerChoice;
    };

    void CableGradeClick();
    void CableChange(const QString& partNumber);
    void UpdateAttachmentAndGradeOptions();
    void SetAttachment(int index);
    void SetGrade(int index);
    void AttachmentClick();
    void GradeClick();
    void FillConnectorLists();
    void InterfaceChange(TSide& side);
    void CharacteristicsChange(TSide& side);
    QString AttachmentCode() const;

    TCableRefs Matching;
    TCableRefs GradeCables;
    bool Feeder = false;
    bool CableGradeEnabled[3] = {false, false, false};
    int CableGrade = -1;
    int CableGradeChoice = 0;
    QString CableModel = DefaultCableModel;
    const TTransmissionLine* CurrentCable = nullptr;
    bool AttachmentEnabled[2] = {true, true};
    bool GradeEnabled[2] = {true, true};
    int Attachment = 0; // 0 Prenvo, 1 regular
    int Grade = 1;      // 0 plated, 1 standard
    int AttachmentChoice = 0;
    int GradeChoice = 0;
    TSide Sides[2];
};
