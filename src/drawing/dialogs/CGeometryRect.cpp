#include "drawing/dialogs/CGeometryRect.h"

#include "document/CCovermintDoc.h"
#include "drawing/CPrimitive.h"
#include "drawing/CTextPrimitive.h"
#include "toolkit/InchEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <cmath>

namespace {
CInchEdit* AddField(QGridLayout* grid, int row, int column, const QString& label, const QString& name)
{
    auto* edit = new CInchEdit;
    edit->setObjectName(name);
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}
} // namespace

bool CGeometryRect::ShowsSegmentName(const CPrimitive& primitive)
{
    if (primitive.IsDirectorySegment())
        return true;
    return dynamic_cast<const CTextPrimitive*>(&primitive)
        && primitive.GetName() != CTextPrimitive::SpecialName(CTextPrimitive::Special::DiskSize);
}

CGeometryRect::CGeometryRect(CPrimitive& primitive, CCovermintDoc& document, QWidget* parent)
    : CApplyDialog(parent), m_primitive(primitive), m_document(document)
{
    setWindowTitle(tr("Properties"));
    auto* grid = new QGridLayout;
    m_top = AddField(grid, 0, 0, tr("Top"), QStringLiteral("Top"));
    m_bottom = AddField(grid, 1, 0, tr("Bottom"), QStringLiteral("Bottom"));
    m_left = AddField(grid, 0, 2, tr("Left"), QStringLiteral("Left"));
    m_right = AddField(grid, 1, 2, tr("Right"), QStringLiteral("Right"));
    m_width = AddField(grid, 2, 0, tr("Width :"), QStringLiteral("Width"));
    m_height = AddField(grid, 2, 2, tr("Height :"), QStringLiteral("Height"));

    m_segmentLabel = new QLabel(tr("Segment Name :"));
    m_segment = new QComboBox;
    m_segment->setObjectName(QStringLiteral("SegmentName"));
    m_segment->setEditable(true);
    m_segmentLabel->setBuddy(m_segment);
    grid->addWidget(m_segmentLabel, 3, 0);
    grid->addWidget(m_segment, 3, 1, 1, 3);
    SetForm(grid);

    QPoint c1, c2;
    primitive.GetCorners(c1, c2);
    const double left = UnitsToInches(std::min(c1.x(), c2.x()));
    const double right = UnitsToInches(std::max(c1.x(), c2.x()));
    const double top = UnitsToInches(-std::max(c1.y(), c2.y()));
    const double bottom = UnitsToInches(-std::min(c1.y(), c2.y()));
    m_top->SetInches(top);
    m_bottom->SetInches(bottom);
    m_left->SetInches(left);
    m_right->SetInches(right);
    m_width->SetInches(std::fabs(right - left));
    m_height->SetInches(std::fabs(bottom - top));

    const bool showSegment = ShowsSegmentName(primitive);
    m_segmentLabel->setVisible(showSegment);
    m_segment->setVisible(showSegment);
    if (showSegment) {
        m_segment->addItems(document.SegmentNames());
        m_segment->setCurrentText(primitive.GetSegmentName());
    }

    connect(m_top, &CInchEdit::inchesEdited, this, &CGeometryRect::OnVerticalEdge);
    connect(m_bottom, &CInchEdit::inchesEdited, this, &CGeometryRect::OnVerticalEdge);
    connect(m_left, &CInchEdit::inchesEdited, this, &CGeometryRect::OnHorizontalEdge);
    connect(m_right, &CInchEdit::inchesEdited, this, &CGeometryRect::OnHorizontalEdge);
    connect(m_width, &CInchEdit::inchesEdited, this, &CGeometryRect::OnWidth);
    connect(m_height, &CInchEdit::inchesEdited, this, &CGeometryRect::OnHeight);
}

void CGeometryRect::OnVerticalEdge()
{
    const auto top = m_top->Inches();
    const auto bottom = m_bottom->Inches();
    if (top && bottom)
        m_height->SetInches(std::fabs(*bottom - *top));
}

void CGeometryRect::OnHorizontalEdge()
{
    const auto left = m_left->Inches();
    const auto right = m_right->Inches();
    if (left && right)
        m_width->SetInches(std::fabs(*right - *left));
}

void CGeometryRect::OnWidth(double width)
{
    if (const auto left = m_left->Inches())
        m_right->SetInches(*left + width);
}

void CGeometryRect::OnHeight(double height)
{
    if (const auto top = m_top->Inches())
        m_bottom->SetInches(*top + height);
}

bool CGeometryRect::ApplyChanges()
{
    // Width and height are read too, so that nonsense there is refused
    // rather than silently ignored.
    double v[6];
    if (!ReadInchFields({{m_top, tr("Top")}, {m_bottom, tr("Bottom")}, {m_left, tr("Left")},
                         {m_right, tr("Right")}, {m_width, tr("Width")}, {m_height, tr("Height")}},
                        v))
        return false;
    const double top = v[0], bottom = v[1], left = v[2], right = v[3];
    m_primitive.SetCorners(QPoint(InchesToUnits(left), InchesToUnits(-top)),
                           QPoint(InchesToUnits(right), InchesToUnits(-bottom)));
    // A hidden name is left alone: the disk-size text keeps the segment it
    // reports on.
    if (m_segment->isVisibleTo(this)) {
        const QString name = m_segment->currentText();
        m_primitive.SetSegmentName(name);
        m_document.AddDirectoryInformation(name);
    }
    m_document.SetModifiedFlag(true);
    m_document.UpdateAllViews();
    return true;
}
