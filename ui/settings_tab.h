#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class Settings;
class SpinButton;

// The "Settings" tab: card speed, start sum and default name. The controls edit the Settings
// object and show it back.
class SettingsTab : public QWidget {
    Q_OBJECT
public:
    SettingsTab(Settings &settings, QWidget *parent);

private:
    void showSettings();

    Settings &m_settings;
    QRadioButton *m_fast = nullptr;
    QRadioButton *m_slow = nullptr;
    QLabel *m_startSum = nullptr;
    SpinButton *m_spin = nullptr;
    QLineEdit *m_name = nullptr;
};
