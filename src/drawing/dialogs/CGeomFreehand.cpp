#include "drawing/dialogs/CGeomFreehand.h"

#include "document/CCovermintDoc.h"
#include "drawing/CFreehand.h"
#include "platform/Prompter.h"
#include "toolkit/InchEdit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

namespace {

std::optional<double> ParseInches(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > CInchEdit::kLimit)
        return std::nullopt;
    return value;
}

int IndexOf(const QTreeWidgetItem* item)
{
    return item->data(0, Qt::UserRole).toInt();
}

void ComplainAbout(const QString& text)
{
    Prompter().ShowMessage(QObject::tr("\"%1\" is not a point. Enter two numbers of inches between -%2 and %2 "
                                       "separated by a comma, such as 1.00,2.50.")
                               .arg(text.trimmed())
                               .arg(CInchEdit::kLimit),
                           CPrompter::Icon::Warning);
}

} // namespace

CGeomFreehand::CGeomFreehand(CFreehand& stroke, CCovermintDoc& document, QWidget* parent)
    : CApplyDialog(parent), m_stroke(stroke), m_document(document), m_tree(new QTreeWidget)
{
    setWindowTitle(tr("Freehand Properties"));
    auto* form = new QVBoxLayout;
    auto* caption = new QLabel(tr("Freehand Points"));
    caption->setBuddy(m_tree);
    m_tree->setObjectName(QStringLiteral("FreehandPoints"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::SelectedClicked);
    m_tree->installEventFilter(this);
    form->addWidget(caption);
    form->addWidget(m_tree);
    SetForm(form);
    FillTree();
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { OnItemEdited(item); });
}

CGeomFreehand::~CGeomFreehand() = default;

QString CGeomFreehand::PointText(QPoint labelPoint)
{
    return QString::asprintf("%7.2f,%7.2f", UnitsToInches(labelPoint.x()), UnitsToInches(-labelPoint.y()));
}

std::optional<QPoint> CGeomFreehand::ParsePointText(const QString& text)
{
    const int comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    const std::optional<double> x = ParseInches(text.left(comma));
    const std::optional<double> y = ParseInches(text.mid(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return QPoint(InchesToUnits(*x), InchesToUnits(-*y));
}

void CGeomFreehand::FillTree()
{
    const QSignalBlocker quiet(m_tree);
    m_tree->clear();
    const std::vector<QPoint>& points = m_stroke.Points();
    for (size_t i = 0; i < points.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_tree, QStringList(PointText(points[i])));
        item->setData(0, Qt::UserRole, int(i));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void CGeomFreehand::OnItemEdited(QTreeWidgetItem* item)
{
    const int index = IndexOf(item);
    const std::optional<QPoint> point = ParsePointText(item->text(0));
    if (!point) {
        ComplainAbout(item->text(0));
        const QSignalBlocker quiet(m_tree);
        if (index >= 0 && index < int(m_stroke.Points().size()))
            item->setText(0, PointText(m_stroke.Points()[size_t(index)]));
        return;
    }
    m_stroke.SetPoint(index, point->x(), point->y());
    StrokeChanged();
}

void CGeomFreehand::DeleteSelectedPoint()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !item->isSelected())
        return;
    const int index = IndexOf(item);
    m_stroke.RemovePoint(index);
    FillTree();
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(std::min(index, m_tree->topLevelItemCount() - 1)));
    StrokeChanged();
}

bool CGeomFreehand::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelectedPoint();
        return true;
    }
    return CApplyDialog::eventFilter(watched, event);
}

bool CGeomFreehand::ApplyChanges()
{
    std::vector<QPoint> points;
    for (int k = 0; k < m_tree->topLevelItemCount(); ++k) {
        const QString text = m_tree->topLevelItem(k)->text(0);
        const std::optional<QPoint> point = ParsePointText(text);
        if (!point) {
            ComplainAbout(text);
            m_tree->setCurrentItem(m_tree->topLevelItem(k));
            return false;
        }
        points.push_back(*point);
    }
    for (size_t k = 0; k < points.size(); ++k)
        m_stroke.SetPoint(int(k), points[k].x(), points[k].y());
    StrokeChanged();
    return true;
}

void CGeomFreehand::StrokeChanged()
{
    // Edits and deletions take effect at once, so they count as changes to
    // the label even if the dialog is then cancelled.
    m_document.SetModifiedFlag(true);
    m_document.UpdateAllViews();
}
