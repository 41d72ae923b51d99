// Dialog controls keep their numeric ids as the object name "id<N>".
#pragma once

#include <QString>
#include <QWidget>

inline QString controlName(int id) { return QStringLiteral("id%1").arg(id); }

// The id of a control named "id<N>", 0 for any other name.
inline int controlIdOf(const QWidget& control)
{
    const QString name = control.objectName();
    return name.startsWith(QLatin1String("id")) ? name.mid(2).toInt() : 0;
}

// Gives `control` the name of `id`; returns it for chaining.
template <class Widget> Widget* named(Widget* control, int id)
{
    control->setObjectName(controlName(id));
    return control;
}
