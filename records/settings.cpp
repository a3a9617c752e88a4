#include "records/settings.h"

#include "records/number_text.h"

void Settings::setSlow(bool slow)
{
    if (slow == m_slow)
        return;
    m_slow = slow;
    emit changed();
}

void Settings::setStartSum(qint64 startSum)
{
    if (startSum == m_startSum)
        return;
    m_startSum = startSum;
    emit changed();
}

void Settings::setDefaultName(const QString &name)
{
    if (name == m_defaultName)
        return;
    m_defaultName = name;
    emit changed();
}

void Settings::SpinUp()
{
    setStartSum(saturatingAdd(m_startSum, 10));
}

void Settings::SpinDown()
{
    if (m_startSum > 0)
        setStartSum(m_startSum - 10);
}
