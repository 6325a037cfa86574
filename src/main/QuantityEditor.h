#pragma once

#include <QAbstractSpinBox>
#include <QStyledItemDelegate>

#include <functional>

// The quantity cell's editor: the text as typed (checked when it is committed) with up and down
// buttons that step the number by 1. Before a step is applied, AcceptStep is asked with the new
// value; a step it refuses leaves the text as it was.
class TQuantitySpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    explicit TQuantitySpinEdit(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    void stepBy(int steps) override;

    std::function<bool(double)> AcceptStep;

signals:
    // A step was applied.
    void Stepped();

protected:
    StepEnabled stepEnabled() const override;
};

// Gives a grid column the quantity editor; every applied step is committed at once, as a change
// of the cell.
class TQuantityDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    TQuantityDelegate(std::function<bool(int row, double value)> acceptStep, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    std::function<bool(int, double)> AcceptStep;
};
