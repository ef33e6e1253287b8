#include "DataListView.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

DataListView::DataListView(QWidget* parent) : QWidget(parent), m_layout(new QGridLayout(this))
{
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DataListView::setFiles(const QStringList& paths)
{
    clearRows();
    for (int row = 0; row < paths.size(); ++row) {
        auto* box = new QCheckBox(this);
        box->setChecked(true);
        auto* name = new QLabel(QFileInfo(paths.at(row)).fileName(), this);
        m_layout->addWidget(box, row, 0);
        m_layout->addWidget(name, row, 1);
        connect(box, &QCheckBox::stateChanged, this, &DataListView::changeVisibility);
        m_checkBoxes.append(box);
        m_rowWidgets << box << name;
    }
    m_layout->setRowStretch(int(paths.size()), 1);
}

QCheckBox* DataListView::checkBox(int index) const
{
    return index >= 0 && index < m_checkBoxes.size() ? m_checkBoxes.at(index) : nullptr;
}

void DataListView::changeVisibility(int state)
{
    const int row = int(m_checkBoxes.indexOf(qobject_cast<QCheckBox*>(sender())));
    if (row >= 0)
        Q_EMIT dataVisibilityChanged(row, state == Qt::Checked);
}

void DataListView::clearRows()
{
    for (int row = 0; row < m_layout->rowCount(); ++row)
        m_layout->setRowStretch(row, 0);
    qDeleteAll(m_rowWidgets);
    m_rowWidgets.clear();
    m_checkBoxes.clear();
}
