#include "frame/LockKeyPanes.h"

#include "frame/LockKeyState.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

namespace {

struct LockKey {
    const char* indicator; // the X keyboard extension's name of its light
    const char* text;
};

const LockKey kLockKeys[3] = {{"Caps Lock", "CAP"}, {"Num Lock", "NUM"}, {"Scroll Lock", "SCRL"}};

} // namespace

CLockKeyPanes::CLockKeyPanes(QStatusBar& bar) : QObject(&bar)
{
    for (int index = 0; index < 3; ++index) {
        QLabel* pane = new QLabel(&bar);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        bar.addPermanentWidget(pane);
        m_panes[index] = pane;
    }
    qGuiApp->installEventFilter(this);
    refresh();
}

void CLockKeyPanes::refresh()
{
    for (int index = 0; index < 3; ++index)
        m_panes[index]->setText(lockKeyLightOn(kLockKeys[index].indicator) ? QString::fromLatin1(kLockKeys[index].text) : QString());
}

bool CLockKeyPanes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate)
        refresh();
    return QObject::eventFilter(watched, event);
}
