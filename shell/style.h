#pragma once

#include <QProxyStyle>

// Fusion with two things Windows users rely on: a focus mark that shows on any
// background and whatever the last input was, and frames drawn as a plain etched
// line whose inside is exactly the frame's own colour.
class Style : public QProxyStyle
{
public:
    Style();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
};
