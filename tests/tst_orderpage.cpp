#include "support/CoreTestHelpers.h"
#include "support/TestInstallation.h"

#include "main/QuantityEditor.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/RadioGroup.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

namespace {

// A foam cable with a standard 6 ft assembly, and an air cable without standard assemblies.
const QString Catalog = QStringLiteral(
    "[Catalog]\nVersion=1\n"
    "[KRA5-50A]\n"
    "TLine=150|3000|KRA5-50A|KRA5-50A|AIR|0.035|0.0001|1.05|S|FAC-5||Y|Y|10|90|\n"
    "C1=601|A5NM-P|N Male||N Female||P|R|\n"
    "C2=602|A5NF-P|N Female||N Male||P|R|\n"
    "[KRV4-50B]\n"
    "TLine=800|2200|KRV4-50B|KRV4-50B|FOAM|0.0689|0.00015|0.63|S|FAC-4|Y|Y|Y|3.3|40|\n"
    "C1=401|V4DM-PV|7-16 DIN Male||7-16 DIN Female||P|S|\n");

const QString PriceList = QStringLiteral("CAB|1|KRA5-50A|FT|7/8 in. air cable|2.50|\n"
                                         "CON|2|A5NM-P|EA|N male|30.00|\n"
                                         "CON|2|A5NF-P|EA|N female|40.00|\n"
                                         "SVC|3|FAC-5|EA|7/8 in. charge|15.00|\n"
                                         "CAB|1|KRV4-50B|FT|1/2 in. foam cable|2.10|\n"
                                         "CON|2|V4DM-PV|EA|7-16 DIN male Prenvo|38.50|\n"
                                         "SVC|3|FAC-4|EA|1/2 in. charge|15.00|\n"
                                         "ASM|4|KJ4-DMDM-PV-6|EA|Jumper 6 ft|123.40|\n");

const QString Jumpers = QStringLiteral("[Assemblies]\nVersion=1\n"
                                       "[KRV4-50B]\nTLine=KRV4-50B|\n"
                                       "J1=401|401|x|x|KJ4-DMDM-PV-|x|3,6,10|1,2|\n");

const QString MergedDescription =
    QStringLiteral("6 foot cable assembly, KRV4-50B, (0.63 in.) SPECIAL INSTRUCTIONS:  "
                   "Connector1 = Plated 7-16 DIN Male with (N/A) inner contact attachment.   "
                   "Connector2 = Plated 7-16 DIN Male with (N/A) inner contact attachment");

} // namespace

class TestOrderPage : public QObject, private TWindowDriver
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sameAssemblyTwiceMerges();
    void twoPartsListsOnOneCable();
    void mergeKeepsTheFirstPrice();
    void quantityEdits_data();
    void quantityEdits();
    void spinNeverBelowZero();
    void descriptionEditsAreKept();
    void deletingRows();
    void gridAfterChangesEqualsGridBuiltAnew();
    void refreshForgetsSelectionAndEditor();
    void saveAndOpen();
    void cancelledOpenShowsTheOrder();
    void notAnOrderFileLeavesEverything_data();
    void notAnOrderFileLeavesEverything();
    void orderCurrency();
    void withoutRatesEveryOrderIsInDollars();
    void numbersOfAnyLocaleOpen();
    void regionalDigitsEndToEnd();
    void priceTooLargeForTheOrder();
    void viewLastOrder();
    void lastOrderOfEarlierRunSurvivesAnEmptyStart();
    void commandLine_data();
    void commandLine();
    void unwritableProgramFolder();
    void packagedProgramNeverWritesBesideItself();

private:
    void Start(const QStringList& arguments = {});
    void AddAssembly();
    void AddPartsList(const QString& length);
    QTableWidget* Order() { return W().findChild<QTableWidget*>(QStringLiteral("grdOrder")); }
    QStringList Row(int row);
    QList<QStringList> Cells();
    QString Total() { return W().findChild<QLineEdit*>(QStringLiteral("edtOrderTotal"))->text(); }
    QString LastOrderText();
    QString WriteOrder(const QString& name, const QString& text);
};

