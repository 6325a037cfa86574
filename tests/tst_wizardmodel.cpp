#include "support/CoreTestHelpers.h"

#include "base/TextBuffer.h"
#include "catalog/Catalog.h"
#include "quote/WizardModel.h"

#include <QtTest>

namespace {

// Beginnings 150, 800, 1700, 1900; endings 1700, 2200, 2500, 3000.
const QString BandCatalog = QStringLiteral(
    "[Catalog]\nVersion=1\n"
    "[A]\nTLine=150|3000|A|A|AIR|0.03|0.0001|1.05|S||||10|90|\nC1=1|P1|N Male||N Female||P|R|\n"
    "[B]\nTLine=800|2200|B|B|FOAM|0.07|0.0002|0.63|S||||4|40|\nC1=2|P2|N Male||N Female||P|R|\n"
    "[C]\nTLine=800|2500|C|C|FOAM|0.07|0.0002|0.63|P||||4|40|\nC1=3|P3|N Male||N Female||P|R|\n"
    "[D]\nTLine=1700|2200|D|D|foam|0.07|0.0002|0.63|S||||4|40|\nC1=4|P4|N Male||N Female||P|R|\n"
    "[E]\nTLine=1900|1700|E|E|EW|1350|1500||S||||4|40|\n");

// 1/2" foam in three grades (800-2200 MHz) and a 7/8" foam cable without connectors
// (700-2700 MHz). Connector codes of V4NM-P are written in lower case.
const QString ConnectorCatalog = QStringLiteral(
    "[Catalog]\nVersion=1\n"
    "[KRV4-50B]\n"
    "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
    "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
    "C2=402|V4DM-P|7-16 DIN Male||7-16 DIN Female|Captivated Pin|P|R|\n"
    "C3=403|V4DM-S|7-16 DIN Male|Low PIM|7-16 DIN Female||S|R|\n"
    "C4=404|V4DMR-P|7-16 DIN Male|right ANGLE|7-16 DIN Female|Spring Finger|P|R|\n"
    "C5=405|V4NM-P|N Male||N Female||p|r|\n"
    "C6=406|V4NF-S|N Female||N Male||S|R|\n"
    "C7=407|V4HY-P|4.3-10 Hybrid||4.3-10 Hybrid||P|R|\n"
    "[KRV4-50BP]\n"
    "TLine=800|2200|KRV4-50BP|KRV4-50BP|FOAM|0.0689|0.00015|0.63|P|FAC-4||Y||3.3|40|\n"
    "C1=411|V4DM-P|7-16 DIN Male||7-16 DIN Female||P|R|\n"
    "[KRV4-50BR]\n"
    "TLine=800|2200|KRV4-50BR|KRV4-50BR|FOAM|0.0689|0.00015|0.63|R|FAC-4|Y|Y|Y|3.3|40|\n"
    "C1=421|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n"
    "[KRV5-50B]\n"
    "TLine=700|2700|KRV5-50B|KRV5-50B|FOAM|0.0382|0.00012|1.10|S|FAC-5|Y|Y|Y|9|80|\n");

const QStringList ImageTable = {"7-16 DIN Male|||716dinm.gif|", "7-16 DIN MALE||Y|716dinm_pv.gif|",
                                "7-16 DIN Male|Y||716dinm_ra.gif|", "N Male|||nm.gif|"};

QString Flags(const std::function<bool(int)>& enabled, int count)
{
    QString flags;
    for (int i = 0; i < count; ++i)
        flags += enabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    return flags;
}

// A freshly started wizard on a catalog, driven by steps as the window's controls drive it
// ('|' separates a step's arguments), and read back by key.
class TWalk
{
public:
    explicit TWalk(const QString& catalog)
    {
        LoadCatalog(TTextBuffer(catalog.toUtf8()), Cables);
        QStringList beginning;
        QStringList ending;
        BuildFrequencyLists(Cables, beginning, ending);
        Wizard.Defaults();
        Wizard.CatalogLoaded(&Cables, beginning, ending);
        Wizard.PicturesLoaded(ImageTable);
        Length = Wizard.Length().Text;
        Beginning = Wizard.Beginning().Text;
        Ending = Wizard.Ending().Text;
    }

