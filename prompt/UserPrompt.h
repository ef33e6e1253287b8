#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The one place where the application asks the user something: message boxes, file
// and colour dialogs. Code calls these instead of QMessageBox / QFileDialog directly so
// that tests can answer on the user's behalf.
//
// Without a handler the real modal dialogs are shown. A test installs a handler,
// which then receives every request instead of the user and returns the answer:
//
//     UserPrompt::setMessageHandler([](const UserPrompt::Message& m) {
//         return m.title == "Quit" ? QMessageBox::No : QMessageBox::Ok;
//     });
//     ...
//     UserPrompt::setMessageHandler({}); // back to real dialogs
//
// Handlers are process-wide and are called on the GUI thread only.
class UserPrompt
{
public:
    enum class MessageKind
    {
        Question,
        Information,
        Warning,
        Critical
    };
    enum class FileKind
    {
        OpenFileName,
        SaveFileName,
        ExistingDirectory,
        OpenFileNames
    };

    struct Message
    {
        MessageKind kind;
        QWidget* parent;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        // When positive, the box closes itself (as accepted) after this many milliseconds.
        int autoCloseMs = 0;
    };

    struct FileRequest
    {
        FileKind kind;
        QWidget* parent;
        QString caption;
        QString directory;
        QString filter; // empty for ExistingDirectory
        // The text beside the file name field; empty keeps the dialog's own.
        QString label = {};
        // Added by the dialog to a file name typed without a suffix ("xml").
        QString defaultSuffix = {};
    };

    struct ColorRequest
    {
        QWidget* parent;
        QString title;
        QColor initial;
    };

    // Returns the button the user chose, as the QMessageBox static functions do.
    using MessageHandler = std::function<QMessageBox::StandardButton(const Message&)>;
    // Returns the chosen path, or an empty string when the user cancelled.
    using FileHandler = std::function<QString(const FileRequest&)>;
    // Returns the chosen colour, or an invalid colour when the user cancelled.
    using ColorHandler = std::function<QColor(const ColorRequest&)>;

    static void setMessageHandler(MessageHandler handler);
    static void setFileHandler(FileHandler handler);
    static void setColorHandler(ColorHandler handler);

    static QMessageBox::StandardButton
    question(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    information(QWidget* parent, const QString& title, const QString& text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    warning(QWidget* parent, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    critical(QWidget* parent, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A critical message with an OK button that closes itself after `autoCloseMs`.
    static QMessageBox::StandardButton timedCritical(QWidget* parent, const QString& title,
                                                     const QString& text, int autoCloseMs);

    static QString getOpenFileName(QWidget* parent, const QString& caption,
                                   const QString& directory = QString(),
                                   const QString& filter = QString());
    static QString getSaveFileName(QWidget* parent, const QString& caption,
                                   const QString& directory = QString(),
                                   const QString& filter = QString());
    static QString getExistingDirectory(QWidget* parent, const QString& caption,
                                        const QString& directory = QString());
    // A file dialog using every field of the request, for callers that need a label or
    // a default suffix. Open requests accept existing files only.
    static QString getFileName(const FileRequest& request);
    // Several existing files at once; a handler answers with the paths one per line.
    static QStringList getOpenFileNames(FileRequest request);

    // An invalid colour when the user cancelled, as QColorDialog::getColor.
    static QColor getColor(const QColor& initial, QWidget* parent, const QString& title);

private:
    static QMessageBox::StandardButton ask(const Message& message);
    static QString askFile(const FileRequest& request);
};
