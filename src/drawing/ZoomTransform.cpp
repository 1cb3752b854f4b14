#include "drawing/ZoomTransform.h"

#include "base/Geometry.h"

int CZoomTransform::ToView(int labelValue) const
{
    const float factor = float(m_zoomPercent) * 0.01f;
    return RoundHalfAway(float(labelValue) * factor);
}

int CZoomTransform::ToLabel(int viewValue) const
{
    const float factor = float(m_zoomPercent) * 0.01f;
    return RoundHalfAway(float(viewValue) / factor);
}

QPoint CZoomTransform::ToView(QPoint labelPoint) const
{
    return QPoint(ToView(labelPoint.x()), ToView(labelPoint.y()));
}

QPoint CZoomTransform::ToLabel(QPoint viewPoint) const
{
    return QPoint(ToLabel(viewPoint.x()), ToLabel(viewPoint.y()));
}

double CZoomTransform::ToViewD(double labelValue) const
{
    return labelValue * (m_zoomPercent * 0.01);
}

double CZoomTransform::ToLabelD(double viewValue) const
{
    return viewValue / (m_zoomPercent * 0.01);
}
