// Screenshots for the README, taken headless on the sample installation:
//   ferrolyn_screenshots <repository folder> <output folder>
//   ferrolyn_screenshots --icon <svg> <size> <png>     (for scripts/make-icons.sh)
// Walks the wizard with its defaults to the result page and saves the window, the band panel
// alone and the cable comparison of page 2 as PNG files.
#include "band/BandPanel.h"
#include "main/TfrmMain.h"
#include "main/WindowPlacement.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"

#include "base/NumericLocale.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

bool CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool Save(QWidget* widget, const QString& path)
{
    Settle();
    if (widget->grab().save(path, "PNG")) {
        std::printf("wrote %s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

// --icon <svg> <size> <png>: the SVG drawn as a square PNG of that size.
int DrawIcon(const QString& svg, int size, const QString& png)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(png, "PNG") ? 0 : 1;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    KeepCNumericFormat();
    if (argc == 5 && QByteArray(argv[1]) == "--icon")
        return DrawIcon(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                        QString::fromLocal8Bit(argv[4]));
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <repository folder> <output folder>\n", argv[0]);
        return 2;
    }
    const QDir repository(QString::fromLocal8Bit(argv[1]));
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(output);

    // A throw-away copy of the sample installation, registered in a settings folder of its own.
    QTemporaryDir folder;
    const QString program = QDir(folder.path()).filePath(QStringLiteral("program"));
    const QString common = QDir(folder.path()).filePath(QStringLiteral("common"));
    if (!CopyFolder(repository.filePath(QStringLiteral("install/program")), program) ||
        !CopyFolder(repository.filePath(QStringLiteral("install/common")), common)) {
        std::fprintf(stderr, "cannot copy the sample installation\n");
        return 1;
    }
    QStandardPaths::setTestModeEnabled(true);
    const QString settings = QDir(folder.path()).filePath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    AppPaths::SetSettingsFolder(QDir(settings).filePath(QStringLiteral("Vantrel")));
    AppPaths::SetProgramFolder(program);
    AppPaths::WriteCommonFilesPath(common);
    Dialogs::SetRecording(true);

    TfrmMain window;
    if (window.Terminated()) {
        std::fprintf(stderr, "the sample installation did not start\n");
        return 1;
    }
    window.show();
    // The headless screen is small; the pictures show the window at a usual size.
    window.resize(TWindowPlacement::DefaultWidth, TWindowPlacement::DefaultHeight);
    Settle();
    // The defaults of both pages lead to a result page; on the way, page 2's cable comparison.
    window.findChild<QPushButton*>(QStringLiteral("btnNext"))->click();
    Settle();
    // Page 2 with the keyboard's focus on the top connector's list, as Tab leaves it there.
    window.findChild<QComboBox*>(QStringLiteral("cboTLineData"))->setFocus(Qt::TabFocusReason);
    for (int tab = 0; tab < 6; ++tab) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    bool ok = Save(&window, QDir(output).filePath(QStringLiteral("page-2.png")));
    QTimer::singleShot(0, [&] {
        if (QWidget* compare = QApplication::activeModalWidget()) {
            ok = Save(compare, QDir(output).filePath(QStringLiteral("compare.png")));
            compare->close();
        }
    });
    window.findChild<QPushButton*>(QStringLiteral("btnCompare"))->click();
    Settle();
    window.findChild<QPushButton*>(QStringLiteral("btnNext"))->click();
    Settle();
    const bool atResult =
        window.CurrentPage() == TPage::Final || window.CurrentPage() == TPage::NoPN;
    if (!atResult) {
        std::fprintf(stderr, "the walk did not reach a result page\n");
        return 1;
    }
    QWidget* page = window.findChild<QWidget*>(
        QLatin1String(window.CurrentPage() == TPage::Final ? "tsFinal" : "tsNoPN"));
    ok = Save(&window, QDir(output).filePath(QStringLiteral("result-page.png"))) && ok;
    ok = Save(page->findChild<TBandPanel*>(),
              QDir(output).filePath(QStringLiteral("band-panel.png"))) &&
         ok;
    return ok ? 0 : 1;
}