    // A radio item clicked by the user acts only when it changes the group's choice.
    void Step(const QString& step)
    {
        const QStringList a = step.split(QLatin1Char('|'));
        const QString& op = a.at(0);
        const auto n = [&a](int i) {
            return a.value(i).toInt();
        };
        const auto text = [&a](int i) {
            return Local(a.value(i));
        };
        bool numeric = true;
        if (op == QLatin1String("feeder") && !Wizard.IsFeeder())
            Wizard.ApplicationClick(TWizardModel::Feeder);
        else if (op == QLatin1String("jumper") && Wizard.IsFeeder())
            Wizard.ApplicationClick(TWizardModel::Jumper);
        else if (op == QLatin1String("type") && Wizard.CableType() != n(1))
            Wizard.CableTypeClick(n(1));
        else if (op == QLatin1String("include"))
            Wizard.IncludeClick(n(1) != 0, n(2) != 0);
        else if (op == QLatin1String("band"))
            Beginning = text(1), Ending = text(2);
        else if (op == QLatin1String("length"))
            Length = text(1);
        else if (op == QLatin1String("leaveLength"))
            Wizard.LengthLeft(text(1), numeric), Numeric = numeric;
        else if (op == QLatin1String("leaveBeginning"))
            Wizard.BeginningLeft(text(1), text(2), numeric), Numeric = numeric;
        else if (op == QLatin1String("leaveEnding"))
            Wizard.EndingLeft(text(1), text(2), numeric), Numeric = numeric;
        else if (op == QLatin1String("next")) {
            Problem = Wizard.Page1Next(Length, Beginning, Ending);
            if (!Problem.Any())
                Wizard.Page2Show();
        } else if (op == QLatin1String("cableGrade") && Wizard.CableGrade() != n(1))
            Wizard.CableGradeClick(n(1));
        else if (op == QLatin1String("cable"))
            Wizard.CableChange(a.value(1));
        else if (op == QLatin1String("attachment") && Wizard.Attachment() != n(1))
            Wizard.AttachmentClick(n(1));
        else if (op == QLatin1String("grade") && Wizard.Grade() != n(1))
            Wizard.GradeClick(n(1));
        else if (op == QLatin1String("actual") && Wizard.Side(n(1)).Actual != (n(2) != 0))
            Wizard.ActualClick(n(1), n(2) != 0);
        else if (op == QLatin1String("interface"))
            Wizard.InterfaceChange(n(1), a.value(2));
        else if (op == QLatin1String("characteristics"))
            Wizard.CharacteristicsChange(n(1), a.value(2));
        else if (op == QLatin1String("inner"))
            Wizard.InnerChange(n(1), a.value(2));
    }