void TestOrderPage::init()
{
    Prepare(Catalog);
    Install->WriteCommonFile(QStringLiteral("M_lom.dat"), PriceList);
    Install->WriteProgramFile(QStringLiteral("dat/jumpers.dat"), Jumpers);
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), QStringLiteral("EUR|0.5|\n"));
}

void TestOrderPage::cleanup()
{
    Stop();
}

void TestOrderPage::Start(const QStringList& arguments)
{
    Window = Install->Start(arguments);
    Dialogs::TakeMessages();
    Dialogs::TakeBeeps();
}

void TestOrderPage::AddAssembly()
{
    if (W().CurrentPage() == TPage::Order)
        Button("btnAdd")->click();
    Group("rgCableType")->Button(1)->click();
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Final);
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Order);
}

void TestOrderPage::AddPartsList(const QString& length)
{
    if (W().CurrentPage() == TPage::Order)
        Button("btnAdd")->click();
    Group("rgCableType")->Button(0)->click();
    Combo("cboLength")->setEditText(Local(length));
    Button("btnNext")->click();
    for (const auto& [name, text] :
         {std::pair{"cboC1MatesTo", "N Male"}, std::pair{"cboC2MatesTo", "N Female"}}) {
        QComboBox* box = Combo(name);
        const int index = box->findText(QLatin1String(text));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::NoPN);
    Button("btnNext")->click();
    QCOMPARE(W().CurrentPage(), TPage::Order);
}

QStringList TestOrderPage::Row(int row)
{
    QStringList cells;
    for (int column = 0; column < 6; ++column)
        cells.append(Order()->item(row, column) ? Order()->item(row, column)->text() : QString());
    return cells;
}

// Every cell of the order grid: its text, alignment, flags and tool tip.
QList<QStringList> TestOrderPage::Cells()
{
    QList<QStringList> rows;
    for (int row = 0; row < Order()->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < Order()->columnCount(); ++column) {
            const QTableWidgetItem* cell = Order()->item(row, column);
            cells.append(cell == nullptr ? QStringLiteral("(no cell)")
                                         : QStringLiteral("%1 [%2 %3] %4")
                                               .arg(cell->text())
                                               .arg(cell->textAlignment())
                                               .arg(cell->flags().toInt())
                                               .arg(cell->toolTip()));
        }
        rows.append(cells);
    }
    return rows;
}

