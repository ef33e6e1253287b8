#include "ScreenshotTour.h"

#include "GLPlotView.h"
#include "GLZoomLevels.h"
#include "LimitSuggestionDialog.h"
#include "MainWindow.h"
#include "ShotData.h"
#include "TrendsWindow.h"
#include "UserPrompt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {

// The manager reads the unit's configuration before the first shot; later shots follow
// within the simulator's cycle (a few seconds at most as the script runs it).
constexpr int FirstShotTimeoutMs = 40000;
constexpr int ShotTimeoutMs = 15000;
constexpr int WindowTimeoutMs = 10000;
// The main window is taken this long after a shot, before the next one starts.
constexpr int AfterShotMs = 400;
// Shots before the main window is taken: its overwrite history is full by then.
constexpr int ShotsBeforeMainWindow = 5;
// Shots logged after the dialogs, before the editor, viewer and trends: whole shots (a
// shot that runs while a dialog is open is cut off) and, with every fourth shot NG, more
// good ones than the limit suggestion's minimum of five and the viewer's files.
constexpr int ShotsForAnalysis = 10;
constexpr int ViewerFiles = 6;

void report(const QString& text)
{
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(text));
}

} // namespace

ScreenshotTour::ScreenshotTour(MainWindow& window, Options options)
    : m_window(window), m_options(std::move(options))
{
    connect(&m_window, &MainWindow::shotEnded, this, [this] { ++m_shotsEnded; });
    connect(&m_window, &MainWindow::shotLogRequested, this, [this] { ++m_shotsLogged; });
}

TourTask ScreenshotTour::run(std::function<void(const QStringList&)> finished)
{
    // Nothing may wait for a person: every question is answered and written to the log.
    UserPrompt::setMessageHandler([](const UserPrompt::Message& message) {
        report(QStringLiteral("message \"%1\": %2").arg(message.title, message.text));
        return message.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
               : message.buttons.testFlag(QMessageBox::No)   ? QMessageBox::No
                                                             : QMessageBox::Ok;
    });
    answerFileDialogs({});

    m_window.resize(m_options.windowSize);
    co_await mainWindowImage();
    if (!m_options.quick) {
        co_await dialogImage("actionDisplaySettings", "display-settings.png");
        co_await dialogImage("actionAdministration", "admin-window.png");
        co_await dialogImage("actionMoldMachine", "machine-settings.png");
        co_await dialogImage("actionIOTest", "io-test.png");
        co_await firmwareUpdate();
        WaitUntil shots = shotsLogged(m_shotsLogged + ShotsForAnalysis);
        if (!co_await shots)
            report(QStringLiteral("fewer shots than planned: the analysis images show fewer"));
        loadReference();
        co_await configEditor();
        co_await dataViewer();
        co_await trends();
        co_await japanese();
    }

    UserPrompt::setMessageHandler({});
    UserPrompt::setFileHandler({});
    finished(m_missing);
}

TourTask ScreenshotTour::mainWindowImage()
{
    const QString fileName = QStringLiteral("main-window.png");
    WaitUntil shots = shotsLogged(ShotsBeforeMainWindow);
    co_await shots;
    // Right after a shot: the whole last curve over the history of earlier ones.
    WaitUntil shotEnded = nextShotEnded();
    co_await shotEnded;
    if (m_shotsEnded == 0) {
        missing(fileName, QStringLiteral("no shot arrived from the unit"));
        co_return;
    }
    co_await save(&m_window, fileName, AfterShotMs);
}

TourTask ScreenshotTour::dialogImage(const char* actionName, const char* image)
{
    const QString fileName = QLatin1String(image);
    WaitUntil opened = modalOpened([this, actionName] { trigger(actionName); });
    if (!co_await opened) {
        missing(fileName, QStringLiteral("the dialog did not open"));
        co_return;
    }
    co_await save(m_modal, fileName);
    if (m_modal)
        m_modal->reject();
}

