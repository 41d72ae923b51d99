// Finds a dialog control by its id, as the object name "id<N>"; a missing one fails the test.
#pragma once

#include <QWidget>

#include <stdexcept>
#include <string>

template <class Control = QWidget> Control& controlOf(QWidget& dialog, int id)
{
    auto* found = dialog.findChild<Control*>(QStringLiteral("id%1").arg(id));
    if (!found)
        throw std::runtime_error("no control id" + std::to_string(id));
    return *found;
}
