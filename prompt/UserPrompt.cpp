#include "UserPrompt.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QTimer>

namespace {

UserPrompt::MessageHandler& messageHandler()
{
    static UserPrompt::MessageHandler handler;
    return handler;
}

UserPrompt::FileHandler& fileHandler()
{
    static UserPrompt::FileHandler handler;
    return handler;
}

UserPrompt::ColorHandler& colorHandler()
{
    static UserPrompt::ColorHandler handler;
    return handler;
}

QMessageBox::StandardButton showSelfClosingBox(const UserPrompt::Message& m)
{
    QMessageBox box(QMessageBox::Critical, m.title, m.text, m.buttons, m.parent);
    if (m.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(m.defaultButton);
    QTimer::singleShot(m.autoCloseMs, &box, &QMessageBox::accept);
    box.exec();
    return QMessageBox::Ok;
}

QMessageBox::StandardButton showMessageBox(const UserPrompt::Message& m)
{
    if (m.autoCloseMs > 0)
        return showSelfClosingBox(m);
    switch (m.kind) {
    case UserPrompt::MessageKind::Question:
        return QMessageBox::question(m.parent, m.title, m.text, m.buttons, m.defaultButton);
    case UserPrompt::MessageKind::Information:
        return QMessageBox::information(m.parent, m.title, m.text, m.buttons, m.defaultButton);
    case UserPrompt::MessageKind::Warning:
        return QMessageBox::warning(m.parent, m.title, m.text, m.buttons, m.defaultButton);
    case UserPrompt::MessageKind::Critical:
        break;
    }
    return QMessageBox::critical(m.parent, m.title, m.text, m.buttons, m.defaultButton);
}

// The static QFileDialog functions know neither a label nor a default suffix.
QString showConfiguredFileDialog(const UserPrompt::FileRequest& r)
{
    QFileDialog dialog(r.parent, r.caption, r.directory, r.filter);
    if (r.kind == UserPrompt::FileKind::SaveFileName) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(r.kind == UserPrompt::FileKind::OpenFileNames
                               ? QFileDialog::ExistingFiles
                               : QFileDialog::ExistingFile);
    }
    if (!r.label.isEmpty())
        dialog.setLabelText(QFileDialog::FileName, r.label);
    dialog.setDefaultSuffix(r.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().join(QLatin1Char('\n'));
}

QString showFileDialog(const UserPrompt::FileRequest& r)
{
    if (r.kind == UserPrompt::FileKind::OpenFileNames ||
        (r.kind != UserPrompt::FileKind::ExistingDirectory &&
         (!r.label.isEmpty() || !r.defaultSuffix.isEmpty())))
        return showConfiguredFileDialog(r);
    switch (r.kind) {
    case UserPrompt::FileKind::OpenFileName:
        return QFileDialog::getOpenFileName(r.parent, r.caption, r.directory, r.filter);
    case UserPrompt::FileKind::SaveFileName:
        return QFileDialog::getSaveFileName(r.parent, r.caption, r.directory, r.filter);
    case UserPrompt::FileKind::ExistingDirectory:
    case UserPrompt::FileKind::OpenFileNames:
        break;
    }
    return QFileDialog::getExistingDirectory(r.parent, r.caption, r.directory);
}

} // namespace

void UserPrompt::setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

void UserPrompt::setFileHandler(FileHandler handler)
{
    fileHandler() = std::move(handler);
}

void UserPrompt::setColorHandler(ColorHandler handler)
{
    colorHandler() = std::move(handler);
}

QMessageBox::StandardButton UserPrompt::question(QWidget* parent, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return ask({MessageKind::Question, parent, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton UserPrompt::timedCritical(QWidget* parent, const QString& title,
                                                      const QString& text, int autoCloseMs)
{
    return ask({MessageKind::Critical, parent, title, text, QMessageBox::Ok, QMessageBox::NoButton,
                autoCloseMs});
}

QMessageBox::StandardButton UserPrompt::information(QWidget* parent, const QString& title,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return ask({MessageKind::Information, parent, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton UserPrompt::warning(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return ask({MessageKind::Warning, parent, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton UserPrompt::critical(QWidget* parent, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return ask({MessageKind::Critical, parent, title, text, buttons, defaultButton});
}

QString UserPrompt::getOpenFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter)
{
    return askFile({FileKind::OpenFileName, parent, caption, directory, filter});
}

QString UserPrompt::getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter)
{
    return askFile({FileKind::SaveFileName, parent, caption, directory, filter});
}

QString UserPrompt::getExistingDirectory(QWidget* parent, const QString& caption,
                                         const QString& directory)
{
    return askFile({FileKind::ExistingDirectory, parent, caption, directory, QString()});
}

QString UserPrompt::getFileName(const FileRequest& request)
{
    return askFile(request);
}

QStringList UserPrompt::getOpenFileNames(FileRequest request)
{
    request.kind = FileKind::OpenFileNames;
    return askFile(request).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QColor UserPrompt::getColor(const QColor& initial, QWidget* parent, const QString& title)
{
    if (colorHandler()) {
        return colorHandler()({parent, title, initial});
    }
    return QColorDialog::getColor(initial, parent, title);
}

QMessageBox::StandardButton UserPrompt::ask(const Message& message)
{
    if (messageHandler()) {
        return messageHandler()(message);
    }
    return showMessageBox(message);
}

QString UserPrompt::askFile(const FileRequest& request)
{
    if (fileHandler()) {
        return fileHandler()(request);
    }
    return showFileDialog(request);
}