// With a file chosen, as the window looks before "Update".
TourTask ScreenshotTour::firmwareUpdate()
{
    const QString fileName = QStringLiteral("firmware-update.png");
    WaitUntil opened = modalOpened([this] { trigger("actionFirmwareUpdate"); });
    if (!co_await opened) {
        missing(fileName, QStringLiteral("the window did not open"));
        co_return;
    }
    const QString firmware = QDir::home().filePath(QStringLiteral("firmware/apl_11.10.44.mot"));
    answerFileDialogs(firmware);
    click(m_modal, "selectButton");
    answerFileDialogs({});
    co_await save(m_modal, fileName);
    if (m_modal)
        m_modal->reject();
}

// A good shot of this run as the reference, through File > Open Reference: the editor's
// channel page then draws its zones over a curve.
void ScreenshotTour::loadReference()
{
    const QString shot = recordedShots(true).value(0);
    if (shot.isEmpty()) {
        report(QStringLiteral("no good shot recorded for the reference"));
        return;
    }
    answerFileDialogs(shot);
    trigger("actionOpenReferenceFile");
    answerFileDialogs({});
}

TourTask ScreenshotTour::configEditor()
{
    const QStringList pages{QStringLiteral("config-editor-system.png"),
                            QStringLiteral("config-editor-module.png"),
                            QStringLiteral("config-editor-channel.png")};
    WaitUntil opened = modalOpened([this] { click(&m_window, "settingsButton"); });
    if (!co_await opened) {
        for (const QString& page : pages)
            missing(page, QStringLiteral("the editor did not open"));
        missing(QStringLiteral("suggest-limits.png"), QStringLiteral("the editor did not open"));
        co_return;
    }
    const QPointer<QDialog> editor = m_modal;
    auto* tree = editor->findChild<QTreeWidget*>(QStringLiteral("systemTreeWidget"));
    QTreeWidgetItem* system = tree ? tree->topLevelItem(0) : nullptr;
    QTreeWidgetItem* module = system && system->childCount() > 0 ? system->child(0) : nullptr;
    if (!module || module->childCount() == 0) {
        missing(pages.at(0), QStringLiteral("the editor shows no modules"));
        editor->reject();
        co_return;
    }
    co_await save(editor, pages.at(0));
    if (editor)
        tree->setCurrentItem(module);
    co_await save(editor, pages.at(1));
    // The second channel, its zones over the reference loaded before.
    if (editor)
        tree->setCurrentItem(module->child(std::min(1, module->childCount() - 1)));
    co_await save(editor, pages.at(2));
    if (editor) {
        co_await suggestLimits(editor);
        // Nothing was changed: the configuration in use stays as the unit has it.
        if (editor)
            editor->reject();
    }
}

TourTask ScreenshotTour::suggestLimits(QWidget* editor)
{
    const QString fileName = QStringLiteral("suggest-limits.png");
    click(editor, "suggestLimitsButton");
    const QPointer<LimitSuggestionDialog> preview = editor->findChild<LimitSuggestionDialog*>();
    WaitUntil read(
        [preview] { return !preview || (preview->isVisible() && !preview->isLoading()); },
        WindowTimeoutMs);
    if (!co_await read || !preview) {
        missing(fileName, QStringLiteral("the preview did not finish reading the shot logs"));
        co_return;
    }
    co_await save(preview, fileName);
    if (preview)
        preview->reject();
}

QStringList ScreenshotTour::recordedShots(bool goodOnly) const
{
    QFileInfoList found;
    QDirIterator it(m_window.dataFolder(), {QStringLiteral("all_*.csv")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QFileInfo(it.next()));
    std::sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() > b.lastModified();
    });
    // The newest file is still being written while its shot runs.
    if (!found.isEmpty() && m_window.shotState() == MainWindow::ShotInProgress)
        found.removeFirst();
    QStringList paths;
    for (const QFileInfo& file : std::as_const(found)) {
        // An NG shot has a copy named alm_ beside it.
        const QString alarmCopy = file.dir().filePath(file.fileName().replace(0, 3, "alm"));
        if (!goodOnly || !QFileInfo::exists(alarmCopy))
            paths.append(file.filePath());
    }
    return paths;
}