QString TestOrderPage::LastOrderText()
{
    QFile file(AppPaths::LastOrderFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

QString TestOrderPage::WriteOrder(const QString& name, const QString& text)
{
    Install->WriteProgramFile(name, text);
    return QDir(Install->ProgramFolder()).filePath(name);
}

void TestOrderPage::sameAssemblyTwiceMerges()
{
    Start();
    AddAssembly();
    AddAssembly();
    QCOMPARE(Order()->rowCount(), 1);
    // The description's line breaks show as blanks.
    QCOMPARE(Row(0), (QStringList{"2", "Each", "KJ4-DMDM-PV-6", MergedDescription, Local("123.40"),
                                  Local("246.80")}));
    QCOMPARE(Total(), Local("246.80"));
    QVERIFY(W().CurrentOrder().Started);
    QVERIFY(LastOrderText().contains(QStringLiteral("1=2|Each|FN-001|KJ4-DMDM-PV-6|")));
    QVERIFY(!Order()->verticalHeader()->isHidden());
    QVERIFY(Button("btnNext")->isHidden());
}

void TestOrderPage::twoPartsListsOnOneCable()
{
    Start();
    AddPartsList(QStringLiteral("10"));
    AddPartsList(QStringLiteral("2.5"));
    QCOMPARE(Order()->rowCount(), 4);
    QCOMPARE(Row(0), (QStringList{Local("12.5"), "Feet", "KRA5-50A", "7/8 in. air cable",
                                  Local("2.50"), Local("31.25")}));
    QCOMPARE(Row(3).mid(0, 3), (QStringList{"4", "Each", "FAC-5"}));
    // 31.25 + 2 x 30 + 2 x 40 + 4 x 15
    QCOMPARE(Total(), Local("231.25"));
}

void TestOrderPage::mergeKeepsTheFirstPrice()
{
    Start();
    AddAssembly();
    Button("btnAdd")->click();
    Group("rgCableType")->Button(1)->click();
    Button("btnNext")->click();
    Button("btnNext")->click();
    W().findChild<QAction*>(QStringLiteral("Euro1"))->trigger();
    Button("btnNext")->click();
    QCOMPARE(Row(0).mid(0, 5),
             (QStringList{"2", "Each", "KJ4-DMDM-PV-6", MergedDescription, Local("123.40")}));
}

// clang-format off
void TestOrderPage::quantityEdits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("extended");
    QTest::addColumn<bool>("refused");
    QTest::newRow("three") << "3" << "3" << "370.20" << false;
    QTest::newRow("zero") << "0" << "0" << "0.00" << false;
    QTest::newRow("fraction") << "1.5" << "1.5" << "185.10" << false;
    QTest::newRow("text") << "abc" << "1" << "123.40" << true;
    QTest::newRow("negative") << "-2" << "1" << "123.40" << true;
    QTest::newRow("above 1e9") << "99999999999999999999" << "1" << "123.40" << true;
    QTest::newRow("at 1e9") << "1000000000" << "1000000000" << "123400000000.00" << false;
}
// clang-format on

void TestOrderPage::quantityEdits()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, extended);
    QFETCH(bool, refused);
    Start();
    AddAssembly();
    Order()->item(0, 0)->setText(Local(typed));
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(messages.first().Text,
                 typed.size() > 10 ? QStringLiteral("The quantity must be at most 1000000000.")
                                   : QStringLiteral("This field must contain a numeric value."));
    QCOMPARE(Order()->item(0, 0)->text(), Local(shown));
    QCOMPARE(Order()->item(0, 5)->text(), Local(extended));
    QCOMPARE(Total(), Local(extended));
    // The last-order file follows at once, in the data format.
    QVERIFY2(LastOrderText().contains(QStringLiteral("1=") + shown + "|Each|"),
             qPrintable(LastOrderText()));
}

void TestOrderPage::spinNeverBelowZero()
{
    Start();
    W().show();
    QVERIFY(QTest::qWaitForWindowExposed(&W()));
    AddAssembly();
    Order()->item(0, 0)->setText(QStringLiteral("1"));
    Order()->editItem(Order()->item(0, 0));
    auto* editor = Order()->findChild<TQuantitySpinEdit*>();
    QVERIFY(editor != nullptr);
    editor->stepBy(1);
    QCOMPARE(Order()->item(0, 0)->text(), QStringLiteral("2"));
    QCOMPARE(Total(), Local("246.80"));
    editor->stepBy(-1);
    editor->stepBy(-1);
    QCOMPARE(Order()->item(0, 0)->text(), QStringLiteral("0"));
    QCOMPARE(Total(), Local("0.00"));
    editor->stepBy(-1);
    QCOMPARE(editor->Text(), QStringLiteral("0"));
    QCOMPARE(Order()->item(0, 0)->text(), QStringLiteral("0"));
    QCOMPARE(Order()->rowCount(), 1);
}

void TestOrderPage::descriptionEditsAreKept()
{
    Start();
    AddAssembly();
    Order()->item(0, 3)->setText(QStringLiteral("Jumper for sector A"));
    Order()->item(0, 1)->setText(QStringLiteral("Pcs"));
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QVERIFY(LastOrderText().contains(
        QStringLiteral("1=1|Pcs|FN-001|KJ4-DMDM-PV-6|Jumper for sector A|")));
    // A field delimiter would break the order line.
    Order()->item(0, 3)->setText(QStringLiteral("A|B"));
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(Order()->item(0, 3)->text(), QStringLiteral("Jumper for sector A"));
    // Kept when the grid is built again; a line of another unit takes no result line.
    AddAssembly();
    QCOMPARE(Row(0).mid(0, 4), (QStringList{"1", "Pcs", "KJ4-DMDM-PV-6", "Jumper for sector A"}));
    QCOMPARE(Row(1).mid(0, 3), (QStringList{"1", "Each", "KJ4-DMDM-PV-6"}));
}

