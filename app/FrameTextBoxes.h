#pragma once
// Gives the text boxes of a window their flat look: borderless, moved one pixel in, and
// framed by a blue line drawn on the window.

class QWidget;

namespace tirnel {

// form: the window, or a container on it (its window is then used); the frames go on the
// window's drawing layer. Meant to be called once.
void FrameTextBoxes(QWidget* form);

}  // namespace tirnel
