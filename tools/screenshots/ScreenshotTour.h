#pragma once

#include "TourTask.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class MainWindow;
class QDialog;
class QWidget;

// Walks the manager's windows as an operator would (menu actions, buttons, the editor's
// tree, the language menu) while the unit simulator streams shots, and saves each window
// as a PNG. Every wait is bounded: a window that does not appear costs its image, which
// is then listed as missing, never a hang.
class ScreenshotTour : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString outputFolder;
        bool quick = false; // the main window only
        QSize windowSize{1280, 800};
    };

    ScreenshotTour(MainWindow& window, Options options);

    // Takes every image, then `finished` gets the file names that could not be written.
    TourTask run(std::function<void(const QStringList&)> finished);

private:
    // Layouts, the plot's first frame and the I/O test's first poll settle within this.
    static constexpr int SettleMs = 1200;

    TourTask mainWindowImage();
    TourTask dialogImage(const char* actionName, const char* image);
    TourTask firmwareUpdate();
    void loadReference();
    TourTask configEditor();
    TourTask suggestLimits(QWidget* editor);
    TourTask dataViewer();
    void zoomViewer(QWidget* viewer);
    TourTask trends();
    TourTask japanese();

    // Waits until `loggedShots` shots went to the shot log; false when they did not come.
    WaitUntil shotsLogged(int loggedShots);
    WaitUntil nextShotEnded();
    // Runs `open` from the event loop (a dialog's exec() blocks it until the dialog
    // closes) and waits until a modal dialog is up, in m_modal.
    WaitUntil modalOpened(std::function<void()> open);
    // After a pause for layouts and the plot to settle; a failure is listed as missing.
    TourTask save(QWidget* window, QString fileName, int settleMs = SettleMs);
    // The path (several one per line) the next file dialogs get; empty: they are cancelled.
    void answerFileDialogs(const QString& answer);
    void trigger(const char* actionName);
    void click(QWidget* parent, const char* buttonName);
    void missing(const QString& fileName, const QString& reason);
    // Recorded shot files whose shot has ended, newest first; NG shots left out on request.
    QStringList recordedShots(bool goodOnly) const;

    MainWindow& m_window;
    Options m_options;
    int m_shotsEnded = 0;
    int m_shotsLogged = 0;
    QPointer<QDialog> m_modal;
    QStringList m_missing;
};