void TestOrderPage::deletingRows()
{
    Start();
    AddPartsList(QStringLiteral("10"));
    QCOMPARE(Order()->rowCount(), 4);
    Button("btnDeleteSelected")->click();
    auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Icon, Dialogs::TIcon::Information);
    QVERIFY(messages.first().Text.startsWith(
        QStringLiteral("To delete items, highlight the rows you wish to delete\rby clicking")));
    QCOMPARE(Dialogs::TakeBeeps(), 1);

    Order()->selectRow(1);
    Order()->selectionModel()->select(Order()->model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Dialogs::SetNextAnswer(QMessageBox::No);
    Button("btnDeleteSelected")->click();
    QCOMPARE(Order()->rowCount(), 4);
    Dialogs::TakeMessages();

    Dialogs::SetNextAnswer(QMessageBox::Yes);
    Button("btnDeleteSelected")->click();
    messages = Dialogs::TakeMessages();
    QCOMPARE(messages.first().Text,
             QStringLiteral("Are you sure you want to delete the selected items?\rThis action "
                            "can not be undone!"));
    QCOMPARE(Order()->rowCount(), 2);
    QCOMPARE(Row(0).at(2), QStringLiteral("KRA5-50A"));
    QCOMPARE(Row(1).at(2), QStringLiteral("FAC-5"));
    QCOMPARE(Total(), Local("55.00"));
}

