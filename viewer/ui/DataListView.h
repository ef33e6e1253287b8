#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QGridLayout;

// The data viewer's file list: one row per opened file, a check box that shows or hides
// the file's waveforms and the file's name.
class DataListView : public QWidget
{
    Q_OBJECT

public:
    explicit DataListView(QWidget* parent = nullptr);

    // One checked row per path, showing the name without the folder.
    void setFiles(const QStringList& paths);
    int fileCount() const { return int(m_checkBoxes.size()); }
    QCheckBox* checkBox(int index) const;

Q_SIGNALS:
    void dataVisibilityChanged(int index, bool visible);

public Q_SLOTS:
    void changeVisibility(int state);

private:
    void clearRows();

    QGridLayout* m_layout;
    QList<QCheckBox*> m_checkBoxes;
    QList<QWidget*> m_rowWidgets;
};
