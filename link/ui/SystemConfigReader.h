#pragma once

#include <QObject>

#include <memory>

class QWidget;
class SystemConfig;

// Reads the whole configuration from the unit: the system block, then every module
// it lists, with a progress dialog. Keeps the configuration it read last.
class SystemConfigReader : public QObject
{
    Q_OBJECT

public:
    // The unit holds at most this many modules.
    static constexpr int MaxModules = 11;

    explicit SystemConfigReader(QWidget* dialogParent = nullptr, QObject* parent = nullptr);
    ~SystemConfigReader() override;

    // True only when the system block and every module were read. After a failure the
    // configuration holds whatever was read up to that point (or nothing).
    bool read();
    SystemConfig* config() const { return m_config.get(); }

private:
    bool readModules(class ControlPort& port, class QProgressDialog& progress);

    QWidget* m_dialogParent;
    std::unique_ptr<SystemConfig> m_config;
};
