#include "toolkit/CMessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon BoxIcon(CPrompter::Icon icon)
{
    switch (icon) {
    case CPrompter::Icon::Information:
        return QMessageBox::Information;
    case CPrompter::Icon::Warning:
        return QMessageBox::Warning;
    case CPrompter::Icon::Error:
        return QMessageBox::Critical;
    case CPrompter::Icon::Question:
        return QMessageBox::Question;
    case CPrompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A message must be readable even while a wait cursor is up.
class CNormalCursor
{
public:
    CNormalCursor() : m_active(QApplication::overrideCursor() != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CNormalCursor()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }

private:
    bool m_active;
};

} // namespace

void CMessageBoxPrompter::ShowMessage(const QString& text, Icon icon)
{
    CNormalCursor normal;
    QMessageBox box(BoxIcon(icon), QStringLiteral("Covermint"), text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool CMessageBoxPrompter::AskYesNo(const QString& question)
{
    CNormalCursor normal;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Covermint"), question,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void CMessageBoxPrompter::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CMessageBoxPrompter::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}
