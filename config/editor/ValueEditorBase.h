#pragma once

#include <QGroupBox>
#include <QList>
#include <QPair>

class ChannelConfig;
class CountSpinBox;
class QGridLayout;
class QLabel;

// Common ground of the check-able monitoring item editors: a grid of labelled rows, the
// time limit that follows the observation period, and the rules that keep a pair of
// spin boxes ordered. The check box of the group is the item's enabled flag.
class ValueEditorBase : public QGroupBox
{
    Q_OBJECT

public:
    explicit ValueEditorBase(const QString& title, QWidget* parent = nullptr);

    // Largest time in 10 ms units: the channel's observation period.
    static int timeLimit(const ChannelConfig& channel);

protected:
    // "label" first [to second]. The label is a source text marked in the subclass
    // (QT_TR_NOOP), translated in its context now and again when the language changes.
    void addRow(const char* label, QWidget* first, QWidget* second = nullptr);
    // Limits both to minimum..maximum, shows the requested counts, keeps first <= second
    // from then on, and marks a box whose stored count could not be shown as it is.
    void fillPair(CountSpinBox* first, CountSpinBox* second, qint64 firstCount, qint64 secondCount,
                  qint64 minimum, qint64 maximum);
    void fillSingle(CountSpinBox* box, qint64 count, qint64 minimum, qint64 maximum);
    void orderPair(CountSpinBox* first, CountSpinBox* second);
    // Emits the editor's value on every change the operator makes (never while filling).
    void watch(CountSpinBox* box);
    void edited();
    virtual void emitValue() = 0;
    void changeEvent(QEvent* event) override;

    bool m_filling = false;

private:
    QString translated(const char* source) const;
    void retranslateRows();

    QGridLayout* m_grid;
    QList<QPair<QLabel*, const char*>> m_rowLabels;
    QList<QLabel*> m_toLabels;
};
