#pragma once

#include "base/Translate.h"

#include <QList>
#include <QStringList>

class QFontMetrics;
class QObject;
class QTableWidget;
class QWidget;

// A text to translate with the arguments that fill its "%1", "%2"...
struct TTrText {
    TTrKey Key;
    QStringList Args;
    QString Text() const;
};

// Sets a text property of object ("text", "title", "windowTitle", "statusTip", "toolTip",
// "placeholderText") to the translated text and keeps its key, so that RetranslateBound sets it
// again in another language. Binding a property again replaces its key; a property that other
// code has since set to a text of its own is left alone by RetranslateBound.
void BindText(QObject* object, const char* property, const TTrText& text);
void BindText(QObject* object, const char* property, TTrKey key);
// A control's hint: its status-bar text and tool tip.
void BindHint(QWidget* widget, TTrKey hint);
// Binds a text property of object (see BindText) and gives object back.
template <class T> T* Bound(T* object, const char* property, TTrKey text)
{
    BindText(object, property, text);
    return object;
}
// A container's status-bar text alone.
void BindStatusHint(QWidget* widget, TTrKey hint);
// A grid's column headings.
void BindHeadings(QTableWidget* grid, const QList<TTrKey>& headings);

// Widens the grid's columns, from the widths they have now, wherever a heading needs more, and
// again after each language change.
void FitHeadingWidths(QTableWidget* grid);

// Sets every bound text of root and its descendants again in the current language.
void RetranslateBound(QObject* root);

// The width of the longest piece of text that no line break can split: what a column whose
// heading wraps needs at least (a soft hyphen, U+00AD, is a break that shows a hyphen).
int LongestUnbreakable(const QFontMetrics& metrics, const QString& text);
// The least width, from width on, at which text wraps into lines of that width and no more than
// lines of them.
int WrappedWidth(const QFontMetrics& metrics, const QString& text, int width, int lines);
