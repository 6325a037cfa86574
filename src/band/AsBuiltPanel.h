#pragma once

#include "catalog/AsBuilt.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

// The assembly as built, below the band panel of a result page: a table of the insertion loss
// with the connectors actually fitted at the band's beginning, middle and end, and the figures
// of the whole band (VSWR, return loss, PIM, electrical length, delay, weight, bend radius), then
// a note naming the connectors whose loss was not specified.
class TAsBuiltPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TAsBuiltPanel(QWidget* parent = nullptr);

    void Show(const TAsBuilt& asBuilt);
    void Clear();

    QTableWidget* grdAsBuilt = nullptr;
    // "Datasheet PDF...": the datasheet of this assembly (its action is the quote documents').
    QPushButton* btnDatasheet = nullptr;
    QLabel* lblAsBuiltNote = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The rows' names in the current language, the first column as wide as the longest.
    void ShowNames();

    // What is shown, to show it again in another language.
    std::optional<TAsBuilt> Shown;
};
