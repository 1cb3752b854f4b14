#pragma once
// What the model needs from a window that shows a label: its zoom and a way to
// ask for a repaint. Implemented by the label view; absent when headless.
class ILabelView
{
public:
    virtual ~ILabelView() = default;
    virtual int ZoomPercent() const = 0;
    // erase: anything may have changed; otherwise only what a mouse or key
    // gesture moves, selects or creates.
    virtual void InvalidateView(bool erase) = 0;
};
