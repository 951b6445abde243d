#pragma once

#include <QtGlobal>

// Input that queued up while the window's thread waited long (a server slow to answer or not
// answering at all) is dropped when the wait is over, instead of being replayed as a burst of clicks
// and keys on whatever the windows show by then.
namespace LongWait {

// Shorter waits keep the operator's typing ahead.
constexpr int noticeableMilliseconds = 1000;

// A wait of the window's thread has ended after `milliseconds`.
void note(qint64 milliseconds);

// At the event boundary, after an operation: when a noticeable wait ended since the last call, the
// input events waiting to be delivered are taken out and dropped.
void discardQueuedInput();

} // namespace LongWait