    QString Value(const QString& key) const
    {
        const TWizardModel& w = Wizard;
        const QString side = key.section(QLatin1Char('.'), 0, 0);
        const QString field = key.section(QLatin1Char('.'), 1);
        if (side == QLatin1String("top") || side == QLatin1String("bottom")) {
            const TWizardModel::TSide& s = w.Side(side == QLatin1String("top") ? 0 : 1);
            const QMap<QString, QString> fields = {
                {"interfaces", s.Interfaces.join('|')},
                {"interface", s.Interface},
                {"characteristicsItems", s.CharacteristicsItems.join('|')},
                {"characteristics", s.Characteristics},
                {"innerItems", s.InnerItems.join('|')},
                {"inner", s.Inner},
                {"label", s.Label},
                {"picture", s.Picture},
                {"interfaceChoice", s.InterfaceChoice},
                {"characteristicsChoice", s.CharacteristicsChoice},
                {"innerChoice", s.InnerChoice}};
            return fields.value(field, QStringLiteral("?"));
        }
        QStringList matching;
        for (const TTransmissionLine* cable : w.MatchingCables())
            matching.append(cable->Model);
        QStringList grade;
        for (const TTransmissionLine* cable : w.GradeCables())
            grade.append(cable->Model);
        const QMap<QString, QString> values = {
            {"app", QString::number(w.Application())},
            {"length", w.Length().Text},
            {"lengthIndex", QString::number(w.Length().Index)},
            {"lengthItems", w.Length().Items.value(0) + QLatin1Char(' ') +
                                w.Length().Items.value(w.Length().Items.size() - 1)},
            {"beginning", w.Beginning().Items.join('|')},
            {"beginningText", w.Beginning().Text},
            {"ending", w.Ending().Items.join('|')},
            {"endingText", w.Ending().Text},
            {"numeric", QString::number(Numeric)},
            {"type", QString::number(w.CableType())},
            {"waveguide", QString::number(w.WaveguideOffered())},
            {"feederItem", QString::number(w.FeederChoice())},
            {"feederItems", Flags([&w](int i) { return w.FeederItemEnabled(i); }, 4)},
            {"include", QString::number(w.IncludeTop()) + QString::number(w.IncludeBottom())},
            {"problem", Problem.Text},
            {"error", QString::number(Problem.Error)},
            {"matching", matching.join('|')},
            {"gradeCables", grade.join('|')},
            {"cables", w.CableItems().join('|')},
            {"cable", w.CableText()},
            {"cableModel", w.CableModel()},
            {"cableGrade", QString::number(w.CableGrade())},
            {"cableGrades", Flags([&w](int i) { return w.CableGradeEnabled(i); }, 3)},
            {"attachment", QString::number(w.Attachment())},
            {"attachments", Flags([&w](int i) { return w.AttachmentEnabled(i); }, 2)},
            {"attachmentChoice", QString::number(w.AttachmentChoice())},
            {"grade", QString::number(w.Grade())},
            {"grades", Flags([&w](int i) { return w.GradeEnabled(i); }, 2)},
            {"gradeChoice", QString::number(w.GradeChoice())},
            {"badge", QString::number(w.PrenvoBadge())}};
        return values.value(key, QStringLiteral("?"));
    }

private:
    TCableList Cables;
    TWizardModel Wizard;
    QString Length;
    QString Beginning;
    QString Ending;
    TPage1Problem Problem;
    bool Numeric = true;
};

} // namespace

class TestWizardModel : public QObject
{
    Q_OBJECT
private slots:
    void page1_data();
    void page1() { Walk(BandCatalog); }
    void page2_data();
    void page2() { Walk(ConnectorCatalog); }

private:
    static void Columns()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
    }
    // An expected value with typed numbers in the user's format (the length list's items are
    // whole numbers in ASCII digits, as the window has always listed them).
    static QString LocalValue(const QString& key, const QString& value)
    {
        static const QStringList numbers = {"length", "beginning", "beginningText", "ending",
                                            "endingText"};
        if (numbers.contains(key))
            return Local(value);
        // The largest values are written in the user's format.
        if (key == QLatin1String("problem"))
            return QString(value).replace(QStringLiteral("1000000"),
                                          Local(QStringLiteral("1000000")));
        return value;
    }
    // Each expected "key=value" after the steps.
    static void Walk(const QString& catalog)
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        TWalk walk(catalog);
        for (const QString& step : steps)
            walk.Step(step);
        QStringList actual;
        QStringList wanted;
        for (const QString& entry : expected) {
            const QString key = entry.section(QLatin1Char('='), 0, 0);
            wanted.append(key + QLatin1Char('=') +
                          LocalValue(key, entry.section(QLatin1Char('='), 1)));
            actual.append(key + QLatin1Char('=') + walk.Value(key));
        }
        QCOMPARE(actual, wanted);
    }
};