TourTask ScreenshotTour::dataViewer()
{
    const QString overview = QStringLiteral("data-viewer.png");
    const QString waveform = QStringLiteral("data-viewer-waveform.png");
    // Chosen before the viewer holds the packets back, so no file is cut off.
    WaitUntil shotEnded = nextShotEnded();
    co_await shotEnded;
    Pause filesWritten(500);
    co_await filesWritten;
    const QStringList files = recordedShots(true).mid(0, ViewerFiles);
    if (files.isEmpty()) {
        missing(overview, QStringLiteral("no recorded shots"));
        missing(waveform, QStringLiteral("no recorded shots"));
        co_return;
    }
    WaitUntil opened = modalOpened([this] { click(&m_window, "viewerButton"); });
    if (!co_await opened) {
        missing(overview, QStringLiteral("the viewer did not open"));
        missing(waveform, QStringLiteral("the viewer did not open"));
        co_return;
    }
    const QPointer<QDialog> viewer = m_modal;
    viewer->resize(m_options.windowSize);
    answerFileDialogs(files.join(QLatin1Char('\n')));
    click(viewer, "openDataFileButton");
    answerFileDialogs({});
    zoomViewer(viewer);
    co_await save(viewer, overview);
    if (!viewer)
        co_return;

    // Another channel, the band tighter and smoother and kept to the filling phase.
    if (auto* channel = viewer->findChild<QComboBox*>(QStringLiteral("channelComboBox"));
        channel && channel->count() > 1)
        channel->setCurrentIndex(1);
    zoomViewer(viewer);
    // Dragged: the band follows a slider when it is let go.
    const auto drag = [&viewer](const char* name, int steps) {
        if (auto* slider = viewer->findChild<QSlider*>(QLatin1String(name))) {
            slider->setSliderDown(true);
            slider->setValue(slider->value() + steps * slider->singleStep());
            slider->setSliderDown(false);
        }
    };
    drag("upperLimitSigmaSlider", 5);
    drag("lowerLimitSigmaSlider", 5);
    drag("upperLimitSmoothingSlider", -4);
    drag("lowerLimitSmoothingSlider", -4);
    const auto type = [&viewer](const char* name, const QString& text) {
        if (auto* edit = viewer->findChild<QLineEdit*>(QLatin1String(name))) {
            edit->setText(text);
            Q_EMIT edit->editingFinished();
        }
    };
    type("timeRangeBegin", QStringLiteral("0.5"));
    type("timeRangeEnd", QStringLiteral("3"));
    co_await save(viewer, waveform);
    if (viewer)
        viewer->reject();
}

// The simulated curves peak near 20 MPa of a 200 MPa sensor: the plot's vertical zoom
// slider, as the operator drags it, shows the lowest fifth with the curves and the band.
void ScreenshotTour::zoomViewer(QWidget* viewer)
{
    for (QSlider* slider : viewer->findChild<GLPlotView*>()->findChildren<QSlider*>()) {
        if (slider->orientation() == Qt::Vertical)
            slider->setValue(int(GLZoomLevels::yFactors().indexOf(5)));
    }
}

