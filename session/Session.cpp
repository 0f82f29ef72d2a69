#include "session/Session.h"

Session::Session(SessionWindow& window)
    : window(window), hold(*this), receiver(window, hold, link), sendQueue(receiver, window, link) {
}

void Session::Link(Connection* connection) {
    link.connection = connection;
}

void Session::SocketEvent() {
    receiver.MarkDataReady();
    sendQueue.Wake();
}

void Session::SendReply(const char* bytes, int length) {
    if (link.Connected()) link.connection->SendAll(bytes, length);
}

void Session::RequestResume() {
    hold.Resume();
    if (hold.ScrollBackMode()) window.LeaveScrollBack();
}

int Session::BeginBreak() {
    if (!link.Connected()) return 0;
    link.connection->BeginBreak();
    return 1;
}

void Session::EndBreak() {
    if (link.connection) link.connection->EndBreak();
}

// Output released: what waited is shown before the window answers.
void Session::HoldChanged(const HoldFlags& before) {
    if (before.hold && !hold.IsHeld()) receiver.ReleaseDeferred();
    window.HoldChanged(before);
}