// clang-format off
void TestWizardModel::page1_data()
{
    Columns();
    const QString badBeginning = "problem=The beginning frequency must be a number greater than 0 MHz.";
    const QString badEnding = "problem=The ending frequency must be a number greater than 0 MHz.";
    const QString badLength = "problem=The length must be a number greater than 0.";
    const auto next = [](const QString& beginning, const QString& ending, const QString& length) {
        return QStringList{"band|" + beginning + "|" + ending, "length|" + length, "next"};
    };
    QTest::newRow("start") << QStringList{}
        << QStringList{"app=0", "lengthIndex=5", "lengthItems=1 50", "beginning=150|800|1700|1900", "beginningText=800",
                       "ending=1700|2200|2500|3000", "endingText=2200", "type=1", "waveguide=0", "feederItem=-1",
                       "include=11", "cableModel=KRV4-50B", "top.interfaceChoice=7-16 DIN Male", "attachmentChoice=0"};
    QTest::newRow("feeder") << QStringList{"feeder"}
        << QStringList{"app=1", "lengthIndex=100", "lengthItems=100 500", "feederItem=0", "waveguide=1", "attachmentChoice=1"};
    QTest::newRow("feeder, then jumper") << QStringList{"feeder", "type|2", "include|0|1", "jumper"}
        << QStringList{"app=0", "lengthIndex=5", "lengthItems=1 50", "type=1", "waveguide=0", "include=11",
                       "feederItem=-1", "feederItems=1111", "attachmentChoice=0"};
    QTest::newRow("both connectors") << QStringList{"feeder", "include|1|1"} << QStringList{"feederItem=0", "feederItems=1111"};
    QTest::newRow("top only") << QStringList{"feeder", "include|1|0"} << QStringList{"feederItem=1", "feederItems=0101"};
    QTest::newRow("bottom only") << QStringList{"feeder", "include|0|1"} << QStringList{"feederItem=2", "feederItems=0011"};
    QTest::newRow("no connectors") << QStringList{"feeder", "include|0|0"} << QStringList{"feederItem=3", "feederItems=0001"};

    QTest::newRow("length letters") << QStringList{"leaveLength|12a"} << QStringList{"lengthIndex=0", "numeric=0"};
    QTest::newRow("length empty passes") << QStringList{"leaveLength|"} << QStringList{"length=", "numeric=1"};
    QTest::newRow("length decimal") << QStringList{"leaveLength|12.5"} << QStringList{"length=12.5", "numeric=1"};
    QTest::newRow("length number") << QStringList{"leaveLength|37"} << QStringList{"length=37", "numeric=1"};

    QTest::newRow("ending left, beginning kept") << QStringList{"leaveEnding|800|2200"}
        << QStringList{"beginning=150|800|1700|1900", "beginningText=800", "numeric=1"};
    QTest::newRow("ending left below beginning") << QStringList{"leaveEnding|1900|1700"}
        << QStringList{"beginning=150|800", "beginningText=800"};
    QTest::newRow("ending left, equal band kept") << QStringList{"leaveEnding|1700|1700"}
        << QStringList{"beginning=150|800|1700", "beginningText=1700"};
    QTest::newRow("ending left, typed beginning added") << QStringList{"leaveEnding|900|2200"}
        << QStringList{"beginning=150|800|1700|1900|900", "beginningText=900"};
    QTest::newRow("ending not numeric") << QStringList{"leaveEnding|800|abc"}
        << QStringList{"endingText=1700", "numeric=0", "beginning=150|800", "beginningText=800"};
    QTest::newRow("beginning left, ending kept") << QStringList{"leaveBeginning|800|2500"}
        << QStringList{"ending=1700|2200|2500|3000", "endingText=2500", "numeric=1"};
    QTest::newRow("beginning left above ending") << QStringList{"leaveBeginning|2300|2200"}
        << QStringList{"ending=2500|3000", "endingText=2500"};
    QTest::newRow("beginning left, equal band kept") << QStringList{"leaveBeginning|2200|2200"}
        << QStringList{"ending=2500|3000|2200", "endingText=2200"};

    QTest::newRow("reversed band") << next("900", "800", "6")
        << QStringList{"problem=Ending frequency must be greater than beginning frequency.", "error=1"};
    QTest::newRow("no cable covers band") << next("700", "2200", "6")
        << QStringList{"problem=Sorry, there are no items that match your selection criteria.", "error=0", "matching="};
    QTest::newRow("empty beginning") << next("", "2200", "6") << QStringList{badBeginning, "error=0"};
    QTest::newRow("zero beginning") << next("0", "2200", "6") << QStringList{badBeginning};
    QTest::newRow("infinite beginning") << next("inf", "2200", "6") << QStringList{badBeginning};
    QTest::newRow("negative ending") << next("800", "-5", "6") << QStringList{badEnding};
    QTest::newRow("empty length") << next("800", "2200", "") << QStringList{badLength};
    QTest::newRow("zero length") << next("800", "2200", "0") << QStringList{badLength};
    QTest::newRow("length too large") << next("800", "2200", "1e308") << QStringList{"problem=The length must be at most 1000000."};
    QTest::newRow("length just too large") << next("800", "2200", "1000000.5") << QStringList{"problem=The length must be at most 1000000."};
    QTest::newRow("frequency too large") << next("800", "1e300", "6") << QStringList{"problem=The frequency must be at most 1000000 MHz."};
    QTest::newRow("equal band passes") << next("1700", "1700", "6") << QStringList{"problem="};
    QTest::newRow("fractional length passes") << next("800", "2200", "2.5") << QStringList{"problem="};
    // Foam cables covering the whole band, lower-case type included, in catalog order.
    QTest::newRow("cables of band and type") << next("1700", "2200", "6") << QStringList{"matching=B|C|D"};
    QTest::newRow("air cables") << QStringList{"type|0", "band|150|3000", "next"}
        << QStringList{"matching=A", "gradeCables=A"};
}

