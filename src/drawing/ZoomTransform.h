#pragma once
// Label units (0.01 inch) to view pixels at a zoom percentage and back: the
// one place zoom is applied, in single precision, halves rounded away from 0.
#include <QPoint>

class CZoomTransform
{
public:
    explicit CZoomTransform(int zoomPercent) : m_zoomPercent(zoomPercent) {}

    int ZoomPercent() const { return m_zoomPercent; }
    int ToView(int labelValue) const;
    int ToLabel(int viewValue) const;
    QPoint ToView(QPoint labelPoint) const;
    QPoint ToLabel(QPoint viewPoint) const;
    double ToViewD(double labelValue) const;
    double ToLabelD(double viewValue) const;

private:
    int m_zoomPercent;
};
