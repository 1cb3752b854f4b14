#include "cd/CddbError.h"

QString CCddbError::Message() const
{
    const QString description = m_description.isEmpty()
        ? QString::asprintf("Unknown error 0x%0lX", static_cast<unsigned long>(m_code))
        : m_description;
    return QString::asprintf("COM Error (%x): ", m_code) + description;
}
