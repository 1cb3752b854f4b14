#include "toolkit/InchEdit.h"

#include "platform/Prompter.h"

#include <cmath>

CInchEdit::CInchEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::editingFinished, this, &CInchEdit::OnEditingFinished);
}

void CInchEdit::SetInches(double inches)
{
    setText(QString::asprintf("%7.2f", inches));
}

std::optional<double> CInchEdit::Inches() const
{
    bool ok = false;
    const double value = text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > kLimit)
        return std::nullopt;
    return value;
}

std::optional<double> CInchEdit::ReadOrComplain(const QString& fieldName)
{
    const std::optional<double> value = Inches();
    if (!value) {
        Prompter().ShowMessage(tr("%1 must be a number of inches between -%2 and %2.")
                                   .arg(fieldName)
                                   .arg(kLimit),
                               CPrompter::Icon::Warning);
        setFocus();
        selectAll();
    }
    return value;
}

void CInchEdit::OnEditingFinished()
{
    const std::optional<double> value = Inches();
    if (!value)
        return;
    SetInches(*value);
    emit inchesEdited(*value);
}

bool ReadInchFields(std::initializer_list<std::pair<CInchEdit*, QString>> fields, double* values)
{
    for (const auto& [edit, name] : fields) {
        const std::optional<double> value = edit->ReadOrComplain(name);
        if (!value)
            return false;
        *values++ = *value;
    }
    return true;
}

int InchesToUnits(double inches)
{
    return int(std::lround(inches * 100.0));
}

double UnitsToInches(int units)
{
    return units / 100.0;
}