void TestWizardModel::page2_data()
{
    Columns();
    QTest::newRow("defaults on the first visit") << QStringList{"next"}
        << QStringList{"cables=KRV4-50B|KRV5-50B", "cable=KRV4-50B", "cableGrade=0", "cableGrades=111",
                       "attachment=0", "grade=0", "grades=10", "badge=1",
                       "top.interfaces=7-16 DIN Male", "top.interface=7-16 DIN Male", "top.characteristicsItems=(none)",
                       "top.innerItems=(N/A)", "top.label=7-16 DIN Male", "bottom.label=7-16 DIN Male",
                       // The Prenvo picture row is found without regard to case.
                       "top.picture=716dinm_pv.gif", "bottom.picture=716dinm_pv.gif", "top.characteristicsChoice=(none)"};
    QTest::newRow("no Prenvo without the option") << QStringList{"next", "cableGrade|1"}
        << QStringList{"cable=KRV4-50BP", "attachments=01", "attachment=1", "badge=0", "grades=10", "grade=0"};
    QTest::newRow("no Prenvo for a feeder") << QStringList{"next", "cableGrade|1", "feeder", "next", "cableGrade|0"}
        << QStringList{"cable=KRV4-50B", "attachments=01", "attachment=1"};
    QTest::newRow("regular attachment") << QStringList{"next", "attachment|1"}
        << QStringList{"grades=11", "grade=0", "badge=0",
                       // Plated, regular: lower-case codes count; "Low PIM" comes from a standard connector.
                       "top.interfaces=4.3-10 Hybrid|7-16 DIN Male|N Male", "top.interface=7-16 DIN Male",
                       "top.characteristicsItems=(none)|Low PIM|right ANGLE", "top.characteristics=(none)",
                       "top.innerItems=Captivated Pin", "top.picture=716dinm.gif"};
    QTest::newRow("standard grade") << QStringList{"next", "attachment|1", "grade|1"}
        << QStringList{"gradeChoice=1", "bottom.interfaces=7-16 DIN Male|N Female", "bottom.interface=7-16 DIN Male"};
    QTest::newRow("Prenvo forces plated") << QStringList{"next", "attachment|1", "grade|1", "attachment|0"}
        << QStringList{"grades=10", "grade=0", "gradeChoice=0", "attachmentChoice=0", "badge=1"};
    QTest::newRow("right angle in any case") << QStringList{"next", "attachment|1", "characteristics|0|right ANGLE"}
        << QStringList{"top.picture=716dinm_ra.gif", "top.characteristicsChoice=right ANGLE",
                       "bottom.picture=716dinm.gif", "top.innerItems=Spring Finger"};
    QTest::newRow("inner attachment") << QStringList{"next", "attachment|1", "characteristics|0|right ANGLE",
                                                     "inner|0|Spring Finger", "interface|0|N Male"}
        << QStringList{"top.innerChoice=Spring Finger", "top.innerItems=(N/A)", "top.characteristicsItems=(none)",
                       "top.label=N Male", "top.picture=nm.gif"};
    // "7-16 DIN Male" is not a mates-to name: the first item is taken.
    QTest::newRow("mates to") << QStringList{"next", "attachment|1", "actual|0|0"}
        << QStringList{"top.interfaces=4.3-10 Hybrid|7-16 DIN Female|N Female", "top.interface=4.3-10 Hybrid",
                       "top.interfaceChoice=4.3-10 Hybrid"};
    QTest::newRow("mates to names the actual interface") << QStringList{"next", "attachment|1", "actual|0|0", "interface|0|7-16 DIN Female"}
        << QStringList{"top.label=7-16 DIN Male", "bottom.interface=7-16 DIN Male"};
    // A name in both lists stays chosen.
    QTest::newRow("back to actual") << QStringList{"next", "attachment|1", "actual|0|0", "interface|0|4.3-10 Hybrid", "actual|0|1"}
        << QStringList{"top.interface=4.3-10 Hybrid"};
    QTest::newRow("choices remembered across Back") << QStringList{"next", "attachment|1", "interface|0|N Male",
                                                                   "characteristics|1|Low PIM", "next"}
        << QStringList{"attachment=1", "top.interface=N Male", "bottom.characteristics=Low PIM"};
    QTest::newRow("cable grade remembered") << QStringList{"next", "cableGrade|2", "next"}
        << QStringList{"cableGrade=2", "cable=KRV4-50BR", "cableModel=KRV4-50BR"};
    // Only the 7/8" cable covers 700 to 2700; it has no connectors: empty lists and captions.
    QTest::newRow("first present grade on return") << QStringList{"next", "cableGrade|1", "band|700|2700", "next"}
        << QStringList{"cableGrade=0", "cableGrades=100", "cable=KRV5-50B", "top.interfaces=", "top.characteristicsItems=",
                       "bottom.innerItems=", "top.label=Top Connector Desc.", "bottom.label=Bottom Connector Desc",
                       "top.picture="};
    QTest::newRow("feeder with the top connector only") << QStringList{"feeder", "include|1|0", "next"}
        << QStringList{"top.interface=7-16 DIN Male", "bottom.interfaces=None", "bottom.characteristics=N/A",
                       "bottom.inner=N/A", "bottom.picture=noconnectors.gif", "bottom.label=", "badge=0", "attachments=01"};
    QTest::newRow("feeder without connectors") << QStringList{"feeder", "include|0|0", "next"}
        << QStringList{"top.interfaces=None", "top.label=", "bottom.picture=noconnectors.gif", "badge=0"};
}
// clang-format on

QTEST_GUILESS_MAIN(TestWizardModel)
#include "tst_wizardmodel.moc"
