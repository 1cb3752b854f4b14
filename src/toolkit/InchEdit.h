#pragma once
// A line edit holding a length in inches, shown as "%7.2f". Reading refuses
// text that is not a number or lies beyond +/-1000 inches, so a dialog can
// reject the input before it changes anything.
#include <QLineEdit>
#include <initializer_list>
#include <optional>
#include <utility>

class CInchEdit : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr double kLimit = 1000.0;

    explicit CInchEdit(QWidget* parent = nullptr);

    void SetInches(double inches);
    // The value, or nothing when the text is not a usable number.
    std::optional<double> Inches() const;
    // The value; on bad text shows a message naming the field, focuses it
    // and returns nothing.
    std::optional<double> ReadOrComplain(const QString& fieldName);

signals:
    // Editing finished with a usable number, already re-formatted.
    void inchesEdited(double inches);

private:
    void OnEditingFinished();
};

// Reads every field in order into values; stops at the first refused one
// (after its message) and returns false.
bool ReadInchFields(std::initializer_list<std::pair<CInchEdit*, QString>> fields, double* values);

// Inches to label units and back; rounding to the nearest unit, so showing
// and reading a value unchanged gives the same unit again.
int InchesToUnits(double inches);
double UnitsToInches(int units);
