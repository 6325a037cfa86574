#include "QuantityEditor.h"

#include "base/LineFormat.h"
#include "order/Order.h"

#include <QLineEdit>

TQuantitySpinEdit::TQuantitySpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setObjectName(QStringLiteral("QuantitySpinEdit"));
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    setKeyboardTracking(true);
}

QString TQuantitySpinEdit::Text() const
{
    return lineEdit()->text();
}

void TQuantitySpinEdit::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

void TQuantitySpinEdit::stepBy(int steps)
{
    double value = 0;
    if (!TryUserStrToFloat(Text(), value))
        return;
    const double stepped = value + steps;
    if (AcceptStep && !AcceptStep(stepped))
        return;
    SetText(ToUserNumber(QuantityText(stepped)));
    emit Stepped();
}

QAbstractSpinBox::StepEnabled TQuantitySpinEdit::stepEnabled() const
{
    double value = 0;
    if (!TryUserStrToFloat(Text(), value))
        return StepNone;
    StepEnabled enabled = StepUpEnabled;
    if (value - 1 >= 0)
        enabled |= StepDownEnabled;
    return enabled;
}

TQuantityDelegate::TQuantityDelegate(std::function<bool(int, double)> acceptStep, QObject* parent)
    : QStyledItemDelegate(parent), AcceptStep(std::move(acceptStep))
{
}

QWidget* TQuantityDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    auto* editor = new TQuantitySpinEdit(parent);
    const int row = index.row();
    editor->AcceptStep = [this, row](double value) {
        return !AcceptStep || AcceptStep(row, value);
    };
    connect(editor, &TQuantitySpinEdit::Stepped, this, [this, editor] {
        // A step changes the cell at once, so the totals follow every click.
        emit const_cast<TQuantityDelegate*>(this)->commitData(editor);
    });
    return editor;
}

void TQuantityDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<TQuantitySpinEdit*>(editor)->SetText(index.data(Qt::EditRole).toString());
}

void TQuantityDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    const QString text = static_cast<TQuantitySpinEdit*>(editor)->Text();
    if (text != index.data(Qt::EditRole).toString())
        model->setData(index, text, Qt::EditRole);
}
