#include "ui/settings_tab.h"

#include "records/settings.h"
#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/panel.h"
#include "ui/spin_button.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

SettingsTab::SettingsTab(Settings &settings, QWidget *parent) : QWidget(parent), m_settings(settings)
{
    auto *speed = named(new QGroupBox(QStringLiteral("Show cards"), this), QStringLiteral("Frame2"));
    placeTwips(speed, 120, 840, 1455, 1215);
    QFont sansSerif(QStringLiteral("MS Sans Serif"));
    sansSerif.setStyleHint(QFont::SansSerif);
    sansSerif.setPointSizeF(9.75);
    speed->setFont(sansSerif);
    m_fast = named(new QRadioButton(QStringLiteral("Fast"), speed), member("Option1", 0));
    placeTwips(m_fast, 240, 360, 735, 255);
    m_slow = named(new QRadioButton(QStringLiteral("Slow"), speed), member("Option1", 1));
    placeTwips(m_slow, 240, 720, 855, 255);
    for (QRadioButton *option : {m_fast, m_slow})
        option->setFont(arial(9.75));
    m_fast->setChecked(true);
    connect(m_slow, &QRadioButton::toggled, &m_settings, &Settings::setSlow);

    auto *startSum = named(new QGroupBox(QStringLiteral("Start sum"), this), QStringLiteral("Frame3"));
    placeTwips(startSum, 1800, 840, 2175, 1215);
    startSum->setFont(arial(9.75, false));
    m_spin = named(new SpinButton(startSum), QStringLiteral("SpinButton1"));
    placeTwips(m_spin, 240, 480, 255, 495);
    m_spin->setAccessibleName(tr("Start sum"));
    connect(m_spin, &SpinButton::up, &m_settings, &Settings::SpinUp);
    connect(m_spin, &SpinButton::down, &m_settings, &Settings::SpinDown);
    m_startSum = named(new Panel(QStringLiteral("100"), startSum), QStringLiteral("SSPanel1"));
    placeTwips(m_startSum, 600, 480, 1215, 495);
    m_startSum->setFont(arial(9.75));

    auto *name = named(new QGroupBox(QStringLiteral("Default name"), this), QStringLiteral("Frame4"));
    placeTwips(name, 120, 2280, 1455, 855);
    name->setFont(arial(9.75, false));
    m_name = named(new QLineEdit(m_settings.defaultName(), name), QStringLiteral("Text1"));
    placeTwips(m_name, 240, 360, 855, 375);
    m_name->setFont(arial(9.75));
    m_name->setAccessibleName(tr("Default name"));
    QPalette grey = m_name->palette();
    grey.setColor(QPalette::Base, kLightGrey);
    m_name->setPalette(grey);
    connect(m_name, &QLineEdit::textChanged, &m_settings, &Settings::setDefaultName);

    connect(&m_settings, &Settings::changed, this, &SettingsTab::showSettings);
    showSettings();
}

void SettingsTab::showSettings()
{
    (m_settings.slow() ? m_slow : m_fast)->setChecked(true);
    m_startSum->setText(QString::number(m_settings.startSum()));
    m_spin->setShownValue(m_settings.startSum());
    if (m_name->text() != m_settings.defaultName())
        m_name->setText(m_settings.defaultName());
}
