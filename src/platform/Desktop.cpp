#include "Desktop.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

namespace {

std::optional<bool>& Override()
{
    static std::optional<bool> value;
    return value;
}

bool DeclaresSpreadsheetType(const QString& desktopFile)
{
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1String("MimeType=")))
            return line.mid(9)
                .split(QLatin1Char(';'))
                .contains(QLatin1String("application/vnd.ms-excel"));
    }
    return false;
}

QPixmap Placeholder(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(0xf4, 0xf4, 0xf4));
    QPainter painter(&pixmap);
    painter.setPen(QColor(0xb0, 0xb0, 0xb0));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("No picture"));
    return pixmap;
}

} // namespace

namespace Desktop {

bool SpreadsheetAvailable()
{
    if (Override().has_value())
        return *Override();
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            if (DeclaresSpreadsheetType(it.next()))
                return true;
    }
    return false;
}

void SetSpreadsheetAvailableOverride(std::optional<bool> available)
{
    Override() = available;
}

bool ShowPicture(QLabel* label, const QString& path)
{
    QPixmap pixmap;
    const bool loaded = !path.isEmpty() && QFile::exists(path) && pixmap.load(path);
    label->setProperty(PlaceholderProperty, !loaded);
    label->setProperty("pictureFile", loaded ? path : QString());
    if (loaded) {
        label->setPixmap(pixmap);
        return true;
    }
    const QSize size = label->minimumSize().isValid() && !label->minimumSize().isEmpty()
                           ? label->minimumSize()
                           : QSize(120, 90);
    label->setPixmap(Placeholder(size));
    return false;
}

} // namespace Desktop
