#include "export/LabelJson.h"

#include "document/CCovermintDoc.h"
#include "document/LabelFile.h"
#include "base/XmlValues.h"
#include "drawing/CDrawingEngine.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSet>
#include <cstring>

namespace {

// Directory trees nested deeper than this are cut, marked "TRUNCATED".
constexpr int kMaxTreeDepth = 256;

const QSet<QString>& StringKeys()
{
    static const QSet<QString> keys{
        "PRIMTYPE", "PRIMNAME", "PRIMSEGMENTNAME", "FACENAME", "TEXT", "FILENAME",
        "DESCRIPTION", "NAME", "AUTHOR", "CREATED", "VERSION", "SHOWFILEDATEFORMAT",
        "SIZEUNITS", "DIRECTORYINFOSEGMENTNAME", "CDDBDISKTITLE", "CDDBTRACKLISTING",
        "CDDBEXTDISKINFO", "CDDBEXTTRACKLISTING"};
    return keys;
}

const QSet<QString>& RealKeys()
{
    static const QSet<QString> keys{"PTSIZE", "COLUMNWIDTH"};
    return keys;
}

const char* const kColorKeys[] = {"BGCOLOR", "FGCOLOR", "PTGCOLOR"};

QJsonValue TypedValue(const QString& key, const QString& text)
{
    if (StringKeys().contains(key))
        return text;
    if (RealKeys().contains(key)) {
        double v = 0;
        return ParseReal(text, v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
    }
    return ParseLeadingInt(text);
}

QJsonArray PointArray(pugi::xml_node point)
{
    QPoint p;
    ReadPoint(point, p);
    return QJsonArray{p.x(), p.y()};
}

QJsonArray PointPair(QPoint p)
{
    return QJsonArray{p.x(), p.y()};
}

// The value elements of one element: colours folded to "#rrggbb", POINTs
// gathered in an array, containers skipped (the caller handles them).
QJsonObject ValueObject(pugi::xml_node element)
{
    QJsonObject object;
    QJsonArray points;
    for (pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element)
            continue;
        const QString key = QString::fromUtf8(child.name());
        if (key == QLatin1String("POINT")) {
            points.append(PointArray(child));
            continue;
        }
        if (child.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; }))
            continue;
        bool isColorPart = false;
        for (const char* colorKey : kColorKeys) {
            const size_t n = std::strlen(colorKey);
            if (key.size() == qsizetype(n + 1) && key.startsWith(QLatin1String(colorKey))) {
                isColorPart = true;
                ColorRef c = 0;
                if (ReadColor(element, colorKey, c))
                    object.insert(QLatin1String(colorKey),
                                  QStringLiteral("#%1%2%3")
                                      .arg(RedOf(c), 2, 16, QLatin1Char('0'))
                                      .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
                                      .arg(BlueOf(c), 2, 16, QLatin1Char('0')));
            }
        }
        if (!isColorPart)
            object.insert(key, TypedValue(key, ElementText(child)));
    }
    if (!points.isEmpty())
        object.insert(QStringLiteral("POINT"), points);
    return object;
}

QJsonObject TreeObject(pugi::xml_node directory, int depth)
{
    QJsonObject object;
    object.insert(QStringLiteral("FILENAME"), ElementText(directory.child("FILENAME")));
    if (depth >= kMaxTreeDepth) {
        object.insert(QStringLiteral("TRUNCATED"), true);
        return object;
    }
    QJsonArray children;
    for (pugi::xml_node child : directory.child("CHILDREN").children()) {
        if (std::strcmp(child.name(), "FILE") == 0)
            children.append(QJsonObject{{QStringLiteral("FILE"), ValueObject(child)}});
        else if (std::strcmp(child.name(), "DIRECTORY") == 0)
            children.append(QJsonObject{{QStringLiteral("DIRECTORY"), TreeObject(child, depth + 1)}});
    }
    object.insert(QStringLiteral("CHILDREN"), children);
    return object;
}

QJsonObject RecordObject(pugi::xml_node info)
{
    QJsonObject record = ValueObject(info);
    const QJsonObject texts = ValueObject(info.child("CDDBINFO"));
    for (auto it = texts.begin(); it != texts.end(); ++it)
        record.insert(it.key(), it.value());
    if (pugi::xml_node tree = info.child("DIRECTORY"))
        record.insert(QStringLiteral("DIRECTORY"), TreeObject(tree, 0));
    return record;
}

// Text primitives know their box only after a drawing.
void DrawOnce(CCovermintDoc& document)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    RenderOptions options;
    options.printing = true;
    document.Engine().Render(painter, options);
}

} // namespace

QByteArray LabelToJson(CCovermintDoc& document)
{
    pugi::xml_document dom;
    LabelFile::BuildDocument(document, dom);
    const pugi::xml_node root = dom.child("COVERMINTLABEL");

    QJsonObject header;
    const CLabelHeaderFields& h = document.Header();
    header.insert(QStringLiteral("DESCRIPTION"), h.description);
    header.insert(QStringLiteral("NAME"), h.name);
    header.insert(QStringLiteral("AUTHOR"), h.author);
    header.insert(QStringLiteral("CREATED"), h.created);
    header.insert(QStringLiteral("VERSION"), h.version);

    QJsonArray records;
    for (pugi::xml_node info : root.children("DIRECTORYINFO"))
        records.append(RecordObject(info));

    DrawOnce(document);
    const auto& live = document.Engine().Primitives();
    QJsonArray primitives;
    size_t index = 0;
    for (pugi::xml_node element : root.child("DRAWINGENGINE").children("PRIMITIVE")) {
        QJsonObject primitive = ValueObject(element);
        if (index < live.size()) {
            const PrimitivePtr& p = live[index++];
            primitive.insert(QStringLiteral("BOX"),
                             QJsonArray{PointPair(p->GetTopLeft()), PointPair(p->GetBottomRight())});
        }
        primitives.append(primitive);
    }

    QJsonObject out;
    out.insert(QStringLiteral("header"), header);
    out.insert(QStringLiteral("display"), ValueObject(root.child("COVERMINTPREFERENCES")));
    out.insert(QStringLiteral("pageSize"), QJsonArray{document.PageSize().width(), document.PageSize().height()});
    out.insert(QStringLiteral("directoryInfo"), records);
    out.insert(QStringLiteral("primitives"), primitives);
    return QJsonDocument(out).toJson(QJsonDocument::Indented);
}
