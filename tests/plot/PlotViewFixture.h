#pragma once

#include "GLPlotArea.h"
#include "GLPlotView.h"

#include <QMouseEvent>
#include <QTest>

#include <cmath>
#include <memory>

// A shown live plot of 10 s sampled every ms, with pressure channels (full scale 200),
// channel 0 focused, and mouse input sent straight to its plot area.
struct PlotViewFixture
{
    explicit PlotViewFixture(int channels = 2, QSize size = QSize(1000, 600))
        : view(std::make_unique<GLPlotView>())
    {
        view->setChannelCount(channels);
        view->setObservationPeriod(10000);
        view->setSamplingInterval(1);
        for (int ch = 0; ch < channels; ++ch)
            view->setDataType(ch, 2);
        view->resize(size);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qWarning("plot view not exposed");
        view->fitX();
        view->setFocusChannel(0);
        view->fitFullScale();
    }

    GLPlotArea* area() const { return view->plotArea(); }

    // Area pixel of a time and a value of the focused channel.
    QPoint at(double timeMs, double value) const
    {
        return QPoint(int(std::lround(view->timeToPixel(timeMs))),
                      int(std::lround(view->valueToPixel(value))));
    }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(pos), QPointF(area()->mapToGlobal(pos)), button, buttons,
                          modifiers);
        QCoreApplication::sendEvent(area(), &event);
    }
    void press(QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        send(QEvent::MouseButtonPress, pos, Qt::LeftButton, modifiers);
    }
    void release(QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        send(QEvent::MouseButtonRelease, pos, Qt::NoButton, modifiers);
    }
    void drag(QPoint from, QPoint to) const
    {
        press(from);
        send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        release(to);
    }

    std::unique_ptr<GLPlotView> view;
};
