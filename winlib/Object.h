#pragma once

// The root of the class library: windows, dialogs and the application derive
// from it so that each can be deleted through a base pointer.
class Object {
  public:
    virtual ~Object() = default;
};
