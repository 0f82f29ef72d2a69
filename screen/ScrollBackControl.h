#pragma once

// Scroll-back mode as the terminal window runs it: the view shows history
// and the host's output is held. The session leaves it when a resume request
// finds it on; find, save and print enter it to reach the history. The
// window's screen layer implements it once for all who ask; the methods do
// nothing by default.
class ScrollBackControl {
  public:
    virtual ~ScrollBackControl() = default;
    virtual int InScrollBack() { return 0; }
    virtual void EnterScrollBack() {}
    virtual void LeaveScrollBack() {}
};
