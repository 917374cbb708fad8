#include "platform/Accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace
{

const char* const ROLE_PROPERTY = "kelvaraAccessibleRole";

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
    return new QAccessibleWidget(pWidget, static_cast<QAccessible::Role>(role.toInt()));
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
