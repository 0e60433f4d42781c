#pragma once

#include <QWidget>

class DesignerCanvas;

// A millimetre ruler along one edge of the canvas: ticks every millimetre when
// there is room, numbers every ten, the pointer's place and the selection's extent.
class DesignerRuler : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Thickness = 22;

    DesignerRuler(Qt::Orientation orientation, DesignerCanvas &canvas, QWidget *parent);
    void setMarker(double mm);
    void setExtent(double fromMm, double toMm);  // from > to: none

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Qt::Orientation m_orientation;
    DesignerCanvas &m_canvas;
    double m_marker = -1e9;
    double m_from = 1, m_to = 0;
};
