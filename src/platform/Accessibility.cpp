#include "platform/Accessibility.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QWidget>

namespace
{

const char* const ROLE_PROPERTY = "kelvaraAccessibleRole";

// A widget with a role of its own. A menu button opens its menu when a screen reader presses
// it, by the same keyboard request as the Menu key; the request is posted, so that the reader
// is answered before the menu runs.
class CRoleAccessible : public QAccessibleWidget
{
public:
    CRoleAccessible(QWidget* pWidget, QAccessible::Role role) : QAccessibleWidget(pWidget, role) {}

    QStringList actionNames() const override
    {
        if (role() != QAccessible::ButtonMenu)
            return QAccessibleWidget::actionNames();
        return {pressAction(), showMenuAction()};
    }

    void doAction(const QString& strAction) override
    {
        if (role() != QAccessible::ButtonMenu || !actionNames().contains(strAction)) {
            QAccessibleWidget::doAction(strAction);
            return;
        }
        const QPoint centre = widget()->rect().center();
        QCoreApplication::postEvent(
            widget(), new QContextMenuEvent(QContextMenuEvent::Keyboard, centre,
                                            widget()->mapToGlobal(centre)));
    }
};

// Asked for each class of an object, most derived first; answering for the object's own
// class keeps everything else with Qt's interfaces.
QAccessibleInterface* RoleFactory(const QString& strClassName, QObject* pObject)
{
    auto* pWidget = qobject_cast<QWidget*>(pObject);
    if (!pWidget || strClassName != QLatin1String(pObject->metaObject()->className()))
        return nullptr;
    const QVariant role = pObject->property(ROLE_PROPERTY);
    if (!role.isValid())
        return nullptr;
    return new CRoleAccessible(pWidget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget* pWidget, QAccessible::Role role)
{
    static bool bFactoryInstalled = false;
    if (!bFactoryInstalled) {
        QAccessible::installFactory(RoleFactory);
        bFactoryInstalled = true;
    }
    pWidget->setProperty(ROLE_PROPERTY, static_cast<int>(role));
}
