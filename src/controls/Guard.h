#pragma once
// Every event handler runs through guard(): an error that the handler does
// not catch ends the action and appears in the default error dialog, so no
// exception ever reaches Qt's event loop.
#include <QObject>
#include <functional>

void guard(const std::function<void()> &action);

// Connects `signal` of `sender` to the handler member `handler` of `receiver`
// through the guard. Signal arguments are dropped.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection onEvent(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] { guard([&] { (receiver->*handler)(); }); });
}
