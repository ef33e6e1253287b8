#pragma once

#include <QWidget>

class GLPlotView;

// The black square where the two axes meet, closing their base lines.
class GLAxisCorner : public QWidget
{
    Q_OBJECT

public:
    explicit GLAxisCorner(GLPlotView* view);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GLPlotView* m_view;
};
