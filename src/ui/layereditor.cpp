#include "ui/layereditor.h"

#include <QCoreApplication>

QString groupFieldName(const QString &group, const QString &field)
{
    return QCoreApplication::translate("LayerEditor", "%1, %2",
                                       "a group of controls, then one of its fields")
        .arg(group, field);
}
