#include "toolkit/ReadProgress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

CUiReadProgress::CUiReadProgress(std::function<void(const QString&)> show)
    : m_show(std::move(show))
    , m_modalAtStart(QApplication::activeModalWidget())
{
    qApp->installEventFilter(this);
}

CUiReadProgress::~CUiReadProgress()
{
    qApp->removeEventFilter(this);
    m_show(QString());
}

void CUiReadProgress::Update()
{
    if (m_clock.isValid() && m_clock.elapsed() < kIntervalMs)
        return;
    m_clock.start();
    m_show(Text());
    QApplication::processEvents();
}

bool CUiReadProgress::HoldsInput() const
{
    return QApplication::activeModalWidget() == m_modalAtStart.data();
}

bool CUiReadProgress::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && HoldsInput()) {
            m_cancelled = true;
            return true;
        }
        [[fallthrough]];
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Close:
        return HoldsInput();
    default:
        return false;
    }
}
