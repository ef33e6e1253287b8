#include "MachineTable.h"

#include <QFile>
#include <QStringList>

MachineTable MachineTable::builtIn()
{
    MachineTable table;
    table.setReply("MOLD", QStringLiteral("金型ＡＢ－１２ 前カバー"));
    table.setReply("RESN", QStringLiteral("ＰＰ（ポリプロピレン）"));
    table.setReply("STAT", QStringLiteral("自動運転中"));
    table.setReply("SHOT", QStringLiteral("15234"));
    table.setReply("CYCL", QStringLiteral("32.45"));
    table.setReply("INJT", QStringLiteral("1.82"));
    table.setReply("VPSW", QStringLiteral("18.5"));
    table.setReply("PMAX", QStringLiteral("138.6"));
    table.setReply("HOLD", QStringLiteral("65.0"));
    table.setReply("CUSH", QStringLiteral("4.27"));
    table.setReply("NOZT", QStringLiteral("225"));
    table.setReply("MLDT", QStringLiteral("45"));
    return table;
}

bool MachineTable::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxFileSize) {
        m_error = QStringLiteral("%1: larger than %2 bytes").arg(path).arg(kMaxFileSize);
        return false;
    }
    if (!parse(QString::fromUtf8(file.readAll()))) {
        m_error = QStringLiteral("%1: %2").arg(path, m_error);
        return false;
    }
    return true;
}

bool MachineTable::parse(const QString& text)
{
    MachineTable parsed;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        const QByteArray id = comma < 0 ? QByteArray() : line.left(comma).trimmed().toUtf8();
        const QString reply = line.mid(comma + 1);
        const auto failAt = [&](const QString& why) {
            m_error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return false;
        };
        if (comma < 0)
            return failAt(QStringLiteral("expected ID,reply"));
        if (id == "*") {
            parsed.m_unknownReply = reply;
            continue;
        }
        if (!isValidId(id))
            return failAt(QStringLiteral("the ID must be 1 to %1 printable ASCII characters")
                              .arg(kMaxIdLength));
        if (parsed.contains(id))
            return failAt(QStringLiteral("ID %1 given twice").arg(QString::fromLatin1(id)));
        parsed.setReply(id, reply);
    }
    m_replies = parsed.m_replies;
    m_ids = parsed.m_ids;
    m_unknownReply = parsed.m_unknownReply;
    m_error.clear();
    return true;
}

void MachineTable::setReply(const QByteArray& id, const QString& text)
{
    if (!m_replies.contains(id))
        m_ids.append(id);
    m_replies.insert(id, text);
}

QString MachineTable::reply(const QByteArray& id) const
{
    return m_replies.value(id, m_unknownReply);
}

bool MachineTable::isValidId(const QByteArray& id)
{
    if (id.isEmpty() || id.size() > kMaxIdLength)
        return false;
    for (const char c : id) {
        if (c < 0x21 || c > 0x7E)
            return false;
    }
    return true;
}
