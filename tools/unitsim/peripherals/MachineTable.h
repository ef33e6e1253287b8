#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// What the stood-in molding machine answers: one reply text per item id, and one text for
// ids it does not know.
//
// Table file (UTF-8 text, at most 1 MiB), one item per line:
//     ID,reply text
// The ID is everything before the first comma, blanks around it removed: 1 to 32
// printable ASCII characters. The reply is everything after the first comma, taken as it
// stands (it may hold commas, blanks or nothing); it is sent Shift-JIS encoded. The ID "*"
// sets the reply to unknown ids. Empty lines and lines starting with "#" are skipped.
// A malformed line or a repeated ID fails the whole load, naming the line.
class MachineTable
{
public:
    static constexpr int kMaxIdLength = 32;
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    // A machine's usual data items, with Japanese texts so that the Shift-JIS path is used.
    static MachineTable builtIn();

    // Replaces the table by the file's content; on failure the table is left as it was.
    bool load(const QString& path);
    bool parse(const QString& text);
    QString errorString() const { return m_error; }

    void setReply(const QByteArray& id, const QString& text);
    void setUnknownReply(const QString& text) { m_unknownReply = text; }

    bool contains(const QByteArray& id) const { return m_replies.contains(id); }
    QString reply(const QByteArray& id) const;
    QString unknownReply() const { return m_unknownReply; }
    // Ids in the order they were added, for listing the table.
    QList<QByteArray> ids() const { return m_ids; }

private:
    static bool isValidId(const QByteArray& id);

    QHash<QByteArray, QString> m_replies;
    QList<QByteArray> m_ids;
    QString m_unknownReply = QStringLiteral("未定義");
    QString m_error;
};
