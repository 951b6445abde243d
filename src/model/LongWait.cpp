#include "model/LongWait.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool g_waitedLong = false;

// Swallows every event of the operator's input while it is installed.
class TInputSwallower : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

namespace LongWait {

void note(qint64 milliseconds) {
    if (milliseconds >= noticeableMilliseconds) g_waitedLong = true;
}

void discardQueuedInput() {
    if (!g_waitedLong) return;
    g_waitedLong = false;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return;
    TInputSwallower swallower;
    application->installEventFilter(&swallower);
    // What the window system queued during the wait is delivered now, into the filter.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    application->removeEventFilter(&swallower);
}

} // namespace LongWait
