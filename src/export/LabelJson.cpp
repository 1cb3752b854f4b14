#include "export/LabelJson.h"

#include "document/CCovermintDoc.h"
#include "document/JsonWriter.h"
#include "document/LabelFile.h"
#include "base/XmlValues.h"
#include "directory/CDirectorySegment.h"
#include "drawing/CDrawingEngine.h"
#include "export/PrintRendering.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstring>

namespace {

// Directory trees nested deeper than this are cut, marked "TRUNCATED".
constexpr int kMaxTreeDepth = 256;

bool IsOneOf(const char* key, std::initializer_list<const char*> keys)
{
    for (const char* k : keys)
        if (std::strcmp(key, k) == 0)
            return true;
    return false;
}

bool IsStringKey(const char* key)
{
    return IsOneOf(key, {"PRIMTYPE", "PRIMNAME", "PRIMSEGMENTNAME", "FACENAME", "TEXT", "FILENAME", "DESCRIPTION",
                         "NAME", "AUTHOR", "CREATED", "VERSION", "SHOWFILEDATEFORMAT", "SIZEUNITS",
                         "DIRECTORYINFOSEGMENTNAME", "CDDBDISKTITLE", "CDDBTRACKLISTING", "CDDBEXTDISKINFO",
                         "CDDBEXTTRACKLISTING"});
}

constexpr std::array<const char*, 3> kColorKeys{"BGCOLOR", "FGCOLOR", "PTGCOLOR"};

// The colour a KEYR, KEYG or KEYB element belongs to, or -1.
int ColorIndexOf(const char* key)
{
    const size_t length = std::strlen(key);
    for (size_t i = 0; i < kColorKeys.size(); ++i) {
        const size_t n = std::strlen(kColorKeys[i]);
        if (length == n + 1 && std::strncmp(key, kColorKeys[i], n) == 0)
            return int(i);
    }
    return -1;
}

void WritePoint(CJsonWriter& out, QPoint p)
{
    out.BeginArray();
    out.Int(p.x());
    out.Int(p.y());
    out.EndArray();
}

void WriteTypedValue(CJsonWriter& out, const char* key, const QString& text)
{
    if (IsStringKey(key)) {
        out.String(text);
    } else if (IsOneOf(key, {"PTSIZE", "COLUMNWIDTH"})) {
        double v = 0;
        ParseReal(text, v) ? out.Real(v) : out.Null();
    } else {
        out.Int(ParseLeadingInt(text));
    }
}

bool HasChildElement(pugi::xml_node node)
{
    return bool(node.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; }));
}

// The value elements of one element as members of the object being written:
// colours folded to "#rrggbb", the POINTs gathered in one array, containers
// skipped (the caller handles them).
void WriteValues(CJsonWriter& out, pugi::xml_node element)
{
    bool pointsWritten = false;
    std::array<bool, kColorKeys.size()> colorWritten{};
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element)
            continue;
        const char* key = child.name();
        if (std::strcmp(key, "POINT") == 0) {
            if (pointsWritten)
                continue;
            pointsWritten = true;
            out.Key("POINT");
            out.BeginArray();
            for (pugi::xml_node point = child; point; point = point.next_sibling("POINT")) {
                QPoint p;
                ReadPoint(point, p);
                WritePoint(out, p);
            }
            out.EndArray();
            continue;
        }
        if (HasChildElement(child))
            continue;
        const int color = ColorIndexOf(key);
        if (color < 0) {
            out.Key(key);
            WriteTypedValue(out, key, ElementText(child));
            continue;
        }
        ColorRef c = 0;
        if (colorWritten[size_t(color)] || !ReadColor(element, kColorKeys[size_t(color)], c))
            continue;
        colorWritten[size_t(color)] = true;
        out.Key(kColorKeys[size_t(color)]);
        out.String(QStringLiteral("#%1%2%3")
                       .arg(RedOf(c), 2, 16, QLatin1Char('0'))
                       .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
                       .arg(BlueOf(c), 2, 16, QLatin1Char('0')));
    }
}