void TestOrderPage::gridAfterChangesEqualsGridBuiltAnew()
{
    Start();
    AddAssembly();
    AddPartsList(QStringLiteral("10"));
    // Kept trimmed in the order; the cell shows it as typed until the grid is shown again.
    Order()->item(4, 3)->setText(QStringLiteral("  Charge for sector A "));
    AddPartsList(QStringLiteral("2.5"));
    Order()->selectRow(0);
    Order()->selectionModel()->select(Order()->model()->index(1, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Dialogs::SetNextAnswer(QMessageBox::Yes);
    Button("btnDeleteSelected")->click();
    Dialogs::TakeMessages();
    Dialogs::TakeBeeps();
    QCOMPARE(Order()->rowCount(), 3);
    QCOMPARE(Row(2), (QStringList{"4", "Each", "FAC-5", "Charge for sector A", Local("15.00"),
                                  Local("60.00")}));
    QCOMPARE(Order()->item(2, 3)->toolTip(), QStringLiteral("Charge for sector A"));
    // Quantity, unit and description can be edited; part number, price and extended cannot.
    const Qt::ItemFlags readOnly = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    for (int column : {0, 1, 3})
        QVERIFY(Order()->item(2, column)->flags().testFlag(Qt::ItemIsEditable));
    for (int column : {2, 4, 5})
        QCOMPARE(Order()->item(2, column)->flags(), readOnly);
    QCOMPARE(Order()->item(2, 0)->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(Order()->item(2, 3)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(Order()->item(2, 5)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));

    // The grid that followed every change equals the grid built from nothing for the same order.
    const QList<QStringList> changed = Cells();
    const QString total = Total();
    Order()->setRowCount(0);
    W().RefreshOrderGrid();
    QCOMPARE(Cells(), changed);
    QCOMPARE(Total(), total);
}

void TestOrderPage::refreshForgetsSelectionAndEditor()
{
    Start();
    W().show();
    QVERIFY(QTest::qWaitForWindowExposed(&W()));
    AddPartsList(QStringLiteral("10"));
    const QList<TOrderLine> order = W().CurrentOrder().OrderLines;
    Order()->selectRow(1);
    Order()->setCurrentCell(2, 3, QItemSelectionModel::NoUpdate);
    Order()->editItem(Order()->item(2, 3));
    const QPointer<QLineEdit> editor = Order()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->setText(QStringLiteral("typed, not committed"));

    // A cancelled Open shows the order again, as a grid built anew: the editor is closed without
    // keeping what it held, and nothing is selected or current.
    TriggerOpen();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editor.isNull());
    QVERIFY(!Order()->selectionModel()->hasSelection());
    QVERIFY(!Order()->currentIndex().isValid());
    QCOMPARE(W().CurrentOrder().OrderLines, order);
    QCOMPARE(Row(2).at(3), QStringLiteral("N female"));
}

void TestOrderPage::saveAndOpen()
{
    Start();
    AddAssembly();
    AddPartsList(QStringLiteral("10"));
    const QString path = QDir(Install->ProgramFolder()).filePath(QStringLiteral("data/o.fyn"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    FileDialogs::SetNextFileName(path);
    W().findChild<QAction*>(QStringLiteral("Save1"))->trigger();
    const auto shown = FileDialogs::TakeShownDialogs();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().Save);
    QCOMPARE(shown.first().Filter, QStringLiteral("Ferrolyn Files (*.fyn)"));
    QCOMPARE(shown.first().DefaultSuffix, QStringLiteral("fyn"));
    QCOMPARE(shown.first().Folder,
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QVERIFY(QFile::exists(path));
    QList<QStringList> before;
    for (int row = 0; row < Order()->rowCount(); ++row)
        before.append(Row(row));

    Button("btnAdd")->click();
    FileDialogs::SetNextFileName(path);
    TriggerOpen();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(W().CurrentPage(), TPage::Order);
    QCOMPARE(Order()->rowCount(), before.size());
    for (int row = 0; row < before.size(); ++row)
        QCOMPARE(Row(row), before.at(row));
    const QList<TOrderLine>& lines = W().CurrentOrder().OrderLines;
    QCOMPARE(lines.at(0).Kind, QStringLiteral("1"));
    for (int line = 1; line < lines.size(); ++line)
        QCOMPARE(lines.at(line).Kind, QStringLiteral("2"));
}

void TestOrderPage::cancelledOpenShowsTheOrder()
{
    Start();
    AddAssembly();
    Button("btnAdd")->click();
    TriggerOpen();
    QCOMPARE(W().CurrentPage(), TPage::Order);
    QCOMPARE(Order()->rowCount(), 1);
    QVERIFY(Dialogs::TakeMessages().isEmpty());
}

void TestOrderPage::notAnOrderFileLeavesEverything_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // what the error names besides the file
    QTest::newRow("no site section") << QStringLiteral("[Header]\nA=1\n") << QString();
    QTest::newRow("one bad line among good ones")
        << QStringLiteral("[SITE 001 LOM]\na\nb\nc\nd\ne\n1=2|Each||P|d|1.00|\n"
                          "2=1|Each||Q|q|2;50|\n3=1|Each||R|r|3.00|\n")
        << QStringLiteral("line 8: the price '2;50' is not a number from 0 to 1000000000");
}

void TestOrderPage::notAnOrderFileLeavesEverything()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    Start();
    AddAssembly();
    const QString lastOrder = LastOrderText();
    const QString path = WriteOrder(QStringLiteral("notes.fyn"), text);
    FileDialogs::SetNextFileName(path);
    TriggerOpen();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Icon, Dialogs::TIcon::Error);
    QVERIFY(messages.first().Text.contains(QStringLiteral("notes.fyn")));
    QVERIFY2(messages.first().Text.contains(message), qPrintable(messages.first().Text));
    QCOMPARE(Order()->rowCount(), 1);
    QCOMPARE(Row(0).at(2), QStringLiteral("KJ4-DMDM-PV-6"));
    QCOMPARE(LastOrderText(), lastOrder);
}

void TestOrderPage::orderCurrency()
{
    Start();
    auto* currency = W().findChild<QLabel*>(QStringLiteral("lblOrderCurrency"));
    auto choose = [this](const char* name) {
        W().findChild<QAction*>(name)->trigger();
    };
    choose("Euro1");
    AddAssembly();
    QCOMPARE(currency->text(), QStringLiteral("Prices in Euros (EUR)"));
    QCOMPARE(Row(0).at(4), Local("246.80"));

    // A later item joins at its prices in the order's currency, whatever is chosen now.
    Button("btnAdd")->click();
    choose("US1");
    AddPartsList(QStringLiteral("10"));
    QCOMPARE(Row(1).mid(2, 3), (QStringList{"KRA5-50A", "7/8 in. air cable", Local("5.00")}));
    QCOMPARE(Row(2).at(4), Local("60.00"));
    QVERIFY(Label("StatusPanel")->text().contains(QStringLiteral("Euros (EUR)")));
    QCOMPARE(Total(), Local("496.80")); // 246.80 + 50 + 60 + 80 + 2 x 30 (charge 15 / 0.5)
    QVERIFY(W().ResultContent().ForeignCurrency);
    QVERIFY(LastOrderText().contains(QStringLiteral("\r\nFile Path=\r\nCurrency=EUR\r\n\r\n")));
    const QString euros = WriteOrder(QStringLiteral("euros.fyn"), LastOrderText());

    // Without a known code, a file is in the currency chosen when it is opened.
    QString unknown = LastOrderText();
    unknown.replace(QStringLiteral("Currency=EUR"), QStringLiteral("Currency=XYZ"));
    FileDialogs::SetNextFileName(WriteOrder(QStringLiteral("unknown.fyn"), unknown));
    TriggerOpen();
    QCOMPARE(currency->text(), QStringLiteral("Prices in US Dollars (USD)"));
    QVERIFY(Label("StatusPanel")->text().contains(QStringLiteral("XYZ")));
    QVERIFY(!W().ResultContent().ForeignCurrency);
    FileDialogs::SetNextFileName(euros);
    TriggerOpen();
    QCOMPARE(currency->text(), QStringLiteral("Prices in Euros (EUR)"));
    QCOMPARE(Total(), Local("496.80"));

    // An order without lines has no currency; it takes the one of its next first item.
    Order()->selectAll();
    Dialogs::SetNextAnswer(QMessageBox::Yes);
    Button("btnDeleteSelected")->click();
    QCOMPARE(currency->text(), QString());
    AddPartsList(QStringLiteral("10"));
    QCOMPARE(currency->text(), QStringLiteral("Prices in US Dollars (USD)"));
    QCOMPARE(Row(0).at(4), Local("2.50"));
}

void TestOrderPage::withoutRatesEveryOrderIsInDollars()
{
    Install->RemoveProgramFile(QStringLiteral("xcngrate.dat"));
    Start();
    FileDialogs::SetNextFileName(
        WriteOrder(QStringLiteral("euros.fyn"),
                   QStringLiteral("[Header]\nCurrency=EUR\n[SITE 001 LOM]\na\nb\nc\nd\ne\n"
                                  "1=1|Each||A5NM-P|N male|30.00|\n")));
    TriggerOpen();
    QCOMPARE(Order()->rowCount(), 1);
    QCOMPARE(W().findChild<QLabel*>(QStringLiteral("lblOrderCurrency"))->text(),
             QStringLiteral("Prices in US Dollars (USD)"));
    QVERIFY(LastOrderText().contains(QStringLiteral("\r\nCurrency=USD\r\n")));
}

void TestOrderPage::numbersOfAnyLocaleOpen()
{
    // Written by earlier builds in a comma locale and in an Arabic one.
    Start();
    const QString path = WriteOrder(
        QStringLiteral("comma.fyn"),
        QStringLiteral("[SITE 001 LOM]\n\na\nb\nc\nd\ne\n1=2,5|Feet||KRA5-50A|Cable|2,50|\n"
                       "2=\u0662|Each||A5NM-P|N male|\u0663\u0660\u066b\u0665|\n"));
    FileDialogs::SetNextFileName(path);
    TriggerOpen();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QCOMPARE(Row(0), (QStringList{Local("2.5"), "Feet", "KRA5-50A", "Cable", Local("2.50"),
                                  Local("6.25")}));
    QCOMPARE(Row(1).mid(0, 5),
             (QStringList{Local("2"), "Each", "A5NM-P", "N male", Local("30.5")}));
    QCOMPARE(Total(), Local("67.25"));
    QVERIFY(LastOrderText().contains(QStringLiteral("1=2.5|Feet||KRA5-50A|Cable|2.50|\r\n"
                                                    "2=2|Each||A5NM-P|N male|30.5|\r\n")));
}

void TestOrderPage::regionalDigitsEndToEnd()
{
    // Typed and shown in the regional digits; part numbers and data files in ASCII digits.
    Start();
    QCOMPARE(Combo("cboBeginning")->currentText(), Local("800"));
    AddAssembly();
    QCOMPARE(Row(0).mid(0, 3), (QStringList{Local("1"), "Each", "KJ4-DMDM-PV-6"}));
    AddPartsList(QStringLiteral("10.5"));
    QCOMPARE(Row(1), (QStringList{Local("10.5"), "Feet", "KRA5-50A", "7/8 in. air cable",
                                  Local("2.50"), Local("26.25")}));
    QCOMPARE(Total(), Local("249.65"));
    const QString saved = LastOrderText();
    QVERIFY(saved.contains(QStringLiteral("1=1|Each|FN-001|KJ4-DMDM-PV-6|6 foot")));
    QVERIFY(saved.contains(QStringLiteral("2=10.5|Feet||KRA5-50A|7/8 in. air cable|2.50|")));
    for (const QChar c : saved)
        QVERIFY2(!c.isDigit() || c.unicode() < 128, qPrintable(saved));

    // The outputs write the order exactly as the grid shows it, also after an edit with blanks.
    Order()->item(1, 1)->setText(QStringLiteral("  Feet, cut "));
    Order()->item(1, 3)->setText(QStringLiteral(" air cable "));
    QCOMPARE(Row(1).mid(1, 3), (QStringList{"Feet, cut", "KRA5-50A", "air cable"}));
    const TResultContent content = W().ResultContent();
    QCOMPARE(content.Kind, TContentKind::Order);
    QList<QStringList> shown;
    for (int row = 0; row < Order()->rowCount(); ++row)
        shown.append(Row(row));
    QCOMPARE(content.GridRows, shown);
    QCOMPARE(content.TotalValue, Total());
}

void TestOrderPage::priceTooLargeForTheOrder()
{
    // 123.40 US dollars at the smallest rate allowed: far above the bound of an order line.
    Install->WriteProgramFile(QStringLiteral("xcngrate.dat"), QStringLiteral("EUR|0.000000001|\n"));
    Start();
    W().findChild<QAction*>("Euro1")->trigger();
    Group("rgCableType")->Button(1)->click();
    Combo("cboLength")->setEditText(QStringLiteral("6"));
    Button("btnNext")->click();
    Button("btnNext")->click();
    Button("btnNext")->click();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Text,
             QStringLiteral("This item cannot be added to the order: its "
                            "unit price or quantity would be above 1000000000."));
    QCOMPARE(W().CurrentPage(), TPage::Final);
    QVERIFY(W().CurrentOrder().OrderLines.isEmpty());
    QVERIFY(!W().CurrentOrder().Started);
}

