#pragma once

#include <QObject>
#include <QString>

// The three settings of the Settings tab: the default player name, the card speed and the start
// sum of a new game. Their built-in values hold until the settings file has been read.
class Settings : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kBuiltInStartSum = 100;
    static inline const QString kBuiltInName = QStringLiteral("Eva");

    using QObject::QObject;

    bool slow() const { return m_slow; }
    void setSlow(bool slow);
    qint64 startSum() const { return m_startSum; }
    void setStartSum(qint64 startSum);
    QString defaultName() const { return m_defaultName; }
    void setDefaultName(const QString &name);

    // The spin button: up adds 10; down takes 10 away only while the start sum is above 0.
    void SpinUp();
    void SpinDown();

signals:
    void changed();

private:
    bool m_slow = false;
    qint64 m_startSum = kBuiltInStartSum;
    QString m_defaultName = kBuiltInName;
};
