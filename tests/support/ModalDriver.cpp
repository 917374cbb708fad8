#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>

void WhenModal(std::function<void(QWidget*)> action, QWidget* pOuter)
{
    QTimer::singleShot(10, [action = std::move(action), pOuter]() mutable {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal && pModal != pOuter && pModal->isVisible())
            action(pModal);
        else
            WhenModal(std::move(action), pOuter);
    });
}

QWidget* Item(QWidget* pDialog, int nId)
{
    return pDialog->findChild<QWidget*>(QString::number(nId));
}

QAbstractButton* Button(QWidget* pDialog, int nId)
{
    return qobject_cast<QAbstractButton*>(Item(pDialog, nId));
}

void Click(QWidget* pDialog, int nId)
{
    if (QAbstractButton* pButton = Button(pDialog, nId))
        pButton->click();
}

class ModalWatcher::Poller : public QTimer
{
public:
    Poller(ModalWatcher& watcher, std::function<void(QWidget*)> action)
    {
        setInterval(5);
        connect(this, &QTimer::timeout, this, [&watcher, action = std::move(action), this] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (!pModal || !pModal->isVisible() || pModal == m_pLast)
                return;
            m_pLast = pModal;
            ++watcher.m_nSeen;
            action(pModal);
        });
        start();
    }

private:
    QPointer<QWidget> m_pLast; // a later dialog may reuse a closed one's address
};

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> action)
    : m_pPoller(new Poller(*this, std::move(action)))
{
}

ModalWatcher::~ModalWatcher()
{
    delete m_pPoller;
}