void TestOrderPage::viewLastOrder()
{
    Start();
    W().findChild<QAction*>(QStringLiteral("ViewLastOrder1"))->trigger();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Icon, Dialogs::TIcon::Error);
    QCOMPARE(messages.first().Text, QStringLiteral("No Order To View"));
    QCOMPARE(W().CurrentPage(), TPage::Page1);

    // Every change is mirrored in the last-order file at once.
    AddAssembly();
    Order()->item(0, 0)->setText(QStringLiteral("7"));
    Button("btnAdd")->click();
    QVERIFY(LastOrderText().contains(QStringLiteral("1=7|Each|")));
    W().findChild<QAction*>(QStringLiteral("ViewLastOrder1"))->trigger();
    QCOMPARE(W().CurrentPage(), TPage::Order);
    QCOMPARE(Order()->rowCount(), 1);
    QCOMPARE(Row(0).at(0), QStringLiteral("7"));
    QCOMPARE(Total(), Local("863.80"));
}

void TestOrderPage::lastOrderOfEarlierRunSurvivesAnEmptyStart()
{
    // With what this program does not use: another Header key, site fields, another site.
    const QString earlier =
        QStringLiteral("[Header]\r\nRevision=3\r\n\r\n[SITE 001 LOM]\r\n"
                       "Site Name=Riverside\r\nSite Number=\r\nShip To City=\r\n"
                       "Ship To State/Province=\r\nShip To Country=\r\n"
                       "1=7|Each|FN-001|KJ4-DMDM-PV-6|Jumper|123.40|\r\n"
                       "[SITE 002 LOM]\r\nSite Name=Hilltop\r\n");
    Install->WriteProgramFile(QStringLiteral("Ferrolyn.lom"), earlier);
    Start();
    // A cancelled Open on the empty order of this run does not overwrite the last order.
    TriggerOpen();
    QCOMPARE(Order()->rowCount(), 0);
    QCOMPARE(Total(), Local("0.00"));
    W().findChild<QAction*>(QStringLiteral("ViewLastOrder1"))->trigger();
    QCOMPARE(Order()->rowCount(), 1);
    QCOMPARE(Row(0), (QStringList{"7", "Each", "KJ4-DMDM-PV-6", "Jumper", Local("123.40"),
                                  Local("863.80")}));
    // A change writes the last order again, keeping all of that in its place.
    Order()->item(0, 0)->setText(QStringLiteral("8"));
    QFile file(QDir(Install->ProgramFolder()).filePath(QStringLiteral("Ferrolyn.lom")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY2(written.contains("Currency=USD\r\nRevision=3\r\n\r\n[SITE 001 LOM]\r\n"
                              "Site Name=Riverside\r\n") &&
                 written.endsWith("|123.40|\r\n\r\n[SITE 002 LOM]\r\nSite Name=Hilltop\r\n\r\n"),
             written.constData());
}

// clang-format off
void TestOrderPage::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opened");
    QTest::newRow("OPEN file") << QStringList{"OPEN", "order.fyn"} << true;
    QTest::newRow("open file") << QStringList{"open", "order.fyn"} << true;
    QTest::newRow("one argument") << QStringList{"OPEN"} << false;
    QTest::newRow("three arguments") << QStringList{"OPEN", "order.fyn", "x"} << false;
    QTest::newRow("other verb") << QStringList{"SHOW", "order.fyn"} << false;
}
// clang-format on

void TestOrderPage::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opened);
    const QString path = WriteOrder(
        QStringLiteral("order.fyn"),
        QStringLiteral("[SITE 001 LOM]\na=\nb=\nc=\nd=\ne=\n1=3|Feet||KRA5-50A|Air|2.5|\n"));
    for (QString& argument : arguments)
        if (argument == QLatin1String("order.fyn"))
            argument = path;
    Start(arguments);
    QCOMPARE(W().CurrentPage(), opened ? TPage::Order : TPage::Page1);
    QCOMPARE(W().CurrentOrder().OrderLines.size(), opened ? 1 : 0);
    QCOMPARE(W().CurrentOrder().Started, opened);
    if (opened)
        QCOMPARE(Row(0),
                 (QStringList{"3", "Feet", "KRA5-50A", "Air", Local("2.5"), Local("7.50")}));
}

