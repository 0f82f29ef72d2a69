#pragma once

#include "winlib/Window.h"

class PaintContext;

// A top-level window with a menu and an accelerator table. Painting goes to
// Paint with a paint context.
class FrameWindow : public Window {
  public:
    FrameWindow() = default;
    ~FrameWindow() override;

    LRESULT HandlePaint() override;
    bool PreFilter(MSG* message) override;
    virtual void Paint(PaintContext& context);

    // A null class name means "framewnd"; a menu name that cannot be loaded
    // makes the creation fail.
    bool CreateFrame(const char* className, const char* title, DWORD style, const RECT& rectangle,
                     Window* parent, const char* menuName);
    // Loads the named table unless one is loaded already.
    bool UseAccelerators(const char* tableName);

    HACCEL Accelerators() const { return accelerators; }

  private:
    HACCEL accelerators = nullptr;
};
