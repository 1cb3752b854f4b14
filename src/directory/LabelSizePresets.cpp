#include "directory/LabelSizePresets.h"

#include <array>

namespace {

constexpr LabelKind kKinds[] = {
    {"CDFRONT", "CD label frontpiece", "CD label frontpiece", "CD Jewel Case (Front)", 475, 475, 6},
    {"CDBACK", "CD label backpiece", "CD label backpiece", "CD Jewel Case (Back)", 537, 465, 6},
    {"ZIP", "ZIP Disk", "ZIP disk", "ZIP Disk", 381, 388, 3},
    {"JAZ", "JAZ Disk", "JAZ disk", "JAZ Disk", 288, std::nullopt, 3},
};

// The segment's text margin and column gap, in inches.
constexpr float kMargin = 0.04f;
constexpr float kGap = 0.06f;

// Trimmed off k columns (k = 2..6) so that rounding in the layout never
// pushes the last column past the label's edge.
constexpr std::array<std::array<float, 5>, 4> kCorrections = {{
    {0.02f, 0.02f, 0.04f, 0.03f, 0.02f},
    {0.02f, 0.03f, 0.05f, 0.03f, 0.02f},
    {0.02f, 0.02f, 0.0f, 0.0f, 0.0f},
    {0.02f, 0.02f, 0.0f, 0.0f, 0.0f},
}};

using Row = std::array<float, 6>;

std::array<Row, 4> ComputeTable()
{
    std::array<Row, 4> table{};
    for (std::size_t kind = 0; kind < table.size(); ++kind) {
        const float width = float(kKinds[kind].typicalWidth) / 100.0f - kMargin;
        table[kind][0] = width;
        for (int k = 2; k <= kKinds[kind].columnPresets; ++k)
            table[kind][k - 1] = (width - float(k - 1) * kGap) / float(k) - kCorrections[kind][k - 2];
    }
    return table;
}

} // namespace

namespace LabelSizePresets {

std::span<const LabelKind> Kinds()
{
    return kKinds;
}

const LabelKind* FindKind(const QString& keyword)
{
    for (const LabelKind& kind : kKinds)
        if (keyword == QLatin1String(kind.keyword))
            return &kind;
    return nullptr;
}

float ColumnWidth(int columns, const QString& kind)
{
    static const std::array<Row, 4> table = ComputeTable();
    std::size_t row = 0;
    if (const LabelKind* found = FindKind(kind))
        row = std::size_t(found - kKinds);
    if (columns < 1 || columns > kKinds[row].columnPresets)
        return table[0][0];
    return table[row][columns - 1];
}

} // namespace LabelSizePresets
