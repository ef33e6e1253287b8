#pragma once

#include "ChannelDisplaySettings.h"

#include <QWidget>

#include <vector>

class ChannelDetailsLabel;
class QCheckBox;
class QLabel;
class QGridLayout;
class QLineEdit;
class QPushButton;
class SystemConfig;

// One row per enabled channel beside the plot: its plot colour (a button that opens the
// colour choice), whether it is shown, its name (pressing it focuses the channel) and
// the peak and integral of the current shot. Colour and visibility are the channel's
// "channelDisplay" entry in the settings store; changing them writes the store and
// tells the main window, which re-applies the display settings to the plot.
//
// Row widgets are named after the channel's global index (0-based): colorButton3,
// visibleCheckBox3, channelLabel3, peakField3, integralField3.
class ChannelDetailsView : public QWidget
{
    Q_OBJECT

public:
    explicit ChannelDetailsView(QWidget* parent = nullptr);

    // "rgb( r, g, b );" as a flat colour-button style for every button state.
    static QString colorButtonStyle(const QColor& color);

    // Global channel indices of the rows, top to bottom.
    QList<int> rowChannels() const;
    quint8 focusChannel() const { return m_focusChannel; }

public Q_SLOTS:
    // Rows for the enabled channels of `config`, colours and visibility from the store.
    // Only what the rows need is taken (titles, sampling interval): the view keeps no
    // pointer into a configuration that the main window may replace.
    void rebuild(const SystemConfig& config);
    // Live values every 100 ms of shot time: peak with one decimal and the integral as
    // sum x sampling interval (ms) / 1000. Ignored for channels without a row and for
    // hidden channels.
    void setValues(int channel, double peak, double sum);
    // The unit's integral at the end of a shot; same conditions as setValues.
    void setIntegral(int channel, double value);
    // At shot start: every shown row reads "0.0" and "0".
    void clearValues();
    void setFocusChannel(quint8 channel);
    // Shows a channel's colour and visibility as read from the store by the main window.
    // Writes nothing and emits nothing; a row whose visibility changes is cleared.
    void setChannelDisplay(int channel, const QColor& color, bool visible);

Q_SIGNALS:
    void plotVisibilityChanged();
    void plotColorChanged();
    void focusChannelChanged(quint8 channel);
    // The new width, so that the main window can fit the scroll area around the view.
    void resized(int width);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A new interface language: the column titles again.
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void colorDialogRequested();
    void visibilityStatusChanged(int state);
    void channelSelected(quint8 channel);

private:
    struct Row
    {
        int channel;
        QPushButton* colorButton;
        QCheckBox* visibleBox;
        ChannelDetailsLabel* label;
        QLineEdit* peakField;
        QLineEdit* integralField;
    };

    void resetGrid();
    void finishGrid();
    void addHeader();
    void setHeaderTexts();
    void addRow(int channel, const QString& title, const ChannelDisplaySettings::Entry& display);
    QLineEdit* addValueField(const QString& name, int gridRow, int column);
    Row* rowOf(int channel);
    Row* rowOfSender();
    bool showsValues(const Row* row) const;
    void applyVisibleToAllRows(bool visible);
    static void showRowVisible(Row& row, bool visible);

    QGridLayout* m_layout = nullptr;
    QList<QWidget*> m_builtWidgets;
    QList<QLabel*> m_headerLabels; // name, peak, integral
    std::vector<Row> m_rows;
    int m_samplingInterval = 0;
    quint8 m_focusChannel = 0;
};
