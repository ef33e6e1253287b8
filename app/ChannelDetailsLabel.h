#pragma once

#include <QLabel>

// A channel's name in the channel details: pressing it asks for that channel to become
// the plot's focus channel, and the focused one is shown highlighted.
class ChannelDetailsLabel : public QLabel
{
    Q_OBJECT

public:
    static const QString NormalStyle;
    static const QString HighlightedStyle;

    explicit ChannelDetailsLabel(quint8 channel, const QString& text, QWidget* parent = nullptr);

    quint8 channel() const { return m_channel; }
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

Q_SIGNALS:
    void selected(quint8 channel);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    quint8 m_channel;
    bool m_highlighted = false;
};
