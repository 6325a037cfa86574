#include "Translation.h"

#include "Languages.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QTextBoundaryFinder>
#include <QVariant>

namespace {

// A bound property keeps, in the dynamic property "tr:<name>", the text it was given followed by
// the key's context and source and the arguments.
QByteArray BindingName(const char* property)
{
    return QByteArrayLiteral("tr:") + property;
}

QStringList Translated(const QStringList& keys)
{
    QStringList texts;
    for (qsizetype i = 0; i + 1 < keys.size(); i += 2)
        texts.append(Tr(keys[i].toUtf8().constData(), keys[i + 1].toUtf8().constData()));
    return texts;
}

QStringList Headings(const QTableWidget* grid)
{
    QStringList texts;
    for (int column = 0; column < grid->columnCount(); ++column) {
        const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
        texts.append(item != nullptr ? item->text() : QString());
    }
    return texts;
}

void SetHeadings(QTableWidget* grid, const QStringList& keys)
{
    const QStringList texts = Translated(keys);
    if (grid->columnCount() < texts.size())
        grid->setColumnCount(int(texts.size()));
    grid->setHorizontalHeaderLabels(texts);
    // The headings as given, to tell later whether other code has set its own.
    grid->setProperty("tr:headings", QStringList(texts) + keys);
}

} // namespace

QString TTrText::Text() const
{
    QString text = Key.Text();
    for (const QString& argument : Args)
        text = text.arg(argument);
    return text;
}

void BindText(QObject* object, const char* property, const TTrText& text)
{
    const QString shown = text.Text();
    object->setProperty(property, shown);
    QStringList binding{shown, QString::fromUtf8(text.Key.Context),
                        QString::fromUtf8(text.Key.Source)};
    binding.append(text.Args);
    object->setProperty(BindingName(property).constData(), binding);
}

void BindText(QObject* object, const char* property, TTrKey key)
{
    BindText(object, property, TTrText{key, {}});
}

void BindHint(QWidget* widget, TTrKey hint)
{
    BindText(widget, "statusTip", hint);
    BindText(widget, "toolTip", hint);
}

void BindStatusHint(QWidget* widget, TTrKey hint)
{
    BindText(widget, "statusTip", hint);
}

void BindHeadings(QTableWidget* grid, const QList<TTrKey>& headings)
{
    QStringList keys;
    for (const TTrKey& key : headings)
        keys << QString::fromUtf8(key.Context) << QString::fromUtf8(key.Source);
    SetHeadings(grid, keys);
}

void RetranslateBound(QObject* root)
{
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        for (const QByteArray& name : object->dynamicPropertyNames()) {
            if (!name.startsWith("tr:"))
                continue;
            const QStringList binding = object->property(name.constData()).toStringList();
            if (name == "tr:headings") {
                auto* grid = qobject_cast<QTableWidget*>(object);
                const qsizetype count = binding.size() / 3;
                if (grid != nullptr && Headings(grid).mid(0, count) == binding.mid(0, count))
                    SetHeadings(grid, binding.mid(count));
                continue;
            }
            const QByteArray property = name.mid(3);
            if (binding.size() < 3 ||
                object->property(property.constData()).toString() != binding[0])
                continue; // set since by other code
            const QByteArray context = binding[1].toUtf8();
            const QByteArray source = binding[2].toUtf8();
            TTrText text{{context.constData(), source.constData()}, binding.mid(3)};
            BindText(object, property.constData(), text);
        }
    }
}

int LongestUnbreakable(const QFontMetrics& metrics, const QString& text)
{
    const QChar softHyphen(0x00AD);
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int widest = 0;
    qsizetype start = 0;
    while (breaks.toNextBoundary() != -1) {
        QString piece = text.mid(start, breaks.position() - start).trimmed();
        start = breaks.position();
        if (piece.endsWith(softHyphen))
            piece.back() = QLatin1Char('-');
        piece.remove(softHyphen);
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    }
    return widest;
}

int WrappedWidth(const QFontMetrics& metrics, const QString& text, int width, int lines)
{
    for (;; width += 2) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, width, lines * 100 * metrics.height()),
                                 Qt::AlignCenter | Qt::TextWordWrap, text);
        if ((needed.width() <= width && needed.height() <= lines * metrics.lineSpacing()) ||
            width > 100 * metrics.height())
            return width;
    }
}

void FitHeadingWidths(QTableWidget* grid)
{
    QList<int> designed;
    for (int column = 0; column < grid->columnCount(); ++column)
        designed.append(grid->columnWidth(column));
    const auto fit = [grid, designed] {
        const QHeaderView* header = grid->horizontalHeader();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int column = 0; column < designed.size(); ++column) {
            const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
            const int needed =
                item == nullptr
                    ? 0
                    : header->fontMetrics().horizontalAdvance(item->text()) + 2 * margin;
            grid->setColumnWidth(column, qMax(designed.at(column), needed));
        }
    };
    fit();
    QObject::connect(Languages::Changes(), &TLanguageChanges::Changed, grid, fit);
}
