#include "TfrmAbout.h"

#include "base/Translate.h"
#include "platform/AppPaths.h"
#include "platform/Desktop.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Team = QStringLiteral("TEAM");

QString TermsText()
{
    return Tr("TfrmAbout",
              "Terms\n"
              "\n"
              "Prices and specifications in this price list may change without notice.\n"
              "\n"
              "Prices apply to delivery FOB Origin for orders within the United States and EXW "
              "factory for international orders. They do not include export packing, insurance, "
              "taxes, tariffs or duties.\n"
              "\n"
              "A refundable deposit is charged for certain skids and for large cable reels.\n"
              "\n"
              "Every order is subject to a minimum charge of $50.00 net.\n"
              "\n"
              "For a quotation on a specific requirement, please contact your local Vantrel "
              "representative or sales office.\n"
              "\n"
              "All orders are subject to acceptance by Vantrel and are governed by Vantrel's terms "
              "and conditions of sale.");
}

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Label1 =
        new QLabel(tr("Ferrolyn\u2122\nRF cable assembly configurator and price calculator"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = Label1->font();
    title.setBold(true);
    Label1->setFont(title);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setPlainText(TermsText());
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    Memo1->setPalette(palette);
    Memo1->setMinimumSize(440, 220);

    RxGIFAnimator1 = new QLabel(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setAlignment(Qt::AlignCenter);
    RxGIFAnimator1->hide();

    btnOk = new QPushButton(tr("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Image1);
    layout->addWidget(Label1);
    // The version of this build, from the project's version.
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(FERROLYN_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    layout->addWidget(Memo1, 1);
    layout->addWidget(RxGIFAnimator1, 1);
    layout->addLayout(buttons);

    connect(btnOk, &QPushButton::clicked, this, &TfrmAbout::btnOkClick);
    for (QObject* watched : {static_cast<QObject*>(btnOk), static_cast<QObject*>(Memo1)})
        watched->installEventFilter(this);
    Memo1->viewport()->installEventFilter(this);

    FormCreate();
}

void TfrmAbout::FormCreate()
{
    Desktop::ShowPicture(Image1, AppPaths::ImageFile(QStringLiteral("vantrellogo.gif")));
    btnOk->setFocus();
}

void TfrmAbout::btnOkClick()
{
    accept();
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == btnOk || watched == Memo1)
            btnOkKeyPress(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::KeyRelease:
        // Taken here so that it does not reach the dialog a second time.
        if ((watched == btnOk || watched == Memo1) && FormKeyUp(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Memo1->viewport() &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            btnOkClick();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::keyReleaseEvent(QKeyEvent* event)
{
    if (!FormKeyUp(event))
        QDialog::keyReleaseEvent(event);
}

void TfrmAbout::mouseReleaseEvent(QMouseEvent* event)
{
    // The pictures and the title pass their clicks on to the dialog.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        btnOkClick();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void TfrmAbout::btnOkKeyPress(const QKeyEvent* event)
{
    // A character typed with Alt or Control is a command, not a character.
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return;
    if (event->text() != QLatin1String("T"))
        return;
    Memo1->hide();
    Label1->hide();
    Desktop::ShowPicture(Image1, AppPaths::ImageFile(QStringLiteral("update.gif")));
}

bool TfrmAbout::FormKeyUp(const QKeyEvent* event)
{
    if (!(event->modifiers() & Qt::AltModifier) || event->isAutoRepeat() ||
        IsModifierKey(event->key()))
        return false;

    // Letters and digits have their upper-case character as key code; any other key stands
    // for a character that is not in "TEAM", so it restarts the sequence.
    const int key = event->key();
    const QChar letter =
        key >= 0x20 && key <= 0x7e ? QChar(key) : QChar(QChar::ReplacementCharacter);
    const QString extended = HiddenKeyBuffer + letter;
    HiddenKeyBuffer = Team.contains(extended) ? extended : QString(letter);
    if (HiddenKeyBuffer == Team) {
        HiddenKeyBuffer.clear();
        Memo1->hide();
        Label1->hide();
        Image1->hide();
        delete Animation;
        Animation = new QMovie(QStringLiteral(":/TEAM"), "gif", this);
        RxGIFAnimator1->setMovie(Animation);
        RxGIFAnimator1->show();
        Animation->start();
    }
    return true;
}

void ShowAbout(QWidget* parent)
{
    const QPointer<TfrmAbout> about = new TfrmAbout(parent);
    about->exec();
    delete about.data();
}