void WriteValueObject(CJsonWriter& out, pugi::xml_node element)
{
    out.BeginObject();
    WriteValues(out, element);
    out.EndObject();
}

// Recursion is bounded by the depth limit.
void WriteTree(CJsonWriter& out, pugi::xml_node directory, int depth)
{
    out.BeginObject();
    out.Key("FILENAME");
    out.String(ElementText(directory.child("FILENAME")));
    if (depth >= kMaxTreeDepth) {
        out.Key("TRUNCATED");
        out.Bool(true);
        out.EndObject();
        return;
    }
    out.Key("CHILDREN");
    out.BeginArray();
    for (pugi::xml_node child : directory.child("CHILDREN").children()) {
        const bool isFile = std::strcmp(child.name(), "FILE") == 0;
        if (!isFile && std::strcmp(child.name(), "DIRECTORY") != 0)
            continue;
        out.BeginObject();
        out.Key(child.name());
        if (isFile)
            WriteValueObject(out, child);
        else
            WriteTree(out, child, depth + 1);
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
}

void WriteRecord(CJsonWriter& out, pugi::xml_node info)
{
    out.BeginObject();
    WriteValues(out, info);
    WriteValues(out, info.child("CDDBINFO"));
    if (pugi::xml_node tree = info.child("DIRECTORY")) {
        out.Key("DIRECTORY");
        WriteTree(out, tree, 0);
    }
    out.EndObject();
}

void WriteHeader(CJsonWriter& out, const CLabelHeaderFields& h)
{
    out.BeginObject();
    const std::pair<const char*, const QString*> fields[] = {{"DESCRIPTION", &h.description}, {"NAME", &h.name},
        {"AUTHOR", &h.author}, {"CREATED", &h.created}, {"VERSION", &h.version}};
    for (const auto& [key, value] : fields) {
        out.Key(key);
        out.String(*value);
    }
    out.EndObject();
}

} // namespace

bool WriteLabelJson(CCovermintDoc& document, QIODevice& device)
{
    MeasureOnce(document);
    CJsonWriter out(device);
    out.BeginObject();
    out.Key("header");
    WriteHeader(out, document.Header());

    // Each part goes through a DOM of its own, dropped once written, so
    // that only one part is ever held twice.
    pugi::xml_document dom;
    out.Key("display");
    WriteValueObject(out, LabelFile::StoreDisplaySettings(document, dom));
    out.Key("pageSize");
    WritePoint(out, QPoint(document.PageSize().width(), document.PageSize().height()));

    out.Key("directoryInfo");
    out.BeginArray();
    for (const auto& record : document.Records())
        WriteRecord(out, LabelFile::StoreDirectoryRecord(*record, dom));
    out.EndArray();

    out.Key("primitives");
    out.BeginArray();
    for (const PrimitivePtr& p : document.Engine().Primitives()) {
        dom.reset();
        p->Persist(true, dom);
        out.BeginObject();
        WriteValues(out, dom.child("PRIMITIVE"));
        out.Key("BOX");
        out.BeginArray();
        WritePoint(out, p->GetTopLeft());
        WritePoint(out, p->GetBottomRight());
        out.EndArray();
        if (const auto* segment = dynamic_cast<const CDirectorySegment*>(p.get())) {
            out.Key("ENTRIESPLACED");
            out.Int(segment->PlacedCount());
            out.Key("ENTRIESLEFTOUT");
            out.Int(segment->LeftOutCount());
        }
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
    return out.Flush();
}

QByteArray LabelToJson(CCovermintDoc& document)
{
    QByteArray json;
    QBuffer buffer(&json);
    buffer.open(QIODevice::WriteOnly);
    WriteLabelJson(document, buffer);
    return json;
}
