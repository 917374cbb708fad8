#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
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