void TestOrderPage::unwritableProgramFolder()
{
    AppPaths::SetProgramFolderWritableOverride(false);
    Start();
    AddAssembly();
    // Shown once the window is up.
    QCoreApplication::processEvents();
    const auto messages = Dialogs::TakeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().Icon, Dialogs::TIcon::Information);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(messages.first().Text.contains(QDir::toNativeSeparators(folder)));
    QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("Ferrolyn.lom"))));
    QVERIFY(
        !QFile::exists(QDir(Install->ProgramFolder()).filePath(QStringLiteral("Ferrolyn.lom"))));
    // Said once, for this user: not again in this run, nor in the next.
    AddAssembly();
    QCoreApplication::processEvents();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    Window.reset();
    Start();
    AddAssembly();
    QCoreApplication::processEvents();
    QVERIFY(Dialogs::TakeMessages().isEmpty());
    QFile::remove(QDir(folder).filePath(QStringLiteral("Ferrolyn.lom")));
}

void TestOrderPage::packagedProgramNeverWritesBesideItself()
{
    // Under /usr (the Debian package), even for root: the per-user folders.
    AppPaths::SetProgramFolder(QStringLiteral("/usr/lib"));
    QVERIFY(!AppPaths::ProgramFolderWritable());
    QVERIFY(!AppPaths::LastOrderFile().startsWith(QStringLiteral("/usr/")));
    AppPaths::SetProgramFolder(Install->ProgramFolder());
    QCOMPARE(AppPaths::ProgramFolderWritable(), QFileInfo(Install->ProgramFolder()).isWritable());
}

QTEST_MAIN(TestOrderPage)
#include "tst_orderpage.moc"
