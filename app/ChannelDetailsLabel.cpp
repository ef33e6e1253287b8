#include "ChannelDetailsLabel.h"

#include <QMouseEvent>

const QString ChannelDetailsLabel::NormalStyle =
    QStringLiteral("margin: 1px; border: 0px solid; border-color: palette(label); "
                   "border-radius: 8px; background-color: palette(label);");

// Same shape as the normal look so that the row does not move when the focus changes.
const QString ChannelDetailsLabel::HighlightedStyle =
    QStringLiteral("margin: 1px; border: 0px solid; border-color: palette(highlight); "
                   "border-radius: 8px; background-color: palette(highlight); "
                   "color: palette(highlighted-text);");

ChannelDetailsLabel::ChannelDetailsLabel(quint8 channel, const QString& text, QWidget* parent)
    : QLabel(text, parent), m_channel(channel)
{
    setStyleSheet(NormalStyle);
    setAutoFillBackground(true);
}

void ChannelDetailsLabel::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    setStyleSheet(highlighted ? HighlightedStyle : NormalStyle);
}

void ChannelDetailsLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    Q_EMIT selected(m_channel);
}
