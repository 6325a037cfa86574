#include "Desktop.h"

#include "base/SafeFile.h"
#include "base/Translate.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <QUrl>

#include <cstring>

namespace {

std::optional<bool>& Override()
{
    static std::optional<bool> value;
    return value;
}

// A picture is a few kilobytes; a file far larger is no picture of the program's.
constexpr qint64 PictureFileLimit = qint64(16) << 20;

bool DeclaresType(const QString& desktopFile, const QString& mimeType)
{
    // Only a regular file is read: a FIFO among the desktop files is never waited on.
    QFile file;
    if (!OpenRegularFile(file, desktopFile).isEmpty())
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1String("MimeType=")))
            return line.mid(9).split(QLatin1Char(';')).contains(mimeType);
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
    painter.drawText(pixmap.rect(), Qt::AlignCenter, Tr("Desktop", "No picture"));
    return pixmap;
}

// Draws a label's placeholder again when the language changes.
class TPlaceholderRedraw : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* label = qobject_cast<QLabel*>(watched);
        if (event->type() == QEvent::LanguageChange && label != nullptr &&
            label->property(Desktop::PlaceholderProperty).toBool())
            label->setPixmap(Placeholder(label->pixmap().size()));
        return false;
    }
};

const QString PlaceholderRedrawName = QStringLiteral("PlaceholderRedraw");

} // namespace

namespace Desktop {

bool ApplicationDeclares(const QString& mimeType)
{
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            if (DeclaresType(it.next(), mimeType))
                return true;
    }
    return false;
}

bool SpreadsheetAvailable()
{
    if (Override().has_value())
        return *Override();
    return ApplicationDeclares(QStringLiteral("application/vnd.ms-excel"));
}

void SetSpreadsheetAvailableOverride(std::optional<bool> available)
{
    Override() = available;
}

std::optional<bool>& OpenerOverride()
{
    static std::optional<bool> value;
    return value;
}

bool OpenerAvailable(const QString& mimeType)
{
    if (OpenerOverride().has_value())
        return *OpenerOverride();
    return ApplicationDeclares(mimeType);
}

void SetOpenerAvailableOverride(std::optional<bool> available)
{
    OpenerOverride() = available;
}

void OpenWritten(QWidget* parent, const QString& path, const QString& mimeType)
{
    if (OpenerAvailable(mimeType)) {
        Dialogs::OpenUrl(QUrl::fromLocalFile(path));
        return;
    }
    // On Linux the desktop's opener starts whether or not anything can open the file: without an
    // application for it, nothing would happen and nothing would be said.
    Dialogs::Information(parent, Tr("Desktop", "Saved as %1.\nNo application to open it was "
                                               "found on this computer.")
                                     .arg(QDir::toNativeSeparators(path)));
}

bool DisplayAvailable(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

bool ShowPicture(QLabel* label, const QString& path)
{
    // Read from the regular file opened (a FIFO in a picture's place is not waited on).
    QPixmap pixmap;
    QFile file;
    const bool loaded = !path.isEmpty() && OpenRegularFile(file, path).isEmpty() &&
                        file.size() <= PictureFileLimit && pixmap.loadFromData(file.readAll());
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
    if (label->findChild<QObject*>(PlaceholderRedrawName, Qt::FindDirectChildrenOnly) == nullptr) {
        auto* redraw = new TPlaceholderRedraw(label);
        redraw->setObjectName(PlaceholderRedrawName);
        label->installEventFilter(redraw);
    }
    return false;
}

} // namespace Desktop