TourTask ScreenshotTour::trends()
{
    const QString fileName = QStringLiteral("trends.png");
    click(&m_window, "trendsButton");
    const QPointer<TrendsWindow> window = m_window.findChild<TrendsWindow*>();
    WaitUntil loaded([window] { return !window || (window->isVisible() && !window->isLoading()); },
                     WindowTimeoutMs);
    if (!co_await loaded || !window) {
        missing(fileName, QStringLiteral("the trends window did not load"));
        co_return;
    }
    window->resize(m_options.windowSize);
    // An item with a monitoring band, so the limits, Cp and Cpk show.
    if (auto* item = window->findChild<QComboBox*>(QStringLiteral("itemComboBox"))) {
        const int index = item->findText(QStringLiteral("Value at point"));
        if (index >= 0)
            item->setCurrentIndex(index);
    }
    co_await save(window, fileName);
    if (window)
        window->close();
}

TourTask ScreenshotTour::japanese()
{
    const QString fileName = QStringLiteral("main-window-ja.png");
    auto* action = m_window.findChild<QAction*>(QStringLiteral("actionJapanese"));
    if (!action || !action->isVisible()) {
        missing(fileName, QStringLiteral("the Japanese catalog (cvo_ja.qm) is neither beside "
                                         "the program nor in the working folder"));
        co_return;
    }
    action->trigger();
    WaitUntil shotEnded = nextShotEnded();
    co_await shotEnded;
    co_await save(&m_window, fileName, AfterShotMs);
}

WaitUntil ScreenshotTour::shotsLogged(int loggedShots)
{
    // Bounded per shot, so a run that needs more shots may take longer.
    const int timeoutMs = (m_shotsLogged == 0 ? FirstShotTimeoutMs : 0) +
                          std::max(0, loggedShots - m_shotsLogged) * ShotTimeoutMs;
    return WaitUntil([this, loggedShots] { return m_shotsLogged >= loggedShots; }, timeoutMs);
}

WaitUntil ScreenshotTour::nextShotEnded()
{
    const int ended = m_shotsEnded;
    return WaitUntil([this, ended] { return m_shotsEnded > ended; }, ShotTimeoutMs);
}

WaitUntil ScreenshotTour::modalOpened(std::function<void()> open)
{
    m_modal = nullptr;
    QTimer::singleShot(0, this, std::move(open));
    return WaitUntil(
        [this] {
            m_modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            return m_modal && m_modal->isVisible();
        },
        WindowTimeoutMs);
}

TourTask ScreenshotTour::save(QWidget* window, QString fileName, int settleMs)
{
    const QPointer<QWidget> widget(window);
    Pause settle(settleMs);
    co_await settle;
    const QString path = QDir(m_options.outputFolder).filePath(fileName);
    if (!widget || !widget->isVisible()) {
        missing(fileName, QStringLiteral("the window is not shown"));
    } else if (!widget->grab().save(path, "PNG")) {
        missing(fileName, QStringLiteral("cannot write %1").arg(path));
    } else {
        report(QStringLiteral("wrote %1").arg(path));
    }
}

void ScreenshotTour::answerFileDialogs(const QString& answer)
{
    UserPrompt::setFileHandler([answer](const UserPrompt::FileRequest& request) {
        if (answer.isEmpty())
            report(QStringLiteral("file dialog \"%1\" cancelled").arg(request.caption));
        return answer;
    });
}

void ScreenshotTour::trigger(const char* actionName)
{
    auto* action = m_window.findChild<QAction*>(QLatin1String(actionName));
    if (!action || !action->isEnabled()) {
        report(QStringLiteral("menu entry %1 is not available").arg(QLatin1String(actionName)));
        return;
    }
    action->trigger();
}

void ScreenshotTour::click(QWidget* parent, const char* buttonName)
{
    auto* button =
        parent ? parent->findChild<QAbstractButton*>(QLatin1String(buttonName)) : nullptr;
    if (!button || !button->isEnabled()) {
        report(QStringLiteral("button %1 is not available").arg(QLatin1String(buttonName)));
        return;
    }
    button->click();
}

void ScreenshotTour::missing(const QString& fileName, const QString& reason)
{
    report(QStringLiteral("%1 not taken: %2").arg(fileName, reason));
    if (!m_missing.contains(fileName))
        m_missing.append(fileName);
}
